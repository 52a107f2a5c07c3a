#pragma once
// The program's one random generator. Seeded once per run; every random number of the
// program comes from it, so a given state always produces the same deals.

#include <cstdint>

namespace kesto {

class Clock;

class RandomGenerator {
  public:
    explicit RandomGenerator(std::uint32_t state = 0) : RandomState(state) {}

    // Milliseconds since midnight UTC (0..86,399,999).
    void SeedFromClock(const Clock& clock);

    // State := state * 0x08088405 + 1 (mod 2^32); result = high 32 bits of state * n.
    std::uint32_t RandomBelow(std::uint32_t n);
    // Moves the state on as this many draws would, in a few steps.
    void Skip(std::uint64_t draws);

    std::uint32_t RandomState;
};

}  // namespace kesto
