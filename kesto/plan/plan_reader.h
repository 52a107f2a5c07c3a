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
//              hascard(seat, SA)   the card, suit then rank (T the ten), in the seat's hand
//   value      a whole number, hcp(seat), controls(seat), losers(seat) (the losing-trick
//              count), hcp(seat, suit), controls(seat, suit), losers(seat, suit),
//              spades(seat), hearts(seat), diamonds(seat), clubs(seat), joined by + and -
//   seat       N E S W north east south west, or relative to the board's dealer: dealer lho
//              partner rho
//   suit       spades hearts diamonds clubs (or spade, heart, diamond, club)
//
// A line "count: script FILE" takes its condition from a dealer script in that file; a plan
// whose text is itself a dealer script (dealer_script.h) is one theme, read as the script.
// Words in any letter case; spaces and tabs anywhere between words and signs.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "kesto/plan/dealer_script.h"
#include "kesto/plan/plan.h"
#include "kesto/plan/plan_error.h"
#include "kesto/platform/status.h"

namespace kesto {

// The text of the file a "script FILE" line names, as Windows-1252, or why it cannot be read.
using ScriptFileReader = std::function<StatusOr<std::string>(const std::string& fileName)>;

struct PlanReadOptions {
    ScriptSeats seats = ScriptSeats::Turned;  // of every dealer script in the plan
    ScriptFileReader readScript{};            // none: a "script FILE" line cannot be read
};

// The most boards a plan's counts add up to.
inline constexpr int kMaxPlanBoards = kMaxBoards;
// The largest number a condition may hold, and the deepest nesting of its parentheses.
inline constexpr int kMaxPlanNumber = 999;
inline constexpr int kMaxPlanNesting = 16;

struct PlanReading {
    Plan plan;  // no lines when the text cannot be read
    std::optional<PlanError> error;
};

// The plan, or the first place in the text where it cannot be read.
PlanReading ReadPlan(std::string_view text, const PlanReadOptions& options = {});

}  // namespace kesto
