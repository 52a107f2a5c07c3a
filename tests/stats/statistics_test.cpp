#include "kesto/stats/statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <numeric>
#include <string>
#include <vector>

#include "kesto/deal/deck.h"
#include "kesto/deal/random.h"
#include "tests/stats/stats_test_deals.h"

namespace kesto::test {
namespace {

using test::DealOf;

constexpr Seat N = Seat::North, E = Seat::East, S = Seat::South, W = Seat::West;

int PatternRow(const char* shape) {
    for (int k = 0; k < kPatternCount; ++k) {
        if (ShapeText(kPatternTable[k]) == shape) {
            return k;
        }
    }
    return -1;
}

// Statistics in which North held the listed point counts, one deal each.
tStatistics NorthHeld(const std::vector<int>& points) {
    tStatistics statistics;
    for (const int p : points) {
        ++statistics.PointCounts[SeatIndex(N)][p];
    }
    return statistics;
}

struct FigureCase {
    std::vector<int> points;
    const char* separator;
    const char* mean;
    const char* median;
    const char* mode;
};

class FigureTest : public ::testing::TestWithParam<FigureCase> {};

TEST_P(FigureTest, MeanMedianAndModeOfNorth) {
    const FigureCase& c = GetParam();
    const tStatistics statistics = NorthHeld(c.points);
    EXPECT_EQ(MeanText(statistics, N, c.separator), c.mean);
    EXPECT_EQ(MedianText(statistics, N, c.separator), c.median);
    EXPECT_EQ(ModeText(statistics, N), c.mode);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, FigureTest,
    ::testing::Values(FigureCase{{8, 12, 15}, ".", "11.67", "12.00", "8,12,15"},
                      FigureCase{{8, 15}, ".", "11.50", "11.50", "8,15"},
                      FigureCase{{15, 8}, ",", "11,50", "11,50", "8,15"},
                      FigureCase{{9, 10, 10, 12, 12}, ".", "10.60", "10.00", "10,12"},
                      FigureCase{{17}, ".", "17.00", "17.00", "17"},
                      FigureCase{{0, 37}, ".", "18.50", "18.50", "0,37"},
                      FigureCase{{0, 0, 1}, ".", "0.33", "0.00", "0"},
                      FigureCase{{0, 1, 1}, ".", "0.67", "1.00", "1"},
                      // 9/8 = 1.125 exactly: half rounds up.
                      FigureCase{{1, 1, 1, 1, 1, 1, 1, 2}, ".", "1.13", "1.00", "1"},
                      FigureCase{{10, 10, 20, 20, 20, 30}, ".", "18.33", "20.00", "20"},
                      FigureCase{{5, 7, 9, 11}, ".", "8.00", "8.00", "5,7,9,11"}),
    [](const auto& testInfo) {
        std::string name = testInfo.param.separator == std::string(",") ? "Comma" : "Point";
        for (const int points : testInfo.param.points) {
            name += "_" + std::to_string(points);
        }
        return name;
    });

TEST(FigureTest, EmptyBoardSetShowsADashForEverySeat) {
    const tStatistics statistics = ComputeStatistics({});
    for (const Seat seat : kClockwise) {
        EXPECT_EQ(MeanText(statistics, seat, "."), "-");
        EXPECT_EQ(MedianText(statistics, seat, "."), "-");
        EXPECT_EQ(ModeText(statistics, seat), "-");
    }
}

TEST(FigureTest, OneDealGivesEverySeatItsOwnPoints) {
    const tStatistics statistics = ComputeStatistics({test::Mixed()});
    const struct {
        Seat seat;
        const char* two;
        const char* plain;
    } expected[] = {{N, "16.00", "16"}, {E, "21.00", "21"}, {S, "3.00", "3"}, {W, "0.00", "0"}};
    for (const auto& x : expected) {
        EXPECT_EQ(MeanText(statistics, x.seat, "."), x.two);
        EXPECT_EQ(MedianText(statistics, x.seat, "."), x.two);
        EXPECT_EQ(ModeText(statistics, x.seat), x.plain);
    }
}

TEST(FigureTest, SeatsAreReadFromTheirOwnCounters) {
    // Two deals: a seat's figures must not mix with the next seat's.
    const tStatistics statistics = ComputeStatistics({test::Mixed(), test::MixedTurned()});
    EXPECT_EQ(MeanText(statistics, N, "."), "8.00");     // 16, 0
    EXPECT_EQ(MeanText(statistics, E, "."), "18.50");    // 21, 16
    EXPECT_EQ(MedianText(statistics, S, "."), "12.00");  // 3, 21
    EXPECT_EQ(ModeText(statistics, W), "0,3");
}

TEST(ShapeTextTest, FourLengthsLongestFirst) {
    const struct {
        int code;
        const char* text;
    } cases[] = {{0x4432, "4-4-3-2"}, {0xA210, "10-2-1-0"}, {0xD000, "13-0-0-0"},
                 {0x4333, "4-3-3-3"}, {0xB200, "11-2-0-0"}, {0, "0-0-0-0"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ShapeText(c.code), c.text) << c.code;
    }
}

TEST(PatternTableTest, EveryThirteenCardPatternOnceInTheSheetOrder) {
    EXPECT_EQ(ShapeText(kPatternTable[0]), "4-4-3-2");
    EXPECT_EQ(ShapeText(kPatternTable[4]), "4-3-3-3");
    EXPECT_EQ(ShapeText(kPatternTable[9]), "4-4-4-1");
    EXPECT_EQ(ShapeText(kPatternTable[31]), "10-2-1-0");
    EXPECT_EQ(ShapeText(kPatternTable[38]), "13-0-0-0");
    int patterns = 0;
    for (int a = 13; a >= 0; --a) {
        for (int b = a; b >= 0; --b) {
            for (int c = b; c >= 0; --c) {
                const int d = 13 - a - b - c;
                if (d < 0 || d > c) {
                    continue;
                }
                ++patterns;
                const int code = a * 4096 + b * 256 + c * 16 + d;
                EXPECT_EQ(std::count(kPatternTable.begin(), kPatternTable.end(), code), 1)
                    << ShapeText(code);
            }
        }
    }
    EXPECT_EQ(patterns, kPatternCount);
}

TEST(ComputeStatisticsTest, OneSuitEachCountsInTheLastRowAndAsThirteenCardFits) {
    const tStatistics statistics = ComputeStatistics({test::OneSuitEach()});
    const int row = PatternRow("13-0-0-0");
    ASSERT_EQ(row, kPatternCount - 1);
    for (const Seat seat : kClockwise) {
        EXPECT_EQ(statistics.ShapeCounts[SeatIndex(seat)][row], 1);
        EXPECT_EQ(statistics.PointCounts[SeatIndex(seat)][10], 1);
    }
    EXPECT_EQ(statistics.FitCounts[PairIndex(Pair::NorthSouth)][13 - 8], 1);
    EXPECT_EQ(statistics.FitCounts[PairIndex(Pair::EastWest)][13 - 8], 1);
}

struct FitCase {
    const char* name;
    tDeal deal;
    std::array<std::int32_t, kFitLengths> northSouth;
    std::array<std::int32_t, kFitLengths> eastWest;
};

TEST(ComputeStatisticsTest, OnlyEachPairsLongestFitCounts) {
    const FitCase cases[] = {
        // North-South 9, 8, 4, 5: one 9-card fit, nothing for the 8; East-West 13 - 4 = 9.
        {"9-8-4-5",
         DealOf("AKQJT.AKQJ.AK.AK", "54.654.T9876.987", "9876.T987.QJ.QJT", "32.32.5432.65432"),
         {0, 1, 0, 0, 0, 0},
         {0, 1, 0, 0, 0, 0}},
        // 7, 6, 6, 7: nothing either way (East-West 13 - 6 = 7).
        {"7-6-7-6", test::Flat(), {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
        {"7-9-6-4", test::Mixed(), {0, 1, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 0}},
        {"13-0-13-0", test::OneSuitEach(), {0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 1}},
        // 8, 8, 5, 5 (8-card fits both ways).
        {"8-8-5-5",
         DealOf("AKQJ.AKQJ.AKQ.AK", "65.654.98765.987", "T987.T987.JT.QJT", "432.32.432.65432"),
         {1, 0, 0, 0, 0, 0},
         {1, 0, 0, 0, 0, 0}},
    };
    for (const FitCase& c : cases) {
        const tStatistics statistics = ComputeStatistics({c.deal});
        EXPECT_EQ(statistics.FitCounts[PairIndex(Pair::NorthSouth)], c.northSouth) << c.name;
        EXPECT_EQ(statistics.FitCounts[PairIndex(Pair::EastWest)], c.eastWest) << c.name;
    }
}

TEST(ComputeStatisticsTest, IncompleteHandCountsInPointsAndFitsButInNoPatternRow) {
    tDeal deal = test::Mixed();
    deal.North.Remove(Suit::Spades, 2);  // North keeps 12 cards and his 16 points
    const tStatistics statistics = ComputeStatistics({deal, test::Flat()});
    const auto& northShapes = statistics.ShapeCounts[SeatIndex(N)];
    EXPECT_EQ(std::accumulate(northShapes.begin(), northShapes.end(), 0), 1);
    EXPECT_EQ(northShapes[PatternRow("4-3-3-3")], 1);
    EXPECT_EQ(statistics.PointCounts[SeatIndex(N)][16], 1);
    EXPECT_EQ(statistics.PointCounts[SeatIndex(N)][10], 1);
    // North-South now hold 6, 9, 6, 4: both pairs still count their 9-card fit.
    EXPECT_EQ(statistics.FitCounts[PairIndex(Pair::NorthSouth)][1], 1);
    EXPECT_EQ(statistics.FitCounts[PairIndex(Pair::EastWest)][1], 1);
    // The other seats' complete hands count as usual.
    EXPECT_EQ(statistics.ShapeCounts[SeatIndex(E)][PatternRow("5-4-2-2")], 1);
}

TEST(ComputeStatisticsTest, EachSeatsPointsAndPatternGoToItsOwnRow) {
    const tStatistics statistics = ComputeStatistics({test::Mixed()});
    const struct {
        Seat seat;
        int points;
        const char* shape;
    } expected[] = {{N, 16, "4-4-3-2"}, {E, 21, "5-4-2-2"}, {S, 3, "5-3-3-2"}, {W, 0, "5-5-2-1"}};
    for (const auto& x : expected) {
        const int seat = SeatIndex(x.seat);
        EXPECT_EQ(statistics.PointCounts[seat][x.points], 1) << x.shape;
        EXPECT_EQ(std::accumulate(statistics.PointCounts[seat].begin(),
                                  statistics.PointCounts[seat].end(), 0),
                  1);
        EXPECT_EQ(statistics.ShapeCounts[seat][PatternRow(x.shape)], 1) << x.shape;
    }
}

TEST(ComputeStatisticsTest, RandomDealsCountOncePerSeatAndAtMostOncePerPair) {
    TDeck deck;
    RandomGenerator random(12345);
    tBoardSet boardSet;
    for (int i = 0; i < 500; ++i) {
        boardSet.push_back(tDeal::CreateRandom(deck, random));
    }
    const tStatistics statistics = ComputeStatistics(boardSet);
    for (int seat = 0; seat < kSeatCount; ++seat) {
        const auto& points = statistics.PointCounts[seat];
        const auto& shapes = statistics.ShapeCounts[seat];
        EXPECT_EQ(std::accumulate(points.begin(), points.end(), 0), 500);
        EXPECT_EQ(std::accumulate(shapes.begin(), shapes.end(), 0), 500);
    }
    int pointSum = 0;
    for (int seat = 0; seat < kSeatCount; ++seat) {
        for (int p = 0; p < kPointValues; ++p) {
            pointSum += p * statistics.PointCounts[seat][p];
        }
    }
    EXPECT_EQ(pointSum, 40 * 500);  // every deal holds all 40 points
    for (int pair = 0; pair < kPairCount; ++pair) {
        const auto& fits = statistics.FitCounts[pair];
        const int counted = std::accumulate(fits.begin(), fits.end(), 0);
        EXPECT_GT(counted, 0);
        EXPECT_LE(counted, 500);
    }
}

TEST(ComputeStatisticsTest, ImpossibleHandsStayInsideTheTables) {
    // Sixteen honours (40 points) for North and 17 spades and hearts for North-South:
    // nothing to count in points, patterns or North-South's fits, and nothing written
    // outside the tables.
    const tDeal deal = DealOf("AKQJ.AKQJ.AKQJ.AKQJ", "", "AKQJT98765432.AKQJT98765432..", "");
    const tStatistics statistics = ComputeStatistics({deal});
    const auto& north = statistics.PointCounts[SeatIndex(N)];
    EXPECT_EQ(std::accumulate(north.begin(), north.end(), 0), 0);
    EXPECT_EQ(statistics.PointCounts[SeatIndex(E)][0], 1);
    const auto& northSouth = statistics.FitCounts[PairIndex(Pair::NorthSouth)];
    EXPECT_EQ(std::accumulate(northSouth.begin(), northSouth.end(), 0), 0);
    // North-South's shortest combined suit is 4 (clubs): East-West are credited with 9.
    EXPECT_EQ(statistics.FitCounts[PairIndex(Pair::EastWest)][1], 1);
}

TEST(LocaleDecimalSeparatorTest, FollowsTheNumericLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    EXPECT_EQ(LocaleDecimalSeparator(), ".");
    EXPECT_EQ(MeanText(NorthHeld({8, 15}), N), "11.50");
    for (const char* german : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, german) != nullptr) {
            EXPECT_EQ(LocaleDecimalSeparator(), ",") << german;
            EXPECT_EQ(MedianText(NorthHeld({8, 15}), N), "11,50") << german;
            break;
        }
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace kesto::test
