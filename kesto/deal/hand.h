#pragma once
// One seat's hand: four suit sets. A hand carries no seat of its own; its deal gives it one.

#include <cstdint>
#include <string_view>

#include "kesto/deal/suit.h"

namespace kesto {

inline constexpr int kCardsInHand = 13;
inline constexpr int kCardsInDeck = 4 * kCardsInHand;

// A card's bit in tHand::Lanes: bit 16 * suit + rank.
constexpr std::uint64_t LaneBit(Suit suit, int rank) {
    return std::uint64_t{1} << (16 * static_cast<int>(suit) + rank);
}

class tHand {
  public:
    tSuitSet spades = 0;
    tSuitSet hearts = 0;
    tSuitSet diamonds = 0;
    tSuitSet clubs = 0;

    // Inline: dealing and counting look suits up millions of times.
    tSuitSet Holding(Suit suit) const { return this->*kSuitFields[static_cast<int>(suit)]; }
    tSuitSet& Holding(Suit suit) { return this->*kSuitFields[static_cast<int>(suit)]; }

    bool Holds(Suit suit, int rank) const { return (Holding(suit) & RankBit(rank)) != 0; }
    void Add(Suit suit, int rank) { Holding(suit) |= RankBit(rank); }
    void Remove(Suit suit, int rank) { Holding(suit) &= static_cast<tSuitSet>(~RankBit(rank)); }

    void Clear();
    // Adds the card of a card number 1..52 (card.h: clubs 1..13, diamonds, hearts, spades,
    // the two first); a card already held changes nothing.
    constexpr void AddCard(int cardNumber) {
        this->*kSuitFields[3 - (cardNumber - 1) / 13] |= RankBit((cardNumber - 1) % 13 + 2);
    }
    // The four holdings as the 16-bit lanes of one word, spades in the lowest: dealing adds a
    // card in a register (LaneBit), and counting counts all four suits at once.
    constexpr std::uint64_t Lanes() const {
        return std::uint64_t{spades} | std::uint64_t{hearts} << 16 | std::uint64_t{diamonds} << 32 |
               std::uint64_t{clubs} << 48;
    }
    void SetLanes(std::uint64_t lanes) {
        spades = static_cast<tSuitSet>(lanes);
        hearts = static_cast<tSuitSet>(lanes >> 16);
        diamonds = static_cast<tSuitSet>(lanes >> 32);
        clubs = static_cast<tSuitSet>(lanes >> 48);
    }
    int CardCount() const;
    int SuitLength(Suit suit) const;
    // The four suit lengths sorted longest first as four hex digits: 4-4-3-2 is 0x4432.
    int Shape() const;
    int Points() const;

    // Empties the hand, then reads up to four "."-separated groups (spades, hearts,
    // diamonds, clubs) of "2".."9", "T", "J", "Q", "K", "A" in either case. Other
    // characters are skipped ("1" is no ten here); text after a fourth "." is ignored.
    void ReadHandText(std::string_view text);

    friend bool operator==(const tHand&, const tHand&) = default;

  private:
    // The holdings in the order of Suit.
    static constexpr tSuitSet tHand::*kSuitFields[] = {&tHand::spades, &tHand::hearts,
                                                       &tHand::diamonds, &tHand::clubs};
};

}  // namespace kesto
