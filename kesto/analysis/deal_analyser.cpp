#include "kesto/analysis/deal_analyser.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "kesto/analysis/dds_solver.h"
#include "kesto/analysis/solver_process.h"

namespace kesto {

namespace {

constexpr int kBoardCycle = 16;  // dealer and vulnerability repeat every sixteen boards

// Deals a call of the solver gives each of its threads. The solver hands out a call's work
// strain by strain as threads come free, and each call ends with threads idle while the last
// strain is solved: with one deal a thread that costs about a sixth more than one call of every
// deal, with two about a twentieth. A deal takes a quarter of a second to a second of one core,
// so two a thread keep a call to a second or two on any number of cores, and the progress bar
// moves that often.
constexpr std::size_t kDealsPerThread = 2;

// Four hands of 13 cards that hold every card once: what the solver can play.
bool IsComplete(const tDeal& deal) {
    for (const Suit suit : kAllSuits) {
        tSuitSet all = 0;
        int count = 0;
        for (const Seat seat : kClockwise) {
            all |= deal.Hand(seat).Holding(suit);
            count += deal.Hand(seat).SuitLength(suit);
        }
        if (count != 13 || SuitLength(all) != 13) {
            return false;
        }
    }
    for (const Seat seat : kClockwise) {
        if (deal.Hand(seat).CardCount() != kCardsInHand) {
            return false;
        }
    }
    return true;
}

}  // namespace

DealAnalyser::DealAnalyser()
    : ownSolver_(std::make_unique<SolverProcess>()), solver_(*ownSolver_) {}

DealAnalyser::DealAnalyser(DoubleDummySolver& solver) : solver_(solver) {}

DealAnalyser::~DealAnalyser() = default;

void DealAnalyser::Interrupt() {
    solver_.Interrupt();
}

DealAnalyser::Cards DealAnalyser::CardsOf(const tDeal& deal) {
    Cards cards{};
    std::size_t i = 0;
    for (const Seat seat : kClockwise) {
        for (const Suit suit : kAllSuits) {
            cards[i++] = deal.Hand(seat).Holding(suit);
        }
    }
    return cards;
}

DealAnalyser::BoardKey DealAnalyser::KeyOf(const Cards& cards, int boardNumber) {
    return {cards, ((boardNumber % kBoardCycle) + kBoardCycle) % kBoardCycle};
}

Status DealAnalyser::Analyse(const tBoardSet& boardSet, const AnalysisProgress& progress) {
    solver_.Resume();
    // Each deal not solved yet, once however many boards hold it.
    std::vector<Cards> toSolve;
    std::vector<std::string> texts;
    {
        const std::lock_guard lock(mutex_);
        std::set<Cards> chosen;
        for (const tDeal& deal : boardSet) {
            if (!IsComplete(deal)) {
                continue;
            }
            const Cards cards = CardsOf(deal);
            if (tables_.contains(cards) || !chosen.insert(cards).second) {
                continue;
            }
            toSolve.push_back(cards);
            texts.push_back(SolverDealText(deal));
        }
    }

    // The lock is not held while the solver works: Find answers from what is stored meanwhile.
    // What was solved before a failure or a cancel is kept.
    if (progress && !toSolve.empty() && !progress(0, toSolve.size())) {
        return Status::Cancelled();
    }
    const std::size_t perCall =
        std::clamp(solver_.Threads() * kDealsPerThread, std::size_t{1}, kMaxDealsPerSolverCall);
    for (std::size_t start = 0; start < toSolve.size(); start += perCall) {
        const std::size_t end = std::min(start + perCall, toSolve.size());
        const std::vector<std::string> batch(texts.begin() + static_cast<std::ptrdiff_t>(start),
                                             texts.begin() + static_cast<std::ptrdiff_t>(end));
        const StatusOr<std::vector<TrickTable>> solved = solver_.SolveTables(batch);
        if (!solved.status.Ok()) {
            return solved.status;
        }
        {
            const std::lock_guard lock(mutex_);
            for (std::size_t i = start; i < end; ++i) {
                tables_.emplace(toSolve[i], solved.value[i - start]);
            }
        }
        // Par takes no time beside the tables: each call's boards are found at once.
        if (const Status par = AddPar(boardSet); !par.Ok()) {
            return par;
        }
        if (progress && !progress(end, toSolve.size())) {
            return Status::Cancelled();
        }
    }
    // Boards whose deals were solved before (another board number, an earlier call).
    return AddPar(boardSet);
}

Status DealAnalyser::AddPar(const tBoardSet& boardSet) {
    struct Wanted {
        BoardKey key;
        TrickTable table;
        int boardNumber;
    };
    std::vector<Wanted> wanted;
    {
        const std::lock_guard lock(mutex_);
        std::set<BoardKey> chosen;
        for (std::size_t i = 0; i < boardSet.size(); ++i) {
            if (!IsComplete(boardSet[i])) {
                continue;
            }
            const int boardNumber = static_cast<int>(i) + 1;
            const Cards cards = CardsOf(boardSet[i]);
            const auto table = tables_.find(cards);
            BoardKey key = KeyOf(cards, boardNumber);
            if (table == tables_.end() || analyses_.contains(key) || !chosen.insert(key).second) {
                continue;
            }
            wanted.push_back({std::move(key), table->second, boardNumber});
        }
    }
    for (const Wanted& board : wanted) {
        const StatusOr<ParResult> par = solver_.Par(board.table, BoardDealer(board.boardNumber),
                                                    BoardVulnerability(board.boardNumber));
        if (!par.status.Ok()) {
            return par.status;
        }
        auto analysis = std::make_shared<DealAnalysis>();
        analysis->tricks = board.table;
        analysis->parScoreNS = par.value.scoreNS;
        analysis->parContracts = par.value.contracts;
        const std::lock_guard lock(mutex_);
        analyses_.emplace(board.key, std::move(analysis));
    }
    return Status();
}

std::shared_ptr<const DealAnalysis> DealAnalyser::Find(const tDeal& deal, int boardNumber) const {
    if (!IsComplete(deal)) {
        return nullptr;
    }
    const std::lock_guard lock(mutex_);
    const auto found = analyses_.find(KeyOf(CardsOf(deal), boardNumber));
    return found == analyses_.end() ? nullptr : found->second;
}

std::vector<std::shared_ptr<const DealAnalysis>> DealAnalyser::FindAll(
    const tBoardSet& boardSet) const {
    std::vector<std::shared_ptr<const DealAnalysis>> found;
    found.reserve(boardSet.size());
    for (std::size_t i = 0; i < boardSet.size(); ++i) {
        found.push_back(Find(boardSet[i], static_cast<int>(i) + 1));
    }
    return found;
}

}  // namespace kesto
