#include <gtest/gtest.h>

#include "files_test_support.h"
#include "kesto/files/deal_file_io.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/files/read_deal_file.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

using test::DataPath;
using test::FileBytes;

// The golden file spells out the 35 lines: the five header lines, then each board's tags.
TEST(OwnDealFile, TwoGeneratedBoardsAreGolden) {
    const tBoardSet boards = {test::WorkedExampleDeal(), test::RotatedExampleDeal()};
    EXPECT_EQ(OwnDealFileText(boards, "Club night", "Monday", DealSource::Generate),
              FileBytes(DataPath("kst/y_two_generated_boards.kst")));
}

TEST(OwnDealFile, EveryModeButGenerateSaysEnteredByUser) {
    const tBoardSet boards = {test::WorkedExampleDeal()};
    for (const DealSource mode : {DealSource::Record, DealSource::ReadFromFile}) {
        const std::string text = OwnDealFileText(boards, "", "", mode);
        EXPECT_TRUE(
            text.starts_with("% Kesto 3.2 Hands entered by user.\r\n% PBN 1.0\r\n% \r\n"
                             "% \r\n%\r\n"));
    }
}

TEST(OwnDealFile, ALineBreakInAHeaderLineCannotSplitTheFile) {
    const std::string text = OwnDealFileText({test::WorkedExampleDeal()}, "one\r\ntwo",
                                             "three\nfour", DealSource::Record);
    EXPECT_NE(text.find("\r\n% one  two\r\n% three four\r\n%\r\n"), std::string::npos);
}

TEST(OwnDealFile, ReadsBackWhatItWrites) {
    const tBoardSet boards = test::RandomBoards(40);
    for (const DealSource mode : {DealSource::Generate, DealSource::Record}) {
        DealFileContents contents;
        ASSERT_TRUE(
            ParseOwnDealFile(OwnDealFileText(boards, "Pairs \xE9t\xE9", "", mode), contents).Ok());
        EXPECT_EQ(contents.boardSet, boards);
        EXPECT_EQ(contents.header1, "Pairs \xE9t\xE9");
        EXPECT_EQ(contents.header2, "");
        EXPECT_EQ(contents.dealsComplete, mode == DealSource::Generate);
    }
}

TEST(OwnDealFile, ReadsGoldenFiles) {
    struct Case {
        const char* file;
        std::size_t boards;
        const char* header1;
        const char* header2;
        bool complete;
        std::size_t workedExampleAt;
    };
    const Case cases[] = {
        {"kst/y_two_generated_boards.kst", 2, "Club night", "Monday", true, 0},
        {"kst/y_three_entered_boards.kst", 3, "Pairs \xE9t\xE9", "", false, 0},
        {"kst/y_other_version_generated.kst", 1, "Club", "Night", true, 0},
        {"kst/y_lf_line_ends_entered.kst", 1, "Club", "", false, 0},
        {"kst/y_rejected_tag_adds_empty_board.kst", 2, "A", "B", false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        DealFileContents contents;
        ASSERT_TRUE(ReadAnyDealFile(DataPath(c.file), contents).Ok());
        EXPECT_EQ(contents.boardSet.size(), c.boards);
        EXPECT_EQ(contents.header1, c.header1);
        EXPECT_EQ(contents.header2, c.header2);
        EXPECT_EQ(contents.dealsComplete, c.complete);
        EXPECT_EQ(contents.boardSet.at(c.workedExampleAt), test::WorkedExampleDeal());
    }
    DealFileContents contents;
    ASSERT_TRUE(
        ReadAnyDealFile(DataPath("kst/y_rejected_tag_adds_empty_board.kst"), contents).Ok());
    EXPECT_EQ(contents.boardSet.front(), tDeal());
}

TEST(OwnDealFile, EmptyBoardSetWritesNothingAndSaysNothingToPrint) {
    test::ScratchFolder folder;
    const Status result =
        WriteOwnDealFile(folder.Path("a.kst"), {}, "x", "y", DealSource::Generate);
    EXPECT_EQ(result.Reason(), "Nothing to print.");
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(OwnDealFile, WritesTheFileAndReplacesAnOldOne) {
    test::ScratchFolder folder;
    const std::string path = folder.Path("club.kst");
    test::PutFile(path, "an older, longer file that must be replaced as a whole ............");
    const tBoardSet boards = {test::WorkedExampleDeal(), test::RotatedExampleDeal()};
    const Status result =
        WriteOwnDealFile(path, boards, "Club night", "Monday", DealSource::Generate);
    EXPECT_TRUE(result.Ok());
    EXPECT_EQ(FileBytes(path), FileBytes(DataPath("kst/y_two_generated_boards.kst")));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"club.kst"});
}

}  // namespace
}  // namespace kesto::test
