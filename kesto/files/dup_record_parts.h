#pragma once
// The two parts of a DOS Duplimate record that hold the deal. The card-number part lists the
// DUP card numbers of North's, East's and South's cards (West has the rest); the hands part
// gives the four hands as text behind the code page 437 suit marks 6, 3, 4, 5. A DUP record
// holds both, a BRI record the first alone, a DGE record the second alone.

#include <cstddef>
#include <string>
#include <string_view>

#include "kesto/deal/deal.h"

namespace kesto {

// The size of each part for a whole deal: 39 numbers of two digits; 16 marks and 52 ranks.
inline constexpr std::size_t kCardNumberPartSize = 78;
inline constexpr std::size_t kHandsPartSize = 68;

// The suit mark that opens the hands part: the spade of the IBM PC character set.
inline constexpr char kSpadeMark = '\x06';

// True when the part opens with a whole card-number part as the dealing programs write it:
// kCardNumberPartSize digits.
bool OpensWithCardNumberDigits(std::string_view part);

// The number in decimal with "0" in front below 10 ("07", "12", "123").
std::string TwoDigits(int number);

// DUP card number of a card: spades 15 - rank (ace 1), hearts 28 - rank, diamonds
// 41 - rank, clubs 54 - rank (two of clubs 52).
int DUPCardNumber(Suit suit, int rank);

// North's, East's and South's card numbers in ascending order, each in TwoDigits: spades from
// the ace down, then hearts, diamonds, clubs. 78 characters for a whole deal.
std::string CardNumberPart(const tDeal& deal);

// Sets the hands from the first 78 bytes of part: West starts with all 52 cards, each of the 39
// two-byte fields names a card for North (fields 1..13), East (14..26) or South (27..39) and
// takes it from West; 0 and numbers above 52 change nothing. A field is read as the run-time
// library reads a number: leading spaces and a sign are allowed. Returns 0, or the place
// (1..39) of the first field that is no number; the deal is then incomplete.
int ReadCardNumberPart(tDeal& deal, std::string_view part);
// The same, but what keeps it from being read as the rest of a sentence that begins with its
// board ("holds \"x1\", which is no card number"); empty when every field is a number.
std::string ReadCardNumbers(tDeal& deal, std::string_view part);

// North, East, South, West, each as mark 6 and its spades, mark 3 and hearts, mark 4 and
// diamonds, mark 5 and clubs, ranks "AKQJT98765432". 68 bytes for a whole deal.
std::string HandsPart(const tDeal& deal);

// Sets the hands from a hands part, which ends at its end or at the first NUL or space. Returns
// what keeps it from being four hands of real cards, as the rest of a sentence that begins with
// its board ("holds \"x\", which is no card", "has its suit marks out of order", "holds the ace
// of spades twice", "is cut short" for fewer than 16 marks); empty when nothing does.
std::string ReadHandsPart(tDeal& deal, std::string_view part);

}  // namespace kesto
