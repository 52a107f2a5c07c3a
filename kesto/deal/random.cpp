#include "kesto/deal/random.h"

#include "kesto/platform/clock.h"

namespace kesto {

void RandomGenerator::SeedFromClock(const Clock& clock) {
    RandomState = clock.MillisecondsSinceMidnightUtc();
}

std::uint32_t RandomGenerator::RandomBelow(std::uint32_t n) {
    RandomState = RandomState * 0x08088405u + 1u;  // wraps mod 2^32
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(RandomState) * n) >> 32);
}

}  // namespace kesto
