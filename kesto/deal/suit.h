#pragma once
// Ranks, suits and the holding of one hand in one suit.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kesto {

// Rank r (2..14, ace 14) is bit r; bits 0, 1 and 15 stay clear.
using tSuitSet = std::uint16_t;

// Wherever a hand lists its suits the order is spades, hearts, diamonds, clubs.
enum class Suit { Spades = 0, Hearts = 1, Diamonds = 2, Clubs = 3 };
inline constexpr Suit kAllSuits[] = {Suit::Spades, Suit::Hearts, Suit::Diamonds, Suit::Clubs};

inline constexpr int kTen = 10, kJack = 11, kQueen = 12, kKing = 13, kAce = 14;

constexpr tSuitSet RankBit(int rank) {
    return static_cast<tSuitSet>(1u << rank);
}

// The whole suit: ranks 2..14.
inline constexpr tSuitSet kAllRanks = 0x7FFC;

// The rank a character names: "2".."9", "T", "J", "Q", "K", "A" in either case; 0 for any
// other character.
int RankOfCharacter(char c);
// The suit a letter names: "S", "H", "D", "C" in either case; nullopt for any other character.
std::optional<Suit> SuitOfLetter(char c);

// Number of ranks 2..14 present. Inline and without the processor's bit count, which the
// build does not assume: a plan counts millions of hands.
constexpr int SuitLength(tSuitSet holding) {
    unsigned bits = holding & kAllRanks;
    bits = bits - ((bits >> 1) & 0x5555u);
    bits = (bits & 0x3333u) + ((bits >> 2) & 0x3333u);
    bits = (bits + (bits >> 4)) & 0x0F0Fu;
    return static_cast<int>((bits + (bits >> 8)) & 0x1Fu);
}

// High-card points: ace 4, king 3, queen 2, jack 1. Inline, as a plan counts them in
// millions of hands.
constexpr int SuitPoints(tSuitSet holding) {
    const int top = holding >> kJack;  // bit 0 the jack ... bit 3 the ace
    return (top & 1) + 2 * ((top >> 1) & 1) + 3 * ((top >> 2) & 1) + 4 * ((top >> 3) & 1);
}
// Controls: ace 2, king 1.
constexpr int SuitControls(tSuitSet holding) {
    const int top = holding >> kJack;
    return ((top >> 2) & 1) + 2 * ((top >> 3) & 1);
}

// Losing tricks, counted as the dealer program counts them: a void none; a singleton one, none
// for the ace; a doubleton two, one with the ace or the king, none with both; a longer suit
// three, less one for each of the ace, king and queen.
constexpr int SuitLosers(tSuitSet holding) {
    const int length = SuitLength(holding);
    const bool ace = (holding & RankBit(kAce)) != 0;
    const bool king = (holding & RankBit(kKing)) != 0;
    const bool queen = (holding & RankBit(kQueen)) != 0;
    switch (length) {
        case 0:
            return 0;
        case 1:
            return ace ? 0 : 1;
        case 2:
            return 2 - (ace ? 1 : 0) - (king ? 1 : 0);
        default:
            return 3 - (ace ? 1 : 0) - (king ? 1 : 0) - (queen ? 1 : 0);
    }
}

// "A", "K", "Q", "J", the ten text (first two characters only), then 9 down to 2.
std::string SuitText(tSuitSet holding, std::string_view tenText);

// Adds every rank named in the text: "1" (the first digit of "10") or "T" the ten, "2".."9", "A",
// "K", "Q", "J" in either case; everything else, "0" included, is skipped. Ranks already held stay.
void ReadSuitText(std::string_view text, tSuitSet& holding);

// "T" when the language's word for the ten is exactly "T", otherwise "10".
std::string TenText(std::string_view languageTenWord);

}  // namespace kesto
