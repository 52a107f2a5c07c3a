#pragma once
// Reading a script of the dealer program (Debian's `dealer`, whose language teachers use to
// share their scenarios) as one theme of a plan, the way dealer itself reads it:
//
//   comments       # at the start of a line, // to the end of a line, /* ... */
//   commands       condition EXPR (the word may be left out; the last condition counts)
//                  produce N (the first counts), generate N (read, and left to Kesto's limits)
//                  dealer SEAT (north when none), vulnerable none|NS|EW|all (read; the boards
//                  keep their own), predeal SEAT HOLDING, HOLDING ... or predeal
//                  spades(SEAT) == N, pointcount N N ... (ace first), action with actions that
//                  only print (Kesto makes its own outputs), NAME = EXPR (defined once, before
//                  its use)
//   expressions    numbers, + - * / %, == != < <= > >=, && || ! and and or not, ? :, ( ),
//                  hcp(SEAT) hcp(SEAT, SUIT) controls(...) losers(...) spades(SEAT) ...
//                  shape(SEAT, any 4333 + 5xxx - any 0xxx) hascard(SEAT, AS)
//
// with C's precedence, words in small letters and singular or plural (hcp, hcps), seats
// north, east, south, west. A division by 0 gives 0. Words for what Kesto does not do while
// dealing (tricks, score, imps, average, frequency, ...) are refused, each with its reason.

#include <optional>
#include <string_view>
#include <vector>

#include "kesto/plan/condition.h"
#include "kesto/plan/plan_error.h"

namespace kesto {

// How a script's seats are taken. Turned: relative to the script's dealer, so that on each
// board its dealer's hand is the board's dealer's (a script about north opening deals boards
// on which the dealer opens); the predealt cards turn with them. AsWritten: the compass seats
// as they stand, the script's dealer ignored.
enum class ScriptSeats { Turned, AsWritten };

struct DealerScript {
    Condition condition;  // met by every deal when the script has none
    // The predealt cards, then the cards that hascard tests joined by && to the whole
    // condition require, with the condition's seat names.
    std::vector<FixedCard> fixedCards;
    std::optional<int> produce;  // the first "produce N", 1 to kMaxBoards
    int conditionLine = 1;       // where the condition begins; 1 when there is none
};

struct DealerScriptReading {
    DealerScript script;
    std::optional<PlanError> error;  // line and column in the script's text
};

// The script's condition and cards, or the first place where it cannot be read (or names
// something Kesto does not deal to).
DealerScriptReading ReadDealerScript(std::string_view text, ScriptSeats seats);

// Whether a plan's text is a dealer script rather than Kesto's own lines: some line begins
// with one of the script's commands (condition, produce, generate, predeal, dealer,
// vulnerable, action) or a definition (name = expression).
bool LooksLikeDealerScript(std::string_view text);

}  // namespace kesto
