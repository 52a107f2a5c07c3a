#include "kesto/files/deal_notation.h"
#include "kesto/platform/ascii_text.h"

#include <algorithm>

namespace kesto {

namespace {

constexpr std::string_view kDealOpening = "[Deal \"";

Seat SeatOfLetter(char letter) {
    switch (letter) {
        case 'E':
            return Seat::East;
        case 'S':
            return Seat::South;
        case 'W':
            return Seat::West;
        default:
            return Seat::North;
    }
}

// The next hand text: up to the first space; without a space, the whole rest.
std::string_view SplitHand(std::string_view& rest) {
    const auto space = rest.find(' ');
    if (space == std::string_view::npos) {
        return rest;
    }
    const std::string_view hand = rest.substr(0, space);
    rest.remove_prefix(space + 1);
    return hand;
}

}  // namespace

std::string HandText(const tHand& hand) {
    std::string text;
    for (const Suit suit : kAllSuits) {
        if (suit != Suit::Spades) {
            text += '.';
        }
        text += SuitText(hand.Holding(suit), "T");
    }
    return text;
}

std::string DealTag(const tDeal& deal, char firstSeat) {
    Seat seat = SeatOfLetter(AsciiUpper(firstSeat));
    std::string tag(kDealOpening);
    tag += SeatLetter(seat);
    tag += ':';
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            tag += ' ';
        }
        tag += HandText(deal.Hand(seat));
        seat = NextClockwise(seat);
    }
    tag += "\"]";
    return tag;
}

void ReadDealTag(tDeal& deal, std::string_view text) {
    if (!text.starts_with(kDealOpening) || text.size() < 9 || !text.ends_with("\"]")) {
        return;
    }
    const char first = AsciiUpper(text[7]);
    if (first != 'N' && first != 'E' && first != 'S' && first != 'W') {
        return;
    }
    // Character 9 (the colon) is not examined; the hand part is at most 255 characters.
    std::string_view rest = text.size() > 9 ? text.substr(9, 255) : std::string_view();
    std::string_view hands[4];
    for (int i = 0; i < 3; ++i) {
        hands[i] = SplitHand(rest);
    }
    hands[3] = rest.substr(0, rest.size() >= 2 ? rest.size() - 2 : 0);

    std::string_view bySeat[4];
    Seat seat = SeatOfLetter(first);
    for (const auto& hand : hands) {
        bySeat[static_cast<int>(seat)] = hand;
        seat = NextClockwise(seat);
    }
    deal.ReadHands(bySeat[0], bySeat[1], bySeat[2], bySeat[3]);
}

std::string BoardTag(int boardNumber) {
    return "[Board \"" + std::to_string(boardNumber) + "\"]";
}

std::string DealerTag(int boardNumber) {
    return std::string("[Dealer \"") + SeatLetter(BoardDealer(boardNumber)) + "\"]";
}

std::string VulnerableTag(int boardNumber) {
    return "[Vulnerable \"" + std::string(BoardVulnerability(boardNumber)) + "\"]";
}

std::string DealRecord(int boardNumber, const tDeal& deal) {
    return BoardTag(boardNumber) + "|" + DealerTag(boardNumber) + "|" + VulnerableTag(boardNumber) +
           "|" + DealTag(deal, SeatLetter(BoardDealer(boardNumber)));
}

}  // namespace kesto
