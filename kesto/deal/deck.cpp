#include "kesto/deal/deck.h"

#include <utility>

#include "kesto/deal/random.h"
#include "kesto/deal/secure_random.h"

namespace kesto {

TDeck::TDeck() {
    for (std::size_t i = 0; i < cards_.size(); ++i) {
        cards_[i] = static_cast<std::uint8_t>(i + 1);
    }
}

void TDeck::Shuffle(RandomGenerator& random) {
    for (std::size_t i = 0; i < cards_.size(); ++i) {
        std::swap(cards_[i], cards_[random.RandomBelow(kCardsInDeck)]);
    }
}

bool TDeck::ShuffleSecurely(SecureRandom& random) {
    for (std::size_t i = cards_.size() - 1; i > 0; --i) {
        const std::optional<std::uint32_t> j = random.Below(static_cast<std::uint32_t>(i + 1));
        if (!j) {
            return false;
        }
        std::swap(cards_[i], cards_[*j]);
    }
    return true;
}

}  // namespace kesto
