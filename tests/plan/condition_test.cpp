#include <gtest/gtest.h>

#include "kesto/deal/deal_notation.h"
#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/plan/plan_reader.h"
#include "tests/support/seed_zero.h"

namespace kesto::test {
namespace {

// The shape tests of the table's last column, in order.
constexpr const char* kShapeTests[] = {"xxxx", "3433",     "any 4333", "any 5431", "5xxx",
                                       "xx5x", "any 55xx", "any 5xx1", "any 7xxx"};

// "hcp controls losers spades-hearts-diamonds-clubs balanced semibalanced shape tests", each
// test 1 or 0.
std::string Values(std::string_view handText) {
    tHand hand;
    hand.ReadHandText(handText);
    const HandFigures figures = FiguresOf(hand);
    std::string values = std::to_string(figures[Figure::Hcp]) + " " +
                         std::to_string(figures[Figure::Controls]) + " " +
                         std::to_string(figures[Figure::Losers]) + " ";
    for (const Figure suit : {Figure::Spades, Figure::Hearts, Figure::Diamonds, Figure::Clubs}) {
        values += std::to_string(figures[suit]) + (suit == Figure::Clubs ? " " : "-");
    }
    values += ShapeSet::Balanced().Contains(figures.shape) ? "B " : "- ";
    values += ShapeSet::SemiBalanced().Contains(figures.shape) ? "S " : "- ";
    tDeal deal;
    deal.North = hand;
    for (const char* shape : kShapeTests) {
        const PlanReading read = ReadPlan(std::string("shape(N) = ") + shape);
        values += read.plan.lines.at(0).condition.Meets(FiguresOf(deal), Seat::North) ? '1' : '0';
    }
    return values;
}

TEST(ConditionTest, HandsHaveTheirValues) {
    const struct {
        const char* hand;
        const char* values;
    } cases[] = {
        {kBoard1North, "15 6 8 3-4-3-3 B S 111000000"},
        {kBoard1East, "12 3 6 4-2-2-5 - S 100000000"},
        {kBoard1South, "11 3 6 3-4-5-1 - - 100101010"},
        {"AK432.A2.K32.432", "14 6 7 5-2-3-3 B S 100010000"},
        {"AKQ432.32.A2.432", "13 5 6 6-2-2-3 - S 100000000"},
        {"AKQJT98.2.32.432", "10 3 6 7-1-2-3 - - 100000001"},
        {"AKQJ2.AKQJ2.A2.2", "24 8 2 5-5-2-1 - - 100010110"},
        {"AKQJ.5432.9876.T", "10 3 7 4-4-4-1 - - 100000000"},
        {"...AKQJT98765432", "10 3 0 0-0-0-13 - - 100000000"},
        {"A.KQ.K5432.Q5432", "14 4 5 1-2-5-5 - - 100001110"},
        {"AKQ.J32.432.T98", "10 3 9 3-3-3-3 - - 000000000"},  // 12 cards: no shape at all
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Values(c.hand), c.values) << c.hand;
    }
}

// The dealers with whom no deal can meet a condition, as "-ESW" (North may, the others never).
std::string NeverWith(const Condition& condition) {
    std::string never;
    for (const Seat dealer : kClockwise) {
        never += condition.NeverMet(dealer) ? SeatLetter(dealer) : '-';
    }
    return never;
}

TEST(ConditionTest, ConditionsThatAskMoreThanTheCardsHoldAreNeverMet) {
    const struct {
        const char* condition;
        const char* never;
    } cases[] = {
        {"hcp(N) >= 21 and hcp(dealer) >= 20", "-ESW"},
        {"hcp(partner) >= 20 and hcp(S) 21-37", "-ESW"},
        {"hcp(N) + hcp(S) >= 41", "NESW"},
        {"hcp(N) + hcp(S) >= 40 and hcp(E) = 0", "----"},
        {"hcp(N) <= 9 and hcp(E) <= 9 and hcp(S) <= 9 and hcp(W) <= 9", "NESW"},
        {"hcp(N) 15-17 and 18 <= hcp(N)", "NESW"},
        {"hcp(dealer) > 37 or hcp(S) >= 38", "NESW"},
        {"hcp(dealer) > 37 or balanced(S)", "----"},
        {"controls(lho) + controls(rho) - 1 >= 12", "NESW"},
        {"spades(dealer) >= 7 and hearts(dealer) >= 7", "NESW"},
        {"spades(N) >= 7 and hearts(N) >= 6", "----"},
        {"spades(N) + spades(S) >= 8 and spades(rho) >= 6", "N-S-"},
        {"clubs(N) = 0 and clubs(E) = 0 and clubs(S) = 0 and clubs(W) < 13", "NESW"},
        {"2 > 3 or hcp(N) <> 5", "----"},
        {"2 > 3 and hcp(N) <> 5", "NESW"},
        // Losers: at most 12 a hand, and no fixed sum over the four.
        {"losers(dealer) > 12 or losers(N) + losers(S) >= 25", "NESW"},
        {"losers(N) + losers(E) + losers(S) + losers(W) <= 30", "----"},
        // Beyond the bounds: hcp(N) >= 0 always holds.
        {"not hcp(N) >= 0", "----"},
    };
    RandomGenerator random(3);
    tBoardSet deals;
    GenerateRandomDeals(deals, 2000, random);
    for (const auto& c : cases) {
        const PlanReading read = ReadPlan(c.condition);
        ASSERT_FALSE(read.error) << c.condition;
        const Condition& condition = read.plan.lines.at(0).condition;
        EXPECT_EQ(NeverWith(condition), c.never) << c.condition;
        for (const tDeal& deal : deals) {
            for (const Seat dealer : kClockwise) {
                EXPECT_FALSE(condition.Meets(FiguresOf(deal), dealer) && condition.NeverMet(dealer))
                    << c.condition << " is met by " << DealRecord(1, deal);
            }
        }
    }
}

}  // namespace
}  // namespace kesto::test
