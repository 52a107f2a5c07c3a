// The batch command reads a file numbered otherwise than 1, 2, 3 ... as the window does after
// OK on the board-number notice: the notice goes to standard error as a warning and the job
// goes on with the boards numbered by their place.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <sstream>

#include "kesto/batch/batch.h"
#include "kesto/deal/deal_notation.h"
#include "tests/files/files_test_support.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

class BatchBoardNumbers : public ::testing::Test {
  protected:
    void SetUp() override { ::setenv("KESTO_SETTINGS", Path("Kesto.reg").c_str(), 1); }
    void TearDown() override { ::unsetenv("KESTO_SETTINGS"); }

    int ReadAndList(const std::string& file) {
        out_.str("");
        err_.str("");
        BatchServices services;
        services.settingsPath = Path("Kesto.reg");
        return RunBatch({"--read", file, "--list"}, out_, err_, services);
    }
    std::string Path(const std::string& name) const { return (scratch_.Folder() / name).string(); }

    ScratchFolder scratch_;
    std::ostringstream out_;
    std::ostringstream err_;
};

std::string Warning(const std::string& file, const std::string& numbers, int count) {
    return "kesto batch: warning: The boards in " + file + " are numbered " + numbers +
           ". Kesto numbers them 1 to " + std::to_string(count) +
           ", and dealer and vulnerability follow the new numbers.\n";
}

TEST_F(BatchBoardNumbers, TheNoticeIsAWarningAndTheJobGoesOn) {
    struct Case {
        std::string file;
        std::string numbers;
        std::size_t boards;
    };
    // The DLM file's deals are entered ones: after the warning the batch still takes them
    // through the hand-entry page's checks.
    const Case cases[] = {
        {DataPath("pbn/y_numbered_from_5.pbn"), "5 to 8", 4},
        {DataPath("dlm/y_ranged_from_5_to_3.dlm"), "3 to 5", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(ReadAndList(c.file), 0);
        EXPECT_EQ(err_.str(), Warning(c.file, c.numbers, static_cast<int>(c.boards)));
        std::istringstream lines(out_.str());
        std::size_t listed = 0;
        for (std::string line; std::getline(lines, line);) {
            ++listed;
            const int board = static_cast<int>(listed);
            // Dealer and vulnerability follow Kesto's number.
            EXPECT_TRUE(line.starts_with(BoardTag(board) + "|" + DealerTag(board) + "|" +
                                         VulnerableTag(board) + "|"))
                << line;
        }
        EXPECT_EQ(listed, c.boards);
    }
}

TEST_F(BatchBoardNumbers, FilesNumberedFromOneSayNothing) {
    for (const char* file : {"interop/bigdeal/bigdeal-36.pbn", "pbn/y_comments.pbn"}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(ReadAndList(DataPath(file)), 0);
        EXPECT_EQ(err_.str(), "");
        EXPECT_FALSE(out_.str().empty());
    }
}

}  // namespace
}  // namespace kesto::test
