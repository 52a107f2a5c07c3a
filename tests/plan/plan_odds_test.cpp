#include <gtest/gtest.h>

#include <array>

#include "kesto/plan/number_text.h"
#include "kesto/plan/plan_odds.h"
#include "kesto/plan/plan_reader.h"

namespace kesto::test {
namespace {

TEST(PlanOddsTest, OddsReadAsATeacherSaysThem) {
    const struct {
        std::uint64_t met;
        std::uint64_t tried;
        const char* text;
    } cases[] = {
        {2'500, 100'000, "about 1 deal in 40"},
        {81, 100'000, "about 1 deal in 1,200"},
        {4'000, 10'000, "about 1 deal in 3"},
        {6'500, 10'000, "about 7 deals in 10"},
        {99'000, 100'000, "nearly every deal"},
        {500, 500, "every deal"},
        {0, 100'000, "fewer than 1 deal in 100,000"},
        {0, 0, "not known yet"},
        {4, 4'000'000, "about 1 deal in 1,000,000"},
        {3, 4'000'000, "about 1 deal in 1,300,000; dealing will be slow"},
        {0, 4'000'000, "fewer than 1 deal in 4,000,000; dealing will be slow"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OddsText(LineOdds{c.met, c.tried}), c.text) << c.met << " of " << c.tried;
    }
}

// A line's odds are those of its rarest dealer, with the dealers that can never meet it named.
TEST(PlanOddsTest, ALineShowsItsRarestDealerAndTheDealersThatNeverMeetIt) {
    const struct {
        std::array<std::uint64_t, 4> met;
        const char* never;  // N, E, S, W, or - for a dealer that may meet the line
        const char* text;
    } cases[] = {
        {{100, 100, 100, 100}, "----", "about 1 deal in 40"},
        {{100, 200, 400, 1000}, "----", "about 1 deal in 40"},
        {{200, 100, 400, 1000}, "----", "about 1 deal in 40"},
        {{31, 0, 0, 0},
         "-ESW",
         "about 1 deal in 130 with North dealing; never with East, South "
         "or West dealing"},
        {{0, 31, 31, 0},
         "N--W",
         "about 1 deal in 130 with East or South dealing; never with "
         "North or West dealing"},
        {{0, 0, 0, 0}, "NESW", "never"},
    };
    for (const auto& c : cases) {
        PlanLineOdds odds;
        for (std::size_t dealer = 0; dealer < 4; ++dealer) {
            odds.byDealer[dealer] = {c.met[dealer], 4'000};
            odds.never[dealer] = c.never[dealer] != '-';
        }
        EXPECT_EQ(OddsText(odds), c.text) << c.never;
    }
}

// The balanced shapes come in 47.6% of hands, 5422 and 6322 in 16.2% more; a hand of 21 or
// more points in 0.81% (about 1 deal in 120), and then no other hand holds 20. A hand of 37
// points comes about once in 10^11 deals: the sample grows to its largest.
TEST(PlanOddsTest, SampleDealsMeetEachLineAsOftenAsBridgeOddsSay) {
    const PlanReading read = ReadPlan(
        "1: balanced(dealer)\n1: semibalanced(rho)\n1: hcp(N) >= 0\n1: hcp(S) > 37\n"
        "4: hcp(N) >= 21 and hcp(dealer) >= 20\n1: hcp(W) = 37");
    ASSERT_FALSE(read.error);
    OddsSample sample(read.plan);
    while (sample.Grow({})) {
    }
    const std::vector<PlanLineOdds>& odds = sample.Odds();
    ASSERT_EQ(odds.size(), 6u);
    const auto share = [](const LineOdds& line) {
        return static_cast<double>(line.met) / static_cast<double>(line.tried);
    };
    for (const Seat dealer : kClockwise) {
        const auto d = static_cast<std::size_t>(dealer);
        EXPECT_NEAR(share(odds[0].byDealer[d]), 0.476, 0.005);
        EXPECT_NEAR(share(odds[1].byDealer[d]), 0.638, 0.005);
        EXPECT_EQ(odds[2].byDealer[d].met, kMaxOddsSample);
        EXPECT_TRUE(odds[3].never[d]);
        EXPECT_EQ(odds[4].never[d], dealer != Seat::North);
        EXPECT_EQ(odds[5].byDealer[d].met, 0u);
    }
    EXPECT_NEAR(share(odds[4].byDealer[0]), 0.0081, 0.0005);
    EXPECT_EQ(OddsText(odds[3]), "never");
    EXPECT_EQ(OddsText(odds[5]), "fewer than 1 deal in 2,000,000; dealing will be slow");
}

TEST(PlanOddsTest, DealCountsInWords) {
    const struct {
        std::uint64_t deals;
        const char* text;
    } cases[] = {
        {1, "1 deal"},
        {1'000, "1,000 deals"},
        {999'999, "999,999 deals"},
        {100'000'000, "100 million deals"},
        {41'299'999, "41.2 million deals"},
        {1'234'000'000, "1,234 million deals"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DealsText(c.deals), c.text);
    }
}

}  // namespace
}  // namespace kesto::test
