#pragma once
// The generating run: a new deck in order, then one shuffle and deal per board.

#include <cstdint>
#include <optional>

#include "kesto/deal/deal.h"
#include "kesto/deal/deck.h"
#include "kesto/platform/status.h"

namespace kesto {

class RandomGenerator;
class SecureRandom;

// The deals of one generating run, one at a time, from the generator chosen: the classic one
// shuffles one deck once more for every deal, carrying on where the generator was; the secure
// one deals each from an unbiased shuffle by the system's cryptographic source. The generator
// must outlive the run.
class GeneratingRun {
  public:
    explicit GeneratingRun(RandomGenerator& classic) : classic_(&classic) {}
    explicit GeneratingRun(SecureRandom& secure) : secure_(&secure) {}

    // The next deal; false once the secure source has failed (SourceStatus says why).
    bool Next(tDeal& deal);
    // A number in 0..n-1 (n from 1) from the same generator; nullopt once the source failed.
    std::optional<std::uint32_t> Below(std::uint32_t n);
    // Ok, or the secure source's failure.
    Status SourceStatus() const;

  private:
    RandomGenerator* classic_ = nullptr;
    SecureRandom* secure_ = nullptr;
    TDeck deck_;
};

// Appends count deals of the run to the board set (the caller has emptied it). Fails, with the
// board set as it was, when the secure source fails.
Status GenerateDeals(tBoardSet& boardSet, int count, GeneratingRun& run);

// The classic generator's run, which cannot fail.
void GenerateRandomDeals(tBoardSet& boardSet, int count, RandomGenerator& random);

}  // namespace kesto
