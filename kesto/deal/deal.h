#pragma once
// A deal owns four hands, stored North, South, East, West (the order a random deal hands
// out the deck). It holds no board number: that follows from its place in the board set.

#include <array>
#include <string_view>
#include <vector>

#include "kesto/deal/board.h"
#include "kesto/deal/hand.h"

namespace kesto {

class TDeck;
class RandomGenerator;

class tDeal {
  public:
    tHand North;
    tHand South;
    tHand East;
    tHand West;

    tDeal() = default;  // tDeal.Create: four empty hands

    // Shuffles the shared deck once more and deals positions 1..13 to North, 14..26 to
    // South, 27..39 to East and 40..52 to West.
    static tDeal CreateRandom(TDeck& sharedDeck, RandomGenerator& random);
    // Deals the deck as it lies, in the same way.
    static tDeal DealFrom(const TDeck& deck);

    const tHand& Hand(Seat seat) const;
    tHand& Hand(Seat seat);

    void Clear();
    int CardCount() const;
    // With three hands of 13 cards and one without any, gives that one every card the others
    // do not hold (a deal file may leave out the hand the other three determine); otherwise
    // changes nothing.
    void CompleteTheHandLeftOut();
    // Texts in the order North, East, South, West, each read by tHand::ReadHandText.
    void ReadHands(std::string_view north, std::string_view east, std::string_view south,
                   std::string_view west);

    friend bool operator==(const tDeal&, const tDeal&) = default;
};

// Double-dummy tricks of a deal, tricks[seat][strain]: seats N, E, S, W; strains NT, S, H, D, C.
using DoubleDummyTable = std::array<std::array<int, 5>, 4>;

// The board set: the deal at position i is board number i + 1.
using tBoardSet = std::vector<tDeal>;

// The most boards a board set holds: as many as one generating run deals and the hand-entry
// page can number. Every deal file reader refuses a file with more, so whatever Kesto writes
// it reads back.
inline constexpr int kMaxBoards = 500;

}  // namespace kesto
