// Whatever Kesto reads, it writes as every kind of deal file it saves, and reads that file
// back to the same deals; a board set a kind cannot hold is not written at all.

#include <gtest/gtest.h>

#include <filesystem>

#include "files_test_support.h"
#include "kesto/files/dlm_file.h"
#include "kesto/files/read_deal_file.h"
#include "kesto/files/write_deal_file.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

bool AllWhole(const tBoardSet& boardSet) {
    for (const tDeal& deal : boardSet) {
        if (deal.CardCount() != 52) {
            return false;
        }
    }
    return true;
}

TEST(RoundTrip, EveryReadableGoldenFileWrittenAgainReadsBackTheSame) {
    ScratchFolder folder;
    int written = 0;
    for (const char* kind : {"kst", "legacy", "dlm", "dup", "interop/bigdeal"}) {
        for (const auto& entry : std::filesystem::directory_iterator(DataPath(kind))) {
            const std::string name = entry.path().filename().string();
            const bool golden = name.starts_with("y_") || name.starts_with("bigdeal-");
            if (!golden || name.ends_with(".pbn")) {
                continue;
            }
            SCOPED_TRACE(entry.path().string());
            DealFileContents read;
            ASSERT_TRUE(ReadAnyDealFile(entry.path().string(), read).Ok());
            const DealsToWrite deals{
                read.boardSet, read.header1, read.header2,
                read.dealsComplete ? DealSource::Generate : DealSource::Record};
            for (const char* extension : {".kst", ".dlm", ".dup"}) {
                SCOPED_TRACE(extension);
                const std::string path = folder.Path(name + extension);
                const DealFileKind saveKind = SaveKindOfFileName(path);
                if (saveKind == DealFileKind::Dlm && read.boardSet.size() > kDLMBoards) {
                    continue;
                }
                const WriteResult result = WriteDealFile(saveKind, path, deals);
                if (saveKind != DealFileKind::Own && !AllWhole(read.boardSet)) {
                    EXPECT_EQ(result.status, WriteStatus::Failed);
                    EXPECT_FALSE(std::filesystem::exists(path));
                    continue;
                }
                ASSERT_EQ(result.status, WriteStatus::Written) << result.message;
                DealFileContents again;
                ASSERT_TRUE(ReadAnyDealFile(path, again).Ok());
                EXPECT_EQ(again.boardSet, read.boardSet);
                ++written;
            }
        }
    }
    EXPECT_GE(written, 40);
}

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
