// What the print page's board viewer shows: the list of boards, the chosen board in the
// printing language's words, and its makeable contracts and par.

#include "kesto/workflow/board_view.h"

#include <gtest/gtest.h>

#include <ostream>

#include "kesto/options/language_table.h"
#include "tests/support/worked_example.h"

namespace kesto::test {
namespace {

constexpr int kEnglish = 1, kDansk = 2, kDeutsch = 3;

// The worked example deal's points: North 14, East 15, South 10, West 1.
TEST(BoardList, GivesEachBoardItsDealerVulnerabilityAndPoints) {
    const tBoardSet boards = {WorkedExampleDeal(), tDeal(), WorkedExampleDeal(), tDeal()};
    const std::vector<BoardListRow> expected = {{1, "N", "None", {14, 15, 10, 1}},
                                                {2, "E", "NS", {0, 0, 0, 0}},
                                                {3, "S", "EW", {14, 15, 10, 1}},
                                                {4, "W", "All", {0, 0, 0, 0}}};
    EXPECT_EQ(BoardList(boards), expected);
}

struct DiagramCase {
    const char* name;
    int language;
    int board;
    const char* title;
    const char* dealerLine;
    const char* vulnerabilityLine;
    std::array<bool, 4> vulnerable;
    const char* eastLetter;
    const char* northSpades;  // A K 9 7
    const char* westClubs;    // T 8 5 4
};

void PrintTo(const DiagramCase& c, std::ostream* out) {
    *out << c.name;
}

const DiagramCase kDiagramCases[] = {
    {"English",
     kEnglish,
     7,
     "Board 7",
     "Dealer: South",
     "Vul: Both",
     {true, true, true, true},
     "E",
     "A K 9 7",
     "T 8 5 4"},
    {"DanishTenAndLetters",
     kDansk,
     2,
     "Spil 2",
     "Giver: \xD8st",
     "I.Z.: N-S",
     {true, false, true, false},
     "\xD8",
     "E K 9 7",
     "10 8 5 4"},
};

class Diagram : public ::testing::TestWithParam<DiagramCase> {};

TEST_P(Diagram, ShowsTheBoardInThePrintingLanguage) {
    const DiagramCase& c = GetParam();
    LanguageTable languages;
    languages.SetCurrentLanguage(c.language);
    const BoardDiagram diagram = BoardDiagramOf(WorkedExampleDeal(), c.board, languages);
    EXPECT_EQ(diagram.board, c.board);
    EXPECT_EQ(diagram.title, c.title);
    EXPECT_EQ(diagram.dealerLine, c.dealerLine);
    EXPECT_EQ(diagram.vulnerabilityLine, c.vulnerabilityLine);
    EXPECT_EQ(diagram.dealer, BoardDealer(c.board));
    EXPECT_EQ(diagram.vulnerable, c.vulnerable);
    EXPECT_EQ(diagram.seatLetters[static_cast<int>(Seat::East)], c.eastLetter);
    EXPECT_EQ(diagram.cards[static_cast<int>(Seat::North)][static_cast<int>(Suit::Spades)],
              c.northSpades);
    EXPECT_EQ(diagram.cards[static_cast<int>(Seat::West)][static_cast<int>(Suit::Clubs)],
              c.westClubs);
    EXPECT_EQ(diagram.points, (std::array<int, 4>{14, 15, 10, 1}));
    EXPECT_FALSE(diagram.makeable);
    EXPECT_EQ(diagram.analysisNote, "");
}

INSTANTIATE_TEST_SUITE_P(Languages, Diagram, ::testing::ValuesIn(kDiagramCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(Diagram, AVoidIsALongDashAndAWordTheUserEmptiedIsEnglish) {
    LanguageTable languages;
    languages.SetLanguageWord(kEnglish, kSlotBoard, "");
    const tDeal deal =
        DealOf("AKQJT98765432...", ".AKQJT98765432..", "..AKQJT98765432.", "...AKQJT98765432");
    const BoardDiagram diagram = BoardDiagramOf(deal, 1, languages);
    EXPECT_EQ(diagram.title, "Board 1");
    EXPECT_EQ(diagram.cards[0][0], "A K Q J T 9 8 7 6 5 4 3 2");
    EXPECT_EQ(diagram.cards[0][1], "\x97");
}

struct MakeableCase {
    const char* name;
    int language;
    std::vector<ParContract> par;
    int parScoreNS;
    std::vector<TextRun> runs;
};

void PrintTo(const MakeableCase& c, std::ostream* out) {
    *out << c.name;
}

const MakeableCase kMakeableCases[] = {
    {"SacrificeAndNoTrumpInGerman",
     kDeutsch,
     {{5, Strain::Hearts, true, ParDeclarer::East, -2},
      {3, Strain::NoTrump, false, ParDeclarer::West, 1}},
     300,
     {{"Par: ", {}},
      {"5", {}},
      {"", Suit::Hearts},
      {"X-2 O", {}},
      {" / 3", {}},
      {"SA", {}},
      {"+1 W", {}},
      {", NS +300", {}}}},
    {"PassedOut", kEnglish, {}, 0, {{"Par: ", {}}, {"Pass", {}}}},
};

class Makeable : public ::testing::TestWithParam<MakeableCase> {};

TEST_P(Makeable, GivesTheLevelsAndParInTheLanguage) {
    const MakeableCase& c = GetParam();
    LanguageTable languages;
    languages.SetCurrentLanguage(c.language);
    DealAnalysis analysis;
    analysis.tricks[0] = {9, 10, 8, 7, 6};  // North
    analysis.tricks[1] = {4, 3, 5, 6, 7};   // East
    analysis.tricks[2] = {9, 10, 8, 7, 6};  // South
    analysis.tricks[3] = {4, 3, 5, 6, 13};  // West
    analysis.parScoreNS = c.parScoreNS;
    analysis.parContracts = c.par;
    const MakeableTable table = MakeableTableOf(analysis, languages);
    EXPECT_EQ(table.caption, BuiltInAnalysisWords(c.language).caption);
    EXPECT_EQ(table.strains[0].text, BuiltInAnalysisWords(c.language).noTrump);
    EXPECT_EQ(table.strains[4].suit, Suit::Clubs);
    const std::array<std::string, 4> rows = {"N", "S", c.language == kDeutsch ? "O" : "E", "W"};
    EXPECT_EQ(table.declarers, rows);
    using Row = std::array<std::string, kStrainCount>;
    EXPECT_EQ(table.levels[0], (Row{"3", "4", "2", "1", "-"}));
    EXPECT_EQ(table.levels[3], (Row{"-", "-", "-", "-", "7"}));
    EXPECT_EQ(table.par, c.runs);
}

INSTANTIATE_TEST_SUITE_P(Pars, Makeable, ::testing::ValuesIn(kMakeableCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

}  // namespace
}  // namespace kesto::test
