#include "kesto/files/pbn_writer.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "kesto/deal/board.h"
#include "kesto/files/deal_file_io.h"

namespace kesto {

namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::string_view kUnknown = "?";
// An export file's line holds at most 255 characters with its line end.
constexpr std::size_t kMaxLine = 255 - kEol.size();

// The tag pair on a line of its own, its value cut, never inside an escape, to what fits the
// line; then a table tag's rows.
void AppendTag(std::string& text, PbnTag tag) {
    tag.value.resize(std::min(tag.value.size(), kMaxLine));
    std::string pair = PbnTagText(tag);
    while (pair.size() > kMaxLine && !tag.value.empty()) {
        tag.value.pop_back();
        pair = PbnTagText(tag);
    }
    text += pair;
    text += kEol;
    for (const std::string& row : tag.section) {
        text += std::string_view(row).substr(0, kMaxLine);
        text += kEol;
    }
}

void AppendGame(std::string& text, const PbnContents& contents, std::size_t index,
                std::string_view event, std::string_view site, std::string_view date) {
    const int board = static_cast<int>(index) + 1;
    const Seat dealer = BoardDealer(board);
    AppendTag(text, {"Event", std::string(event)});
    AppendTag(text, {"Site", std::string(site)});
    AppendTag(text, {"Date", std::string(date)});
    AppendTag(text, {"Board", std::to_string(board)});
    for (const char* player : {"West", "North", "East", "South"}) {
        AppendTag(text, {player, std::string(kUnknown)});
    }
    AppendTag(text, {"Dealer", std::string(1, SeatLetter(dealer))});
    AppendTag(text, {"Vulnerable", std::string(BoardVulnerability(board))});
    // A hand without cards is one the deal does not give: "-".
    AppendTag(text, {"Deal", DealValue(contents.boardSet[index], dealer, "-")});
    for (const char* unknown : {"Scoring", "Declarer", "Contract", "Result"}) {
        AppendTag(text, {unknown, std::string(kUnknown)});
    }
    if (index >= contents.boardTags.size()) {
        return;
    }
    // Tags beyond the fifteen follow in the order of their names.
    std::vector<PbnTag> more = contents.boardTags[index];
    std::stable_sort(more.begin(), more.end(),
                     [](const PbnTag& a, const PbnTag& b) { return a.name < b.name; });
    for (PbnTag& tag : more) {
        AppendTag(text, std::move(tag));
    }
}

}  // namespace

std::string PbnDate(const std::optional<CivilDate>& date) {
    if (!date || date->year < 1 || date->year > 9999 || date->month < 1 || date->month > 12 ||
        date->day < 1 || date->day > 31) {
        return std::string(kUnknown);
    }
    char text[16];
    std::snprintf(text, sizeof text, "%04d.%02d.%02d", date->year, date->month, date->day);
    return text;
}

std::string PbnFileText(const PbnContents& contents) {
    // An empty header line is a value Kesto does not know.
    const std::string_view event = contents.header1.empty() ? kUnknown : contents.header1;
    const std::string_view site = contents.header2.empty() ? kUnknown : contents.header2;
    const std::string date = PbnDate(contents.date);
    std::string text;
    text.reserve(64 + contents.boardSet.size() * 330);
    text += "% PBN 2.1";
    text += kEol;
    text += "% EXPORT";
    text += kEol;
    for (std::size_t i = 0; i < contents.boardSet.size(); ++i) {
        if (i > 0) {
            text += kEol;
        }
        AppendGame(text, contents, i, event, site, date);
    }
    return text;
}

Status WritePbnFile(const std::string& fileName, const PbnContents& contents) {
    return SaveBoardSet(fileName, contents.boardSet,
                        [&](const tBoardSet&) { return PbnFileText(contents); });
}

}  // namespace kesto
