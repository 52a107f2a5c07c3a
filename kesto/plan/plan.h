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
    // The cards dealt to their seats before the rest (fixed_cards.h): the condition's
    // RequiredCards, and a dealer script's predealt cards.
    std::vector<FixedCard> fixedCards;
    bool script = false;  // the line's condition is a dealer script's
};

struct Plan {
    std::vector<PlanLine> lines;
    // A plan that is one dealer script (or one script line without a count): its "produce N",
    // the boards it deals when nothing else gives their number.
    std::optional<int> produce;

    // A plan of one line without a count: every board asked for meets its condition.
    bool DealsEveryBoard() const { return lines.size() == 1 && !lines.front().count; }
    // Some line is a dealer script's. Such a plan deals on several threads at once, each from a
    // stream of its own (plan_dealing.h); a plan of Kesto's own lines deals as it always has.
    bool HoldsScript() const;

    // The counts' sum, or dealsAsked for a plan of one line without a count.
    int BoardCount(int dealsAsked) const;
    // The boards of each line (as BoardCount), in the order of lines.
    std::vector<int> BoardsOfLines(int dealsAsked) const;
};

}  // namespace kesto
