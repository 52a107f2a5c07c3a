#pragma once
// How often a random deal meets each line of a plan ("about 1 deal in 40"), estimated by
// trying sample deals: quick enough to follow the teacher's typing.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "kesto/plan/plan.h"

namespace kesto {

struct LineOdds {
    std::uint64_t met = 0;
    std::uint64_t tried = 0;
};

// The sample: at most this many deals, for at most this long.
struct OddsBudget {
    std::uint64_t deals = 100'000;
    std::chrono::milliseconds time{100};
};

// One entry per line of the plan. Every call and every line tries the same sample deals, from
// a generator of its own with a fixed seed, so a line's figure stays put while another line
// is edited. Relative seats are taken as on board 1: a random deal favours no seat, so every
// dealer gives the same odds.
std::vector<LineOdds> EstimateOdds(const Plan& plan, const OddsBudget& budget = {});

// "about 1 deal in 40", "about 7 deals in 10", "nearly every deal", "every deal", or, for a
// line no sample deal met, "fewer than 1 deal in 100,000".
std::string OddsText(const LineOdds& odds);

}  // namespace kesto
