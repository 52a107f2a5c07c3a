#include <gtest/gtest.h>

#include "kesto/deal/card.h"
#include "kesto/deal/hand.h"
#include "tests/support/seed_zero.h"

namespace kesto::test {
namespace {

tHand HandOf(std::string_view text) {
    tHand hand;
    hand.ReadHandText(text);
    return hand;
}

TEST(HandTest, EmptyHandHasNothing) {
    const tHand hand;
    EXPECT_EQ(hand.CardCount(), 0);
    EXPECT_EQ(hand.Points(), 0);
    EXPECT_EQ(hand.Shape(), 0);
    for (const Suit suit : kAllSuits) {
        EXPECT_EQ(SuitText(hand.Holding(suit), "T"), "");
    }
}

TEST(HandTest, ThirteenSpades) {
    const tHand hand = HandOf("AKQJT98765432...");
    EXPECT_EQ(hand.CardCount(), 13);
    EXPECT_EQ(hand.Shape(), 0xD000);
    EXPECT_EQ(hand.Points(), 10);
    EXPECT_EQ(SuitText(hand.spades, "T"), "AKQJT98765432");
    EXPECT_EQ(SuitText(hand.spades, "10"), "AKQJ1098765432");
}

TEST(HandTest, CardNumbers) {
    struct Case {
        int number;
        Suit suit;
        int rank;
    };
    const Case cases[] = {
        {1, Suit::Clubs, 2},     {12, Suit::Clubs, kKing}, {13, Suit::Clubs, kAce},
        {14, Suit::Diamonds, 2}, {27, Suit::Hearts, 2},    {39, Suit::Hearts, kAce},
        {40, Suit::Spades, 2},   {52, Suit::Spades, kAce},
    };
    for (const auto& c : cases) {
        tHand hand;
        hand.AddCard(c.number);
        EXPECT_TRUE(hand.Holds(c.suit, c.rank)) << c.number;
        EXPECT_EQ(hand.CardCount(), 1) << c.number;
    }
    tHand twice;
    twice.AddCard(52);
    twice.AddCard(52);
    EXPECT_EQ(twice.CardCount(), 1);
}

TEST(HandTest, ShapeSortsLongestFirstAsHexDigits) {
    const struct {
        const char* text;
        int shape;
    } cases[] = {
        {"AK32.Q54.J87.T92", 0x4333}, {"AK32.Q5.J874.T92", 0x4432}, {"A.KQJT9.87654.32", 0x5521},
        {"..AKQJT98765432.", 0xD000}, {kBoard2North, 0x5521},       {kBoard1North, 0x4333},
        {"AKQJ.T987.65432.", 0x5440},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HandOf(c.text).Shape(), c.shape) << c.text;
    }
}

TEST(HandTest, PointsCountHonoursOnly) {
    EXPECT_EQ(HandOf(kBoard1North).Points(), 4 + 4 + 3 + 1 + 3);
    EXPECT_EQ(SuitPoints(RankBit(kAce) | RankBit(kKing) | RankBit(kQueen) | RankBit(kJack) |
                         RankBit(kTen)),
              10);
    EXPECT_EQ(HandOf("AKQJ.AKQ.AKQ.AKQ").Points(), 37);
}

TEST(HandTest, ReadHandText) {
    const tHand lower = HandOf("ak.qj.t9.8765432");
    EXPECT_EQ(SuitText(lower.spades, "T"), "AK");
    EXPECT_EQ(SuitText(lower.hearts, "T"), "QJ");
    EXPECT_EQ(SuitText(lower.diamonds, "T"), "T9");
    EXPECT_EQ(SuitText(lower.clubs, "T"), "8765432");

    // "1" and "0" are no ten in a hand text.
    const tHand aceOnly = HandOf("A10..");
    EXPECT_EQ(aceOnly.CardCount(), 1);
    EXPECT_TRUE(aceOnly.Holds(Suit::Spades, kAce));

    const tHand noDot = HandOf("AKQ");
    EXPECT_EQ(noDot.CardCount(), 3);
    EXPECT_EQ(SuitText(noDot.spades, "T"), "AKQ");

    // Anything after a fourth dot is ignored; the hand is emptied first.
    tHand reused = HandOf("AKQJ...");
    reused.ReadHandText("2.3.4.5.AKQ");
    EXPECT_EQ(reused.CardCount(), 4);
    EXPECT_FALSE(reused.Holds(Suit::Spades, kAce));
    EXPECT_TRUE(reused.Holds(Suit::Clubs, 5));

    EXPECT_EQ(HandOf("-").CardCount(), 0);
}

TEST(SuitTextTest, TenTextAndSpotOrder) {
    const tSuitSet akt72 = RankBit(kAce) | RankBit(kKing) | RankBit(kTen) | RankBit(7) | RankBit(2);
    EXPECT_EQ(SuitText(akt72, "10"), "AK1072");
    EXPECT_EQ(SuitText(akt72, "T"), "AKT72");
    // Only the first two characters of the ten text count.
    EXPECT_EQ(SuitText(RankBit(kTen), "Ten"), "Te");
    EXPECT_EQ(SuitText(0, "10"), "");
}

TEST(SuitTextTest, ReadSuitText) {
    const struct {
        const char* text;
        tSuitSet expected;
    } cases[] = {
        {"10", RankBit(kTen)},
        {"1", RankBit(kTen)},
        {"t", RankBit(kTen)},
        {"0xyzB0", 0},
        {"akqj98", static_cast<tSuitSet>(RankBit(kAce) | RankBit(kKing) | RankBit(kQueen) |
                                         RankBit(kJack) | RankBit(9) | RankBit(8))},
    };
    for (const auto& c : cases) {
        tSuitSet holding = 0;
        ReadSuitText(c.text, holding);
        EXPECT_EQ(holding, c.expected) << c.text;
    }
    tSuitSet kept = RankBit(2);
    ReadSuitText("A", kept);
    EXPECT_EQ(kept, RankBit(2) | RankBit(kAce));
}

TEST(SuitTextTest, RankOfCharacterKnowsOnlyTheThirteenRankCharacters) {
    const std::string_view ranks = "23456789TJQKA";
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const auto upper = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        const auto at = ranks.find(upper);
        const int expected = at == std::string_view::npos ? 0 : static_cast<int>(at) + 2;
        EXPECT_EQ(RankOfCharacter(c), expected) << "byte " << byte;
    }
}

TEST(SuitTextTest, TenTextFollowsOnlyAnExactT) {
    EXPECT_EQ(TenText("T"), "T");
    EXPECT_EQ(TenText("10"), "10");
    EXPECT_EQ(TenText("Z"), "10");
    EXPECT_EQ(TenText("t"), "10");
}

}  // namespace
}  // namespace kesto::test
