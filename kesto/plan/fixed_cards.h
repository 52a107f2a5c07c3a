#pragma once
// The cards a plan's line puts in their seats before the rest of a deal is dealt at random:
// a hascard test joined to the whole condition by "and", or a dealer script's predeal.
// Dealing them first gives the boards that throwing away every other deal would give, at once.

#include <functional>
#include <string>
#include <vector>

#include "kesto/deal/deal.h"
#include "kesto/plan/condition.h"

namespace kesto {

// A deal whose hands hold just the fixed cards, on a board with this dealer.
tDeal FixedHands(const std::vector<FixedCard>& cards, Seat dealer);

// What makes the cards impossible to deal with some dealer: "the ace of spades is fixed to
// both north and south" or "more than 13 cards are fixed to north", seatWord naming a seat as
// the plan writes it; "" when they can be dealt on every board.
std::string FixedCardsFault(const std::vector<FixedCard>& cards,
                            const std::function<std::string(SeatName)>& seatWord);

}  // namespace kesto
