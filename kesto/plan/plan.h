#pragma once
// A plan: the themes of a teaching night, one line each, every line a count of boards and the
// condition each of those boards must meet.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "kesto/plan/condition.h"

namespace kesto {

// How many condition steps pass between two looks at the clock while deals are checked against
// a plan, so that a time limit holds whatever one deal costs: a plain condition looks every
// couple of hundred deals, a huge one after every deal.
inline constexpr std::uint64_t kClockInterval = 1 << 14;
// The deals between two looks at the clock when each deal is checked against conditions of
// this many steps in all (a deal itself counts as some steps too); at least 1.
std::uint64_t DealsBetweenClockLooks(std::size_t conditionSteps);

struct PlanLine {
    int lineNumber = 0;        // in the plan's text, from 1
    std::optional<int> count;  // none: the plan's one line (DealsEveryBoard)
    Condition condition;
};

struct Plan {
    std::vector<PlanLine> lines;

    // A plan of one line without a count: every board asked for meets its condition.
    bool DealsEveryBoard() const { return lines.size() == 1 && !lines.front().count; }

    // The counts' sum, or dealsAsked for a plan of one line without a count.
    int BoardCount(int dealsAsked) const;
    // The boards of each line (as BoardCount), in the order of lines.
    std::vector<int> BoardsOfLines(int dealsAsked) const;
};

}  // namespace kesto
