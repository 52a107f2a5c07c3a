#include "kesto/plan/plan_odds.h"

#include <cmath>

#include "kesto/plan/fixed_cards.h"
#include "kesto/plan/number_text.h"

namespace kesto {

namespace {

constexpr std::uint32_t kSampleSeed = 29;
constexpr std::uint64_t kSlowDealing = 1'000'000;  // odds below 1 deal in this are slow

// n rounded to two significant digits: 1234 is 1200, 87 stays 87.
std::uint64_t RoundedToTwoDigits(double n) {
    double scale = 1;
    while (n / scale >= 100) {
        scale *= 10;
    }
    return static_cast<std::uint64_t>(std::round(n / scale) * scale);
}

std::string ShareText(const LineOdds& odds) {
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
    return "about 1 deal in " + GroupedNumber(RoundedToTwoDigits(1 / share));
}

std::string SlowText(const LineOdds& odds) {
    const bool slow = odds.tried >= kSlowDealing && odds.met * kSlowDealing < odds.tried;
    return slow ? "; dealing will be slow" : "";
}

// "North", "North or East", "North, East or South".
std::string SeatList(const std::vector<Seat>& seats) {
    std::string list;
    for (std::size_t i = 0; i < seats.size(); ++i) {
        list += (i == 0                  ? ""
                 : i + 1 == seats.size() ? " or "
                                         : ", ") +
                std::string(SeatWord(seats[i]));
    }
    return list;
}

}  // namespace

OddsSample::FixedCardsSample::FixedCardsSample(const PlanLine& line) : random(kSampleSeed) {
    for (const Seat dealer : kClockwise) {
        fixed.emplace_back(FixedHands(line.fixedCards, dealer));
    }
}

OddsSample::OddsSample(const Plan& plan)
    : plan_(plan), random_(kSampleSeed), odds_(plan.lines.size()) {
    for (std::size_t line = 0; line < plan.lines.size(); ++line) {
        const PlanLine& planLine = plan.lines[line];
        const Condition& condition = planLine.condition;
        fixedCards_.push_back(
            planLine.fixedCards.empty() ? nullptr : std::make_unique<FixedCardsSample>(planLine));
        dependsOnDealer_.push_back(condition.DependsOnDealer() || fixedCards_.back());
        conditionSteps_ += condition.StepCount() * (dependsOnDealer_.back() ? 4 : 1);
        for (const Seat dealer : kClockwise) {
            odds_[line].never[static_cast<std::size_t>(dealer)] = condition.NeverMet(dealer);
        }
    }
}

bool OddsSample::Grow(const OddsBudget& budget) {
    const std::uint64_t clockInterval = DealsBetweenClockLooks(conditionSteps_);
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t tried = 0; tried < budget.deals && !Complete(); ++tried) {
        if (tried % clockInterval == 0 && tried > 0 &&
            std::chrono::steady_clock::now() - start >= budget.time) {
            break;
        }
        tDeal deal;
        run_.Next(deal);
        const DealFigures figures = FiguresOf(deal);
        for (std::size_t line = 0; line < odds_.size(); ++line) {
            const Condition& condition = plan_.lines[line].condition;
            const bool depends = dependsOnDealer_[line];
            const bool metWithAnyDealer = !depends && condition.Meets(figures, Seat::North);
            FixedCardsSample* const sample = fixedCards_[line].get();
            for (const Seat dealer : kClockwise) {
                LineOdds& odds = odds_[line].byDealer[static_cast<std::size_t>(dealer)];
                ++odds.tried;
                tDeal withCards;
                if (sample != nullptr) {
                    sample->run.Next(sample->fixed[static_cast<std::size_t>(dealer)], withCards);
                }
                const bool met = !depends ? metWithAnyDealer
                                 : sample ? condition.Meets(FiguresOf(withCards), dealer)
                                          : condition.Meets(figures, dealer);
                if (met) {
                    ++odds.met;
                }
            }
        }
    }
    return !Complete();
}

bool OddsSample::Complete() const {
    if (odds_.empty() || odds_.front().byDealer.front().tried >= kMaxOddsSample) {
        return true;
    }
    for (const PlanLineOdds& line : odds_) {
        for (std::size_t dealer = 0; dealer < 4; ++dealer) {
            if (!line.never[dealer] && line.byDealer[dealer].met < kEnoughMet) {
                return false;
            }
        }
    }
    return true;
}

std::string OddsText(const LineOdds& odds) {
    return ShareText(odds) + SlowText(odds);
}

std::string OddsText(const PlanLineOdds& odds) {
    std::vector<Seat> can, never;
    const LineOdds* rarest = nullptr;
    for (const Seat dealer : kClockwise) {
        const auto d = static_cast<std::size_t>(dealer);
        if (odds.never[d]) {
            never.push_back(dealer);
            continue;
        }
        can.push_back(dealer);
        // The dealers try the same deals: the fewest met is the rarest.
        if (rarest == nullptr || odds.byDealer[d].met < rarest->met) {
            rarest = &odds.byDealer[d];
        }
    }
    if (rarest == nullptr) {
        return "never";
    }
    const std::string dealers = never.empty() ? ""
                                              : " with " + SeatList(can) + " dealing; never with " +
                                                    SeatList(never) + " dealing";
    return ShareText(*rarest) + dealers + SlowText(*rarest);
}

}  // namespace kesto
