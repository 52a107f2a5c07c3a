#include "kesto/plan/plan_dealing.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "kesto/deal/generate.h"
#include "kesto/plan/number_text.h"

namespace kesto {

namespace {

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
          madeOfLines_(boardsOfLines_.size(), 0) {}

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
            if (!source_.Next(deal)) {
                return Stop(source_.SourceStatus());
            }
            ++tried;
            if (condition.Meets(FiguresOf(deal), dealer)) {
                return true;
            }
        }
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
    const std::chrono::steady_clock::time_point start_ = options_.now();
    PlanDealing result_;
};

}  // namespace

PlanDealing DealToPlan(tBoardSet& boardSet, const Plan& plan, const PlanDealingOptions& options,
                       GeneratingRun& run) {
    return PlanRun(plan, options, run).Deal(boardSet);
}

}  // namespace kesto
