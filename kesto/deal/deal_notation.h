#pragma once
// The PBN text form of a board: tag pairs, hand texts, the Deal value, the Board, Dealer and
// Vulnerable tags, and the deal record that crosses to both libraries.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/deal/deal.h"

namespace kesto {

// A tag such as the double-dummy analysis's OptimumScore; its value is plain text. A table tag
// (OptimumResultTable) has a section: its rows, written after the tag pair, one line each, as
// they stand; its value, the column list, stands as it is too ("\" gives a column's width).
struct PbnTag {
    std::string name;
    std::string value;
    std::vector<std::string> section = {};
};

// [Name "value"], every tag pair Kesto writes. In a value '"' and '\' are escaped by a
// backslash, a control character (none is allowed) becomes a space, a Windows-1252 character
// that ISO 8859-1 lacks (bytes 0x80 to 0x9F) "?", and a leading '#' takes "##" before it, so
// that the text is not read as "the previous game's value".
std::string PbnTagText(const PbnTag& tag);

// Four suit texts (ten "T") joined by "."; an empty hand is "...".
std::string HandText(const tHand& hand);

// A Deal tag's value "F:H1 H2 H3 H4", hands clockwise from the first seat. A hand without
// cards is handWithoutCards when one is given (the PBN export's "-"), else "...".
std::string DealValue(const tDeal& deal, Seat firstSeat, std::string_view handWithoutCards = {});

// [Deal "F:H1 H2 H3 H4"], the value above with "..." for a hand without cards. The seat is
// taken in upper case; anything but 'E', 'S' or 'W' means North.
std::string DealTag(const tDeal& deal, char firstSeat);

// The value of a text that is a Deal tag pair and nothing else: what stands between [Deal "
// and "]. Nothing for any other text.
std::optional<std::string_view> DealTagValue(std::string_view text);

// Sets the four hands from a Deal value: the first seat (N, E, S or W in either case), a colon
// that is not examined, hand texts separated by single spaces (missing hands repeat the last).
// A value without a first seat leaves the deal unchanged. Never fails.
void ReadDealValue(tDeal& deal, std::string_view value);

// What keeps a Deal value that ReadDealValue takes from being hands of real cards, as the rest
// of a sentence that begins with its board: a character that is no rank, "." or a lone "-" (an
// unknown hand) is "holds \"x\", which is no card"; a card named twice "holds the ace of
// spades twice"; a fifth suit or hand "has a hand of more than four suits" or "has more than
// four hands"; one to three hands that name a card "gives only three hands". Empty when
// nothing is wrong and for a value ReadDealValue leaves alone.
std::string DealValueFault(std::string_view value);

std::string BoardTag(int boardNumber);       // [Board "n"]
std::string DealerTag(int boardNumber);      // [Dealer "D"]
std::string VulnerableTag(int boardNumber);  // [Vulnerable "V"]

// Board, Dealer, Vulnerable and Deal tags joined by "|"; the deal starts with the dealer.
std::string DealRecord(int boardNumber, const tDeal& deal);

}  // namespace kesto
