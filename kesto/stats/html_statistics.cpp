#include "kesto/stats/html_statistics.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "kesto/platform/ascii_text.h"

namespace kesto {

namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::string_view kBodyEnd = "</BODY>";

class SectionWriter {
  public:
    void Line(std::string_view text) {
        out_ += text;
        out_ += kEol;
    }

    void TableHead(std::string_view percent, std::string_view caption) {
        std::string head = "<TABLE BORDER WIDTH=\"Percent%\"><CAPTION><B>CaptionData</B></CAPTION>";
        head.replace(head.find("Percent"), 7, percent);
        head.replace(head.find("CaptionData"), 11, caption);
        Line(head);
    }

    void CountRow(std::string_view label, const SeatCounts& counts) {
        std::string row = "<TR ALIGN=\"center\"><TD><B>" + std::string(label) + "</B></TD>";
        std::int64_t sum = 0;
        for (const std::int32_t n : counts) {
            row += "<TD>" + std::to_string(n) + "</TD>";
            sum += n;
        }
        row += "<TD>" + std::to_string(sum) + "</TD></TR>";
        Line(row);
    }

    template <typename Figure>
    void FigureRow(std::string_view label, Figure figure) {
        std::string row = "<TR ALIGN=\"center\"><TD><B>" + std::string(label) + "</B></TD>";
        for (const Seat seat : kClockwise) {
            row += "<TD>" + figure(seat) + "</TD>";
        }
        row += "<TD>&nbsp;</TD></TR>";
        Line(row);
    }

    std::string Take() { return std::move(out_); }

  private:
    std::string out_;
};

constexpr std::string_view kSeatColumns =
    "<TR><TH>&nbsp;</TH><TH>North</TH><TH>East</TH><TH>South</TH><TH>West</TH><TH>Total</TH>"
    "</TR>";

}  // namespace

std::string HtmlStatisticsSection(const tStatistics& statistics,
                                  std::string_view decimalSeparator) {
    SectionWriter html;
    html.Line("<DIV ALIGN=\"center\">");
    html.Line("<H2>Statistics</H2>");

    html.TableHead("80", "High Card Points");
    html.Line(kSeatColumns);
    for (int p = 0; p < kPointValues; ++p) {
        const SeatCounts counts = PointCountsOf(statistics, p);
        if (AnyCounted(counts)) {
            html.CountRow(std::to_string(p), counts);
        }
    }
    html.FigureRow("Mean", [&](Seat seat) { return MeanText(statistics, seat, decimalSeparator); });
    html.FigureRow("Median",
                   [&](Seat seat) { return MedianText(statistics, seat, decimalSeparator); });
    html.FigureRow("Mode", [&](Seat seat) { return ModeText(statistics, seat); });
    html.Line("<TR><TD COLSPAN=\"6\">\"Mean\" is the arithmetic average.</TD></TR>");
    html.Line(
        "<TR><TD COLSPAN=\"6\">\"Median\" is the middle value of a set. When there are an even "
        "number of elements in the set, the median is the arithmetic mean of the two middle "
        "values.</TD></TR>");
    html.Line(
        "<TR><TD COLSPAN=\"6\">\"Mode\" is the value that occurs with the greatest frequency in "
        "a set.  There may be multiple modes in a set.</TD></TR>");
    html.Line("</TABLE>");
    html.Line("<P>&nbsp;</P>");

    html.TableHead("80", "One-Hand Distributions");
    html.Line(kSeatColumns);
    for (int k = 0; k < kPatternCount; ++k) {
        const SeatCounts counts = ShapeCountsOf(statistics, k);
        if (AnyCounted(counts)) {
            html.CountRow(ShapeText(kPatternTable[k]), counts);
        }
    }
    html.Line("</TABLE>");
    html.Line("<P>");

    html.TableHead("60", "Two-Hand Fits");
    html.Line("<TR><TH>&nbsp;</TH><TH>North-South</TH><TH>East-West</TH><TH>Total</TH></TR>");
    const auto& northSouth = statistics.FitCounts[PairIndex(Pair::NorthSouth)];
    const auto& eastWest = statistics.FitCounts[PairIndex(Pair::EastWest)];
    for (int i = 0; i < kFitLengths; ++i) {
        if (northSouth[i] == 0 && eastWest[i] == 0) {
            continue;
        }
        html.Line("<TR ALIGN=\"center\"><TD><B>" + std::to_string(kShortestFit + i) +
                  "-card</B></TD><TD>" + std::to_string(northSouth[i]) + "</TD><TD>" +
                  std::to_string(eastWest[i]) + "</TD><TD>" +
                  std::to_string(static_cast<std::int64_t>(northSouth[i]) + eastWest[i]) +
                  "</TD></TR>");
    }
    html.Line(
        "<TR><TD COLSPAN=\"4\">Note:  Only one fit per pair per deal is counted.  For example, "
        "if on one deal N-S have two 9-card fits (or one 9-card fit and one 8-card fit), that "
        "will be counted only as one 9-card fit.</TD></TR>");
    html.Line("</TABLE>");
    html.Line("</DIV>");
    html.Line("");
    return html.Take();
}

StatusOr<std::string> PageWithHtmlStatistics(std::string_view page, const tStatistics& statistics,
                                             std::string_view decimalSeparator) {
    std::string out;
    out.reserve(page.size() + 8192);
    bool bodyEndFound = false;
    for (const std::string_view line : SplitLines(page)) {
        if (line == kBodyEnd) {
            bodyEndFound = true;
            break;
        }
        out += line;
        out += kEol;
    }
    // Rewriting a page the statistics cannot go into would only change its line ends and
    // hide from the user that the section is missing.
    if (!bodyEndFound) {
        return {{}, Status::Failure("the page has no \"</BODY>\" line")};
    }
    // Also when "</BODY>" is the page's last line: the page ends complete, with "</HTML>".
    out += HtmlStatisticsSection(statistics, decimalSeparator);
    out += kBodyEnd;
    out += kEol;
    out += "</HTML>";
    out += kEol;
    return {std::move(out), {}};
}

std::string StatisticsNotAddedText(const std::string& pagePath, const std::string& why) {
    return "The statistics could not be added to the HTML page " + pagePath + " (" + why + ").";
}

}  // namespace kesto
