#pragma once
// The card number used for dealing: 1..52, clubs 1..13, diamonds 14..26, hearts 27..39,
// spades 40..52; within a suit the two comes first and the ace last.

#include <string>

#include "kesto/deal/suit.h"

namespace kesto {

struct Card {
    Suit suit;
    int rank;  // 2..14
};

Card CardFromNumber(int cardNumber);

// "the ten of hearts", "the ace of spades".
std::string CardName(Suit suit, int rank);

// The rest of a sentence that begins with a board: "holds \"x\", which is no card".
std::string QuotedNoCardFault(char c);

}  // namespace kesto
