#include "kesto/html/html_analysis.h"

namespace kesto {

namespace {

constexpr std::string_view kEol = "\r\n";
// The page library's deal cell is a table inside the page's table; its last line closes it.
constexpr std::string_view kTableOpen = "<TABLE";
constexpr std::string_view kTableClose = "</TABLE>";
constexpr int kDealCellDepth = 2;

// The table's rows: declarers North, South, East, West, as hand records list them.
constexpr Seat kRowSeats[] = {Seat::North, Seat::South, Seat::East, Seat::West};
constexpr Strain kColumns[] = {Strain::NoTrump, Strain::Spades, Strain::Hearts, Strain::Diamonds,
                               Strain::Clubs};

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The strain as a heading or in a contract: the language's no trump, or the suit's image.
std::string StrainHtml(Strain strain, const HtmlAnalysisWords& words) {
    if (strain == Strain::NoTrump) {
        return Escaped(words.words.noTrump);
    }
    return words.suitImages[static_cast<std::size_t>(strain) - 1];  // spades to clubs
}

std::string SeatLetter(Seat seat, const HtmlAnalysisWords& words) {
    return Escaped(words.seatLetters[static_cast<std::size_t>(seat)]);
}

std::string DeclarerHtml(ParDeclarer declarer, const HtmlAnalysisWords& words) {
    switch (declarer) {
        case ParDeclarer::North:
            return SeatLetter(Seat::North, words);
        case ParDeclarer::East:
            return SeatLetter(Seat::East, words);
        case ParDeclarer::South:
            return SeatLetter(Seat::South, words);
        case ParDeclarer::West:
            return SeatLetter(Seat::West, words);
        case ParDeclarer::NorthSouth:
            return SeatLetter(Seat::North, words) + SeatLetter(Seat::South, words);
        case ParDeclarer::EastWest:
            return SeatLetter(Seat::East, words) + SeatLetter(Seat::West, words);
    }
    return {};
}

std::string ParLine(const DealAnalysis& analysis, const HtmlAnalysisWords& words) {
    std::string line = Escaped(words.words.par) + ": ";
    if (analysis.parContracts.empty()) {
        return line + Escaped(words.words.passedOut);
    }
    for (std::size_t i = 0; i < analysis.parContracts.size(); ++i) {
        const ParContract& contract = analysis.parContracts[i];
        line += (i > 0 ? " / " : "") + std::to_string(contract.level) +
                StrainHtml(contract.strain, words) + (contract.doubled ? "X" : "") +
                (contract.overtricks != 0 ? SignedText(contract.overtricks) : "") + " " +
                DeclarerHtml(contract.declarer, words);
    }
    // North-South's score whoever plays par, as the PBN file's OptimumScore gives it.
    return line + ", " + DeclarerHtml(ParDeclarer::NorthSouth, words) + " " +
           SignedText(analysis.parScoreNS);
}

// The image tags of the suits in a line of a deal cell, by the file each shows.
void TakeSuitImages(std::string_view line, std::array<std::string, 4>& images) {
    static constexpr std::string_view kFiles[] = {"spade.gif\"", "heart.gif\"", "diamond.gif\"",
                                                  "club.gif\""};
    for (std::size_t at = line.find("<IMG "); at != std::string_view::npos;
         at = line.find("<IMG ", at + 1)) {
        const std::size_t end = line.find('>', at);
        if (end == std::string_view::npos) {
            return;
        }
        const std::string_view tag = line.substr(at, end + 1 - at);
        for (std::size_t suit = 0; suit < images.size(); ++suit) {
            if (tag.find(kFiles[suit]) != std::string_view::npos) {
                images[suit] = tag;
            }
        }
    }
}

std::size_t Occurrences(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

}  // namespace

HtmlAnalysisWords HtmlAnalysisWordsOf(const LanguageTable& languages) {
    const int language = languages.CurrentLanguage();
    HtmlAnalysisWords words;
    words.seatLetters = {languages.LanguageWord(language, kSlotNorthLetter),
                         languages.LanguageWord(language, kSlotEastLetter),
                         languages.LanguageWord(language, kSlotSouthLetter),
                         languages.LanguageWord(language, kSlotWestLetter)};
    words.words = BuiltInAnalysisWords(language);
    return words;
}

std::string HtmlAnalysisRows(const DealAnalysis& analysis, const HtmlAnalysisWords& words) {
    std::string rows;
    const auto line = [&rows](const std::string& text) {
        rows += text;
        rows += kEol;
    };
    line("<TR><TD COLSPAN=\"3\">");
    line("<TABLE BORDER=\"0\" CELLSPACING=\"1\" CELLPADDING=\"1\">");
    line("<TR><TD COLSPAN=\"6\"><I>" + Escaped(words.words.caption) + "</I></TD></TR>");
    std::string heading = "<TR><TD>&nbsp;</TD>";
    for (const Strain strain : kColumns) {
        heading += "<TD ALIGN=\"center\">" + StrainHtml(strain, words) + "</TD>";
    }
    line(heading + "</TR>");
    for (const Seat seat : kRowSeats) {
        std::string row = "<TR><TD>" + SeatLetter(seat, words) + "</TD>";
        for (const Strain strain : kColumns) {
            const int tricks = analysis.Tricks(seat, strain);
            row += "<TD ALIGN=\"center\">" + (tricks >= 7 ? std::to_string(tricks - 6) : "-") +
                   "</TD>";
        }
        line(row + "</TR>");
    }
    line("<TR><TD COLSPAN=\"6\">" + ParLine(analysis, words) + "</TD></TR>");
    line("</TABLE>");
    line("</TD></TR>");
    return rows;
}

StatusOr<std::string> PageWithHtmlAnalysis(std::string_view page,
                                           const std::vector<const DealAnalysis*>& analyses,
                                           const HtmlAnalysisWords& words) {
    StatusOr<std::string> result;
    HtmlAnalysisWords cellWords = words;
    std::string& out = result.value;
    out.reserve(page.size() + analyses.size() * 1024);
    std::size_t cell = 0;
    int depth = 0;
    std::size_t start = 0;
    while (start < page.size()) {
        const std::size_t newline = page.find('\n', start);
        const std::size_t end = newline == std::string_view::npos ? page.size() : newline + 1;
        const std::string_view line = page.substr(start, end - start);
        std::string_view text = line.substr(0, line.find_first_of("\r\n"));
        const int before = depth;
        depth += static_cast<int>(Occurrences(text, kTableOpen)) -
                 static_cast<int>(Occurrences(text, kTableClose));
        if (before >= kDealCellDepth) {
            TakeSuitImages(text, cellWords.suitImages);
        }
        if (text == kTableClose && before == kDealCellDepth && depth == kDealCellDepth - 1) {
            if (cell < analyses.size() && analyses[cell] != nullptr) {
                out += HtmlAnalysisRows(*analyses[cell], cellWords);
            }
            ++cell;
        }
        out += line;
        start = end;
    }
    if (cell != analyses.size()) {
        result.status = Status::Failure("the page holds " + std::to_string(cell) + " deals where " +
                                        std::to_string(analyses.size()) + " were expected");
        out.clear();
    }
    return result;
}

std::string AnalysisNotAddedText(const std::string& pagePath, const std::string& why) {
    return "The makeable contracts could not be added to the HTML page " + pagePath + " (" + why +
           ").";
}

}  // namespace kesto
