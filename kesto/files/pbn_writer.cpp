#include "kesto/files/pbn_writer.h"

#include <algorithm>
#include <cstdio>

#include "kesto/deal/board.h"
#include "kesto/files/deal_file_io.h"
#include "kesto/files/deal_notation.h"

namespace kesto {

namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::string_view kUnknown = "?";
// An export file's line holds at most 255 characters with its line end.
constexpr std::size_t kMaxLine = 255 - kEol.size();

// The quoted value cut, never inside an escape, to what fits the line of its tag.
std::string_view FittingValue(std::string_view name, std::string_view quotedValue) {
    const std::size_t room = kMaxLine - name.size() - std::string_view("[ \"\"]").size();
    std::size_t end = 0;
    while (end < quotedValue.size()) {
        const std::size_t step = quotedValue[end] == '\\' ? 2 : 1;
        if (end + step > room) {
            break;
        }
        end += step;
    }
    return quotedValue.substr(0, end);
}

void AppendTag(std::string& text, std::string_view name, std::string_view quotedValue) {
    text += '[';
    text += name;
    text += " \"";
    text += FittingValue(name, quotedValue);
    text += "\"]";
    text += kEol;
}

// A header line as a tag value; an empty line is a value Kesto does not know.
std::string HeaderValue(std::string_view line) {
    return line.empty() ? std::string(kUnknown) : PbnQuoted(line);
}

void AppendGame(std::string& text, const PbnContents& contents, std::size_t index,
                std::string_view event, std::string_view site, std::string_view date) {
    const int board = static_cast<int>(index) + 1;
    const Seat dealer = BoardDealer(board);
    AppendTag(text, "Event", event);
    AppendTag(text, "Site", site);
    AppendTag(text, "Date", date);
    AppendTag(text, "Board", std::to_string(board));
    for (const char* player : {"West", "North", "East", "South"}) {
        AppendTag(text, player, kUnknown);
    }
    AppendTag(text, "Dealer", std::string(1, SeatLetter(dealer)));
    AppendTag(text, "Vulnerable", BoardVulnerability(board));
    // A hand without cards is one the deal does not give: "-".
    AppendTag(text, "Deal", DealValue(contents.boardSet[index], dealer, "-"));
    for (const char* unknown : {"Scoring", "Declarer", "Contract", "Result"}) {
        AppendTag(text, unknown, kUnknown);
    }
    if (index >= contents.boardTags.size()) {
        return;
    }
    // Tags beyond the fifteen follow in the order of their names.
    std::vector<PbnTag> more = contents.boardTags[index];
    std::stable_sort(more.begin(), more.end(),
                     [](const PbnTag& a, const PbnTag& b) { return a.name < b.name; });
    for (const PbnTag& tag : more) {
        AppendTag(text, tag.name, tag.section.empty() ? PbnQuoted(tag.value) : tag.value);
        for (const std::string& row : tag.section) {
            text += std::string_view(row).substr(0, kMaxLine);
            text += kEol;
        }
    }
}

}  // namespace

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
    const std::string event = HeaderValue(contents.header1);
    const std::string site = HeaderValue(contents.header2);
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
