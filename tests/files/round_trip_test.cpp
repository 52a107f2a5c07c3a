// A board set a kind of deal file cannot hold is not written at all, so whatever Kesto writes
// it reads back.

#include <gtest/gtest.h>

#include <filesystem>

#include "files_test_support.h"
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
        const WriteResult result =
            WriteDealFile(SaveKindOfFileName(path), path, {boards, "A", "B", DealSource::Record});
        EXPECT_EQ(result.status, WriteStatus::Failed);
        const std::string extension = std::string(name).substr(2);
        EXPECT_EQ(result.message, "Board 2 has 0 cards, and a ." +
                                      std::string(extension == "dlm" ? "DLM" : "DUP") +
                                      " file holds only whole deals. The deals were not saved.");
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    // The own file keeps the empty deal, and reads it back.
    const std::string own = folder.Path("a.kst");
    ASSERT_EQ(WriteDealFile(DealFileKind::Own, own, {boards, "A", "B", DealSource::Record}).status,
              WriteStatus::Written);
    DealFileContents again;
    ASSERT_TRUE(ReadAnyDealFile(own, again).Ok());
    EXPECT_EQ(again.boardSet, boards);
}

}  // namespace
}  // namespace kesto::test
