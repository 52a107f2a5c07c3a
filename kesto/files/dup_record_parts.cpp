#include "kesto/files/dup_record_parts.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "kesto/files/deal_check.h"
#include "kesto/platform/ascii_text.h"

namespace kesto {

namespace {

// The suit marks of the IBM PC character set: spade, heart, diamond, club.
constexpr char kMarks[] = {kSpadeMark, '\x03', '\x04', '\x05'};
constexpr int kSuitBase[] = {15, 28, 41, 54};

int MarkIndex(char c) {
    for (int i = 0; i < 4; ++i) {
        if (kMarks[i] == c) {
            return i;
        }
    }
    return -1;
}

}  // namespace

bool OpensWithCardNumberDigits(std::string_view part) {
    return part.size() >= kCardNumberPartSize &&
           std::all_of(part.begin(), part.begin() + kCardNumberPartSize, IsAsciiDigit);
}

std::string TwoDigits(int number) {
    return (number < 10 ? "0" : "") + std::to_string(number);
}

int DUPCardNumber(Suit suit, int rank) {
    return kSuitBase[static_cast<int>(suit)] - rank;
}

std::string CardNumberPart(const tDeal& deal) {
    std::string numbers;
    numbers.reserve(kCardNumberPartSize);
    for (const Seat seat : {Seat::North, Seat::East, Seat::South}) {
        for (const Suit suit : kAllSuits) {
            for (int rank = kAce; rank >= 2; --rank) {
                if (deal.Hand(seat).Holds(suit, rank)) {
                    numbers += TwoDigits(DUPCardNumber(suit, rank));
                }
            }
        }
    }
    return numbers;
}

int ReadCardNumberPart(tDeal& deal, std::string_view part) {
    deal.Clear();
    for (const Suit suit : kAllSuits) {
        deal.West.Holding(suit) = kAllRanks;
    }
    for (int k = 1; k <= 39; ++k) {
        // A two-character field: " 5", "05", "+5" and "-5" are numbers.
        const std::string_view field =
            part.size() >= 2u * k ? part.substr(2u * k - 2, 2) : std::string_view();
        const std::optional<std::int32_t> number = ParseLenientWholeNumber(field);
        if (!number) {
            return k;
        }
        const int v = *number;
        if (v < 1 || v > kCardsInDeck) {
            continue;
        }
        const int suitIndex = (v - 1) / 13;
        const Suit suit = kAllSuits[suitIndex];
        const int rank = kSuitBase[suitIndex] - v;
        const Seat seat = k <= 13 ? Seat::North : k <= 26 ? Seat::East : Seat::South;
        deal.Hand(seat).Add(suit, rank);
        deal.West.Remove(suit, rank);
    }
    return 0;
}

std::string ReadCardNumbers(tDeal& deal, std::string_view part) {
    const int field = ReadCardNumberPart(deal, part);
    if (field == 0) {
        return {};
    }
    const std::string_view digits = part.substr(2 * field - 2, 2);
    const bool printable = std::all_of(digits.begin(), digits.end(), [](char c) {
        return static_cast<unsigned char>(c) >= ' ' && static_cast<unsigned char>(c) < 0x7F;
    });
    return printable ? "holds \"" + std::string(digits) + "\", which is no card number"
                     : "holds a byte that is no card number";
}

std::string HandsPart(const tDeal& deal) {
    std::string text;
    text.reserve(kHandsPartSize);
    for (const Seat seat : kClockwise) {
        for (const Suit suit : kAllSuits) {
            text += kMarks[static_cast<int>(suit)];
            text += SuitText(deal.Hand(seat).Holding(suit), "T");
        }
    }
    return text;
}

std::string ReadHandsPart(tDeal& deal, std::string_view part) {
    deal.Clear();
    int marks = 0;  // the marks read so far: hand (marks - 1) / 4, suit (marks - 1) % 4
    for (const char c : part) {
        if (c == '\0' || c == ' ') {
            break;  // what fills the record after a deal of fewer cards
        }
        const int mark = MarkIndex(c);
        if (mark >= 0) {
            if (marks == 16 || mark != marks % 4) {
                return "has its suit marks out of order";
            }
            ++marks;
            continue;
        }
        const int rank = RankOfCharacter(c);
        if (rank == 0) {
            return NoCardFault(c);
        }
        if (marks == 0) {
            return "has its suit marks out of order";  // a card before the first mark
        }
        if (std::string fault =
                AddCardOnce(deal, kClockwise[(marks - 1) / 4], kAllSuits[(marks - 1) % 4], rank);
            !fault.empty()) {
            return fault;
        }
    }
    return marks < 16 ? "is cut short" : std::string();
}

}  // namespace kesto
