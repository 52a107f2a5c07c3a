// The PBN export file: golden bytes written by hand from the PBN 2.1 export rules, the tag
// value escapes in the file, the date, and the save's refusals.
#include "kesto/files/pbn_writer.h"

#include <gtest/gtest.h>

#include "kesto/files/pbn_reader.h"
#include "kesto/files/write_deal_file.h"
#include "tests/files/files_test_support.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

constexpr CivilDate kNinthOfDecember{2026, 12, 9, 3};

TEST(PbnFileText, FiveBoardsFollowTheDealerAndVulnerabilityCycleWithTheDealerFirst) {
    const tBoardSet boards = {WorkedExampleDeal(), RotatedExampleDeal(), WorkedExampleDeal(),
                              RotatedExampleDeal(), WorkedExampleDeal()};
    EXPECT_EQ(PbnFileText({boards, "Club night", "Wednesday, December 9, 2026", kNinthOfDecember}),
              FileBytes(DataPath("pbn_written/y_five_boards_dealer_cycle.pbn")));
}

TEST(PbnFileText, EscapesUnknownHandsAndFurtherTagsSortedByName) {
    const tBoardSet boards = {DealOf(kWorkedNorth, "", "", ""), DealOf("", "", "", kWorkedWest)};
    const std::vector<std::vector<PbnTag>> more = {{{"ParContract", "NS 2S"},
                                                    {"DoubleDummyTricks", "89967899674347643476"},
                                                    {"OptimumScore", "NS 140"}}};
    EXPECT_EQ(PbnFileText({boards,
                           "#1 \"Spring\" cup \\ Fran\xE7"
                           "ais",
                           "", std::nullopt, more}),
              FileBytes(DataPath("pbn_written/y_escapes_unknown_hands_more_tags.pbn")));
}

TEST(PbnFileText, NoFurtherTagsWritesTheFifteenAlone) {
    const tBoardSet boards = {WorkedExampleDeal()};
    const std::vector<std::vector<PbnTag>> none(1);
    EXPECT_EQ(PbnFileText({boards, "a", "b", std::nullopt, none}),
              PbnFileText({boards, "a", "b", std::nullopt}));
}

TEST(PbnDate, FourDigitYearAndTwoDigitMonthAndDayOrAQuestionMark) {
    EXPECT_EQ(PbnDate(kNinthOfDecember), "2026.12.09");
    EXPECT_EQ(PbnDate(CivilDate{987, 1, 2, 0}), "0987.01.02");
    EXPECT_EQ(PbnDate(std::nullopt), "?");
    EXPECT_EQ(PbnDate(CivilDate{2026, 13, 1, 0}), "?");
    EXPECT_EQ(PbnDate(CivilDate{2026, 1, 0, 0}), "?");
}

// Empty header lines are unknown values. A line holds at most 255 characters with its CR LF:
// long values are cut to fit, never inside an escape. (The golden files hold the lines' ends and
// the empty lines between games.)
TEST(PbnFileText, EmptyValuesAreUnknownAndLongOnesAreCutToTheLongestLine) {
    const tBoardSet boards = RandomBoards(3);
    EXPECT_TRUE(PbnFileText({boards, "", "", std::nullopt})
                    .starts_with("% PBN 2.1\r\n% EXPORT\r\n[Event \"?\"]\r\n[Site \"?\"]\r\n"));
    const std::string longText =
        PbnFileText({boards, std::string(300, 'e'), std::string(300, '"'), std::nullopt});
    DealFileContents read;
    ASSERT_TRUE(ParsePbnFile(longText, read).Ok());
    EXPECT_EQ(read.header1, std::string(243, 'e'));
    EXPECT_EQ(read.header2, std::string(122, '"'));
}

class WritePbnFileTest : public ::testing::Test {
  protected:
    ScratchFolder folder_;
};

TEST_F(WritePbnFileTest, AnEmptyBoardSetWritesNothing) {
    const std::string path = folder_.Path("empty.pbn");
    const Status result = WritePbnFile(path, {tBoardSet{}, "a", "b", std::nullopt});
    EXPECT_EQ(result.Reason(), "Nothing to print.");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(WritePbnFileTest, MoreBoardsThanKestoReadsWriteNothing) {
    const std::string path = folder_.Path("big.pbn");
    PutFile(path, "old");
    const tBoardSet boards(kMaxBoards + 1, WorkedExampleDeal());
    const Status result = WritePbnFile(path, {boards, "a", "b", std::nullopt});
    EXPECT_EQ(result.Reason(),
              "Kesto saves at most 500 boards in a file. The deals were not saved.");
    EXPECT_EQ(FileBytes(path), "old");
}

TEST_F(WritePbnFileTest, TheSaveKindByNameWritesTheExportFileWithTheDate) {
    const std::string path = folder_.Path("Club.PBN");
    const tBoardSet boards = {WorkedExampleDeal(), RotatedExampleDeal()};
    const DealsToWrite deals{boards, "Club night", "Wednesday, December 9, 2026",
                             DealSource::Generate, kNinthOfDecember};
    ASSERT_TRUE(WriteDealFile(SaveKindOfFileName(path), path, deals).Ok());
    EXPECT_EQ(FileBytes(path),
              PbnFileText({boards, "Club night", "Wednesday, December 9, 2026", kNinthOfDecember}));
    EXPECT_NE(FileBytes(path).find("[Date \"2026.12.09\"]\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kesto::test
