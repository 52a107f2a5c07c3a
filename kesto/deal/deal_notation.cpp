#include "kesto/deal/deal_notation.h"

#include "kesto/deal/card.h"

namespace kesto {

namespace {

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

// The hand part of a value ReadDealValue takes (after "N:"), or nothing for a value it leaves
// alone.
std::optional<std::string_view> HandPart(std::string_view value) {
    if (value.empty() || !SeatOfLetter(value[0])) {
        return std::nullopt;
    }
    return value.size() > 2 ? value.substr(2) : std::string_view();
}

// The value as it stands between the quotes.
std::string PbnQuoted(std::string_view text) {
    std::string quoted = text.starts_with('#') ? "##" : "";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') {
            quoted += ' ';
        } else if (static_cast<unsigned char>(c) >= 0x80 && static_cast<unsigned char>(c) < 0xA0) {
            // Windows-1252's own characters (the euro sign, dashes, curly quotes) are control
            // codes in ISO 8859-1: PBN shows a character it cannot hold as "?".
            quoted += '?';
        } else {
            quoted += c;
        }
    }
    return quoted;
}

}  // namespace

std::string PbnTagText(const PbnTag& tag) {
    return "[" + tag.name + " \"" + (tag.section.empty() ? PbnQuoted(tag.value) : tag.value) +
           "\"]";
}

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
    return PbnTagText({"Deal", DealValue(deal, SeatOfLetter(firstSeat).value_or(Seat::North))});
}

std::optional<std::string_view> DealTagValue(std::string_view text) {
    constexpr std::string_view kOpening = "[Deal \"";
    if (!text.starts_with(kOpening) || text.size() < kOpening.size() + 2 ||
        !text.ends_with("\"]")) {
        return std::nullopt;
    }
    return text.substr(kOpening.size(), text.size() - kOpening.size() - 2);
}

void ReadDealValue(tDeal& deal, std::string_view value) {
    std::optional<std::string_view> rest = HandPart(value);
    if (!rest) {
        return;
    }
    std::string_view bySeat[4];
    Seat seat = *SeatOfLetter(value[0]);
    for (int i = 0; i < 4; ++i) {
        bySeat[static_cast<int>(seat)] = i < 3 ? SplitHand(*rest) : *rest;
        seat = NextClockwise(seat);
    }
    deal.ReadHands(bySeat[0], bySeat[1], bySeat[2], bySeat[3]);
}

std::string DealValueFault(std::string_view value) {
    const std::optional<std::string_view> hands = HandPart(value);
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
    // Read as they stand, missing hands would repeat the last one given; a value that names no
    // card is a deal without cards however many hands it gives.
    constexpr std::string_view kFewHands[] = {"one hand", "two hands", "three hands"};
    const bool anyCard = (named[0] | named[1] | named[2] | named[3]) != 0;
    if (anyCard && handCount < 4) {
        return "gives only " + std::string(kFewHands[handCount - 1]);
    }
    return {};
}

std::string BoardTag(int boardNumber) {
    return PbnTagText({"Board", std::to_string(boardNumber)});
}

std::string DealerTag(int boardNumber) {
    return PbnTagText({"Dealer", std::string(1, SeatLetter(BoardDealer(boardNumber)))});
}

std::string VulnerableTag(int boardNumber) {
    return PbnTagText({"Vulnerable", std::string(BoardVulnerability(boardNumber))});
}

std::string DealRecord(int boardNumber, const tDeal& deal) {
    return BoardTag(boardNumber) + "|" + DealerTag(boardNumber) + "|" + VulnerableTag(boardNumber) +
           "|" + DealTag(deal, SeatLetter(BoardDealer(boardNumber)));
}

}  // namespace kesto
