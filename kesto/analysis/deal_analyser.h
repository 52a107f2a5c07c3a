#pragma once
// Solving a board set with the double-dummy solver, once per deal: the analyser keeps what it
// has found, so a second printout, page or file of the same deals costs nothing.

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "kesto/analysis/deal_analysis.h"
#include "kesto/deal/deal.h"
#include "kesto/platform/status.h"

namespace kesto {

class DoubleDummySolver;

// Called once the deals to solve are known (done 0), then after each batch of deals the solver
// finishes: deals done so far and deals to solve in this call. Returning false cancels the
// analysis there, after the batch in progress.
using AnalysisProgress = std::function<bool(std::size_t done, std::size_t total)>;

class DealAnalyser {
  public:
    // Solves with a solver process of its own (SolverProcess), ended with the analyser.
    DealAnalyser();
    // Solves with solver, which must outlive the analyser.
    explicit DealAnalyser(DoubleDummySolver& solver);
    ~DealAnalyser();
    DealAnalyser(const DealAnalyser&) = delete;
    DealAnalyser& operator=(const DealAnalyser&) = delete;

    // Solves every complete deal of the board set not solved yet (board number = position + 1
    // gives the vulnerability for par), using every core, a few deals for each of the solver's
    // threads a call, so that progress comes often. Incomplete deals are skipped.
    // Fails with the solver's own error text, or as Cancelled when progress returned false or
    // the solver was interrupted; what was solved before a failure or a cancel is kept.
    // May run on a worker thread while Find and Interrupt are called on another.
    Status Analyse(const tBoardSet& boardSet, const AnalysisProgress& progress = {});

    // Cuts the run in progress short, from any thread: the solver's call in progress ends at
    // once and fails, as does every later call of that run (DoubleDummySolver::Interrupt). The
    // next Analyse calls the solver again.
    void Interrupt();

    // The analysis of the deal as board boardNumber, or nullptr when it is incomplete or has
    // not been analysed.
    std::shared_ptr<const DealAnalysis> Find(const tDeal& deal, int boardNumber) const;

    // Find for every board of the set, in its order (board number = position + 1): the one
    // place the outputs take their analyses from.
    std::vector<std::shared_ptr<const DealAnalysis>> FindAll(const tBoardSet& boardSet) const;

  private:
    // The cards of a deal, hand by hand (N, E, S, W) and suit by suit: tricks depend on these
    // alone.
    using Cards = std::array<tSuitSet, 16>;
    // Par depends on the cards, the dealer and the vulnerability; the board's place in the
    // sixteen-board cycle gives both.
    using BoardKey = std::pair<Cards, int>;

    static Cards CardsOf(const tDeal& deal);
    static BoardKey KeyOf(const Cards& cards, int boardNumber);
    // Adds par for every board of the set whose deal has its tricks and no par yet.
    Status AddPar(const tBoardSet& boardSet);

    std::unique_ptr<DoubleDummySolver> ownSolver_;  // when none was given
    DoubleDummySolver& solver_;
    mutable std::mutex mutex_;  // guards the two maps
    std::map<Cards, std::array<std::array<int, kStrainCount>, 4>> tables_;
    std::map<BoardKey, std::shared_ptr<const DealAnalysis>> analyses_;
};

}  // namespace kesto
