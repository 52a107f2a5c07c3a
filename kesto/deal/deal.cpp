#include "kesto/deal/deal.h"

#include <array>
#include <cstdint>

#include "kesto/deal/deck.h"

namespace kesto {

tDeal tDeal::CreateRandom(TDeck& sharedDeck, RandomGenerator& random) {
    sharedDeck.Shuffle(random);
    return DealFrom(sharedDeck);
}

tDeal tDeal::DealFrom(const TDeck& deck) {
    // Each card number's bit in tHand::Lanes, looked up: every deal a plan tries is dealt here.
    static constexpr auto kLaneBits = [] {
        std::array<std::uint64_t, kCardsInDeck + 1> bits{};
        for (int number = 1; number <= kCardsInDeck; ++number) {
            tHand hand;
            hand.AddCard(number);
            bits[static_cast<std::size_t>(number)] = hand.Lanes();
        }
        return bits;
    }();
    tDeal deal;
    // Positions 1..13 North, 14..26 South, 27..39 East, 40..52 West.
    tHand* const receivers[] = {&deal.North, &deal.South, &deal.East, &deal.West};
    int position = 1;
    for (tHand* hand : receivers) {
        std::uint64_t lanes = 0;
        for (int i = 0; i < kCardsInHand; ++i, ++position) {
            lanes |= kLaneBits[static_cast<std::size_t>(deck.CardAt(position))];
        }
        hand->SetLanes(lanes);
    }
    return deal;
}

const tHand& tDeal::Hand(Seat seat) const {
    switch (seat) {
        case Seat::North:
            return North;
        case Seat::East:
            return East;
        case Seat::South:
            return South;
        case Seat::West:
            break;
    }
    return West;
}

tHand& tDeal::Hand(Seat seat) {
    return const_cast<tHand&>(static_cast<const tDeal&>(*this).Hand(seat));
}

void tDeal::Clear() {
    North.Clear();
    South.Clear();
    East.Clear();
    West.Clear();
}

int tDeal::CardCount() const {
    return North.CardCount() + South.CardCount() + East.CardCount() + West.CardCount();
}

void tDeal::CompleteTheHandLeftOut() {
    int full = 0;
    int empty = 0;
    Seat leftOut = Seat::North;
    for (const Seat seat : kClockwise) {
        const int count = Hand(seat).CardCount();
        full += count == kCardsInHand ? 1 : 0;
        empty += count == 0 ? 1 : 0;
        leftOut = count == 0 ? seat : leftOut;
    }
    if (full != 3 || empty != 1) {
        return;
    }
    for (const Suit suit : kAllSuits) {
        tSuitSet held = 0;
        for (const Seat seat : kClockwise) {
            held |= Hand(seat).Holding(suit);
        }
        Hand(leftOut).Holding(suit) = kAllRanks & static_cast<tSuitSet>(~held);
    }
}

void tDeal::ReadHands(std::string_view north, std::string_view east, std::string_view south,
                      std::string_view west) {
    North.ReadHandText(north);
    East.ReadHandText(east);
    South.ReadHandText(south);
    West.ReadHandText(west);
}

}  // namespace kesto
