#include "kesto/plan/hand_figures.h"

#include <cstdint>

namespace kesto {

int ShapeIndex(int spades, int hearts, int diamonds, int clubs) {
    if (spades + hearts + diamonds + clubs != kCardsInHand) {
        return kNoShape;
    }
    // The clubs follow from the other three.
    return (spades * 14 + hearts) * 14 + diamonds;
}

HandFigures FiguresOf(const tHand& hand) {
    // Each figure counted for the four suits at once, in the lanes of tHand::Lanes; no lane's
    // count reaches the next lane.
    constexpr std::uint64_t kLanes = 0x0001'0001'0001'0001;
    const std::uint64_t cards = hand.Lanes() & (kLanes * kAllRanks);
    std::uint64_t length = cards - ((cards >> 1) & (kLanes * 0x5555));
    length = (length & (kLanes * 0x3333)) + ((length >> 2) & (kLanes * 0x3333));
    length = (length + (length >> 4)) & (kLanes * 0x0F0F);
    length = (length + (length >> 8)) & (kLanes * 0x001F);
    const auto rank = [cards](int r) { return (cards >> r) & kLanes; };
    const std::uint64_t ace = rank(kAce), king = rank(kKing), queen = rank(kQueen);
    // 1 in each lane whose suit has at least n cards.
    const auto atLeast = [length](std::uint64_t n) {
        return ((length + kLanes * (0x8000 - n)) >> 15) & kLanes;
    };
    // SuitLosers: one for each of the first three cards the ace, king and queen do not cover.
    const std::uint64_t losers = (atLeast(1) & ~ace) + (atLeast(2) & ~king) + (atLeast(3) & ~queen);
    const std::uint64_t points = 4 * ace + 3 * king + 2 * queen + rank(kJack);
    const std::uint64_t controls = 2 * ace + king;
    // The sum of a word's four lanes.
    const auto sum = [](std::uint64_t lanes) {
        return static_cast<std::int16_t>((lanes * kLanes) >> 48);
    };
    HandFigures figures;
    for (const Suit suit : kAllSuits) {
        const auto lane = static_cast<std::size_t>(suit);
        figures.holdings[lane] = hand.Holding(suit);
        figures.value[lane] = static_cast<std::int16_t>((length >> (16 * lane)) & 0xFFFF);
    }
    figures.value[static_cast<std::size_t>(Figure::Hcp)] = sum(points);
    figures.value[static_cast<std::size_t>(Figure::Controls)] = sum(controls);
    figures.value[static_cast<std::size_t>(Figure::Losers)] = sum(losers);
    figures.shape = ShapeIndex(figures[Figure::Spades], figures[Figure::Hearts],
                               figures[Figure::Diamonds], figures[Figure::Clubs]);
    return figures;
}

DealFigures FiguresOf(const tDeal& deal) {
    return FiguresOf(deal, 0xF);
}

DealFigures FiguresOf(const tDeal& deal, unsigned seats) {
    DealFigures figures;
    for (const Seat seat : kClockwise) {
        if ((seats & (1u << static_cast<int>(seat))) != 0) {
            figures[static_cast<std::size_t>(seat)] = FiguresOf(deal.Hand(seat));
        }
    }
    return figures;
}

}  // namespace kesto
