#include <gtest/gtest.h>

#include "files_test_support.h"
#include "kesto/files/legacy_deal_file.h"
#include "kesto/files/read_deal_file.h"

namespace kesto::test {
namespace {

using test::DataPath;

TEST(LegacyHandLine, ReadsSeatLettersInEitherCaseAndTensAsTOr1) {
    struct Case {
        const char* line;
        Seat seat;
        const char* hand;  // expected, as a PBN hand text
    };
    const Case cases[] = {
        {"N AKQ.JT9.8765.432", Seat::North, "AKQ.JT9.8765.432"},
        {"n akq.jt9.8765.432", Seat::North, "AKQ.JT9.8765.432"},
        {"  e\t10 9.A.K.Q  \r", Seat::East, "T9.A.K.Q"},
        {"S1...", Seat::South, "T..."},
        {"w ...", Seat::West, "..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        tDeal deal;
        ASSERT_TRUE(ReadLegacyHandLine(c.line, deal));
        tHand expected;
        expected.ReadHandText(c.hand);
        EXPECT_EQ(deal.Hand(c.seat), expected);
        for (const Seat other : kClockwise) {
            if (other != c.seat) {
                EXPECT_EQ(deal.Hand(other).CardCount(), 0);
            }
        }
    }
}

TEST(LegacyHandLine, RejectsBlankLinesBadSeatsAndWrongDotCounts) {
    for (const char* line : {"", "   ", "X AK.Q.J.T", "AK.Q.J.T", "N AK.QJ", "N A.K.Q.J.T",
                             "N AKQJT98765432", ".N A.K.Q"}) {
        SCOPED_TRACE(line);
        tDeal deal;
        EXPECT_FALSE(ReadLegacyHandLine(line, deal));
    }
}

TEST(LegacyHandLine, SpadeLettersNamedTwiceStillMakeThirteenSpades) {
    tDeal deal;
    ASSERT_TRUE(ReadLegacyHandLine("N AKQJT98765432AKQ...", deal));
    EXPECT_EQ(deal.North.CardCount(), 13);
}

TEST(LegacyHandLine, ASeatNamedTwiceGetsBothLines) {
    tDeal deal;
    ASSERT_TRUE(ReadLegacyHandLine("N A...", deal));
    ASSERT_TRUE(ReadLegacyHandLine("N K...", deal));
    EXPECT_EQ(deal.North.spades, RankBit(kAce) | RankBit(kKing));
}

TEST(LegacyDealFile, ReadsGoldenFiles) {
    const tDeal example = test::WorkedExampleDeal();
    DealFileContents nesw, wsen;
    ASSERT_TRUE(ReadAnyDealFile(DataPath("legacy/y_nesw_order.txt"), nesw).Ok());
    ASSERT_TRUE(ReadAnyDealFile(DataPath("legacy/y_wsen_order.txt"), wsen).Ok());
    ASSERT_EQ(nesw.boardSet.size(), 2u);
    EXPECT_EQ(nesw.boardSet[0], example);
    EXPECT_EQ(nesw.boardSet[1], test::RotatedExampleDeal());
    EXPECT_EQ(wsen.boardSet, nesw.boardSet);
    EXPECT_EQ(nesw.header1, "Spring pairs");
    EXPECT_EQ(nesw.header2, "Tuesday");
    EXPECT_FALSE(nesw.dealsComplete);

    DealFileContents lower;
    ASSERT_TRUE(ReadAnyDealFile(DataPath("legacy/y_lower_case_tens_lf.txt"), lower).Ok());
    ASSERT_EQ(lower.boardSet.size(), 1u);
    EXPECT_EQ(lower.boardSet[0],
              test::DealOf("AKQ.JT9.8765.432", "T98.AK.AKQ.AKQJT", "...", "..."));
    EXPECT_EQ(lower.header1, "H1");
    EXPECT_TRUE(lower.dealsComplete);
}

}  // namespace
}  // namespace kesto::test
