#include "kestprt3/board_record.h"

#include <bit>

namespace kesto::prt3 {

namespace {

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Upper(a[i]) != Upper(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<Seat> SeatOfLetter(char letter) {
    switch (Upper(letter)) {
        case 'N':
            return kNorth;
        case 'E':
            return kEast;
        case 'S':
            return kSouth;
        case 'W':
            return kWest;
        default:
            return std::nullopt;
    }
}

int RankOfCharacter(char c) {
    switch (Upper(c)) {
        case 'A':
            return 14;
        case 'K':
            return 13;
        case 'Q':
            return 12;
        case 'J':
            return 11;
        case 'T':
            return 10;
        default:
            return (c >= '2' && c <= '9') ? c - '0' : 0;
    }
}

Hand ReadHandText(std::string_view text) {
    Hand hand{};
    std::size_t suit = kSpades;
    for (const char c : text) {
        if (c == '.') {
            // A fifth suit does not exist: later characters are dropped.
            ++suit;
            continue;
        }
        const int rank = RankOfCharacter(c);
        if (rank != 0 && suit <= kClubs) {
            hand[suit] = static_cast<std::uint16_t>(hand[suit] | (1u << rank));
        }
    }
    return hand;
}

Vulnerability VulnerabilityOfText(std::string_view text) {
    if (EqualsIgnoringCase(text, "None") || EqualsIgnoringCase(text, "Love") || text == "-") {
        return Vulnerability::kNone;
    }
    if (EqualsIgnoringCase(text, "NS")) {
        return Vulnerability::kNorthSouth;
    }
    if (EqualsIgnoringCase(text, "EW")) {
        return Vulnerability::kEastWest;
    }
    if (EqualsIgnoringCase(text, "All") || EqualsIgnoringCase(text, "Both")) {
        return Vulnerability::kBoth;
    }
    return Vulnerability::kUnknown;
}

struct Tag {
    std::string_view name;
    std::string_view value;
};

// The next tag `[Name "value"]` at or after pos; pos moves past it. Nullopt when none is left.
std::optional<Tag> NextTag(std::string_view record, std::size_t& pos) {
    while (pos < record.size()) {
        const std::size_t open = record.find('[', pos);
        if (open == std::string_view::npos) {
            pos = record.size();
            return std::nullopt;
        }
        const std::size_t quote = record.find('"', open);
        if (quote == std::string_view::npos) {
            pos = record.size();
            return std::nullopt;
        }
        const std::size_t close = record.find('"', quote + 1);
        if (close == std::string_view::npos) {
            pos = record.size();
            return std::nullopt;
        }
        std::string_view name = record.substr(open + 1, quote - open - 1);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) {
            name.remove_suffix(1);
        }
        const std::string_view value = record.substr(quote + 1, close - quote - 1);
        // A "[" inside the name means the first bracket was stray: look again from there.
        if (name.find('[') != std::string_view::npos || name.find(']') != std::string_view::npos) {
            pos = open + 1;
            continue;
        }
        pos = close + 1;
        return Tag{name, value};
    }
    return std::nullopt;
}

}  // namespace

bool ReadDealValue(std::string_view value, std::array<Hand, 4>& hands) {
    if (value.size() < 2 || value[1] != ':') {
        return false;
    }
    const std::optional<Seat> first = SeatOfLetter(value[0]);
    if (!first) {
        return false;
    }
    std::array<Hand, 4> read{};
    std::string_view rest = value.substr(2);
    for (int i = 0; i < 4; ++i) {
        while (!rest.empty() && rest.front() == ' ') {
            rest.remove_prefix(1);
        }
        const std::size_t space = rest.find(' ');
        const std::string_view handText = rest.substr(0, space);
        rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
        read[static_cast<std::size_t>((*first + i) % 4)] = ReadHandText(handText);
    }
    hands = read;
    return true;
}

std::optional<Board> ReadBoardRecord(std::string_view record) {
    Board board;
    bool haveNumber = false;
    bool haveDealer = false;
    bool haveVulnerability = false;
    std::optional<Seat> dealSeat;
    std::optional<std::string_view> tricks, optimumScore, parContract;
    std::size_t pos = 0;
    while (const std::optional<Tag> tag = NextTag(record, pos)) {
        if (!haveNumber && EqualsIgnoringCase(tag->name, "Board")) {
            haveNumber = true;
            board.number = std::string(tag->value.substr(0, 16));
        } else if (!haveDealer && EqualsIgnoringCase(tag->name, "Dealer")) {
            haveDealer = true;
            if (tag->value.size() == 1) {
                board.dealer = SeatOfLetter(tag->value[0]);
            }
        } else if (!haveVulnerability && EqualsIgnoringCase(tag->name, "Vulnerable")) {
            haveVulnerability = true;
            board.vulnerability = VulnerabilityOfText(tag->value);
        } else if (!board.hasDeal && EqualsIgnoringCase(tag->name, "Deal")) {
            board.hasDeal = ReadDealValue(tag->value, board.hands);
            if (board.hasDeal) {
                dealSeat = SeatOfLetter(tag->value[0]);
            }
        } else if (!tricks && EqualsIgnoringCase(tag->name, "DoubleDummyTricks")) {
            tricks = tag->value;
        } else if (!optimumScore && EqualsIgnoringCase(tag->name, "OptimumScore")) {
            optimumScore = tag->value;
        } else if (!parContract && EqualsIgnoringCase(tag->name, "ParContract")) {
            parContract = tag->value;
        }
    }
    if (tricks) {
        board.analysis =
            ReadBoardAnalysis(*tricks, optimumScore.value_or(""), parContract.value_or(""));
    }
    if (!board.dealer && !haveDealer && dealSeat) {
        // The deal string starts with the dealer's hand.
        board.dealer = dealSeat;
    }
    if (board.number.empty() && !board.hasDeal) {
        return std::nullopt;
    }
    return board;
}

int CardCount(const Hand& hand) {
    int count = 0;
    for (const std::uint16_t suit : hand) {
        count += std::popcount(suit);
    }
    return count;
}

int HighCardPoints(const Hand& hand) {
    int points = 0;
    for (const std::uint16_t suit : hand) {
        for (int rank = 11; rank <= 14; ++rank) {
            if ((suit >> rank) & 1u) {
                points += rank - 10;
            }
        }
    }
    return points;
}

}  // namespace kesto::prt3
