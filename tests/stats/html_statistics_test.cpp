#include "kesto/stats/html_statistics.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "kesto/platform/file_io.h"
#include "tests/stats/stats_test_deals.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string Golden(const char* name) {
    return ReadFile(fs::path(KESTO_TEST_DATA) / "html" / name);
}

// The board set whose statistics the golden page holds.
tStatistics GoldenStatistics() {
    return ComputeStatistics(
        {test::OneSuitEach(), test::Flat(), test::Mixed(), test::MixedTurned()});
}

class HtmlStatisticsTest : public ::testing::Test {
  protected:
    void SetUp() override { page_ = folder_ / "page.htm"; }

    // Only the page is left in the folder: no temporary file of any name.
    void ExpectOnlyThePage() const {
        int entries = 0;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            EXPECT_EQ(entry.path().filename(), "page.htm");
            ++entries;
        }
        EXPECT_EQ(entries, 1);
    }

    ScratchFolder scratch_;
    const fs::path folder_ = scratch_.Folder();
    fs::path page_;
};

TEST_F(HtmlStatisticsTest, InsertsTheWholeSectionBeforeTheBodyEnd) {
    WriteFile(page_, Golden("statistics_page_before.htm"));
    const Status result = InsertHtmlStatistics(page_.string(), GoldenStatistics(), ".");
    ASSERT_TRUE(result.Ok()) << result.Reason();
    EXPECT_EQ(ReadFile(page_), Golden("statistics_page_after.htm"));
    ExpectOnlyThePage();
}

TEST_F(HtmlStatisticsTest, SecondInsertionInTheSameFolderWorksToo) {
    for (int i = 0; i < 2; ++i) {
        WriteFile(page_, Golden("statistics_page_before.htm"));
        ASSERT_TRUE(InsertHtmlStatistics(page_.string(), GoldenStatistics(), ".").Ok());
        EXPECT_EQ(ReadFile(page_), Golden("statistics_page_after.htm"));
    }
    ExpectOnlyThePage();
}

TEST_F(HtmlStatisticsTest, FiguresUseTheGivenDecimalSeparator) {
    const std::string section = HtmlStatisticsSection(GoldenStatistics(), ",");
    EXPECT_NE(section.find("<TD>14,25</TD>"), std::string::npos);
    EXPECT_NE(section.find("<TD>6,50</TD>"), std::string::npos);
    EXPECT_EQ(section.find("14.25"), std::string::npos);
}

struct PageCase {
    const char* name;
    std::string page;      // the page as written, with the section's place marked by "@"
    std::string expected;  // "@" is where the section goes
};

class PageShapeTest : public HtmlStatisticsTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(PageShapeTest, SectionGoesInPlaceOfTheBodyEndAndWhatFollows) {
    const PageCase& c = GetParam();
    WriteFile(page_, c.page);
    const tStatistics statistics = ComputeStatistics({test::Mixed()});
    const Status result = InsertHtmlStatistics(page_.string(), statistics, ".");
    ASSERT_TRUE(result.Ok()) << result.Reason();
    std::string expected = c.expected;
    expected.replace(expected.find('@'), 1, HtmlStatisticsSection(statistics, "."));
    EXPECT_EQ(ReadFile(page_), expected);
}

const std::string kTail = "</BODY>\r\n</HTML>\r\n";

INSTANTIATE_TEST_SUITE_P(
    Pages, PageShapeTest,
    ::testing::Values(
        PageCase{"LibraryPageWithoutFinalLineEnd", "<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>",
                 "<HTML>\r\n<BODY>\r\n@" + kTail},
        PageCase{"UnixLineEndsBecomeCrLf", "<HTML>\n<BODY>\n<P>x</P>\n</BODY>\n</HTML>\n",
                 "<HTML>\r\n<BODY>\r\n<P>x</P>\r\n@" + kTail},
        PageCase{"LinesAfterTheBodyEndAreReplaced",
                 "<BODY>\r\n</BODY>\r\n</HTML>\r\n<!-- x -->\r\n</BODY>\r\n",
                 "<BODY>\r\n@" + kTail},
        PageCase{"BodyEndAsTheVeryLastLine", "<HTML>\r\n<BODY>\r\n</BODY>\r\n",
                 "<HTML>\r\n<BODY>\r\n@" + kTail},
        PageCase{"BodyEndAsTheLastLineWithoutLineEnd", "<HTML>\r\n<BODY>\r\n</BODY>",
                 "<HTML>\r\n<BODY>\r\n@" + kTail},
        PageCase{"OnlyTheWholeExactLineCounts",
                 "<BODY>\r\n</body>\r\n </BODY>\r\n</BODY> \r\n</BODY>\r\n</HTML>\r\n",
                 "<BODY>\r\n</body>\r\n </BODY>\r\n</BODY> \r\n@" + kTail},
        PageCase{"EightBitTextIsKept",
                 "<P>Fran\xE7"
                 "ais</P>\r\n</BODY>\r\n</HTML>\r\n",
                 "<P>Fran\xE7"
                 "ais</P>\r\n@" +
                     kTail}),
    [](const auto& param) { return std::string(param.param.name); });

// A page published through a symbolic link (into the club's web folder, say) gets its
// statistics there; the link stays a link.
TEST_F(HtmlStatisticsTest, APageBehindALinkGetsTheSectionAndTheLinkStays) {
    fs::create_directory(folder_ / "web");
    const fs::path target = folder_ / "web" / "club.htm";
    WriteFile(target, Golden("statistics_page_before.htm"));
    fs::create_symlink(fs::path("web") / "club.htm", page_);

    const Status result = InsertHtmlStatistics(page_.string(), GoldenStatistics(), ".");

    ASSERT_TRUE(result.Ok()) << result.Reason();
    EXPECT_TRUE(fs::is_symlink(page_));
    EXPECT_EQ(ReadFile(target), Golden("statistics_page_after.htm"));
    // No temporary file is left beside the link or beside its target.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "web"), fs::directory_iterator()), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
}

TEST_F(HtmlStatisticsTest, PageWithoutBodyEndIsLeftAsItWasAndTheUserIsTold) {
    const std::string page = "<HTML>\n<BODY>\n<P>x</P>\n</HTML>\n";
    WriteFile(page_, page);
    const Status result = InsertHtmlStatistics(page_.string(), GoldenStatistics(), ".");
    EXPECT_FALSE(result.Ok());
    EXPECT_NE(result.Reason().find(page_.string()), std::string::npos) << result.Reason();
    EXPECT_NE(result.Reason().find("</BODY>"), std::string::npos) << result.Reason();
    EXPECT_EQ(ReadFile(page_), page);
    ExpectOnlyThePage();
}

TEST_F(HtmlStatisticsTest, MissingPageIsReportedAndNotCreated) {
    const Status result = InsertHtmlStatistics(page_.string(), GoldenStatistics(), ".");
    EXPECT_FALSE(result.Ok());
    EXPECT_NE(result.Reason().find(page_.string()), std::string::npos) << result.Reason();
    EXPECT_FALSE(fs::exists(page_));
}

TEST_F(HtmlStatisticsTest, FailedWriteLeavesThePageIntactAndNoTemporaryFile) {
    const std::string page = Golden("statistics_page_before.htm");
    WriteFile(page_, page);
    // A file size limit below the new page's size makes the write fail, for any user.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status result = InsertHtmlStatistics(page_.string(), GoldenStatistics(), ".");
    ::setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_FALSE(result.Ok());
    EXPECT_NE(result.Reason().find("could not be added"), std::string::npos) << result.Reason();
    EXPECT_NE(result.Reason().find(page_.string()), std::string::npos) << result.Reason();
    EXPECT_EQ(ReadFile(page_), page);
    ExpectOnlyThePage();
}

}  // namespace
}  // namespace kesto::test
