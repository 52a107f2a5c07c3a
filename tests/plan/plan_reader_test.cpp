#include <gtest/gtest.h>

#include "kesto/plan/plan_reader.h"
#include "tests/support/seed_zero.h"

namespace kesto::test {
namespace {

// Board 1 of the classic generator's first run from RandomState 0.
tDeal WorkedDeal() {
    return DealOf(kBoard1North, kBoard1East, kBoard1South, kBoard1West);
}

// Each line as "text line number, count (* for none), whether the worked deal meets it as
// boards 1 to 4", the boards whose dealers are North, East, South and West.
std::string Reading(const Plan& plan) {
    std::string reading;
    for (const PlanLine& line : plan.lines) {
        reading += (reading.empty() ? "" : "; ") + std::to_string(line.lineNumber) + " " +
                   (line.count ? std::to_string(*line.count) : "*") + " ";
        for (int board = 1; board <= 4; ++board) {
            reading +=
                line.condition.Meets(FiguresOf(WorkedDeal()), BoardDealer(board)) ? '1' : '0';
        }
    }
    return reading;
}

TEST(PlanReaderTest, PlansReadAsWritten) {
    const struct {
        const char* text;
        const char* reading;
    } cases[] = {
        {"hcp(dealer) 15-17 and balanced(dealer)", "1 * 1000"},
        {"HCP(north) > 15 or Hcp(N) < 15", "1 * 0000"},
        {"hcp(lho) = 12", "1 * 1000"},
        {"hcp(partner) + hcp(dealer) = 26", "1 * 1010"},
        {"hcp(rho)<5", "1 * 1000"},
        {"hcp(West) = 2 and hcp(e) = 12 and hcp(SOUTH) = 11 and hcp(n) = 15", "1 * 1111"},
        {"12 <= hcp(dealer)", "1 * 1100"},
        {"hcp(dealer) <> 12", "1 * 1011"},
        {"controls(dealer) >= 3", "1 * 1110"},
        {"clubs(dealer) - hearts(dealer) >= 3", "1 * 0100"},
        // not binds tightest, then and, then or.
        {"not balanced(dealer) or hcp(dealer) = 15 and spades(dealer) = 3", "1 * 1110"},
        {"not (balanced(dealer) or hcp(dealer) = 15) and spades(dealer) = 3", "1 * 0010"},
        {"not not balanced(dealer)", "1 * 1001"},
        {"semibalanced(dealer)", "1 * 1101"},
        {"shape(dealer) = 3433", "1 * 1000"},
        {"shape(dealer) = any 4333", "1 * 1001"},
        {"shape(dealer) = xx5X", "1 * 0010"},
        {"shape(dealer)=ANY 5xx1", "1 * 0010"},
        {"\t 2 : spades(S)=3 or diamonds(s) 5-13\r\n", "1 2 1111"},
        // A range with the en dash of a word processor (Windows-1252).
        {"hcp(dealer) 15\x96"
         "17 and balanced(dealer)",
         "1 * 1000"},
        {"hcp(N) >= 20 - hcp(S) and hcp(E) > 3-2+1", "1 * 1111"},
        {"8: hcp(dealer) 15-17 and balanced(dealer)\n\n4: hearts(dealer) >= 4\n \n",
         "1 8 1000; 3 4 1010"},
    };
    for (const auto& c : cases) {
        const PlanReading read = ReadPlan(c.text);
        ASSERT_FALSE(read.error) << c.text << ": " << PlanErrorText(*read.error);
        EXPECT_EQ(Reading(read.plan), c.reading) << c.text;
    }
}

TEST(PlanReaderTest, BrokenPlansSayWhereAndWhatWasExpected) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {" \n",
         "Line 1, column 1: a line such as 8: hcp(dealer) 15-17 and balanced(dealer) was "
         "expected; the plan is empty."},
        {"8: hcp(dealer) 15-17\n4: semibalanced()",
         "Line 2, column 17: a seat (N, E, S, W, dealer, lho, partner, rho) was expected."},
        {"hcp(N) 17-15",
         "Line 1, column 8: the range 17-15 is empty; the lower end comes first, as in 15-17."},
        {"0: balanced(N)", "Line 1, column 1: a count from 1 to 500 was expected."},
        {"400: balanced(N)\n101: balanced(S)",
         "Line 2, column 1: a count that keeps the plan at 500 boards or fewer was expected; the "
         "counts up to here add up to 501."},
        {"balanced(N)\n4: balanced(S)",
         "Line 1, column 1: a count (such as 8: before the condition) was expected; only a plan "
         "of one line may leave out its count."},
        {"4: balanced(N)\n balanced(S)",
         "Line 2, column 2: a count (such as 8: before the "
         "condition) was expected; only a plan of one line may "
         "leave out its count."},
        {"shape(N) = 5432",
         "Line 1, column 12: a shape whose lengths add up to 13 was expected; 5432 adds up to 14."},
        {"shape(N)=any 66x4",
         "Line 1, column 14: a shape whose lengths add up to at most 13 was "
         "expected; 66x4 adds up to 16."},
        {"shape(N) = 543",
         "Line 1, column 12: a shape of four lengths in the order spades, "
         "hearts, diamonds, clubs (such as 5431 or 5xxx) was expected."},
        {"hpc(N) > 10",
         "Line 1, column 1: \"hpc\" is not a known word; a test (such as hcp(N) "
         ">= 12, balanced(S) or shape(E) = 5431) was expected."},
        {"(hcp(N) > 10", "Line 1, column 13: \")\" was expected to close the \"(\" of column 1."},
        {"hcp(N) > 10 hcp(S) > 5",
         "Line 1, column 13: \"and\", \"or\" or the end of the line was expected."},
        {"(balanced(N) x)", "Line 1, column 14: \"and\", \"or\" or \")\" was expected."},
        {"hcp(N) 15", "Line 1, column 10: a range (such as 15-17) was expected."},
        {"3: hcp(N) 16-18\n2: hcp(N) = 15-17",
         "Line 2, column 11: a range takes no comparison sign before it; write hcp(N) 15-17."},
        {"hcp(dealer) + hcp(partner) >=31 \x96 33",
         "Line 1, column 28: a range takes no comparison sign before it; write hcp(dealer) + "
         "hcp(partner) 31 \x96 33."},
        {"1: 15-17 balanced",
         "Line 1, column 4: the range 15-17 needs the value it limits and its seat before it; "
         "write hcp(dealer) 15-17 and balanced(dealer)."},
        {"15 - 17 and balanced(N)",
         "Line 1, column 1: the range 15 - 17 needs the value it limits and its seat before it; "
         "write hcp(dealer) 15 - 17."},
        {"hcp(N) 15-",
         "Line 1, column 11: the upper end of the range (a whole number) was expected."},
        {"hcp(N) == 12",
         "Line 1, column 9: a value (a whole number, hcp, controls, spades, "
         "hearts, diamonds or clubs) was expected."},
        {"hcp N > 3", "Line 1, column 5: \"(\" was expected."},
        {"hcp(N > 3", "Line 1, column 7: \")\" was expected."},
        {"shape(N) 5431", "Line 1, column 10: \"=\" was expected, as in shape(N) = 5431."},
        {"hcp(N) > 1000", "Line 1, column 10: a whole number up to 999 was expected."},
        {"(((((((((((((((((balanced(N)))))))))))))))))",
         "Line 1, column 17: at most 16 parentheses open at once were expected."},
        {"hcp(N) = 12 and",
         "Line 1, column 16: a test (such as hcp(N) >= 12, balanced(S) or "
         "shape(E) = 5431) was expected."},
    };
    for (const auto& c : cases) {
        const PlanReading read = ReadPlan(c.text);
        ASSERT_TRUE(read.error) << c.text;
        EXPECT_EQ(PlanErrorText(*read.error), c.message) << c.text;
        EXPECT_TRUE(read.plan.lines.empty()) << c.text;
    }
}

}  // namespace
}  // namespace kesto::test
