#include <gtest/gtest.h>

#include <map>
#include <set>

#include "kesto/deal/deal_notation.h"
#include "kesto/deal/deck.h"
#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/seed_zero.h"

namespace kesto::test {
namespace {

TEST(RandomTest, KnownSequenceFromStateZero) {
    RandomGenerator random(0);
    const std::uint32_t results[] = {0, 1, 44};
    const std::uint32_t states[] = {1, 134775814, 3698175007u};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(random.RandomBelow(52), results[i]);
        EXPECT_EQ(random.RandomState, states[i]);
    }
}

TEST(RandomTest, SeedIsMillisecondsSinceMidnight) {
    RandomGenerator random(7);
    random.SeedFromClock(FixedClock({2026, 12, 7, 1}, 86'399'999));
    EXPECT_EQ(random.RandomState, 86'399'999u);
}

TEST(RandomTest, ResultStaysBelowN) {
    RandomGenerator random(0xFFFFFFFFu);
    for (int i = 0; i < 10000; ++i) {
        EXPECT_LT(random.RandomBelow(52), 52u);
    }
    EXPECT_EQ(random.RandomBelow(1), 0u);
}

TEST(GenerateTest, TwoBoardsFromStateZero) {
    RandomGenerator random(0);
    tBoardSet boards;
    GenerateRandomDeals(boards, 2, random);
    ASSERT_EQ(boards.size(), 2u);
    EXPECT_EQ(DealTag(boards[0], 'N'), "[Deal \"N:" + kBoard1Hands + "\"]");
    EXPECT_EQ(DealTag(boards[1], 'N'), "[Deal \"N:" + kBoard2Hands + "\"]");
}

TEST(GenerateTest, EveryDealIsComplete) {
    RandomGenerator random(12345);
    tBoardSet boards;
    GenerateRandomDeals(boards, 500, random);
    ASSERT_EQ(boards.size(), 500u);
    for (const tDeal& deal : boards) {
        for (const Seat seat : kClockwise) {
            ASSERT_EQ(deal.Hand(seat).CardCount(), 13);
        }
        tHand all;
        for (const Seat seat : kClockwise) {
            for (const Suit suit : kAllSuits) {
                ASSERT_EQ(all.Holding(suit) & deal.Hand(seat).Holding(suit), 0);
                all.Holding(suit) |= deal.Hand(seat).Holding(suit);
            }
        }
        ASSERT_EQ(all.CardCount(), 52);
    }
}

TEST(GenerateTest, EachDealConsumesFiftyTwoNumbers) {
    for (const int count : {1, 3, 17}) {
        RandomGenerator dealt(99);
        tBoardSet boards;
        GenerateRandomDeals(boards, count, dealt);
        RandomGenerator counted(99);
        for (int i = 0; i < 52 * count; ++i) {
            counted.RandomBelow(52);
        }
        EXPECT_EQ(dealt.RandomState, counted.RandomState) << count;
    }
}

TEST(GenerateTest, SecondRunContinuesTheSequenceFromAnOrderedDeck) {
    RandomGenerator once(0);
    tBoardSet first;
    GenerateRandomDeals(first, 1, once);
    tBoardSet second;
    GenerateRandomDeals(second, 1, once);

    // The same draws applied to a fresh deck in order give the second run's deal.
    RandomGenerator replay(0);
    for (int i = 0; i < 52; ++i) {
        replay.RandomBelow(52);
    }
    TDeck fresh;
    EXPECT_EQ(second[0], tDeal::CreateRandom(fresh, replay));
    EXPECT_NE(first[0], second[0]);
}

TEST(RandomTest, SkipMovesTheStateAsTheDrawsWould) {
    for (const std::uint64_t draws : {0ull, 1ull, 2ull, 51ull, 1000ull, 123457ull}) {
        RandomGenerator skipped(7);
        skipped.Skip(draws);
        RandomGenerator drawn(7);
        for (std::uint64_t i = 0; i < draws; ++i) {
            drawn.RandomBelow(2);
        }
        EXPECT_EQ(skipped.RandomState, drawn.RandomState) << draws;
    }
    // The period is 2^32 draws.
    RandomGenerator around(7);
    around.Skip(std::uint64_t{1} << 32);
    EXPECT_EQ(around.RandomState, 7u);
}

// Three free cards (the twos of spades, hearts and diamonds), one each to North, East and West:
// the fixed cards stay, and each of the 3! ways of dealing the others comes up as often.
TEST(GenerateTest, FixedCardsStayAndTheOthersAreDealtEvenly) {
    tDeal fixed;
    fixed.ReadHands("AKQJT9876543...", ".AKQJT9876543..", "..AKQJT9876543.A", "...KQJT98765432");
    RandomGenerator random(5);
    GeneratingRun run(random);
    const FixedCards cards(fixed);
    std::map<std::string, int> ways;
    for (int i = 0; i < 6000; ++i) {
        tDeal deal;
        ASSERT_TRUE(run.Next(cards, deal));
        for (const Seat seat : kClockwise) {
            const tHand& hand = deal.Hand(seat);
            const tHand& given = fixed.Hand(seat);
            ASSERT_EQ(hand.CardCount(), kCardsInHand);
            for (const Suit suit : kAllSuits) {
                ASSERT_EQ(hand.Holding(suit) & given.Holding(suit), given.Holding(suit));
            }
        }
        ++ways[DealTag(deal, 'N')];
    }
    ASSERT_EQ(ways.size(), 6u);
    for (const auto& [way, count] : ways) {
        EXPECT_NEAR(count, 1000, 120) << way;  // 4 standard deviations
    }
}

TEST(GenerateTest, StreamsCarryOnFromTheRunAndStartApartInItsSequence) {
    RandomGenerator random(41);
    GeneratingRun run(random);
    GeneratingStreams streams(run, 4);
    ASSERT_EQ(streams.Count(), 4);
    EXPECT_EQ(&streams[0], &run);
    for (int k = 1; k < 4; ++k) {
        RandomGenerator expected(41);
        expected.Skip((std::uint64_t{1} << 30) * static_cast<std::uint64_t>(k));
        tBoardSet fromStream, fromSkip;
        tDeal deal;
        ASSERT_TRUE(streams[k].Next(deal));
        fromStream.push_back(deal);
        GenerateRandomDeals(fromSkip, 1, expected);
        EXPECT_EQ(fromStream, fromSkip) << k;
    }
}

}  // namespace
}  // namespace kesto::test
