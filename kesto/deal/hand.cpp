#include "kesto/deal/hand.h"

#include <array>

namespace kesto {

void tHand::Clear() {
    spades = hearts = diamonds = clubs = 0;
}

int tHand::CardCount() const {
    return kesto::SuitLength(spades) + kesto::SuitLength(hearts) + kesto::SuitLength(diamonds) +
           kesto::SuitLength(clubs);
}

int tHand::SuitLength(Suit suit) const {
    return kesto::SuitLength(Holding(suit));
}

int tHand::Shape() const {
    std::array<int, 4> lengths = {SuitLength(Suit::Spades), SuitLength(Suit::Hearts),
                                  SuitLength(Suit::Diamonds), SuitLength(Suit::Clubs)};
    // Insertion sort, longest first; equal lengths keep their order.
    for (std::size_t i = 1; i < lengths.size(); ++i) {
        const int value = lengths[i];
        std::size_t j = i;
        while (j > 0 && lengths[j - 1] < value) {
            lengths[j] = lengths[j - 1];
            --j;
        }
        lengths[j] = value;
    }
    return lengths[0] * 4096 + lengths[1] * 256 + lengths[2] * 16 + lengths[3];
}

int tHand::Points() const {
    return SuitPoints(spades) + SuitPoints(hearts) + SuitPoints(diamonds) + SuitPoints(clubs);
}

void tHand::ReadHandText(std::string_view text) {
    Clear();
    int suitIndex = 0;
    for (const char raw : text) {
        if (raw == '.') {
            if (++suitIndex == 4) {
                return;
            }
            continue;
        }
        const int rank = RankOfCharacter(raw);
        if (rank != 0) {
            Add(kAllSuits[suitIndex], rank);
        }
    }
}

}  // namespace kesto
