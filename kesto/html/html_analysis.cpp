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

// The strain as a heading or in a contract; hearts and diamonds red as on the page's images.
std::string StrainHtml(Strain strain, const HtmlAnalysisWords& words) {
    switch (strain) {
        case Strain::NoTrump:
            return Escaped(words.words.noTrump);
        case Strain::Spades:
            return "&spades;";
        case Strain::Hearts:
            return "<FONT COLOR=\"red\">&hearts;</FONT>";
        case Strain::Diamonds:
            return "<FONT COLOR=\"red\">&diams;</FONT>";
        case Strain::Clubs:
            return "&clubs;";
    }
    return {};
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

bool NorthSouth(ParDeclarer declarer) {
    return declarer == ParDeclarer::North || declarer == ParDeclarer::South ||
           declarer == ParDeclarer::NorthSouth;
}

std::string ParLine(const DealAnalysis& analysis, const HtmlAnalysisWords& words) {
    std::string line = Escaped(words.words.par) + ": ";
    if (analysis.parContracts.empty()) {
        return line + Escaped(words.words.passedOut);
    }
    for (std::size_t i = 0; i < analysis.parContracts.size(); ++i) {
        const ParContract& contract = analysis.parContracts[i];
        line += (i > 0 ? " / " : "") + std::to_string(contract.level) +
                StrainHtml(contract.strain, words) + (contract.doubled ? "X " : " ") +
                DeclarerHtml(contract.declarer, words);
    }
    // The par side's own view: a sacrifice shows what it loses.
    const int score = NorthSouth(analysis.parContracts.front().declarer) ? analysis.parScoreNS
                                                                         : -analysis.parScoreNS;
    return line + ", " + (score > 0 ? "+" : "") + std::to_string(score);
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
        if (text == kTableClose && before == kDealCellDepth && depth == kDealCellDepth - 1) {
            if (cell < analyses.size() && analyses[cell] != nullptr) {
                out += HtmlAnalysisRows(*analyses[cell], words);
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
