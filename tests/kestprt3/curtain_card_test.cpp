// Curtain cards (kinds 8 to 12): how many a page for each size and orientation, the order of
// the cards, and the seat words.

#include <cmath>
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
    for (const char* seat : {"North", "East", "South", "West"}) {
        EXPECT_EQ(Count(text, seat), 3u) << seat;
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
        EXPECT_EQ(Count(text, c.seat), 5u);
        EXPECT_EQ(Count(text, "Board "), 5u);
        const std::string packed = WithoutSpaces(text);
        for (const std::string& line : c.hand) {
            EXPECT_EQ(Count(packed, line), 5u) << line;
        }
    }
}

TEST_F(CurtainCards, GermanSeatWords) {
    SetDeals(Boards(1));
    ASSERT_EQ(Print(CurtainArgs(8, 7, 0, Deutsch())), kKestPrt3Ok);
    const std::string text = PdfText(NewPdf());
    for (const char* seat : {"Nord", "Ost", "S\u00fcd", "West"}) {
        EXPECT_EQ(Count(text, seat), 1u) << seat;
    }
    EXPECT_NE(WithoutSpaces(text).find("\u2665AZ83"), std::string::npos);
}

}  // namespace
}  // namespace kesto::test
