#include "kesto/deal/generate.h"

#include "kesto/deal/deck.h"
#include "kesto/deal/random.h"
#include "kesto/deal/secure_random.h"

namespace kesto {

void GenerateRandomDeals(tBoardSet& boardSet, int count, RandomGenerator& random) {
    // Every run starts from a deck in order; the generator carries on where it was.
    TDeck deck;
    boardSet.reserve(boardSet.size() + static_cast<std::size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) {
        boardSet.push_back(tDeal::CreateRandom(deck, random));
    }
}

Status GenerateSecureDeals(tBoardSet& boardSet, int count, SecureRandom& random) {
    tBoardSet deals;
    deals.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    TDeck deck;
    for (int i = 0; i < count; ++i) {
        if (!deck.ShuffleSecurely(random)) {
            return random.SourceStatus();
        }
        deals.push_back(tDeal::DealFrom(deck));
    }
    boardSet.insert(boardSet.end(), deals.begin(), deals.end());
    return {};
}

}  // namespace kesto
