#pragma once
// The card number used for dealing: 1..52, clubs 1..13, diamonds 14..26, hearts 27..39,
// spades 40..52; within a suit the two comes first and the ace last.

#include "kesto/deal/suit.h"

namespace kesto {

struct Card {
    Suit suit;
    int rank;  // 2..14
};

Card CardFromNumber(int cardNumber);

}  // namespace kesto
