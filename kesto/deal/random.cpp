#include "kesto/deal/random.h"

#include "kesto/platform/clock.h"

namespace kesto {

void RandomGenerator::SeedFromClock(const Clock& clock) {
    RandomState = clock.MillisecondsSinceMidnightUtc();
}

void RandomGenerator::Skip(std::uint64_t draws) {
    // The step s -> m s + c applied 2^k times is s -> M s + C; combine those the bits of draws
    // name (all mod 2^32).
    std::uint32_t multiplier = 1, increment = 0;
    std::uint32_t stepMultiplier = kMultiplier, stepIncrement = 1;
    for (; draws > 0; draws >>= 1) {
        if ((draws & 1) != 0) {
            multiplier *= stepMultiplier;
            increment = increment * stepMultiplier + stepIncrement;
        }
        stepIncrement = (stepMultiplier + 1) * stepIncrement;
        stepMultiplier *= stepMultiplier;
    }
    RandomState = multiplier * RandomState + increment;
}

}  // namespace kesto
