#include "kesto/files/deal_notation.h"

#include <algorithm>
#include <optional>

#include "kesto/files/deal_check.h"
#include "kesto/platform/ascii_text.h"

namespace kesto {

namespace {

constexpr std::string_view kDealOpening = "[Deal \"";

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

// The hand part of a tag ReadDealTag takes (after "[Deal \"N:", before the closing "\"]"), or
// nothing for a text it leaves alone.
std::optional<std::string_view> HandPart(std::string_view text) {
    if (!text.starts_with(kDealOpening) || text.size() < 9 || !text.ends_with("\"]")) {
        return std::nullopt;
    }
    if (!SeatOfLetter(text[7])) {
        return std::nullopt;
    }
    return text.size() > 11 ? text.substr(9, text.size() - 11) : std::string_view();
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

std::string DealValue(const tDeal& deal, Seat firstSeat, std::string_view handWithoutCards) {
    std::string value(1, SeatLetter(firstSeat));
    value += ':';
    Seat seat = firstSeat;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            value += ' ';
        }
        const tHand& hand = deal.Hand(seat);
        if (!handWithoutCards.empty() && hand.CardCount() == 0) {
            value += handWithoutCards;
        } else {
            value += HandText(hand);
        }
        seat = NextClockwise(seat);
    }
    return value;
}

std::string DealTag(const tDeal& deal, char firstSeat) {
    return std::string(kDealOpening) +
           DealValue(deal, SeatOfLetter(firstSeat).value_or(Seat::North)) + "\"]";
}

void ReadDealTag(tDeal& deal, std::string_view text) {
    if (!HandPart(text)) {
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
    Seat seat = SeatOfLetter(text[7]).value_or(Seat::North);
    for (const auto& hand : hands) {
        bySeat[static_cast<int>(seat)] = hand;
        seat = NextClockwise(seat);
    }
    deal.ReadHands(bySeat[0], bySeat[1], bySeat[2], bySeat[3]);
}

std::string DealTagFault(std::string_view text) {
    const std::optional<std::string_view> hands = HandPart(text);
    if (!hands) {
        return {};
    }
    tSuitSet named[4] = {};
    int handCount = 1;
    int suitIndex = 0;
    const std::string_view rest = *hands;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == ' ') {
            if (++handCount > 4) {
                return "has more than four hands";
            }
            suitIndex = 0;
            continue;
        }
        if (c == '.') {
            if (++suitIndex == 4) {
                return "has a hand of more than four suits";
            }
            continue;
        }
        // A lone "-" is PBN's unknown hand, read as an empty one.
        const bool handStart = i == 0 || rest[i - 1] == ' ';
        const bool handEnd = i + 1 == rest.size() || rest[i + 1] == ' ';
        if (c == '-' && handStart && handEnd) {
            continue;
        }
        const int rank = RankOfCharacter(c);
        if (rank == 0) {
            return QuotedNoCardFault(c);
        }
        if ((named[suitIndex] & RankBit(rank)) != 0) {
            return "holds " + CardName(kAllSuits[suitIndex], rank) + " twice";
        }
        named[suitIndex] |= RankBit(rank);
    }
    // Read as they stand, missing hands would repeat the last one given; a tag that names no
    // card is a deal without cards however many hands it gives.
    constexpr std::string_view kFewHands[] = {"one hand", "two hands", "three hands"};
    const bool anyCard = (named[0] | named[1] | named[2] | named[3]) != 0;
    if (anyCard && handCount < 4) {
        return "gives only " + std::string(kFewHands[handCount - 1]);
    }
    return {};
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
