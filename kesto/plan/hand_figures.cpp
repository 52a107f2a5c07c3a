#include "kesto/plan/hand_figures.h"

namespace kesto {

namespace {

// Points and controls of a holding depend on its top four ranks alone (bits 11 to 14).
struct HonourTable {
    std::array<std::int16_t, 16> hcp{};
    std::array<std::int16_t, 16> controls{};

    constexpr HonourTable() {
        for (int top = 0; top < 16; ++top) {
            // Bit 0 the jack, bit 3 the ace.
            hcp[top] = static_cast<std::int16_t>((top & 1) + 2 * ((top >> 1) & 1) +
                                                 3 * ((top >> 2) & 1) + 4 * ((top >> 3) & 1));
            controls[top] = static_cast<std::int16_t>(((top >> 2) & 1) + 2 * ((top >> 3) & 1));
        }
    }
};
constexpr HonourTable kHonours;

}  // namespace

int ShapeIndex(int spades, int hearts, int diamonds, int clubs) {
    if (spades + hearts + diamonds + clubs != kCardsInHand) {
        return kNoShape;
    }
    // The clubs follow from the other three.
    return (spades * 14 + hearts) * 14 + diamonds;
}

HandFigures FiguresOf(const tHand& hand) {
    HandFigures figures;
    std::int16_t hcp = 0;
    std::int16_t controls = 0;
    for (const Suit suit : kAllSuits) {
        const tSuitSet holding = hand.Holding(suit);
        figures.value[static_cast<std::size_t>(suit)] =
            static_cast<std::int16_t>(SuitLength(holding));
        const std::size_t top = (holding >> kJack) & 0xF;
        hcp = static_cast<std::int16_t>(hcp + kHonours.hcp[top]);
        controls = static_cast<std::int16_t>(controls + kHonours.controls[top]);
    }
    figures.value[static_cast<std::size_t>(Figure::Hcp)] = hcp;
    figures.value[static_cast<std::size_t>(Figure::Controls)] = controls;
    figures.shape = ShapeIndex(figures[Figure::Spades], figures[Figure::Hearts],
                               figures[Figure::Diamonds], figures[Figure::Clubs]);
    return figures;
}

DealFigures FiguresOf(const tDeal& deal) {
    DealFigures figures;
    for (const Seat seat : kClockwise) {
        figures[static_cast<std::size_t>(seat)] = FiguresOf(deal.Hand(seat));
    }
    return figures;
}

}  // namespace kesto
