#pragma once
// One board as the printouts need it, read from a deal record (PBN tags joined by "|").
// No Qt here: the reading works on Windows-1252 bytes.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "kestprt3/board_analysis.h"

namespace kesto::prt3 {

// Seats in clockwise order; indexes into Board::hands.
enum Seat { kNorth = 0, kEast = 1, kSouth = 2, kWest = 3 };

// Suits in printing order; indexes into a hand.
enum Suit { kSpades = 0, kHearts = 1, kDiamonds = 2, kClubs = 3 };

enum class Vulnerability { kUnknown, kNone, kNorthSouth, kEastWest, kBoth };

// Rank r (2..14, the ace 14) of a suit is bit r.
using Hand = std::array<std::uint16_t, 4>;

struct Board {
    std::string number;  // the Board tag's text as given (Windows-1252), may be empty
    std::optional<Seat> dealer;
    Vulnerability vulnerability = Vulnerability::kUnknown;
    bool hasDeal = false;  // a Deal tag could be read
    std::array<Hand, 4> hands{};
    // The DoubleDummyTricks, OptimumScore and ParContract tags, when the record has them.
    std::optional<BoardAnalysis> analysis;
};

// Reads the Board, Dealer, Vulnerable and Deal tags (and the analysis tags) wherever they stand in
// the record; other tags and text between them are ignored. A tag given twice counts the first
// time. Nullopt when the record has neither a board number nor a readable deal (nothing to print).
std::optional<Board> ReadBoardRecord(std::string_view record);

// The hands of a PBN deal value ("N:AKQ.. ..."): the first seat letter, a colon, then the hands
// clockwise separated by spaces; "-" or a missing hand is empty, characters that name no rank
// are skipped. False (hands untouched) when the value does not start with a seat letter and ":".
bool ReadDealValue(std::string_view value, std::array<Hand, 4>& hands);

int CardCount(const Hand& hand);
int HighCardPoints(const Hand& hand);

}  // namespace kesto::prt3
