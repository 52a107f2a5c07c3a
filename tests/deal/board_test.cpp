#include <gtest/gtest.h>

#include "kesto/deal/board.h"
#include "kesto/deal/deal.h"

namespace kesto::test {
namespace {

TEST(BoardTest, SixteenBoardCycle) {
    // Boards 1 to 16: N None, E NS, S EW, W All, N NS, E EW, S All, W None,
    // N EW, E All, S None, W NS, N All, E None, S NS, W EW.
    const char* expected[] = {"N None", "E NS",   "S EW", "W All", "N NS",   "E EW",
                              "S All",  "W None", "N EW", "E All", "S None", "W NS",
                              "N All",  "E None", "S NS", "W EW"};
    for (int board = 1; board <= 48; ++board) {
        const std::string got = std::string(1, SeatLetter(BoardDealer(board))) + " " +
                                std::string(BoardVulnerability(board));
        EXPECT_EQ(got, expected[(board - 1) % 16]) << "board " << board;
    }
    EXPECT_EQ(BoardDealer(16), Seat::West);
    EXPECT_EQ(BoardVulnerability(16), "EW");
    EXPECT_EQ(BoardDealer(17), Seat::North);
    EXPECT_EQ(BoardVulnerability(17), "None");
    EXPECT_EQ(BoardDealer(32), Seat::West);
    EXPECT_EQ(BoardVulnerability(32), "EW");
}

TEST(DealTest, ReadHandsTakesClockwiseTextsWhateverTheStorageOrder) {
    tDeal deal;
    deal.ReadHands("A...", "K...", "Q...", "J...");
    EXPECT_TRUE(deal.North.Holds(Suit::Spades, kAce));
    EXPECT_TRUE(deal.East.Holds(Suit::Spades, kKing));
    EXPECT_TRUE(deal.South.Holds(Suit::Spades, kQueen));
    EXPECT_TRUE(deal.West.Holds(Suit::Spades, kJack));
    EXPECT_EQ(&deal.Hand(Seat::East), &deal.East);
    EXPECT_EQ(deal.CardCount(), 4);
    deal.Clear();
    EXPECT_EQ(deal.CardCount(), 0);
}

}  // namespace
}  // namespace kesto::test
