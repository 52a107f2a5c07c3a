#pragma once
// Reading a plan from the text a teacher writes. Each line is "count: condition", or the plan
// is one condition alone that every board asked for must meet; blank lines are skipped.
//
//   condition  tests joined by "not", "and", "or" (binding in that order) and parentheses
//   test       value op value      op: = <> < <= > >=
//              value a-b           a range, both ends included; an en dash also serves
//              balanced(seat)  semibalanced(seat)
//              shape(seat) = 5431  shape(seat) = any 5431   lengths spades, hearts, diamonds,
//                                  clubs; x matches any length; "any": in any suit order
//   value      a whole number, hcp(seat), controls(seat), spades(seat), hearts(seat),
//              diamonds(seat), clubs(seat), joined by + and -
//   seat       N E S W north east south west, or relative to the board's dealer: dealer lho
//              partner rho
//
// Words in any letter case; spaces and tabs anywhere between words and signs.

#include <optional>
#include <string>
#include <string_view>

#include "kesto/plan/plan.h"

namespace kesto {

// The most boards a plan's counts add up to.
inline constexpr int kMaxPlanBoards = kMaxBoards;
// The largest number a condition may hold, and the deepest nesting of its parentheses.
inline constexpr int kMaxPlanNumber = 999;
inline constexpr int kMaxPlanNesting = 16;

struct PlanError {
    int line = 0;      // from 1
    int column = 0;    // in characters from 1; one past the line's last at its end
    std::string what;  // what was expected there, without the full stop
};

// "Line 2, column 17: a seat (N, E, S, W, dealer, lho, partner, rho) was expected."
std::string PlanErrorText(const PlanError& error);

struct PlanReading {
    Plan plan;  // no lines when the text cannot be read
    std::optional<PlanError> error;
};

// The plan, or the first place in the text where it cannot be read.
PlanReading ReadPlan(std::string_view text);

}  // namespace kesto
