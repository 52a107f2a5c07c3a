#include "kesto/deal/suit.h"

namespace kesto {

int RankOfCharacter(char c) {
    switch (c) {
        case 'T':
        case 't':
            return kTen;
        case 'J':
        case 'j':
            return kJack;
        case 'Q':
        case 'q':
            return kQueen;
        case 'K':
        case 'k':
            return kKing;
        case 'A':
        case 'a':
            return kAce;
        default:
            return (c >= '2' && c <= '9') ? c - '0' : 0;
    }
}

std::optional<Suit> SuitOfLetter(char c) {
    switch (c) {
        case 'S':
        case 's':
            return Suit::Spades;
        case 'H':
        case 'h':
            return Suit::Hearts;
        case 'D':
        case 'd':
            return Suit::Diamonds;
        case 'C':
        case 'c':
            return Suit::Clubs;
        default:
            return std::nullopt;
    }
}

std::string SuitText(tSuitSet holding, std::string_view tenText) {
    std::string text;
    static constexpr char kHonours[] = {'A', 'K', 'Q', 'J'};
    for (int i = 0; i < 4; ++i) {
        if (holding & RankBit(kAce - i)) {
            text += kHonours[i];
        }
    }
    if (holding & RankBit(kTen)) {
        text += tenText.substr(0, 2);
    }
    for (int rank = 9; rank >= 2; --rank) {
        if (holding & RankBit(rank)) {
            text += static_cast<char>('0' + rank);
        }
    }
    return text;
}

void ReadSuitText(std::string_view text, tSuitSet& holding) {
    for (const char c : text) {
        const int rank = c == '1' ? kTen : RankOfCharacter(c);
        if (rank != 0) {
            holding |= RankBit(rank);
        }
    }
}

std::string TenText(std::string_view languageTenWord) {
    return languageTenWord == "T" ? "T" : "10";
}

}  // namespace kesto
