#pragma once
// How the cards fell over a board set: high-card points per seat, hand patterns per seat and
// the longest fit per partnership. A tStatistics is a plain value computed from scratch from
// the board set; the figures (mean, median, mode) are read from its point counts.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "kesto/deal/board.h"
#include "kesto/deal/deal.h"

namespace kesto {

inline constexpr int kSeatCount = 4;     // indexed North 0, East 1, South 2, West 3
inline constexpr int kPairCount = 2;     // North-South 0, East-West 1
inline constexpr int kPointValues = 38;  // 0..37, the most a 13-card hand can hold
inline constexpr int kPatternCount = 39;
inline constexpr int kFitLengths = 6;  // 8..13
inline constexpr int kShortestFit = 8;

enum class Pair { NorthSouth = 0, EastWest = 1 };

// Every 13-card pattern once as a shape code (tHand::Shape), in the order of the rows on the
// sheet and in the HTML section.
extern const std::array<int, kPatternCount> kPatternTable;

struct tStatistics {
    // PointCounts[seat][p]: deals on which that seat held exactly p high-card points.
    std::array<std::array<std::int32_t, kPointValues>, kSeatCount> PointCounts{};
    // ShapeCounts[seat][k]: deals on which that seat's hand had pattern k of kPatternTable.
    std::array<std::array<std::int32_t, kPatternCount>, kSeatCount> ShapeCounts{};
    // FitCounts[pair][L - 8]: deals on which that pair's longest combined suit had length L.
    std::array<std::array<std::int32_t, kFitLengths>, kPairCount> FitCounts{};

    friend bool operator==(const tStatistics&, const tStatistics&) = default;
};

constexpr int SeatIndex(Seat seat) {
    return static_cast<int>(seat);
}
constexpr int PairIndex(Pair pair) {
    return static_cast<int>(pair);
}

// One row of the point or pattern table: the four seats' counts, North, East, South, West.
using SeatCounts = std::array<std::int32_t, kSeatCount>;
SeatCounts PointCountsOf(const tStatistics& statistics, int points);
SeatCounts ShapeCountsOf(const tStatistics& statistics, int pattern);
// A row is shown on the sheet and in HTML only when some seat has a count in it.
bool AnyCounted(const SeatCounts& counts);

// Counts every deal of the board set. A hand of other than 13 cards counts in the points and
// the fits but in no pattern row. East-West's longest fit is 13 minus North-South's shortest
// combined suit (East's and West's hands are not read), so it is exact only for full deals.
// A hand of more than 37 points or a fit longer than 13 (impossible in a valid deal) is
// left out rather than counted outside the tables.
tStatistics ComputeStatistics(const tBoardSet& boardSet);

// The decimal separator of the user's numeric locale (LC_NUMERIC, as set by the program at
// start), as Windows-1252 text; "." when the locale's separator has no such character.
std::string LocaleDecimalSeparator();

// Shown for a seat's mean, median and mode when the board set has no deals.
inline constexpr std::string_view kNoFigureText = "-";

// Mean and median: fixed point with exactly two decimals after the separator ("11.67",
// "12.00"). Mode: every point count that occurs most often, ascending, joined by ","
// ("10,12"). Each is kNoFigureText for a seat counted on no deal.
std::string MeanText(const tStatistics& statistics, Seat seat,
                     std::string_view decimalSeparator = LocaleDecimalSeparator());
std::string MedianText(const tStatistics& statistics, Seat seat,
                       std::string_view decimalSeparator = LocaleDecimalSeparator());
std::string ModeText(const tStatistics& statistics, Seat seat);

// The four lengths of a shape code in decimal, longest first, joined by "-":
// 0x4432 gives "4-4-3-2", 0xA210 "10-2-1-0".
std::string ShapeText(int shapeCode);

}  // namespace kesto
