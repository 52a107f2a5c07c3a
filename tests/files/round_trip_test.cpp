// A board set a kind of deal file cannot hold is not written at all, so whatever Kesto writes
// it reads back.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "files_test_support.h"
#include "kesto/files/bri_file.h"
#include "kesto/files/dge_file.h"
#include "kesto/files/lin_file.h"
#include "kesto/files/read_deal_file.h"
#include "kesto/files/write_deal_file.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

TEST(RoundTrip, DuplimateFilesRefuseADealWithoutCardsAndWriteNothing) {
    ScratchFolder folder;
    tBoardSet boards = RandomBoards(3);
    boards[1] = tDeal();
    for (const char* name : {"a.dlm", "a.dup"}) {
        SCOPED_TRACE(name);
        const std::string path = folder.Path(name);
        const Status result =
            WriteDealFile(SaveKindOfFileName(path), path, {boards, "A", "B", DealSource::Record});
        const std::string extension = std::string(name).substr(2);
        EXPECT_EQ(result.Reason(), "Board 2 has 0 cards, and a ." +
                                       std::string(extension == "dlm" ? "DLM" : "DUP") +
                                       " file holds only whole deals. The deals were not saved.");
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    // The own file keeps the empty deal, and reads it back.
    const std::string own = folder.Path("a.kst");
    ASSERT_TRUE(WriteDealFile(DealFileKind::Own, own, {boards, "A", "B", DealSource::Record}).Ok());
    DealFileContents again;
    ASSERT_TRUE(ReadAnyDealFile(own, again).Ok());
    EXPECT_EQ(again.boardSet, boards);
}

// The dealing machines' and the online table's files: Kesto's own golden bytes for three boards,
// and 500 random boards written and read back whole; LIN keeps the header lines (a "," or "|",
// which would end a field, changed) and numbers the boards. One board more is not written.
TEST(RoundTrip, BRIDGEAndLINFilesReadBackTheBoardsKestoWrote) {
    ScratchFolder folder;
    const tBoardSet three = {
        WorkedExampleDeal(), RotatedExampleDeal(),
        DealOf("AKQJT98765432...", ".AKQJT98765432..", "..AKQJT98765432.", "...AKQJT98765432")};
    const tBoardSet boards = RandomBoards(501);
    const tBoardSet atLimit(boards.begin(), boards.end() - 1);
    struct Kind {
        const char* golden;
        std::function<Status(const std::string&, const tBoardSet&)> write;
        Status (*parse)(std::string_view, DealFileContents&);
        const char* header1;
        const char* header2;
        bool numbered;
    };
    const Kind kinds[] = {
        {"bri/y_three_boards.bri", WriteBRIFile, ParseBRIFile, "", "", false},
        {"dge/y_three_boards.dge", WriteDGEFile, ParseDGEFile, "", "", false},
        // UTF-8, as the online table's own files are.
        {"lin/y_three_boards.lin",
         [](const std::string& f, const tBoardSet& b) {
             return WriteLINFile(f, b, "Caf\xE9 night", "Monday, 9|12");
         },
         ParseLINFile, "Caf\xE9 night", "Monday; 9/12", true},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.golden);
        const std::string path = folder.Path("deals");
        ASSERT_TRUE(kind.write(path, three).Ok());
        EXPECT_EQ(FileBytes(path), FileBytes(DataPath(kind.golden)));
        ASSERT_TRUE(kind.write(path, atLimit).Ok());
        DealFileContents again;
        ASSERT_TRUE(kind.parse(FileBytes(path), again).Ok());
        EXPECT_EQ(again.boardSet, atLimit);
        EXPECT_EQ(again.header1, kind.header1);
        EXPECT_EQ(again.header2, kind.header2);
        EXPECT_EQ(again.boardNumbers.size(), kind.numbered ? 500u : 0u);
        EXPECT_TRUE(again.dealsComplete);
        EXPECT_FALSE(kind.write(folder.Path("501"), boards).Ok());
        EXPECT_FALSE(std::filesystem::exists(folder.Path("501")));
    }
}

}  // namespace
}  // namespace kesto::test
