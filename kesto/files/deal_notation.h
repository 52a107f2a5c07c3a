#pragma once
// The PBN text form of a board: hand texts, the Deal tag, the Board, Dealer and Vulnerable
// tags, and the deal record that crosses to both libraries.

#include <string>
#include <string_view>

#include "kesto/deal/deal.h"

namespace kesto {

// Four suit texts (ten "T") joined by "."; an empty hand is "...".
std::string HandText(const tHand& hand);

// A Deal tag's value "F:H1 H2 H3 H4", hands clockwise from the first seat. A hand without
// cards is handWithoutCards when one is given (the PBN export's "-"), else "...".
std::string DealValue(const tDeal& deal, Seat firstSeat, std::string_view handWithoutCards = {});

// [Deal "F:H1 H2 H3 H4"], the value above with "..." for a hand without cards. The seat is
// taken in upper case; anything but 'E', 'S' or 'W' means North.
std::string DealTag(const tDeal& deal, char firstSeat);

// Sets the four hands from a Deal tag. A text that does not begin with [Deal " and end with
// "], or whose first seat is not N, E, S or W, leaves the deal unchanged. Never fails.
void ReadDealTag(tDeal& deal, std::string_view text);

// What keeps a Deal tag that ReadDealTag takes from being hands of real cards, as the rest of
// a sentence that begins with its board: a character that is no rank, "." or a lone "-" (an
// unknown hand) is "holds \"x\", which is no card"; a card named twice "holds the ace of
// spades twice"; a fifth suit or hand "has a hand of more than four suits" or "has more than
// four hands"; one to three hands that name a card "gives only three hands". Empty when
// nothing is wrong and for a text ReadDealTag leaves alone.
std::string DealTagFault(std::string_view text);

std::string BoardTag(int boardNumber);       // [Board "n"]
std::string DealerTag(int boardNumber);      // [Dealer "D"]
std::string VulnerableTag(int boardNumber);  // [Vulnerable "V"]

// Board, Dealer, Vulnerable and Deal tags joined by "|"; the deal starts with the dealer.
std::string DealRecord(int boardNumber, const tDeal& deal);

}  // namespace kesto
