#include "kesto/deal/card.h"

namespace kesto {

namespace {
// Card numbers run clubs, diamonds, hearts, spades: the reverse of the suit order.
constexpr Suit kSuitOfBlock[] = {Suit::Clubs, Suit::Diamonds, Suit::Hearts, Suit::Spades};
}  // namespace

Card CardFromNumber(int cardNumber) {
    const int m = cardNumber % 13;
    return Card{kSuitOfBlock[(cardNumber - 1) / 13], m == 0 ? kAce : m + 1};
}

}  // namespace kesto
