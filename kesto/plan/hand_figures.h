#pragma once
// The figures of a hand that a plan's conditions test, worked out once per deal so that every
// test of every line reads them instead of counting cards again.

#include <array>
#include <cstdint>

#include "kesto/deal/deal.h"

namespace kesto {

// What a condition's value names of one hand.
enum class Figure : std::uint8_t {
    Spades = 0,  // suit lengths, in the hand's suit order
    Hearts = 1,
    Diamonds = 2,
    Clubs = 3,
    Hcp = 4,       // A 4, K 3, Q 2, J 1
    Controls = 5,  // A 2, K 1
    Losers = 6,    // the losing-trick count, SuitLosers summed over the suits
};
inline constexpr int kFigureCount = 7;

// The lengths spades, hearts, diamonds, clubs of a 13-card hand as one number below
// kShapeCount, for looking its shape up in a ShapeSet; a hand of other than 13 cards has
// kNoShape, which no ShapeSet holds.
inline constexpr int kShapeCount = 14 * 14 * 14;
inline constexpr int kNoShape = kShapeCount;
int ShapeIndex(int spades, int hearts, int diamonds, int clubs);

struct HandFigures {
    std::array<std::int16_t, kFigureCount> value{};  // indexed by Figure
    std::int32_t shape = kNoShape;                   // ShapeIndex of the four lengths
    std::array<tSuitSet, 4> holdings{};              // indexed by Suit, for one suit's figures

    int operator[](Figure figure) const { return value[static_cast<std::size_t>(figure)]; }
};

HandFigures FiguresOf(const tHand& hand);

// Indexed by Seat (North, East, South, West).
using DealFigures = std::array<HandFigures, 4>;
DealFigures FiguresOf(const tDeal& deal);
// The figures of the hands of these seats only (bits 1 << Seat); the others' stay empty.
DealFigures FiguresOf(const tDeal& deal, unsigned seats);

}  // namespace kesto
