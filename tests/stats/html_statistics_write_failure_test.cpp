// Adding the statistics to an HTML page where the page cannot be rewritten: the page stays
// byte for byte as the library wrote it, and the result says why in a sentence for the user.

#include <gtest/gtest.h>

#include "kesto/stats/html_statistics.h"
#include "kesto/stats/statistics.h"
#include "tests/support/write_failure.h"

namespace kesto::test {
namespace {

std::string PageBefore() {
    return ReadBytes(std::string(KESTO_TEST_DATA) + "/html/statistics_page_before.htm");
}

tStatistics SomeStatistics() {
    tDeal deal;
    deal.ReadHands("AKQJ.T98.765.432", "T98.765.432.AKQJ", "765.432.AKQJ.T98", "432.AKQJ.T98.765");
    return ComputeStatistics(tBoardSet(16, deal));
}

std::string FailureStart(const std::string& path) {
    return "The statistics could not be added to the HTML page " + path + " (";
}

TEST(HtmlStatisticsWriteFailure, FullDiskKeepsThePageAndSaysWhy) {
    SmallDisk disk;
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    const std::string path = disk.Path("club.htm");
    const std::string page = PageBefore();
    ASSERT_FALSE(page.empty());
    ASSERT_TRUE(WriteBytes(path, page));
    ASSERT_TRUE(disk.Fill());

    const Status result = InsertHtmlStatistics(path, SomeStatistics(), ".");

    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.Reason(),
              FailureStart(path) + "cannot write " + path + ": No space left on device).");
    EXPECT_EQ(ReadBytes(path), page);
    EXPECT_EQ(FolderEntries(disk.Folder()),
              (std::set<std::string>{"club.htm", std::string(SmallDisk::kFiller)}));
}

TEST(HtmlStatisticsWriteFailure, ReadOnlyDiskKeepsThePageAndSaysWhy) {
    SmallDisk disk;
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    const std::string path = disk.Path("club.htm");
    const std::string page = PageBefore();
    ASSERT_TRUE(WriteBytes(path, page));
    ASSERT_TRUE(disk.MakeReadOnly());

    const Status result = InsertHtmlStatistics(path, SomeStatistics(), ".");

    EXPECT_FALSE(result.Ok());
    EXPECT_TRUE(result.Reason().starts_with(FailureStart(path))) << result.Reason();
    EXPECT_NE(result.Reason().find("Read-only file system"), std::string::npos) << result.Reason();
    EXPECT_EQ(ReadBytes(path), page);
}

}  // namespace
}  // namespace kesto::test
