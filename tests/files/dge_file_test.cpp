#include "kesto/files/dge_file.h"

#include <gtest/gtest.h>

#include "files_test_support.h"

namespace kesto::test {
namespace {

// Each y_ file's first board is the worked example deal; a deal of fewer cards reads as it
// stands, for the hand-entry checks.
TEST(DGEFile, GoldenFilesReadAsTheirNamesSay) {
    struct Case {
        const char* file;
        std::size_t boards;
    };
    for (const Case& c :
         {Case{"dge/y_three_boards.dge", 3}, Case{"dge/y_second_deal_incomplete.dge", 2}}) {
        SCOPED_TRACE(c.file);
        DealFileContents contents;
        ASSERT_TRUE(ParseDGEFile(FileBytes(DataPath(c.file)), contents).Ok());
        ASSERT_EQ(contents.boardSet.size(), c.boards);
        EXPECT_EQ(contents.boardSet[0], WorkedExampleDeal());
        EXPECT_TRUE(contents.boardNumbers.empty());
    }
}

}  // namespace
}  // namespace kesto::test
