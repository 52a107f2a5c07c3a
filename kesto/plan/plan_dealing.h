#pragma once
// Dealing a board set to a plan. Each board is dealt as the generating run deals one, with the
// generator chosen, and kept only when it meets the condition of its plan line for its board
// number; otherwise the next deal is tried for the same board. A plan too rare to finish
// within the limits, or with a line that no deal can meet on its board, deals nothing.
//
// Made to run on a worker thread: it touches nothing but its arguments, reports progress and
// takes a cancel through one callback.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "kesto/deal/deal.h"
#include "kesto/plan/plan.h"
#include "kesto/platform/status.h"

namespace kesto {

class GeneratingRun;

struct PlanProgress {
    int boardsMade = 0;
    int boardsWanted = 0;
    std::uint64_t dealsTried = 0;
};

// How many deals are tried between two progress reports while a board is looked for.
inline constexpr std::uint64_t kPlanProgressInterval = 1 << 16;

// The streams a plan that holds a dealer script is dealt from, each on a thread of its own
// (GeneratingStreams): the same number on every machine, so that a seed gives the same boards.
inline constexpr int kPlanStreams = 4;

// Called on the dealing thread after each board made and every kPlanProgressInterval deals
// tried (a plan dealt in streams: every few hundredths of a second while they deal); returning
// false cancels the run.
using PlanProgressReport = std::function<bool(const PlanProgress&)>;

struct PlanDealingOptions {
    int dealsAsked = 0;  // the boards of a plan of one line without a count
    bool mix = false;    // the boards of all lines in a random order, instead of line by line
    std::uint64_t maxDeals = 100'000'000;       // deals tried in all before the plan is too rare
    std::chrono::milliseconds maxTime{60'000};  // or time taken
    PlanProgressReport progress{};              // none: no reports, no cancel
    // Where the time taken is read, after every kClockInterval condition steps (plan.h).
    std::function<std::chrono::steady_clock::time_point()> now = &std::chrono::steady_clock::now;
};

struct PlanDealing {
    // Ok: the plan's boards were appended to the board set. TooRare: a limit came first, or a
    // line can never be met on its board; the reason says which line and what was tried: "Only
    // 3 of the 12 boards met line 2 after 100 million deals; no boards were dealt." or "No deal
    // can meet line 4 with East dealing, as on board 2; no boards were dealt.". Cancelled: the
    // progress report returned false. Otherwise the secure source's failure, as it gave it.
    Status status;
    PlanProgress progress;         // at the end of the run
    std::vector<int> lineOfBoard;  // Ok: for each board dealt, its line's index in plan.lines
};

// Appends the plan's boards, dealt by the run, to the board set, which the caller has emptied
// (board number = position + 1). Without mix, line 1's boards come first, then line 2's, and
// so on; with mix, the order of the boards is drawn first, from the same run, so a seeded run
// repeats either way. A line's fixed cards are dealt to their seats first and the other cards
// at random. A plan that holds a dealer script is dealt in kPlanStreams streams split from the
// run. Anything but Ok leaves the board set as it was.
PlanDealing DealToPlan(tBoardSet& boardSet, const Plan& plan, const PlanDealingOptions& options,
                       GeneratingRun& run);

}  // namespace kesto
