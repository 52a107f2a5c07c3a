#pragma once
// How often a random deal meets each line of a plan ("about 1 deal in 40"), estimated by
// trying sample deals, for each dealer a board may have: a line that names both a seat and
// the dealer may be common with one dealer and impossible with another.

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/plan/plan.h"

namespace kesto {

struct LineOdds {
    std::uint64_t met = 0;
    std::uint64_t tried = 0;
};

// How often a random deal meets one line on boards of each dealer.
struct PlanLineOdds {
    std::array<LineOdds, 4> byDealer;  // indexed by Seat
    std::array<bool, 4> never{};       // Condition::NeverMet with that dealer
};

// One step of a sample: at most this many more deals, for at most this long.
struct OddsBudget {
    std::uint64_t deals = 100'000;
    std::chrono::milliseconds time{100};
};

// A sample stops growing at this many deals, or once every line has met this many deals with
// each dealer that can meet it: enough for a figure of two digits.
inline constexpr std::uint64_t kMaxOddsSample = 2'000'000;
inline constexpr std::uint64_t kEnoughMet = 400;

// The sample deals behind the odds of a plan's lines. Every sample tries the same deals, from
// a generator of its own with a fixed seed, so a line's figure stays put while another line is
// edited. It grows in steps, so that a window can follow the teacher's typing between them.
class OddsSample {
  public:
    // The plan must outlive the sample.
    explicit OddsSample(const Plan& plan);

    // Tries more sample deals within the budget. False once the sample has stopped growing.
    bool Grow(const OddsBudget& budget);
    // One entry per line of the plan.
    const std::vector<PlanLineOdds>& Odds() const { return odds_; }

  private:
    // A line with fixed cards tries deals with those cards in place, from a generator of its
    // own, for each dealer: its figure too stays put while another line is edited.
    struct FixedCardsSample {
        explicit FixedCardsSample(const PlanLine& line);
        std::vector<FixedCards> fixed;  // by the board's dealer
        RandomGenerator random;
        GeneratingRun run{random};
    };

    bool Complete() const;

    const Plan& plan_;
    std::vector<bool> dependsOnDealer_;  // per line
    std::uint64_t conditionSteps_ = 0;   // checked per sample deal
    RandomGenerator random_;
    GeneratingRun run_{random_};
    std::vector<PlanLineOdds> odds_;
    std::vector<std::unique_ptr<FixedCardsSample>> fixedCards_;  // per line; null without any
};

// "about 1 deal in 40", "about 7 deals in 10", "nearly every deal", "every deal", or, for a
// line no sample deal met, "fewer than 1 deal in 100,000". Odds below 1 in a million add
// "; dealing will be slow".
std::string OddsText(const LineOdds& odds);
// The odds of the rarest dealer that can meet the line, and the dealers that cannot: "about 1
// deal in 130 with North dealing; never with East, South or West dealing".
std::string OddsText(const PlanLineOdds& odds);

}  // namespace kesto
