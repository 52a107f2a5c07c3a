// The batch command reads a file numbered otherwise than 1, 2, 3 ..., or with dealers and
// vulnerabilities of its own, as the window does after OK on the notice: the notice goes to
// standard error as a warning and the job goes on with the boards numbered by their place.

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
        std::string warning;
        std::size_t boards;
    };
    const std::string ownRotation = DataPath("lin/y_dealer_and_vulnerability_of_their_own.lin");
    // The DLM file's deals are entered ones: after the warning the batch still takes them
    // through the hand-entry page's checks.
    const Case cases[] = {
        {DataPath("pbn/y_numbered_from_5.pbn"),
         Warning(DataPath("pbn/y_numbered_from_5.pbn"), "5 to 8", 4), 4},
        {DataPath("dlm/y_ranged_from_5_to_3.dlm"),
         Warning(DataPath("dlm/y_ranged_from_5_to_3.dlm"), "3 to 5", 3), 3},
        {DataPath("lin/y_open_and_closed_rooms_from_5.lin"),
         Warning(DataPath("lin/y_open_and_closed_rooms_from_5.lin"), "5 to 7", 3), 3},
        {ownRotation,
         "kesto batch: warning: In " + ownRotation +
             ", the dealer or vulnerability of boards 2, 3 differs from the usual rotation. Kesto "
             "gives every board the dealer and vulnerability of its number, so these change.\n",
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(ReadAndList(c.file), 0);
        EXPECT_EQ(err_.str(), c.warning);
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
