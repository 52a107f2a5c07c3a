#include "kesto/deal/suit.h"

#include <bit>
#include <cctype>

namespace kesto {

int SuitLength(tSuitSet holding) {
    constexpr tSuitSet kRanks = 0x7FFC;  // bits 2..14
    return std::popcount(static_cast<unsigned>(holding & kRanks));
}

int SuitPoints(tSuitSet holding) {
    int points = 0;
    for (int rank = kAce; rank >= kJack; --rank) {
        if (holding & RankBit(rank)) {
            points += rank - 10;
        }
    }
    return points;
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
    for (const char raw : text) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(raw)));
        int rank = 0;
        if (c == '1' || c == 'T') {
            rank = kTen;
        } else if (c >= '2' && c <= '9') {
            rank = c - '0';
        } else if (c == 'A') {
            rank = kAce;
        } else if (c == 'K') {
            rank = kKing;
        } else if (c == 'Q') {
            rank = kQueen;
        } else if (c == 'J') {
            rank = kJack;
        }
        if (rank != 0) {
            holding |= RankBit(rank);
        }
    }
}

std::string TenText(std::string_view languageTenWord) {
    return languageTenWord == "T" ? "T" : "10";
}

}  // namespace kesto
