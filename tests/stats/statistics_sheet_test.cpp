#include "kesto/stats/statistics_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/stats/stats_test_deals.h"
#include "tests/support/recording_canvas.h"

namespace kesto::test {
namespace {

// The recording canvas at 100 pixels per inch: U = 75, landscape W = 1100 and Ht = 850.
// A character is as wide as the font size, a line twice as high: H = 22 (Arial 11),
// hcpW = 33, patW = 77, so x0 = 1100 - 450 + 77 = 727 and x1 = 802.
constexpr int U = 75, W = 1100, Ht = 850, H = 22;
constexpr int hcpW = 33, x0 = 727, x1 = 802;

const CanvasFont kRegular{"Arial", 11, false, false};
const CanvasFont kBold{"Arial", 11, true, false};

using Call = RecordingCanvas::DrawCall;

int Width(const Call& call) {
    return static_cast<int>(call.text.size()) * call.font.size;
}

class StatisticsSheetTest : public ::testing::Test {
  protected:
    void Print(std::string_view header1, std::string_view header2) {
        const tStatistics statistics = ComputeStatistics(
            {test::OneSuitEach(), test::Flat(), test::Mixed(), test::MixedTurned()});
        const Status result = PrintStatisticsSheet(canvas_, statistics, header1, header2, ".");
        ASSERT_TRUE(result.Ok()) << result.Reason();
    }

    // Texts drawn with their right edge at x, from line fromY down, in drawing order.
    std::vector<std::string> RightAlignedAt(int x, int fromY = 0) const {
        std::vector<std::string> texts;
        for (const Call& call : canvas_.Calls()) {
            if (call.x + Width(call) == x && call.y >= fromY) {
                texts.push_back(call.text);
            }
        }
        return texts;
    }

    // The one call of this text; fails the test when there is none or more.
    const Call& Only(const std::string& text) const {
        const Call* found = nullptr;
        int count = 0;
        for (const Call& call : canvas_.Calls()) {
            if (call.text == text) {
                found = &call;
                ++count;
            }
        }
        EXPECT_EQ(count, 1) << text;
        static const Call none;
        return found ? *found : none;
    }

    // The text drawn on line y with its right edge (or centre) at x; "" when none.
    std::string RightAt(int x, int y) const {
        for (const Call& call : canvas_.Calls()) {
            if (call.y == y && call.x + Width(call) == x) {
                return call.text;
            }
        }
        return "";
    }
    std::string CentredAt(int x, int y) const {
        for (const Call& call : canvas_.Calls()) {
            if (call.y == y && call.x == x - Width(call) / 2) {
                return call.text;
            }
        }
        return "";
    }

    RecordingCanvas canvas_{100};
};

TEST_F(StatisticsSheetTest, OneLandscapeJobAndTheOrientationRestored) {
    Print("Club Game", "Monday");
    EXPECT_EQ(canvas_.JobTitles(), std::vector<std::string>{"Statistics"});
    EXPECT_EQ(canvas_.EndedJobs(), 1);
    EXPECT_FALSE(canvas_.InJob());
    EXPECT_TRUE(canvas_.Misuses().empty()) << canvas_.Misuses().front();
    EXPECT_EQ(
        canvas_.OrientationChanges(),
        (std::vector<PageOrientation>{PageOrientation::Landscape, PageOrientation::Portrait}));
    EXPECT_EQ(canvas_.Orientation(), PageOrientation::Portrait);

    RecordingCanvas landscape(100);
    landscape.SetOrientation(PageOrientation::Landscape);
    ASSERT_TRUE(PrintStatisticsSheet(landscape, {}, "", "", ".").Ok());
    EXPECT_EQ(landscape.Orientation(), PageOrientation::Landscape);
}

TEST_F(StatisticsSheetTest, HeadersCentredAndTablesStartBelowThem) {
    Print("Club Game", "Monday");
    const Call& header1 = Only("Club Game");
    EXPECT_EQ(header1.font, (CanvasFont{"Arial", 14, true, false}));
    EXPECT_EQ(header1.y, 0);
    EXPECT_EQ(header1.x, W / 2 - 9 * 14 / 2);
    const Call& header2 = Only("Monday");
    EXPECT_EQ(header2.font, kRegular);
    EXPECT_EQ(header2.y, 28);  // header line 1's own height
    EXPECT_EQ(header2.x, W / 2 - 6 * 11 / 2);
    // topY = 28 + H: both column tables start level with it.
    EXPECT_EQ(CentredAt(3 * U, 50), "High Card Points");
    EXPECT_EQ(CentredAt(W - 5 * U / 2, 50), "One-Hand Distributions");
}

TEST_F(StatisticsSheetTest, TopYFollowsWhichHeaderLinesAreThere) {
    const struct {
        const char* header1;
        const char* header2;
        int topY;
        std::size_t headerCalls;
    } cases[] = {
        {"", "", 0, 0}, {"Club", "", 28, 1}, {"", "Monday", 22, 1}, {"Club", "Monday", 50, 2}};
    for (const auto& c : cases) {
        canvas_ = RecordingCanvas(100);
        Print(c.header1, c.header2);
        EXPECT_EQ(Only("High Card Points").y, c.topY) << c.header1 << "/" << c.header2;
        EXPECT_EQ(Only("One-Hand Distributions").y, c.topY);
        std::size_t above = 0;
        for (const Call& call : canvas_.Calls()) {
            above += call.y < c.topY ? 1 : 0;
        }
        EXPECT_EQ(above, c.headerCalls) << c.header1 << "/" << c.header2;
    }
}

TEST_F(StatisticsSheetTest, PointTableHasRowsOnlyForCountsThatOccurred) {
    Print("", "");
    const Call& title = Only("High Card Points");
    EXPECT_EQ(title.font, kBold);
    const char* heads[] = {"North", "East", "South", "West", "Total"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(CentredAt(hcpW + (i + 1) * U, H), heads[i]) << i;
    }
    // Row labels right-aligned at hcpW, one line apart from 2H on.
    EXPECT_EQ(RightAlignedAt(hcpW), (std::vector<std::string>{"0", "3", "10", "16", "21"}));
    const struct {
        int y;
        std::vector<std::string> cells;  // p, North, East, South, West, Total
    } rows[] = {
        {2 * H, {"0", "1", "0", "0", "1", "2"}},  {3 * H, {"3", "0", "0", "1", "1", "2"}},
        {4 * H, {"10", "2", "2", "2", "2", "8"}}, {5 * H, {"16", "1", "1", "0", "0", "2"}},
        {6 * H, {"21", "0", "1", "1", "0", "2"}},
    };
    for (const auto& row : rows) {
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(RightAt(hcpW + i * U, row.y), row.cells[i]) << row.y << " " << i;
        }
    }
    for (const Call& call : canvas_.Calls()) {
        if (call.y >= 2 * H && call.y <= 6 * H && call.x < hcpW + 5 * U) {
            EXPECT_EQ(call.font, kRegular) << call.text;
        }
    }
}

TEST_F(StatisticsSheetTest, RuleInTheSymbolFontUnderTheSeatsOnly) {
    Print("", "");
    int rules = 0;
    for (const Call& call : canvas_.Calls()) {
        if (call.text == "\xBE\xBE\xBE") {
            ++rules;
            EXPECT_EQ(call.font, (CanvasFont{"Symbol", 11, false, false}));
            EXPECT_EQ(call.y, 7 * H);
        }
    }
    EXPECT_EQ(rules, 4);
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(CentredAt(hcpW + seat * U, 7 * H), "\xBE\xBE\xBE") << seat;
    }
    EXPECT_EQ(CentredAt(hcpW + 5 * U, 7 * H), "");
    // Back to Arial after the rule.
    EXPECT_EQ(Only("Mean").font, kRegular);
}

TEST_F(StatisticsSheetTest, FiguresCentredUnderTheirSeats) {
    Print("", "");
    const struct {
        const char* label;
        int y;
        const char* cells[4];
    } rows[] = {{"Mean", 8 * H, {"9.00", "14.25", "11.00", "5.75"}},
                {"Median", 9 * H, {"10.00", "13.00", "10.00", "6.50"}},
                {"Mode", 10 * H, {"10", "10", "10", "10"}}};
    for (const auto& row : rows) {
        const Call& label = Only(row.label);
        EXPECT_EQ(label.x, 0);
        EXPECT_EQ(label.y, row.y);
        for (int seat = 0; seat < 4; ++seat) {
            EXPECT_EQ(CentredAt(hcpW + (seat + 1) * U, row.y), row.cells[seat]) << row.label;
        }
        EXPECT_EQ(CentredAt(hcpW + 5 * U, row.y), "");  // no figures for Total
    }
}

std::string CollapseBlanks(std::string text) {
    for (auto at = text.find("  "); at != std::string::npos; at = text.find("  ")) {
        text.erase(at, 1);
    }
    return text;
}

// Paragraphs drawn at x from line y on: lines one H apart join into a paragraph, a gap of
// one blank line starts the next. Checks that every line fills the column as far as the
// next word allows.
std::vector<std::string> Paragraphs(const std::vector<Call>& calls, int x, int fromY, int room) {
    std::vector<std::string> paragraphs;
    std::vector<const Call*> lines;
    for (const Call& call : calls) {
        if (call.x == x && call.y >= fromY && call.font == kRegular) {
            lines.push_back(&call);
        }
    }
    int lastY = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Call& line = *lines[i];
        EXPECT_FALSE(line.text.empty());
        EXPECT_NE(line.text.front(), ' ') << line.text;
        EXPECT_LE(Width(line), room) << line.text;
        if (lastY >= 0 && line.y == lastY + H) {
            paragraphs.back() += " " + line.text;
            // The previous line could not have taken this line's first word.
            const std::string previous = lines[i - 1]->text;
            const std::string firstWord = line.text.substr(0, line.text.find(' '));
            EXPECT_GT(static_cast<int>(previous.size() + 1 + firstWord.size()) * 11, room)
                << previous << " | " << firstWord;
        } else {
            EXPECT_TRUE(lastY < 0 || line.y == lastY + 2 * H) << line.text;
            paragraphs.push_back(line.text);
        }
        lastY = line.y;
    }
    for (std::string& paragraph : paragraphs) {
        paragraph = CollapseBlanks(paragraph);
    }
    return paragraphs;
}

TEST_F(StatisticsSheetTest, NotesWrappedIntoTheirColumns) {
    Print("", "");
    // Mode is on line 10; two lines more and the notes start, a blank line between them.
    EXPECT_EQ(Only("\"Mean\" is the arithmetic average.").y, 13 * H);
    EXPECT_EQ(Paragraphs(canvas_.Calls(), 0, 13 * H, 5 * U),
              (std::vector<std::string>{
                  "\"Mean\" is the arithmetic average.",
                  "\"Median\" is the middle value of a set. When there are an even number of "
                  "elements in the set, the median is the arithmetic mean of the two middle "
                  "values.",
                  "\"Mode\" is the value that occurs with the greatest frequency in a set. There "
                  "may be multiple modes in a set."}));
    // The fit note: two fit rows on lines 12 and 13, a blank line, then the note.
    const std::vector<std::string> fitNote = Paragraphs(canvas_.Calls(), W - 6 * U, 15 * H, 6 * U);
    EXPECT_EQ(fitNote, (std::vector<std::string>{
                           "Note: Only one fit per pair per deal is counted. For example, if on "
                           "one deal N-S have two 9-card fits (or one 9-card fit and one 8-card "
                           "fit), that will be counted only as one 9-card fit."}));
    EXPECT_EQ(RightAt(W - 6 * U + 6 * U, 15 * H), "");  // nothing else on the note's line
}

TEST_F(StatisticsSheetTest, PatternTableInTableOrderWithRowsOnlyForPatternsThatOccurred) {
    Print("", "");
    EXPECT_EQ(Only("One-Hand Distributions").font, kBold);
    EXPECT_EQ(CentredAt(W - 5 * U / 2, 0), "One-Hand Distributions");
    const char* heads[] = {"North", "East", "South", "West", "Total"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(CentredAt(x0 + (i + 1) * U, H), heads[i]) << i;
    }
    EXPECT_EQ(RightAlignedAt(x0), (std::vector<std::string>{"4-4-3-2", "5-3-3-2", "5-4-2-2",
                                                            "4-3-3-3", "5-5-2-1", "13-0-0-0"}));
    const struct {
        int y;
        std::vector<std::string> cells;
    } rows[] = {{2 * H, {"4-4-3-2", "1", "1", "0", "0", "2"}},
                {5 * H, {"4-3-3-3", "1", "1", "1", "1", "4"}},
                {6 * H, {"5-5-2-1", "1", "0", "0", "1", "2"}},
                {7 * H, {"13-0-0-0", "1", "1", "1", "1", "4"}}};
    for (const auto& row : rows) {
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(RightAt(x0 + i * U, row.y), row.cells[i]) << row.y << " " << i;
        }
    }
}

TEST_F(StatisticsSheetTest, FitTableHeadsRightAlignedAndRowsForFitsThatOccurred) {
    Print("", "");
    // Six pattern rows end on line 7; two lines more for the title.
    EXPECT_EQ(CentredAt(W - 3 * U, 10 * H), "Two-Hand Fits");
    EXPECT_EQ(Only("Two-Hand Fits").font, kBold);
    EXPECT_EQ(RightAt(x1 + U, 11 * H), "N-S");
    EXPECT_EQ(RightAt(x1 + 2 * U, 11 * H), "E-W");
    EXPECT_EQ(RightAt(x1 + 3 * U, 11 * H), "Total");
    EXPECT_EQ(Only("N-S").font, kBold);
    EXPECT_EQ(RightAlignedAt(x1, 12 * H), (std::vector<std::string>{"9-card", "13-card"}));
    const struct {
        int y;
        const char* cells[4];
    } rows[] = {{12 * H, {"9-card", "2", "2", "4"}}, {13 * H, {"13-card", "1", "1", "2"}}};
    for (const auto& row : rows) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(RightAt(x1 + i * U, row.y), row.cells[i]) << row.y << " " << i;
        }
    }
}

TEST_F(StatisticsSheetTest, FooterThreeSmallLinesAboveThePageBottom) {
    Print("Club Game", "");
    const Call& footer = Only("Statistics generated by Kesto.");
    EXPECT_EQ(footer.font, (CanvasFont{"Arial", 10, false, false}));
    EXPECT_EQ(footer.y, Ht - 3 * 20);
    EXPECT_EQ(footer.x, W / 2 - 30 * 10 / 2);
}

TEST_F(StatisticsSheetTest, OneDealSheetShowsItsPointsAndFigures) {
    const tStatistics statistics = ComputeStatistics({test::Mixed()});
    ASSERT_TRUE(PrintStatisticsSheet(canvas_, statistics, "", "", ",").Ok());
    EXPECT_EQ(RightAlignedAt(hcpW), (std::vector<std::string>{"0", "3", "16", "21"}));
    // Four rows on lines 2 to 5, the rule on 6, then Mean, Median and Mode.
    EXPECT_EQ(CentredAt(hcpW + 2 * U, 7 * H), "21,00");  // East's mean, comma separator
    EXPECT_EQ(CentredAt(hcpW + 2 * U, 8 * H), "21,00");  // and median
    EXPECT_EQ(CentredAt(hcpW + 4 * U, 9 * H), "0");      // West's mode
    // One pattern row each (4), on lines 2 to 5: the fit rows start on line 10.
    EXPECT_EQ(RightAlignedAt(x1, 10 * H), (std::vector<std::string>{"9-card"}));
}

TEST_F(StatisticsSheetTest, JobThatCannotStartDrawsNothingAndRestoresOrientation) {
    canvas_.FailNextBeginDoc("The printer is offline.");
    const Status result = PrintStatisticsSheet(canvas_, {}, "Club", "", ".");
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.Reason(), "The printer is offline.");
    EXPECT_TRUE(canvas_.Calls().empty());
    EXPECT_EQ(canvas_.Orientation(), PageOrientation::Portrait);
}

TEST_F(StatisticsSheetTest, JobThatCannotEndIsReported) {
    canvas_.FailNextEndDoc("The disk is full.");
    const Status result = PrintStatisticsSheet(canvas_, {}, "", "", ".");
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.Reason(), "The disk is full.");
    EXPECT_EQ(canvas_.Orientation(), PageOrientation::Portrait);
}

TEST_F(StatisticsSheetTest, SeveralSheetsAreIdenticalJobs) {
    Print("Club Game", "Monday");
    Print("Club Game", "Monday");
    ASSERT_EQ(canvas_.JobTitles().size(), 2u);
    std::vector<Call> first;
    std::vector<Call> second;
    for (const Call& call : canvas_.Calls()) {
        (call.job == 1 ? first : second).push_back(call);
    }
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].text, second[i].text);
        EXPECT_EQ(first[i].x, second[i].x);
        EXPECT_EQ(first[i].y, second[i].y);
        EXPECT_EQ(first[i].font, second[i].font);
    }
}

}  // namespace
}  // namespace kesto::test
