#include "kesto/deal/deck.h"

#include <utility>

#include "kesto/deal/random.h"

namespace kesto {

TDeck::TDeck() {
    for (std::size_t i = 0; i < cards_.size(); ++i) {
        cards_[i] = static_cast<std::uint8_t>(i + 1);
    }
}

void TDeck::Shuffle(RandomGenerator& random) {
    for (std::size_t i = 0; i < cards_.size(); ++i) {
        std::swap(cards_[i], cards_[random.RandomBelow(52)]);
    }
}

}  // namespace kesto
