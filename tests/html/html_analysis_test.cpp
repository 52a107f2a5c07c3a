// The makeable contracts on the HTML page: the rows under one deal, typed by hand, and their
// place in pages the page library wrote (the golden pages of the export tests).

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "kesto/html/html_analysis.h"

namespace kesto::test {
namespace {

std::string Golden(const std::string& name) {
    std::ifstream file(std::string(KESTO_TEST_DATA) + "/html/" + name, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_FALSE(bytes.empty()) << "missing golden file " << name;
    return bytes;
}

// North-South take 9 tricks in no trump, 10 in spades, 8 in hearts, 7 in diamonds, 6 in
// clubs; East-West the rest. Par 4 spades by North-South, not vulnerable.
DealAnalysis FourSpades() {
    DealAnalysis analysis;
    for (const Seat seat : {Seat::North, Seat::South}) {
        analysis.tricks[static_cast<std::size_t>(seat)] = {9, 10, 8, 7, 6};
    }
    for (const Seat seat : {Seat::East, Seat::West}) {
        analysis.tricks[static_cast<std::size_t>(seat)] = {4, 3, 5, 6, 7};
    }
    analysis.parScoreNS = 420;
    analysis.parContracts = {{4, Strain::Spades, false, ParDeclarer::NorthSouth, 0}};
    return analysis;
}

std::string ParLineOf(const std::string& rows) {
    const std::size_t from = rows.rfind("<TR><TD COLSPAN=\"6\">");
    const std::size_t to = rows.find("</TD></TR>", from);
    return rows.substr(from + 20, to - from - 20);
}

// The words with the suit images of a page whose images are in folder ("gifs/").
HtmlAnalysisWords ImagesIn(std::string_view folder) {
    HtmlAnalysisWords words;
    for (std::string& image : words.suitImages) {
        image.insert(image.find("SRC=\"") + 5, folder);
    }
    return words;
}
const std::array<std::string, 4> kSuits = ImagesIn("").suitImages;

TEST(HtmlAnalysis, RowsUnderADeal) {
    const std::string expected =
        "<TR><TD COLSPAN=\"3\">\r\n"
        "<TABLE BORDER=\"0\" CELLSPACING=\"1\" CELLPADDING=\"1\">\r\n"
        "<TR><TD COLSPAN=\"6\"><I>" +
        std::string(BuiltInAnalysisWords(1).caption) +
        "</I></TD></TR>\r\n"
        "<TR><TD>&nbsp;</TD><TD ALIGN=\"center\">NT</TD><TD ALIGN=\"center\">" +
        kSuits[0] + "</TD><TD ALIGN=\"center\">" + kSuits[1] + "</TD><TD ALIGN=\"center\">" +
        kSuits[2] + "</TD><TD ALIGN=\"center\">" + kSuits[3] +
        "</TD></TR>\r\n"
        "<TR><TD>N</TD><TD ALIGN=\"center\">3</TD><TD ALIGN=\"center\">4</TD>"
        "<TD ALIGN=\"center\">2</TD><TD ALIGN=\"center\">1</TD><TD ALIGN=\"center\">-</TD></TR>\r\n"
        "<TR><TD>S</TD><TD ALIGN=\"center\">3</TD><TD ALIGN=\"center\">4</TD>"
        "<TD ALIGN=\"center\">2</TD><TD ALIGN=\"center\">1</TD><TD ALIGN=\"center\">-</TD></TR>\r\n"
        "<TR><TD>E</TD><TD ALIGN=\"center\">-</TD><TD ALIGN=\"center\">-</TD>"
        "<TD ALIGN=\"center\">-</TD><TD ALIGN=\"center\">-</TD><TD ALIGN=\"center\">1</TD></TR>\r\n"
        "<TR><TD>W</TD><TD ALIGN=\"center\">-</TD><TD ALIGN=\"center\">-</TD>"
        "<TD ALIGN=\"center\">-</TD><TD ALIGN=\"center\">-</TD><TD ALIGN=\"center\">1</TD></TR>\r\n"
        "<TR><TD COLSPAN=\"6\">Par: 4" +
        kSuits[0] +
        " NS, NS +420</TD></TR>\r\n"
        "</TABLE>\r\n"
        "</TD></TR>\r\n";
    EXPECT_EQ(HtmlAnalysisRows(FourSpades(), HtmlAnalysisWords{}), expected);
}

TEST(HtmlAnalysis, ParLinesWithResultsAndNorthSouthsScore) {
    struct Case {
        int scoreNS;
        std::vector<ParContract> contracts;
        std::string line;
    };
    using enum Strain;
    using enum ParDeclarer;
    const std::array<std::string, 4>& s = kSuits;  // spades .. clubs
    const Case cases[] = {
        {420, {{4, Spades, false, North, 0}}, "Par: 4" + s[0] + " N, NS +420"},
        {-140, {{1, Spades, false, EastWest, 2}}, "Par: 1" + s[0] + "+2 EW, NS -140"},
        // East-West's sacrifice over North-South's game: they lose 300.
        {300, {{5, Hearts, true, East, -2}}, "Par: 5" + s[1] + "X-2 E, NS +300"},
        {-100, {{5, Clubs, true, South, -1}}, "Par: 5" + s[3] + "X-1 S, NS -100"},
        {400,
         {{3, NoTrump, false, NorthSouth, 0}, {5, Diamonds, false, NorthSouth, 0}},
         "Par: 3NT NS / 5" + s[2] + " NS, NS +400"},
        {0, {}, "Par: Pass"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        DealAnalysis analysis = FourSpades();
        analysis.parScoreNS = c.scoreNS;
        analysis.parContracts = c.contracts;
        EXPECT_EQ(ParLineOf(HtmlAnalysisRows(analysis, HtmlAnalysisWords{})), c.line);
    }
}

TEST(HtmlAnalysis, TheLanguagesLettersAndWords) {
    LanguageTable languages;
    languages.SetCurrentLanguage(2);  // Dansk: East is \xD8, West V, no trump "UT"
    const HtmlAnalysisWords words = HtmlAnalysisWordsOf(languages);
    DealAnalysis analysis = FourSpades();
    analysis.parScoreNS = -620;
    analysis.parContracts = {{3, Strain::NoTrump, false, ParDeclarer::EastWest, 0}};
    const std::string rows = HtmlAnalysisRows(analysis, words);
    EXPECT_NE(rows.find("<TD ALIGN=\"center\">UT</TD>"), std::string::npos) << rows;
    EXPECT_NE(rows.find("<TR><TD>\xD8</TD>"), std::string::npos) << rows;
    EXPECT_NE(rows.find("<TR><TD>V</TD>"), std::string::npos) << rows;
    EXPECT_EQ(ParLineOf(rows), "Par: 3UT \xD8V, NS -620");
    // A letter the user typed is written as text, never as markup.
    languages.SetLanguageWord(2, kSlotWestLetter, "<&>");
    EXPECT_NE(HtmlAnalysisRows(analysis, HtmlAnalysisWordsOf(languages))
                  .find("<TR><TD>&lt;&amp;&gt;</TD>"),
              std::string::npos);
}

// The page with every occurrence of rows taken out again.
std::string Without(std::string page, const std::string& rows) {
    for (std::size_t at = page.find(rows); at != std::string::npos; at = page.find(rows, at)) {
        page.erase(at, rows.size());
    }
    return page;
}

// The rows draw their suits with the images of the page's hands, wherever the page has them.
TEST(HtmlAnalysis, RowsGoAtTheEndOfEachDealsCellAndNothingElseChanges) {
    for (const auto& [name, folder] : {std::pair{"export_english.htm", "gifs/"},
                                       {"export_german_statistics.htm", ""},
                                       {"export_english_no_dealer_vul.htm", "gifs/"}}) {
        SCOPED_TRACE(name);
        const std::string page = Golden(name);
        const DealAnalysis analysis = FourSpades();
        const std::vector<const DealAnalysis*> analyses(4, &analysis);
        const StatusOr<std::string> with = PageWithHtmlAnalysis(page, analyses, {});
        ASSERT_TRUE(with.status.Ok()) << with.status.Reason();
        const std::string rows = HtmlAnalysisRows(analysis, ImagesIn(folder));
        EXPECT_EQ(Without(with.value, rows), page);
        // Each time right before the line that closes a deal's cell.
        std::size_t count = 0;
        for (std::size_t at = with.value.find(rows); at != std::string::npos;
             at = with.value.find(rows, at + 1)) {
            ++count;
            EXPECT_EQ(with.value.substr(at + rows.size(), 17), "</TABLE>\r\n</TD>\r\n");
        }
        EXPECT_EQ(count, 4u);
    }
}

TEST(HtmlAnalysis, AnIncompleteDealGetsNoRows) {
    const std::string page = Golden("export_english.htm");
    const DealAnalysis analysis = FourSpades();
    const StatusOr<std::string> with =
        PageWithHtmlAnalysis(page, {&analysis, nullptr, nullptr, &analysis}, {});
    ASSERT_TRUE(with.status.Ok());
    const std::string rows = HtmlAnalysisRows(analysis, ImagesIn("gifs/"));
    EXPECT_EQ(Without(with.value, rows), page);
    const std::size_t first = with.value.find(rows);
    const std::size_t second = with.value.find(rows, first + 1);
    ASSERT_NE(second, std::string::npos);
    // Board 1's rows end its cell; the cells of boards 2 and 3 have none; board 4's end its.
    EXPECT_LT(first, with.value.find("Board 2"));
    EXPECT_LT(with.value.find("Board 4"), second);
    EXPECT_EQ(with.value.find(rows, second + 1), std::string::npos);
}

TEST(HtmlAnalysis, APageWithOtherThanOneCellADealIsRefused) {
    const std::string page = Golden("export_english.htm");
    const DealAnalysis analysis = FourSpades();
    for (const std::size_t count : {3u, 5u}) {
        const std::vector<const DealAnalysis*> analyses(count, &analysis);
        const StatusOr<std::string> with = PageWithHtmlAnalysis(page, analyses, {});
        EXPECT_FALSE(with.status.Ok()) << count;
        EXPECT_EQ(with.status.Reason(),
                  "the page holds 4 deals where " + std::to_string(count) + " were expected");
    }
    EXPECT_FALSE(PageWithHtmlAnalysis("<HTML>\r\n</HTML>\r\n", {&analysis}, {}).status.Ok());
}

}  // namespace
}  // namespace kesto::test
