#include "kesto/plan/hand_figures.h"

namespace kesto {

int ShapeIndex(int spades, int hearts, int diamonds, int clubs) {
    if (spades + hearts + diamonds + clubs != kCardsInHand) {
        return kNoShape;
    }
    // The clubs follow from the other three.
    return (spades * 14 + hearts) * 14 + diamonds;
}

HandFigures FiguresOf(const tHand& hand) {
    HandFigures figures;
    int hcp = 0;
    int controls = 0;
    int losers = 0;
    for (const Suit suit : kAllSuits) {
        const tSuitSet holding = hand.Holding(suit);
        figures.holdings[static_cast<std::size_t>(suit)] = holding;
        figures.value[static_cast<std::size_t>(suit)] =
            static_cast<std::int16_t>(SuitLength(holding));
        hcp += SuitPoints(holding);
        controls += SuitControls(holding);
        losers += SuitLosers(holding);
    }
    figures.value[static_cast<std::size_t>(Figure::Hcp)] = static_cast<std::int16_t>(hcp);
    figures.value[static_cast<std::size_t>(Figure::Controls)] = static_cast<std::int16_t>(controls);
    figures.value[static_cast<std::size_t>(Figure::Losers)] = static_cast<std::int16_t>(losers);
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
