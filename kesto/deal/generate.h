#pragma once
// The generating run: a new deck in order, then one shuffle and deal per board.

#include "kesto/deal/deal.h"
#include "kesto/platform/status.h"

namespace kesto {

class RandomGenerator;
class SecureRandom;

// Appends count random deals to the board set (the caller has emptied it).
void GenerateRandomDeals(tBoardSet& boardSet, int count, RandomGenerator& random);

// The secure generating run: each deal from an unbiased shuffle by the system's cryptographic
// source. Fails, with the board set as it was, when the source fails.
Status GenerateSecureDeals(tBoardSet& boardSet, int count, SecureRandom& random);

}  // namespace kesto
