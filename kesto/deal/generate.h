#pragma once
// The generating run: a new deck in order, then one shuffle and deal per board.

#include "kesto/deal/deal.h"

namespace kesto {

class RandomGenerator;

// Appends count random deals to the board set (the caller has emptied it).
void GenerateRandomDeals(tBoardSet& boardSet, int count, RandomGenerator& random);

}  // namespace kesto
