#include "kesto/plan/plan_odds.h"

#include <cmath>

#include "kesto/deal/deck.h"
#include "kesto/deal/random.h"
#include "kesto/plan/number_text.h"

namespace kesto {

namespace {

constexpr std::uint32_t kSampleSeed = 29;
constexpr std::uint64_t kClockInterval = 1024;

// n rounded to two significant digits: 1234 is 1200, 87 stays 87.
std::uint64_t TwoDigits(double n) {
    double scale = 1;
    while (n / scale >= 100) {
        scale *= 10;
    }
    return static_cast<std::uint64_t>(std::round(n / scale) * scale);
}

}  // namespace

std::vector<LineOdds> EstimateOdds(const Plan& plan, const OddsBudget& budget) {
    std::vector<LineOdds> odds(plan.lines.size());
    RandomGenerator random(kSampleSeed);
    TDeck deck;
    const Seat dealer = BoardDealer(1);
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t tried = 0; tried < budget.deals; ++tried) {
        if (tried % kClockInterval == 0 &&
            std::chrono::steady_clock::now() - start >= budget.time) {
            break;
        }
        const DealFigures figures = FiguresOf(tDeal::CreateRandom(deck, random));
        for (std::size_t line = 0; line < odds.size(); ++line) {
            ++odds[line].tried;
            if (plan.lines[line].condition.Meets(figures, dealer)) {
                ++odds[line].met;
            }
        }
    }
    return odds;
}

std::string OddsText(const LineOdds& odds) {
    if (odds.tried == 0) {
        return "not known yet";
    }
    if (odds.met == 0) {
        return "fewer than 1 deal in " + GroupedNumber(odds.tried);
    }
    if (odds.met == odds.tried) {
        return "every deal";
    }
    const double share = static_cast<double>(odds.met) / static_cast<double>(odds.tried);
    if (share > 0.5) {
        const long long tenths = std::llround(share * 10);
        return tenths == 10 ? "nearly every deal"
                            : "about " + std::to_string(tenths) + " deals in 10";
    }
    return "about 1 deal in " + GroupedNumber(TwoDigits(1 / share));
}

}  // namespace kesto
