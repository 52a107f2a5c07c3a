#include "kestprt3/board_analysis.h"

#include <algorithm>
#include <charconv>

namespace kesto::prt3 {

namespace {

// The tag's declarers, N S E W, as seats counted clockwise from North.
constexpr int kTagSeats[4] = {0, 2, 1, 3};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperText(std::string_view text) {
    std::string upper;
    for (const char c : text) {
        upper += Upper(c);
    }
    return upper;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char upper = Upper(c);
    return (upper >= 'A' && upper <= 'F') ? upper - 'A' + 10 : -1;
}

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool IsSide(std::string_view side) {
    return side == "N" || side == "E" || side == "S" || side == "W" || side == "NS" || side == "EW";
}

// "NS 420", "EW -420": the score from North-South's side.
std::optional<int> ReadOptimumScore(std::string_view value) {
    value = Trimmed(value);
    const std::size_t space = value.find(' ');
    if (space == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string side = UpperText(value.substr(0, space));
    const std::optional<int> score = WholeNumber(Trimmed(value.substr(space + 1)));
    if (!score || (side != "NS" && side != "EW")) {
        return std::nullopt;
    }
    return side == "NS" ? *score : -*score;
}

// "4S", "5HX", "3NT": nullopt when it is not a contract.
std::optional<ParItem> ReadContract(std::string_view text) {
    const std::string upper = UpperText(text);
    ParItem item;
    if (upper.size() < 2 || upper[0] < '1' || upper[0] > '7') {
        return std::nullopt;
    }
    item.level = upper[0] - '0';
    std::string_view rest = std::string_view(upper).substr(1);
    if (rest.starts_with("NT")) {
        item.strain = kNoTrump;
        rest.remove_prefix(2);
    } else {
        static constexpr std::string_view kSuitLetters = "NSHDC";
        const std::size_t strain = kSuitLetters.find(rest.front());
        if (strain == std::string_view::npos) {
            return std::nullopt;
        }
        item.strain = static_cast<int>(strain);
        rest.remove_prefix(1);
    }
    if (rest == "X") {
        item.doublings = 1;
    } else if (rest == "XX") {
        item.doublings = 2;
    } else if (!rest.empty()) {
        return std::nullopt;
    }
    return item;
}

// "NS 4S,NS 4H", "E 5HX", "Pass": nullopt when a part cannot be read.
std::optional<std::vector<ParItem>> ReadParContracts(std::string_view value) {
    value = Trimmed(value);
    std::vector<ParItem> items;
    if (UpperText(value) == "PASS") {
        return items;
    }
    std::string side;
    for (;;) {
        const std::size_t comma = value.find(',');
        std::string_view part = Trimmed(value.substr(0, comma));
        if (const std::size_t space = part.find(' '); space != std::string_view::npos) {
            side = UpperText(part.substr(0, space));
            part = Trimmed(part.substr(space + 1));
        }
        std::optional<ParItem> item = ReadContract(part);
        if (!item || !IsSide(side)) {
            return std::nullopt;
        }
        item->side = side;
        items.push_back(std::move(*item));
        if (comma == std::string_view::npos) {
            break;
        }
        value = value.substr(comma + 1);
    }
    return items;
}

}  // namespace

std::optional<BoardAnalysis> ReadBoardAnalysis(std::string_view tricks,
                                               std::string_view optimumScore,
                                               std::string_view parContract) {
    tricks = Trimmed(tricks);
    if (tricks.size() != 4 * kStrains) {
        return std::nullopt;
    }
    BoardAnalysis analysis;
    for (std::size_t i = 0; i < tricks.size(); ++i) {
        const int count = HexDigit(tricks[i]);
        if (count < 0 || count > 13) {
            return std::nullopt;
        }
        const auto seat = static_cast<std::size_t>(kTagSeats[i / kStrains]);
        analysis.tricks[seat][i % kStrains] = count;
    }
    const std::optional<int> score = ReadOptimumScore(optimumScore);
    std::optional<std::vector<ParItem>> contracts = ReadParContracts(parContract);
    if (score && contracts) {
        analysis.hasPar = true;
        analysis.parScoreNS = *score;
        analysis.par = std::move(*contracts);
    }
    return analysis;
}

int MakeableLevel(int tricks) {
    return tricks >= 7 ? tricks - 6 : 0;
}

int ParResult(const BoardAnalysis& analysis, const ParItem& item) {
    static constexpr std::string_view kSeatLetters = "NESW";  // Seat's order, clockwise
    int tricks = 0;
    for (const char letter : item.side) {
        const std::size_t seat = kSeatLetters.find(letter);
        if (seat != std::string_view::npos) {
            tricks = std::max(tricks, analysis.tricks[seat][static_cast<std::size_t>(item.strain)]);
        }
    }
    return tricks - (item.level + 6);
}

}  // namespace kesto::prt3
