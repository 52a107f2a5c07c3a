#pragma once
// A plan: the themes of a teaching night, one line each, every line a count of boards and the
// condition each of those boards must meet.

#include <optional>
#include <vector>

#include "kesto/plan/condition.h"

namespace kesto {

struct PlanLine {
    int lineNumber = 0;        // in the plan's text, from 1
    std::optional<int> count;  // none: the plan's one line, which deals every board asked for
    Condition condition;
};

struct Plan {
    std::vector<PlanLine> lines;

    // The counts' sum, or dealsAsked for a plan of one line without a count.
    int BoardCount(int dealsAsked) const;
    // The boards of each line (as BoardCount), in the order of lines.
    std::vector<int> BoardsOfLines(int dealsAsked) const;
};

}  // namespace kesto
