// Output failures come back as a status, never as success, and leave the deal list whole.

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <string>

#include "tests/kestweb2/web_library.h"

namespace kesto::test {
namespace {

class OutputFailure : public WebLibrary {
  protected:
    int32_t WriteOneDealPage(const char* path) {
        return htmlDef_(path, "images", kClub, kNight, 'T', 0, 0);
    }

    // After a failure the same list still gives the whole page.
    void ExpectListUnchanged() {
        const std::string path = PagePath("after.html");
        ASSERT_EQ(WriteOneDealPage(path.c_str()), kKestWeb2Ok);
        EXPECT_EQ(ReadFile(path), Golden("one_deal.html"));
    }
};

// A page that cannot be made, or cannot be written whole, is a failure of its kind.
TEST_F(OutputFailure, APageThatCannotBeWrittenFailsAndKeepsTheList) {
    const std::string plain = PagePath("plain.txt");
    std::FILE* file = std::fopen(plain.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fclose(file), 0);
    const struct {
        const char* what;
        std::optional<std::string> path;  // none: no name at all
        int32_t status;
    } cases[] = {
        {"a missing folder", PagePath("no/such/folder/page.html"), kKestWeb2CreateFailed},
        {"a folder", PagePath(""), kKestWeb2CreateFailed},
        {"a path through a file", plain + "/page.html", kKestWeb2CreateFailed},
        {"no name", std::nullopt, kKestWeb2CreateFailed},
        {"an empty name", "", kKestWeb2CreateFailed},
        {"a full disk", "/dev/full", kKestWeb2WriteFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetDeals({Record(1, "N", "None", kDealA)});
        EXPECT_EQ(WriteOneDealPage(c.path ? c.path->c_str() : nullptr), c.status);
        ExpectListUnchanged();
    }
}

TEST_F(OutputFailure, ReadOnlyFileCannotBeWritten) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not bind the superuser";
    }
    SetDeals({Record(1, "N", "None", kDealA)});
    const std::string path = PagePath("read_only.html");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("an older page", file);
    ASSERT_EQ(std::fclose(file), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(WriteOneDealPage(path.c_str()), kKestWeb2CreateFailed);
    EXPECT_EQ(ReadFile(path), "an older page");
    ExpectListUnchanged();
}

TEST_F(OutputFailure, FullDiskLargePage) {
    // Far more than any buffer: the failure shows during the cells, not only at the close.
    clearDeals_();
    for (int board = 1; board <= 300; ++board) {
        addDeal_(Record(board, "N", "None", kDealA).c_str());
    }
    EXPECT_EQ(htmlDef_("/dev/full", "", kClub, kNight, 'T', 1, 1), kKestWeb2WriteFailed);
    SetDeals({Record(1, "N", "None", kDealA)});
    ExpectListUnchanged();
}

TEST_F(OutputFailure, FileSizeLimitStopsThePageMidway) {
    // A file that may not grow past 20,000 bytes: the page stops there, reported as a failed
    // write; what was written stays in the file and the list is as it was.
    clearDeals_();
    for (int board = 1; board <= 40; ++board) {
        addDeal_(Record(board, "N", "None", kDealA).c_str());
    }
    const std::string full = PagePath("full.html");
    ASSERT_EQ(htmlDef_(full.c_str(), "images", kClub, kNight, 'T', 1, 1), kKestWeb2Ok);
    const std::string wholePage = ReadFile(full);
    ASSERT_GT(wholePage.size(), 100000u);

    const std::string path = PagePath("limited.html");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedSignal = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 20000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const int32_t status = htmlDef_(path.c_str(), "images", kClub, kNight, 'T', 1, 1);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, savedSignal);

    EXPECT_EQ(status, kKestWeb2WriteFailed);
    EXPECT_EQ(ReadFile(path), wholePage.substr(0, 20000));

    const std::string again = PagePath("again.html");
    ASSERT_EQ(htmlDef_(again.c_str(), "images", kClub, kNight, 'T', 1, 1), kKestWeb2Ok);
    EXPECT_EQ(ReadFile(again), wholePage);
}

}  // namespace
}  // namespace kesto::test
