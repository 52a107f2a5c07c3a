#pragma once
// The 52-card deck: positions 1..52, each holding a card number.

#include <array>
#include <cstdint>

#include "kesto/deal/hand.h"

namespace kesto {

class RandomGenerator;
class SecureRandom;

class TDeck {
  public:
    TDeck();  // position i holds card number i

    // For i = 1..52: exchange position i with RandomBelow(52) + 1. Exactly 52 draws;
    // each position may go anywhere in the deck (this is not Fisher-Yates).
    void Shuffle(RandomGenerator& random);

    // Fisher-Yates with the secure generator: every order of the deck equally likely. False
    // (the deck then only partly shuffled) when the generator fails.
    bool ShuffleSecurely(SecureRandom& random);

    int CardAt(int position) const { return cards_[position - 1]; }

  private:
    std::array<std::uint8_t, kCardsInDeck> cards_;
};

}  // namespace kesto
