#include "kesto/plan/plan_dealing.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#include "kesto/deal/generate.h"
#include "kesto/plan/fixed_cards.h"
#include "kesto/plan/number_text.h"

namespace kesto {

namespace {

// Deals a stream counts before adding them to the run's total.
constexpr std::uint64_t kStreamChunk = 256;
// How often the thread that waits for the streams reports their progress.
constexpr std::chrono::milliseconds kStreamReportInterval{20};

std::string TimeText(std::chrono::milliseconds time) {
    const auto count = time.count();
    if (count % 1000 != 0) {
        return std::to_string(count) + " milliseconds";
    }
    return std::to_string(count / 1000) + (count == 1000 ? " second" : " seconds");
}

class PlanRun {
  public:
    PlanRun(const Plan& plan, const PlanDealingOptions& options, GeneratingRun& source)
        : plan_(plan),
          options_(options),
          source_(source),
          boardsOfLines_(plan.BoardsOfLines(options.dealsAsked)),
          madeOfLines_(boardsOfLines_.size(), 0),
          fixedHands_(plan.lines.size()) {
        for (std::size_t line = 0; line < plan.lines.size(); ++line) {
            if (!plan.lines[line].fixedCards.empty()) {
                for (const Seat dealer : kClockwise) {
                    fixedHands_[line][static_cast<std::size_t>(dealer)].emplace(
                        FixedHands(plan.lines[line].fixedCards, dealer));
                }
            }
        }
    }

    PlanDealing Deal(tBoardSet& boardSet) {
        std::vector<int> order;  // each board's line
        for (std::size_t line = 0; line < boardsOfLines_.size(); ++line) {
            order.insert(order.end(), static_cast<std::size_t>(std::max(boardsOfLines_[line], 0)),
                         static_cast<int>(line));
        }
        result_.progress.boardsWanted = static_cast<int>(order.size());
        if (options_.mix && !Mix(order)) {
            return Ended(source_.SourceStatus());
        }
        const int firstBoard = static_cast<int>(boardSet.size()) + 1;
        if (!EveryBoardMayBeMet(order, firstBoard)) {
            return std::move(result_);
        }
        if (plan_.HoldsScript()) {
            return DealInStreams(boardSet, std::move(order), firstBoard);
        }
        tBoardSet made;
        made.reserve(order.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            const std::size_t line = static_cast<std::size_t>(order[i]);
            tDeal deal;
            if (!Find(line, BoardDealer(firstBoard + static_cast<int>(i)), deal)) {
                return std::move(result_);
            }
            made.push_back(deal);
            ++madeOfLines_[line];
            ++result_.progress.boardsMade;
            if (options_.progress && !options_.progress(result_.progress)) {
                return Ended(Status::Cancelled());
            }
        }
        boardSet.insert(boardSet.end(), made.begin(), made.end());
        result_.lineOfBoard = std::move(order);
        return std::move(result_);
    }

  private:
    // The next deal of a run for a board of the line with this dealer: with the line's fixed
    // cards in place, when it has any.
    bool NextDeal(GeneratingRun& run, std::size_t line, Seat dealer, tDeal& deal) const {
        const std::optional<FixedCards>& fixed =
            fixedHands_[line][static_cast<std::size_t>(dealer)];
        return fixed ? run.Next(*fixed, deal) : run.Next(deal);
    }

    // Fisher-Yates over the boards' lines.
    bool Mix(std::vector<int>& order) {
        for (std::size_t i = order.size(); i > 1; --i) {
            const std::optional<std::uint32_t> j = source_.Below(static_cast<std::uint32_t>(i));
            if (!j) {
                return false;
            }
            std::swap(order[i - 1], order[*j]);
        }
        return true;
    }

    // False, with result_ saying why, when a board's line can never be met with its dealer:
    // no number of deals would make that board.
    bool EveryBoardMayBeMet(const std::vector<int>& order, int firstBoard) {
        std::vector<std::array<std::optional<bool>, 4>> never(plan_.lines.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            const int board = firstBoard + static_cast<int>(i);
            const auto line = static_cast<std::size_t>(order[i]);
            const Seat dealer = BoardDealer(board);
            std::optional<bool>& known = never[line][static_cast<std::size_t>(dealer)];
            if (!known) {
                known = plan_.lines[line].condition.NeverMet(dealer);
            }
            if (*known) {
                return Stop(Status::TooRare(
                    "No deal can meet line " + std::to_string(plan_.lines[line].lineNumber) +
                    " with " + std::string(SeatWord(dealer)) + " dealing, as on board " +
                    std::to_string(board) + "; no boards were dealt."));
            }
        }
        return true;
    }

    // Deals until a deal meets the line's condition on a board with this dealer; false, with
    // result_ saying why, when the run ends first.
    bool Find(std::size_t line, Seat dealer, tDeal& deal) {
        const Condition& condition = plan_.lines[line].condition;
        const std::uint64_t clockInterval = DealsBetweenClockLooks(condition.StepCount());
        const unsigned seats = condition.SeatsRead(dealer);
        std::uint64_t sinceClock = clockInterval;  // each board looks at the clock first
        std::uint64_t& tried = result_.progress.dealsTried;
        for (;;) {
            if (tried >= options_.maxDeals) {
                return TooRare(line, DealsText(tried));
            }
            if (sinceClock == clockInterval) {
                sinceClock = 0;
                if (options_.now() - start_ >= options_.maxTime) {
                    return TooRare(line,
                                   TimeText(options_.maxTime) + " (" + DealsText(tried) + ")");
                }
            }
            ++sinceClock;
            if (tried % kPlanProgressInterval == 0 && tried > 0 && options_.progress &&
                !options_.progress(result_.progress)) {
                return Stop(Status::Cancelled());
            }
            if (!NextDeal(source_, line, dealer, deal)) {
                return Stop(source_.SourceStatus());
            }
            ++tried;
            if (condition.Meets(FiguresOf(deal, seats), dealer)) {
                return true;
            }
        }
    }

    // The plan's boards dealt by kPlanStreams streams at once, each on a thread of its own:
    // stream k finds boards k, k + kPlanStreams, ... in turn, so the boards do not depend on
    // which thread is quicker, and a seed repeats.
    PlanDealing DealInStreams(tBoardSet& boardSet, std::vector<int> order, int firstBoard) {
        GeneratingStreams streams(source_, kPlanStreams);
        Streams shared(order.size());
        const auto work = [&](int k) {
            try {
                DealStream(streams[k], k, order, firstBoard, shared);
            } catch (...) {
                shared.Stop({}, std::current_exception());
            }
        };
        std::vector<std::thread> threads;
        std::vector<int> unthreaded;  // streams no thread could be made for, dealt here after
        for (int k = 0; k < kPlanStreams; ++k) {
            try {
                threads.emplace_back(work, k);
            } catch (const std::system_error&) {
                unthreaded.push_back(k);
            }
        }
        WaitForStreams(shared, threads.size());
        for (std::thread& thread : threads) {
            thread.join();
        }
        for (const int k : unthreaded) {
            work(k);
        }
        if (shared.error) {
            std::rethrow_exception(shared.error);
        }
        result_.progress.dealsTried = shared.tried;
        result_.progress.boardsMade = shared.boardsMade;
        if (shared.stop) {
            FinishStopped(order, shared);
            return std::move(result_);
        }
        for (const std::optional<tDeal>& deal : shared.deals) {
            boardSet.push_back(*deal);
        }
        result_.lineOfBoard = std::move(order);
        return std::move(result_);
    }

    // What the streams share; every member is safe to use from any of them.
    struct Streams {
        explicit Streams(std::size_t boards) : deals(boards) {}

        // The first stop wins; a cancel or a failure then ends every stream at its next deal.
        void Stop(Status status, std::exception_ptr thrown = {}, std::string triedSoFar = {}) {
            const std::lock_guard lock(mutex);
            if (!stop) {
                stopped = std::move(status);
                error = std::move(thrown);
                triedText = std::move(triedSoFar);
                stop = true;
            }
            ended.notify_all();
        }

        std::vector<std::optional<tDeal>> deals;  // each board, once made; written by its stream
        std::atomic<bool> stop = false;
        std::atomic<std::uint64_t> tried = 0;
        std::atomic<int> boardsMade = 0;
        std::atomic<int> streamsEnded = 0;
        std::mutex mutex;
        std::condition_variable ended;  // a stream ended or the run stopped
        // Set once under the mutex, by Stop; read after every stream has ended.
        Status stopped;  // TooRare (its reason made at the end), Cancelled, or the source's own
        std::exception_ptr error;
        std::string triedText;  // TooRare: "after ..." what was tried
    };

    void DealStream(GeneratingRun& run, int k, const std::vector<int>& order, int firstBoard,
                    Streams& shared) const {
        // Each stream's share of the deals allowed: which stream runs out first, and the
        // boards made before, do not hang on the threads' speed.
        const std::uint64_t allowed = (options_.maxDeals + kPlanStreams - 1) / kPlanStreams;
        std::uint64_t used = 0;
        std::uint64_t counted = 0;  // deals not yet added to shared.tried
        const auto count = [&] {
            shared.tried += counted;
            counted = 0;
        };
        const auto end = [&] {
            count();
            ++shared.streamsEnded;
            shared.ended.notify_all();
        };
        for (std::size_t i = static_cast<std::size_t>(k); i < order.size(); i += kPlanStreams) {
            const auto line = static_cast<std::size_t>(order[i]);
            const Seat dealer = BoardDealer(firstBoard + static_cast<int>(i));
            const Condition& condition = plan_.lines[line].condition;
            const std::uint64_t clockInterval = DealsBetweenClockLooks(condition.StepCount());
            const unsigned seats = condition.SeatsRead(dealer);
            std::uint64_t sinceClock = clockInterval;
            tDeal deal;
            for (;;) {
                if (shared.stop) {
                    return end();
                }
                if (used++ == allowed) {
                    shared.Stop(Status::TooRare({}), {}, DealsText(options_.maxDeals));
                    return end();
                }
                if (++counted == kStreamChunk) {
                    count();
                }
                if (sinceClock++ == clockInterval) {
                    sinceClock = 1;
                    if (options_.now() - start_ >= options_.maxTime) {
                        shared.Stop(Status::TooRare({}), {},
                                    TimeText(options_.maxTime) + " (" +
                                        DealsText(shared.tried + counted) + ")");
                        return end();
                    }
                }
                if (!NextDeal(run, line, dealer, deal)) {
                    shared.Stop(run.SourceStatus());
                    return end();
                }
                if (condition.Meets(FiguresOf(deal, seats), dealer)) {
                    break;
                }
            }
            shared.deals[i] = deal;
            ++shared.boardsMade;  // reported at the next look, not woken for: boards come fast
        }
        end();
    }

    // Reports the streams' progress until every thread's stream has ended; a cancel stops them.
    void WaitForStreams(Streams& shared, std::size_t threads) const {
        std::unique_lock lock(shared.mutex);
        while (static_cast<std::size_t>(shared.streamsEnded) < threads) {
            shared.ended.wait_for(lock, kStreamReportInterval);
            if (!options_.progress || shared.stop) {
                continue;
            }
            const PlanProgress progress{shared.boardsMade, static_cast<int>(shared.deals.size()),
                                        shared.tried};
            lock.unlock();
            const bool goOn = options_.progress(progress);
            lock.lock();
            if (!goOn) {
                lock.unlock();
                shared.Stop(Status::Cancelled());
                lock.lock();
            }
        }
    }

    // The outcome of streams that stopped before every board was made: a too rare plan names
    // the line of the first board not made.
    void FinishStopped(const std::vector<int>& order, Streams& shared) {
        if (!shared.stopped.IsTooRare()) {
            Stop(shared.stopped);
            return;
        }
        std::size_t missing = 0;
        while (missing < order.size() && shared.deals[missing]) {
            ++missing;
        }
        const auto line = static_cast<std::size_t>(order[std::min(missing, order.size() - 1)]);
        for (std::size_t i = 0; i < order.size(); ++i) {
            madeOfLines_[line] += static_cast<std::size_t>(order[i]) == line && shared.deals[i];
        }
        TooRare(line, shared.triedText);
    }

    bool TooRare(std::size_t line, const std::string& tried) {
        const std::string name = "line " + std::to_string(plan_.lines[line].lineNumber);
        const int made = madeOfLines_[line];
        const std::string met = made == 0 ? "No deal met " + name
                                          : "Only " + std::to_string(made) + " of the " +
                                                std::to_string(boardsOfLines_[line]) +
                                                " boards met " + name;
        return Stop(Status::TooRare(met + " after " + tried + "; no boards were dealt."));
    }

    bool Stop(Status status) {
        result_.status = std::move(status);
        return false;
    }

    PlanDealing Ended(Status status) {
        Stop(std::move(status));
        return std::move(result_);
    }

    const Plan& plan_;
    const PlanDealingOptions& options_;
    GeneratingRun& source_;
    const std::vector<int> boardsOfLines_;
    std::vector<int> madeOfLines_;
    // Each line's fixed cards in their seats on boards of each dealer; none without any.
    std::vector<std::array<std::optional<FixedCards>, 4>> fixedHands_;
    const std::chrono::steady_clock::time_point start_ = options_.now();
    PlanDealing result_;
};

}  // namespace

PlanDealing DealToPlan(tBoardSet& boardSet, const Plan& plan, const PlanDealingOptions& options,
                       GeneratingRun& run) {
    return PlanRun(plan, options, run).Deal(boardSet);
}

}  // namespace kesto
