// Dealing to a plan: the check of a deal against a typical two-test condition alone, the
// whole dealing loop (deal, figures, check), and 36 boards of a plan met by about 1 deal in
// 1,000. Prints its figures; it is not a test.

#include <chrono>
#include <cstdio>

#include "bench/bench_support.h"
#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/deal/secure_random.h"
#include "kesto/plan/plan_dealing.h"
#include "kesto/plan/plan_odds.h"
#include "kesto/plan/plan_reader.h"

namespace {

using kesto::bench::Check;
using kesto::bench::MedianTiming;
using kesto::bench::Timing;

kesto::Plan PlanOf(const char* text) {
    const kesto::PlanReading reading = kesto::ReadPlan(text);
    Check(!reading.error, text);
    return reading.plan;
}

// "12345678 deals/s (processor time), 2345678 deals/s (wall)"
void PrintRate(const char* what, double count, const Timing& timing) {
    std::printf("%s: %.0f deals/s in processor time, %.0f deals/s on the wall clock\n", what,
                count / (timing.processorMilliseconds / 1000.0),
                count / (timing.wallMilliseconds / 1000.0));
}

}  // namespace

int main() {
    constexpr int kRounds = 5;
    kesto::RandomGenerator random(0);

    // The check alone: figures and condition over deals dealt beforehand, boards 1, 2, 3 ...
    const kesto::Plan typical = PlanOf("hcp(dealer) 15-17 and balanced(dealer)");
    const kesto::Condition& condition = typical.lines.front().condition;
    constexpr int kDeals = 1'000'000;
    kesto::tBoardSet deals;
    kesto::GenerateRandomDeals(deals, kDeals, random);
    int met = 0;
    const Timing check = MedianTiming(kRounds, [&] {
        met = 0;
        for (int i = 0; i < kDeals; ++i) {
            met += condition.Meets(kesto::FiguresOf(deals[static_cast<std::size_t>(i)]),
                                   kesto::BoardDealer(i + 1))
                       ? 1
                       : 0;
        }
    });
    PrintRate("check alone, hcp(dealer) 15-17 and balanced(dealer)", kDeals, check);
    std::printf("  (%d of %d deals met it)\n", met, kDeals);

    // The whole loop, on a line no deal meets, up to the limit of deals.
    const kesto::Plan never = PlanOf("1: hcp(N) = 37");
    kesto::PlanDealingOptions limited;
    limited.maxDeals = 2'000'000;
    const auto dealingLoop = [&](kesto::GeneratingRun generator, const char* what) {
        const Timing timing = MedianTiming(kRounds, [&] {
            kesto::tBoardSet boards;
            Check(kesto::DealToPlan(boards, never, limited, generator).status.IsTooRare(),
                  "a plan no deal meets ends at the limit");
        });
        PrintRate(what, static_cast<double>(limited.maxDeals), timing);
    };
    dealingLoop(kesto::GeneratingRun(random), "dealing loop, classic generator");
    kesto::SecureRandom secure;
    dealingLoop(kesto::GeneratingRun(secure), "dealing loop, secure generator");

    // 36 boards of a strong opening, about 1 deal in 1,000.
    const kesto::Plan rare = PlanOf("36: hcp(dealer) >= 24");
    kesto::OddsSample sample(rare);
    while (sample.Grow({})) {
    }
    const kesto::PlanLineOdds odds = sample.Odds().front();
    kesto::GeneratingRun generator(random);
    std::uint64_t tried = 0;
    const Timing rareTiming = MedianTiming(kRounds, [&] {
        kesto::tBoardSet boards;
        const kesto::PlanDealing dealt = kesto::DealToPlan(boards, rare, {}, generator);
        Check(dealt.status.Ok() && boards.size() == 36, "36 boards of the rare plan");
        tried = dealt.progress.dealsTried;
    });
    std::printf(
        "36 boards of 36: hcp(dealer) >= 24 (%s): %.1f ms processor time, %.1f ms wall "
        "clock (%llu deals in the last round)\n",
        kesto::OddsText(odds).c_str(), rareTiming.processorMilliseconds,
        rareTiming.wallMilliseconds, static_cast<unsigned long long>(tried));
    return 0;
}
