// Curtain cards (kinds 8 to 12): how many a page for each size and orientation, the order of
// the cards, the seat words, the dealer and the vulnerability, one size of type on every card,
// and the cut lines.

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "tests/kestprt3/printing_library.h"

namespace kesto::test {
namespace {

using CurtainCards = PrintingLibrary;

std::vector<std::string> Boards(int count) {
    std::vector<std::string> records;
    for (int board = 1; board <= count; ++board) {
        records.push_back(CycleRecord(board, kKnownDeal));
    }
    return records;
}

struct PerPageCase {
    std::int32_t heightCm;
    std::int32_t orientation;
    int onA4;  // the page turned whichever way holds more, 8 mm margins
    int onLetter;
};

TEST_F(CurtainCards, AsManyCardsAPageAsFitForEachSize) {
    const PerPageCase cases[] = {
        {6, 0, 15, 15},  // 5 x 6: five across and three down on a turned page
        {7, 0, 12, 10},  // 5 x 7: three across, four down on an upright A4 page
        {8, 0, 10, 10},  // 5 x 8: five across, two down on a turned page
        {7, 1, 12, 10},  // 7 x 5 (landscape cards)
        {6, 1, 15, 15},  // 6 x 5
    };
    SetDeals(Boards(16));  // 64 cards
    for (const PerPageCase& c : cases) {
        SCOPED_TRACE("height " + std::to_string(c.heightCm) + " orientation " +
                     std::to_string(c.orientation));
        ASSERT_EQ(Print(CurtainArgs(8, c.heightCm, c.orientation, English())), kKestPrt3Ok);
        const std::string pdf = NewPdf();
        const std::string paper = PdfPageSize(pdf);
        ASSERT_TRUE(paper == "A4" || paper == "letter") << paper;
        const int perPage = paper == "A4" ? c.onA4 : c.onLetter;
        const int pages = PdfPages(pdf);
        EXPECT_EQ(pages, (64 + perPage - 1) / perPage);
        for (int page = 1; page <= pages; ++page) {
            const int expected = page < pages ? perPage : 64 - perPage * (pages - 1);
            EXPECT_EQ(Count(PdfText(pdf, page), "Board "), static_cast<std::size_t>(expected))
                << "page " << page;
        }
    }
}

TEST_F(CurtainCards, ByBoardGivesTheFourHandsOfEachBoardInTurn) {
    SetDeals(Boards(3));
    ASSERT_EQ(Print(CurtainArgs(8, 7, 0, English())), kKestPrt3Ok);
    const std::string pdf = NewPdf();
    ASSERT_EQ(PdfPages(pdf), 1);
    const std::string text = PdfText(pdf);
    EXPECT_EQ(Count(text, "Board 1"), 4u);
    EXPECT_EQ(Count(text, "Board 2"), 4u);
    EXPECT_EQ(Count(text, "Board 3"), 4u);
    for (const std::string seat : {"North", "East", "South", "West"}) {
        EXPECT_EQ(Count(text, seat) - Count(text, "Dlr: " + seat), 3u) << seat;
    }
    // Three cards a row: board 1 North, East, South on the first row.
    const std::size_t firstLine = text.find("Board 1");
    const std::string row = text.substr(firstLine, text.find('\n', firstLine) - firstLine);
    EXPECT_EQ(Count(row, "Board 1"), 3u) << row;
    EXPECT_LT(row.find("North"), row.find("East")) << row;
    EXPECT_LT(row.find("East"), row.find("South")) << row;
}

TEST_F(CurtainCards, OnePositionForEveryBoard) {
    struct Case {
        std::int32_t kind;
        const char* seat;
        std::vector<std::string> hand;
    };
    const Case cases[] = {
        {9, "North", {"\u2660A74", "\u2665AT83", "\u2666KJ5", "\u2663K65"}},
        {10, "East", {"\u2660KQ98", "\u2665J4", "\u2666T7", "\u2663AQT84"}},
        {11, "South", {"\u2660T63", "\u2665KQ92", "\u2666AQ942", "\u26639"}},
        {12, "West", {"\u2660J52", "\u2665765", "\u2666863", "\u2663J732"}},
    };
    SetDeals(Boards(5));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seat);
        ASSERT_EQ(Print(CurtainArgs(c.kind, 7, 0, English())), kKestPrt3Ok);
        const std::string pdf = NewPdf();
        EXPECT_NE(pdf.find(std::string("Curtain cards ") + c.seat), std::string::npos) << pdf;
        const std::string text = PdfText(pdf);
        EXPECT_EQ(Count(text, c.seat) - Count(text, std::string("Dlr: ") + c.seat), 5u);
        EXPECT_EQ(Count(text, "Board "), 5u);
        const std::string packed = WithoutSpaces(text);
        for (const std::string& line : c.hand) {
            EXPECT_EQ(Count(packed, line), 5u) << line;
        }
    }
}

// Each card says who deals and who is vulnerable, in the language's words, under the board
// number and the seat, unless the settings leave them off.
TEST_F(CurtainCards, DealerAndVulnerabilityOnEveryCard) {
    struct Case {
        Language language;
        bool shown;
        std::vector<std::string> rows;  // the cards' lines row by row, spaces removed
    };
    const Case cases[] = {
        {English(), true, {"Dlr:NorthVul:NoneDlr:EastVul:N-SDlr:SouthVul:E-W", "Dlr:WestVul:Both"}},
        {Deutsch(),
         true,
         {"Tlr:NordGef\u00e4hr:KeinerTlr:OstGef\u00e4hr:N-STlr:S\u00fcdGef\u00e4hr:O-W",
          "Tlr:WestGef\u00e4hr:Alle"}},
        {English(), false, {}},
    };
    SetDeals(Boards(4));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language.north + (c.shown ? " shown" : " left off"));
        WriteSettings(c.shown ? "" : "\"PrintVulDeal\"=dword:00000000\r\n");
        ASSERT_EQ(Print(CurtainArgs(9, 7, 0, c.language)), kKestPrt3Ok);
        const std::string packed = WithoutSpaces(PdfText(NewPdf()));
        EXPECT_EQ(Count(packed, c.language.dealerShort + ":"), c.shown ? 4u : 0u) << packed;
        for (const std::string& row : c.rows) {
            EXPECT_NE(packed.find(row), std::string::npos) << row << "\n" << packed;
        }
    }
}

TEST_F(CurtainCards, GermanSeatWords) {
    SetDeals(Boards(1));
    ASSERT_EQ(Print(CurtainArgs(8, 7, 0, Deutsch())), kKestPrt3Ok);
    const std::string text = PdfText(NewPdf());
    for (const std::string seat : {"Nord", "Ost", "S\u00fcd", "West"}) {
        EXPECT_EQ(Count(text, seat) - Count(text, "Tlr: " + seat), 1u) << seat;
    }
    EXPECT_NE(WithoutSpaces(text).find("\u2665AZ83"), std::string::npos);
}

// A board whose every hand is one suit of thirteen cards: the longest line a card can hold.
std::string LongSuitsRecord(int board) {
    return CycleRecord(board,
                       "AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432");
}

// The heights of the words that hold the text: every card's copy of it must be set in one size.
std::set<long> HeightsOf(const std::vector<PdfWord>& words,
                         const std::vector<std::string>& starts) {
    std::set<long> heights;
    for (const PdfWord& word : words) {
        for (const std::string& start : starts) {
            if (word.text.rfind(start, 0) == 0) {
                heights.insert(std::lround(word.Height() * 100));  // hundredths of a point
            }
        }
    }
    return heights;
}

// How wide the widest line of a card is drawn that opens with a word beginning with one of the
// starts (the line's words up to the card's width).
double WidestLine(const std::vector<PdfWord>& words, const std::vector<std::string>& starts) {
    double widest = 0;
    for (const PdfWord& first : words) {
        const bool opens = std::any_of(starts.begin(), starts.end(), [&](const std::string& s) {
            return first.text.rfind(s, 0) == 0;
        });
        if (!opens) {
            continue;
        }
        // The words that follow on the line with less than a space's gap between them; the next
        // card's text lies at least twice the 3 mm padding further.
        std::vector<const PdfWord*> line;
        for (const PdfWord& word : words) {
            if (std::abs(word.yMin - first.yMin) < 0.01 && word.xMin >= first.xMin) {
                line.push_back(&word);
            }
        }
        std::sort(line.begin(), line.end(),
                  [](const PdfWord* a, const PdfWord* b) { return a->xMin < b->xMin; });
        double right = first.xMax;
        for (const PdfWord* word : line) {
            if (word->xMin > right + 4.5 * kPointsPerMm) {
                break;
            }
            right = std::max(right, word->xMax);
        }
        widest = std::max(widest, right - first.xMin);
    }
    return widest;
}

struct OneSizeCase {
    const char* what;
    int fontArgument;  // index into PrintArgs::sizes
    std::int32_t points;
    std::int32_t kind;
    int boards;
    bool longSuits;  // board 2 holds the four long suits
    std::vector<std::string> starts;
    bool dealerAndVulnerability = true;  // off where the seat words are measured
};

TEST_F(CurtainCards, EveryCardOfAPrintoutInOneSizeTheLargestThatFitsEveryCard) {
    const std::vector<std::string> suits = {"\u2660", "\u2665", "\u2666", "\u2663"};
    const OneSizeCase cases[] = {
        {"cards font with one board of long suits", 4, 40, 8, 3, true, suits},
        {"cards font, one position", 4, 40, 10, 3, true, suits},
        // The hand grows from the size asked for until the widest fills the card.
        {"cards font at the program's size", 4, 14, 9, 12, false, suits},
        {"board number font, numbers of one and two digits", 6, 40, 9, 12, false, {"Board"}},
        {"position font, the four seat words",
         7,
         60,
         8,
         1,
         false,
         {"North", "East", "South", "West"},
         false},
    };
    // The card's inside: 5 cm less 3 mm padding each side.
    constexpr double kInnerWidth = 44 * kPointsPerMm;
    for (const OneSizeCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> records;
        for (int board = 1; board <= c.boards; ++board) {
            records.push_back(c.longSuits && board == 2 ? LongSuitsRecord(board)
                                                        : CycleRecord(board, kKnownDeal));
        }
        SetDeals(records);
        WriteSettings(c.dealerAndVulnerability ? "" : "\"PrintVulDeal\"=dword:00000000\r\n");
        PrintArgs args = CurtainArgs(c.kind, 7, 0, English());
        args.sizes[c.fontArgument] = c.points;
        if (c.fontArgument == 4) {
            args.sizes[5] = c.points;
        }
        ASSERT_EQ(Print(args), kKestPrt3Ok);
        const std::string pdf = NewPdf();
        std::vector<PdfWord> words;
        for (int page = 1; page <= PdfPages(pdf); ++page) {
            const PdfPage one = PdfWords(pdf, page);
            words.insert(words.end(), one.words.begin(), one.words.end());
        }
        const std::set<long> heights = HeightsOf(words, c.starts);
        ASSERT_FALSE(heights.empty());
        EXPECT_EQ(heights.size(), 1u) << "sizes in hundredths of a point: " << *heights.begin()
                                      << " to " << *heights.rbegin();
        // The largest that fits: the widest text fills the card's inside, and stays in it.
        const double widest = WidestLine(words, c.starts);
        EXPECT_LE(widest, kInnerWidth + 0.5);
        EXPECT_GE(widest, 0.85 * kInnerWidth);
    }
}

TEST_F(CurtainCards, TheLastPageDrawsNoEmptyCardFramesAndNoLineLeavesThePrintableArea) {
    // One card more than a page holds: the second page has a single card.
    SetDeals(Boards(1));
    ASSERT_EQ(Print(CurtainArgs(9, 7, 0, English())), kKestPrt3Ok);
    const std::string paper = PdfPageSize(NewPdf());
    const int perPage = paper == "A4" ? 12 : 10;
    SetDeals(Boards(perPage + 1));
    ASSERT_EQ(Print(CurtainArgs(9, 7, 0, English())), kKestPrt3Ok);
    const std::string pdf = NewPdf();
    ASSERT_EQ(PdfPages(pdf), 2);

    constexpr double kMarginMm = 8;
    for (int page = 1; page <= 2; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        const PdfPage words = PdfWords(pdf, page);
        const PageImage image = RenderPage(pdf, page, 60);
        const double widthMm = words.width / kPointsPerMm;
        const double heightMm = words.height / kPointsPerMm;
        // Nothing in the margins: the cut lines stop at the printable area.
        const double inside = kMarginMm - 0.5;
        EXPECT_EQ(image.InkedIn(0, 0, widthMm, inside), 0);
        EXPECT_EQ(image.InkedIn(0, heightMm - inside, widthMm, heightMm), 0);
        EXPECT_EQ(image.InkedIn(0, 0, inside, heightMm), 0);
        EXPECT_EQ(image.InkedIn(widthMm - inside, 0, widthMm, heightMm), 0);
        // The cut lines reach the printable area's edges beside the cards.
        EXPECT_GT(image.InkedIn(kMarginMm, kMarginMm, kMarginMm + 2, heightMm - kMarginMm), 0);
    }
    // The single card of the last page: its board title sits 3 mm inside its top left corner.
    const PdfPage last = PdfWords(pdf, 2);
    const auto title = std::find_if(last.words.begin(), last.words.end(),
                                    [](const PdfWord& word) { return word.text == "Board"; });
    ASSERT_NE(title, last.words.end());
    const double cardLeft = title->xMin / kPointsPerMm - 3;
    const double cardTop = title->yMin / kPointsPerMm - 3;
    const double cardRight = cardLeft + 50;
    const double cardBottom = cardTop + 70;
    const PageImage image = RenderPage(pdf, 2, 60);
    const double widthMm = last.width / kPointsPerMm;
    const double heightMm = last.height / kPointsPerMm;
    // The card's own edges are drawn ...
    EXPECT_GT(image.InkedIn(cardLeft + 1, cardBottom - 0.5, cardRight - 1, cardBottom + 0.5), 0);
    EXPECT_GT(image.InkedIn(cardRight - 0.5, cardTop + 1, cardRight + 0.5, cardBottom - 1), 0);
    // ... and nothing beside or below it: no frame of an empty slot.
    EXPECT_EQ(image.InkedIn(cardRight + 1, 0, widthMm, heightMm), 0);
    EXPECT_EQ(image.InkedIn(0, cardBottom + 1, widthMm, heightMm), 0);
}

}  // namespace
}  // namespace kesto::test
