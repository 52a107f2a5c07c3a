#include "kesto/deal/deal_notation.h"

#include <gtest/gtest.h>

#include "tests/support/worked_example.h"

namespace kesto::test {
namespace {

constexpr const char* kOneSuitEach =
    "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432";

TEST(DealNotationTest, HandText) {
    EXPECT_EQ(HandText(WorkedExampleDeal().North), kWorkedNorth);
    EXPECT_EQ(HandText(tHand{}), "...");
    tHand spades;
    spades.ReadHandText("AKQJT98765432");
    EXPECT_EQ(HandText(spades), "AKQJT98765432...");
}

TEST(DealNotationTest, DealTagOfEmptyDeal) {
    EXPECT_EQ(DealTag(tDeal{}, 'N'), "[Deal \"N:... ... ... ...\"]");
}

TEST(DealNotationTest, DealTagFirstSeat) {
    const tDeal deal = WorkedExampleDeal();
    const struct {
        char seat;
        const char* expected;
    } cases[] = {
        {'N', "[Deal \"N:AK97.QJ4.T852.A3 QT3.AK72.Q64.KJ9 J85.T983.AK.Q762 642.65.J973.T854\"]"},
        {'e', "[Deal \"E:QT3.AK72.Q64.KJ9 J85.T983.AK.Q762 642.65.J973.T854 AK97.QJ4.T852.A3\"]"},
        {'S', "[Deal \"S:J85.T983.AK.Q762 642.65.J973.T854 AK97.QJ4.T852.A3 QT3.AK72.Q64.KJ9\"]"},
        {'W', "[Deal \"W:642.65.J973.T854 AK97.QJ4.T852.A3 QT3.AK72.Q64.KJ9 J85.T983.AK.Q762\"]"},
        {'x', "[Deal \"N:AK97.QJ4.T852.A3 QT3.AK72.Q64.KJ9 J85.T983.AK.Q762 642.65.J973.T854\"]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DealTag(deal, c.seat), c.expected) << c.seat;
    }
}

TEST(DealNotationTest, ReadsTheOneSuitEachExample) {
    tDeal deal;
    ReadDealValue(deal, kOneSuitEach);
    EXPECT_EQ(SuitLength(deal.North.spades), 13);
    EXPECT_EQ(SuitLength(deal.East.hearts), 13);
    EXPECT_EQ(SuitLength(deal.South.diamonds), 13);
    EXPECT_EQ(SuitLength(deal.West.clubs), 13);
    EXPECT_EQ(deal.CardCount(), 52);
}

TEST(DealNotationTest, RoundTripFromEveryFirstSeat) {
    const tDeal deal = WorkedExampleDeal();
    for (const char seat : {'N', 'E', 'S', 'W'}) {
        tDeal back;
        ReadDealValue(back, DealTagValue(DealTag(deal, seat)).value_or(""));
        EXPECT_EQ(back, deal) << seat;
    }
}

TEST(DealNotationTest, FirstSeatEastFillsClockwise) {
    tDeal deal;
    ReadDealValue(deal, "E:A... K... Q... J...");
    EXPECT_TRUE(deal.East.Holds(Suit::Spades, kAce));
    EXPECT_TRUE(deal.South.Holds(Suit::Spades, kKing));
    EXPECT_TRUE(deal.West.Holds(Suit::Spades, kQueen));
    EXPECT_TRUE(deal.North.Holds(Suit::Spades, kJack));
}

TEST(DealNotationTest, LenientHandTexts) {
    tDeal deal;
    ReadDealValue(deal, "n:ak.qj.t9.2 - 10.. ...");
    EXPECT_EQ(HandText(deal.North), "AK.QJ.T9.2");
    EXPECT_EQ(deal.East.CardCount(), 0);   // "-" marks an unknown hand
    EXPECT_EQ(deal.South.CardCount(), 0);  // "10" is not the ten here
}

TEST(DealNotationTest, RejectedTextsLeaveTheDealUnchanged) {
    for (const char* text : {
             "[Deal \"N:... ... ... ...\"] ",  // space after the bracket
             "[deal \"N:... ... ... ...\"]",   // lower-case tag name
             "[Deal \"N:... ... ... ...",      // not closed
             "",
             "[Deal \"]",  // the opening's quote is no closing one
         }) {
        EXPECT_FALSE(DealTagValue(text)) << text;
    }
    const tDeal before = WorkedExampleDeal();
    for (const char* value : {"X:... ... ... ...", ""}) {
        tDeal deal = before;
        ReadDealValue(deal, value);
        EXPECT_EQ(deal, before) << value;
    }
}

TEST(DealNotationTest, ShortAndOverlongTextsAreReadWithoutTrouble) {
    tDeal deal = WorkedExampleDeal();
    ReadDealValue(deal, "N");
    EXPECT_EQ(deal.CardCount(), 0);
    ReadDealValue(deal, "N:" + std::string(300, 'A'));
    EXPECT_EQ(HandText(deal.North), "A...");
}

TEST(DealNotationTest, BoardTagsAndDealRecord) {
    EXPECT_EQ(BoardTag(1), "[Board \"1\"]");
    EXPECT_EQ(BoardTag(120), "[Board \"120\"]");
    EXPECT_EQ(DealerTag(16), "[Dealer \"W\"]");
    EXPECT_EQ(VulnerableTag(16), "[Vulnerable \"EW\"]");
    EXPECT_EQ(VulnerableTag(4), "[Vulnerable \"All\"]");
    EXPECT_EQ(DealRecord(16, WorkedExampleDeal()),
              "[Board \"16\"]|[Dealer \"W\"]|[Vulnerable \"EW\"]|"
              "[Deal \"W:642.65.J973.T854 AK97.QJ4.T852.A3 QT3.AK72.Q64.KJ9 J85.T983.AK.Q762\"]");
}

TEST(PbnTagText, EscapesWhatAStringTokenCannotHoldAsItIs) {
    const struct {
        std::string_view text;
        std::string_view quoted;
    } cases[] = {
        {"", ""},
        {"Club night", "Club night"},
        {"say \"hi\"", "say \\\"hi\\\""},
        {"a\\b", "a\\\\b"},
        {"tab\there", "tab here"},
        {"bell\x07", "bell "},
        {"#", "###"},
        {"#5 pairs", "###5 pairs"},
        {"##", "####"},
        {"table #5", "table #5"},
        {"Fran\xE7"
         "ais \x80 \x96 \x9F \xA0",
         "Fran\xE7"
         "ais ? ? ? \xA0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PbnTagText({"Event", std::string(c.text)}),
                  "[Event \"" + std::string(c.quoted) + "\"]")
            << c.text;
    }
}

}  // namespace
}  // namespace kesto::test
