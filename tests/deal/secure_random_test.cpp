#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "kesto/deal/deck.h"
#include "kesto/deal/generate.h"
#include "kesto/deal/secure_random.h"

namespace kesto::test {
namespace {

// A source that hands out the given 32-bit values (big-endian bytes) and then fails.
SecureRandom::Source Scripted(std::vector<std::uint32_t> values) {
    return [values, next = std::size_t{0}](std::span<std::uint8_t> bytes) mutable {
        for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
            if (next == values.size()) {
                return Status::Failure("scripted source ran dry");
            }
            const std::uint32_t value = values[next++];
            for (std::size_t b = 0; b < 4; ++b) {
                bytes[i + b] = static_cast<std::uint8_t>(value >> (24 - 8 * b));
            }
        }
        return Status();
    };
}

TEST(SecureRandomTest, DrawsFromTheBiasedTopAreRejected) {
    // 2^32 = 52 * 82595524 + 48, so the top 48 values are drawn again; likewise the top value
    // for 3 and none at all for a power of two.
    const struct {
        std::uint32_t n;
        std::vector<std::uint32_t> values;
        std::uint32_t expected;
    } cases[] = {
        {52, {4294967247u}, 4294967247u % 52},
        {52, {4294967248u, 4294967295u, 105}, 1},
        {3, {4294967295u, 5}, 2},
        {3, {4294967294u}, 4294967294u % 3},
        {64, {4294967295u}, 63},
        {1, {4294967295u}, 0},
    };
    for (const auto& c : cases) {
        std::vector<std::uint32_t> values = c.values;
        values.resize(64, 0);  // one read-ahead block
        SecureRandom random(Scripted(values));
        EXPECT_EQ(random.Below(c.n), c.expected) << c.n << " from " << c.values.front();
    }
}

TEST(SecureRandomTest, AFailingSourceStopsTheRunAndLeavesTheBoardsAlone) {
    SecureRandom random(Scripted(std::vector<std::uint32_t>(64, 7)));  // 64 draws, then dry
    GeneratingRun run(random);
    tBoardSet boards(3);
    EXPECT_EQ(GenerateDeals(boards, 2, run).Reason(), "scripted source ran dry");
    EXPECT_EQ(boards.size(), 3u);
    EXPECT_EQ(boards[0].CardCount(), 0);
    EXPECT_EQ(random.Below(52), std::nullopt);  // stays failed
}

// Each card lands in each seat a quarter of the time; no deal comes twice; every deal is
// complete and holds each card once.
TEST(SecureRandomTest, CardsLandInEverySeatEquallyOftenAndDealsDoNotRepeat) {
    constexpr int kDeals = 20000;
    SecureRandom random;
    GeneratingRun run(random);
    tBoardSet boards;
    ASSERT_TRUE(GenerateDeals(boards, kDeals, run).Ok());
    ASSERT_EQ(boards.size(), static_cast<std::size_t>(kDeals));

    std::array<std::array<int, 4>, 52> counts{};
    std::set<std::array<tSuitSet, 16>> seen;
    for (const tDeal& deal : boards) {
        std::array<tSuitSet, 16> key{};
        std::array<int, 52> holders{};
        for (std::size_t seat = 0; seat < 4; ++seat) {
            const tHand& hand = deal.Hand(kClockwise[seat]);
            ASSERT_EQ(hand.CardCount(), 13);
            for (std::size_t suit = 0; suit < 4; ++suit) {
                const tSuitSet holding = hand.Holding(kAllSuits[suit]);
                key[seat * 4 + suit] = holding;
                for (int rank = 2; rank <= kAce; ++rank) {
                    if (holding & RankBit(rank)) {
                        const std::size_t card = suit * 13 + static_cast<std::size_t>(rank - 2);
                        ++holders[card];
                        ++counts[card][seat];
                    }
                }
            }
        }
        for (const int holderCount : holders) {
            ASSERT_EQ(holderCount, 1);
        }
        EXPECT_TRUE(seen.insert(key).second) << "a deal came twice";
    }

    // Chi-square over 52 cards x 4 seats, 156 degrees of freedom: 266 is exceeded by chance
    // about once in ten million runs.
    const double expected = kDeals / 4.0;
    double chiSquare = 0;
    for (const auto& seats : counts) {
        for (const int observed : seats) {
            chiSquare += (observed - expected) * (observed - expected) / expected;
        }
    }
    EXPECT_LT(chiSquare, 266.0);
}

}  // namespace
}  // namespace kesto::test
