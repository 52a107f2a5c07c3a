#include "kesto/workflow/date_format.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"
#include "tests/support/fixed_clock.h"

namespace kesto::test {
namespace {

struct DateCase {
    CivilDate date;
    int index;
    const char* text;
};

class DateFormats : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateFormats, WriteTheDateAsTheirPattern) {
    const FixedClock clock(GetParam().date, 0);
    EXPECT_EQ(FormatDate(GetParam().index, GetParam().date, clock), GetParam().text);
}

constexpr CivilDate kMonday{2026, 12, 7, 1};
constexpr CivilDate kNewYear{2009, 1, 1, 4};

INSTANTIATE_TEST_SUITE_P(
    Patterns, DateFormats,
    ::testing::Values(DateCase{kMonday, 0, "12/7/2026"},
                      DateCase{kMonday, 1, "Monday, December 7, 2026"},
                      DateCase{kMonday, 2, "Monday, 7 December 2026"},
                      DateCase{kMonday, 3, "December 7, 2026"},
                      DateCase{kMonday, 4, "7 December 2026"}, DateCase{kMonday, 5, "7-Dec-26"},
                      DateCase{kNewYear, 5, "1-Jan-09"},  // two-digit year keeps its zero
                      DateCase{kNewYear, 1, "Thursday, January 1, 2009"},
                      DateCase{kMonday, 6, "12/7/2026"}, DateCase{kMonday, -1, "12/7/2026"}),
    [](const auto& testInfo) {
        return "Pattern" + NumberName(testInfo.param.index) + "In" +
               std::to_string(testInfo.param.date.year);
    });

// Header line 2 as the date check box or the user wrote it gives the PBN file's Date tag.
TEST(DateOfText, ReadsEveryFormatBackToItsDate) {
    const FixedClock clock(kMonday, 0);
    for (const CivilDate date : {kMonday, kNewYear, CivilDate{2027, 2, 28, 0}}) {
        for (int index = 0; index < kDateFormatCount; ++index) {
            const std::string text = FormatDate(index, date, clock);
            const std::optional<CivilDate> read = DateOfText(text, clock);
            ASSERT_TRUE(read.has_value()) << text;
            EXPECT_EQ(read->year, date.year) << text;
            EXPECT_EQ(read->month, date.month) << text;
            EXPECT_EQ(read->day, date.day) << text;
            EXPECT_EQ(read->weekday, date.weekday) << text;
        }
    }
}

TEST(DateOfText, TextThatIsNoDateOfTheFormatsGivesNone) {
    const FixedClock clock(kMonday, 0);
    for (const char* text :
         {"", "Club night", "Tuesday pairs, room 2", "12/7/2026 pairs", "2/30/2026",
          "Monday, December 8, 2026", "December 7 2026", "7-Dec-2026", "99999/1/1"}) {
        EXPECT_FALSE(DateOfText(text, clock).has_value()) << text;
    }
}

}  // namespace
}  // namespace kesto::test
