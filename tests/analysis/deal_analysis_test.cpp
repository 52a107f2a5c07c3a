// The PBN tag values of an analysis, as other programs read them.

#include <gtest/gtest.h>

#include "kesto/analysis/deal_analysis.h"
#include "kesto/files/pbn_reader.h"
#include "kesto/files/pbn_writer.h"
#include "kesto/platform/file_io.h"
#include "tests/analysis/analysis_test_deals.h"

namespace kesto::test {
namespace {

DealAnalysis Analysis(const TrickTable& tricks, int scoreNS, std::vector<ParContract> contracts) {
    DealAnalysis analysis;
    analysis.tricks = tricks;
    analysis.parScoreNS = scoreNS;
    analysis.parContracts = std::move(contracts);
    return analysis;
}

TEST(DealAnalysisTags, DoubleDummyTricksAreNorthSouthEastWestEachNoTrumpThenTheSuits) {
    const struct {
        TrickTable tricks;
        const char* value;
    } cases[] = {
        {kOneSuitEachTable, "0d0d00d0d000d0d00d0d"},
        {kHighCardsNSTable, "dddddddddd0000000000"},
        {kPublished1Table, "65657656576867568675"},
        {kPublished2Table, "94a8694a863923739237"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DoubleDummyTricksValue(Analysis(c.tricks, 0, {})), c.value);
    }
}

TEST(DealAnalysisTags, ParScoreAndContracts) {
    const ParContract fourSpadesNS{
        .level = 4, .strain = Strain::Spades, .declarer = ParDeclarer::NorthSouth};
    const ParContract fiveHeartsDoubledEW{.level = 5,
                                          .strain = Strain::Hearts,
                                          .doubled = true,
                                          .declarer = ParDeclarer::EastWest,
                                          .overtricks = -2};
    const ParContract threeNoTrumpNorth{
        .level = 3, .strain = Strain::NoTrump, .declarer = ParDeclarer::North, .overtricks = 1};
    const ParContract fiveClubsWest{
        .level = 5, .strain = Strain::Clubs, .declarer = ParDeclarer::West};
    const ParContract twoDiamondsEastSouth[] = {
        {.level = 2, .strain = Strain::Diamonds, .declarer = ParDeclarer::East},
        {.level = 2, .strain = Strain::Diamonds, .declarer = ParDeclarer::South}};
    const struct {
        int scoreNS;
        std::vector<ParContract> contracts;
        const char* optimumScore;
        const char* parContract;
    } cases[] = {
        {420, {fourSpadesNS}, "NS 420", "NS 4S"},
        {300, {fiveHeartsDoubledEW}, "NS 300", "EW 5HX"},
        {430, {threeNoTrumpNorth}, "NS 430", "N 3NT"},
        {-400, {fiveClubsWest, fiveHeartsDoubledEW}, "NS -400", "W 5C,EW 5HX"},
        {-90, {twoDiamondsEastSouth[0]}, "NS -90", "E 2D"},
        {90, {twoDiamondsEastSouth[1]}, "NS 90", "S 2D"},
        {0, {}, "NS 0", "Pass"},
    };
    for (const auto& c : cases) {
        const DealAnalysis analysis = Analysis(kPublished1Table, c.scoreNS, c.contracts);
        EXPECT_EQ(OptimumScoreValue(analysis), c.optimumScore);
        EXPECT_EQ(ParContractValue(analysis), c.parContract);
    }
}

// Kesto's PBN file with the analysis on, golden: the tags and each board's OptimumResultTable.
// Reading it back, or the tag or the table alone, gives the tricks again; a table that says
// otherwise than the tag gives that board none.
TEST(DealAnalysisTags, ThePbnFileCarriesTheTableAndEitherFormReadsBack) {
    const tBoardSet boards = {DealOf(kPublished1), DealOf(kPublished2)};
    const std::vector<std::vector<PbnTag>> tags = {
        AnalysisPbnTags(Analysis(kPublished1Table, -110,
                                 {{2, Strain::Spades, false, ParDeclarer::EastWest, 0}})),
        AnalysisPbnTags(Analysis(kPublished2Table, 100,
                                 {{4, Strain::Spades, true, ParDeclarer::EastWest, -1}}))};
    const std::string file = PbnFileText({boards, "Club night", "", std::nullopt, tags});
    ASSERT_EQ(file, ReadWholeFile(KESTO_TEST_DATA "/pbn_written/y_analysis_table.pbn").value);

    const auto erased = [&file](std::string_view from, std::string_view to) {
        std::string text = file;
        for (std::size_t at; (at = text.find(from)) != std::string::npos;) {
            text.erase(at, text.find(to, at) - at);
        }
        return text;
    };
    std::string disagreeing = file;
    disagreeing.replace(disagreeing.find("N NT  6"), 7, "N NT  7");
    TrickTable none;
    none.fill({-1, -1, -1, -1, -1});
    const std::vector<TrickTable> both = {kPublished1Table, kPublished2Table};
    for (const auto& [text, tricks] :
         {std::pair{file, both},
          {erased("[OptimumResultTable", "[OptimumScore"), both},
          {erased("[DoubleDummyTricks", "[OptimumResultTable"), both},
          {disagreeing, {none, kPublished2Table}},
          {PbnFileText({boards, "Club night", "", std::nullopt}), {}}}) {
        DealFileContents contents;
        ASSERT_TRUE(ParsePbnFile(text, contents).Ok());
        EXPECT_EQ(contents.boardSet, boards);
        EXPECT_EQ(contents.doubleDummyTricks, tricks) << text;
    }
}

}  // namespace
}  // namespace kesto::test
