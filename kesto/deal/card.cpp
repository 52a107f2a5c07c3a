#include "kesto/deal/card.h"

namespace kesto {

namespace {
// Card numbers run clubs, diamonds, hearts, spades: the reverse of the suit order.
constexpr Suit kSuitOfBlock[] = {Suit::Clubs, Suit::Diamonds, Suit::Hearts, Suit::Spades};
constexpr std::string_view kSuitWords[] = {"spades", "hearts", "diamonds", "clubs"};
constexpr std::string_view kRankWords[] = {"two",   "three", "four", "five", "six",
                                           "seven", "eight", "nine", "ten",  "jack",
                                           "queen", "king",  "ace"};
}  // namespace

Card CardFromNumber(int cardNumber) {
    const int m = cardNumber % 13;
    return Card{kSuitOfBlock[(cardNumber - 1) / 13], m == 0 ? kAce : m + 1};
}

std::string CardName(Suit suit, int rank) {
    return "the " + std::string(kRankWords[rank - 2]) + " of " +
           std::string(kSuitWords[static_cast<int>(suit)]);
}

std::string QuotedNoCardFault(char c) {
    return "holds \"" + std::string(1, c) + "\", which is no card";
}

}  // namespace kesto
