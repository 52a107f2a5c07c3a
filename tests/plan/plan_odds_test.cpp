#include <gtest/gtest.h>

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
        {2'500, 100'000, "about 1 deal in 40"},       {81, 100'000, "about 1 deal in 1,200"},
        {4'000, 10'000, "about 1 deal in 3"},         {6'500, 10'000, "about 7 deals in 10"},
        {99'000, 100'000, "nearly every deal"},       {500, 500, "every deal"},
        {0, 100'000, "fewer than 1 deal in 100,000"}, {0, 0, "not known yet"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OddsText({c.met, c.tried}), c.text) << c.met << " of " << c.tried;
    }
}

// The balanced shapes come in 47.6% of hands, 5422 and 6322 in 16.2% more.
TEST(PlanOddsTest, SampleDealsMeetEachLineAsOftenAsBridgeOddsSay) {
    const PlanReading read =
        ReadPlan("1: balanced(dealer)\n1: semibalanced(rho)\n1: hcp(N) >= 0\n1: hcp(S) > 37");
    ASSERT_FALSE(read.error);
    const std::vector<LineOdds> odds = EstimateOdds(read.plan, {20'000, std::chrono::seconds(60)});
    ASSERT_EQ(odds.size(), 4u);
    EXPECT_NEAR(static_cast<double>(odds[0].met) / 20'000, 0.476, 0.015);
    EXPECT_NEAR(static_cast<double>(odds[1].met) / 20'000, 0.638, 0.015);
    EXPECT_EQ(odds[2].met, 20'000u);
    EXPECT_EQ(odds[3].met, 0u);
    EXPECT_EQ(odds[3].tried, 20'000u);
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
