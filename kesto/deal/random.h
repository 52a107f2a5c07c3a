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

    // State := state * 0x08088405 + 1 (mod 2^32); result = high 32 bits of state * n. Inline:
    // every deal draws 52.
    std::uint32_t RandomBelow(std::uint32_t n) {
        RandomState = RandomState * kMultiplier + 1u;  // wraps mod 2^32
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(RandomState) * n) >> 32);
    }
    // Moves the state on as this many draws would, in a few steps.
    void Skip(std::uint64_t draws);

    std::uint32_t RandomState;

  private:
    static constexpr std::uint32_t kMultiplier = 0x08088405u;
};

}  // namespace kesto
