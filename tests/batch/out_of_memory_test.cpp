// Running out of memory never ends the batch in an abort: wherever an allocation fails, the
// job ends with status 1 and a message. Each run is a fresh copy of this test program whose
// address space may grow only a given margin past what it uses when the job starts.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "kesto/batch/batch.h"
#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/files/deal_file.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/platform/error_report.h"
#include "kesto/platform/file_io.h"
#include "tests/support/child_program.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

// AddressSanitizer reserves terabytes of address space: under a limit it cannot run at all.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

rlim_t AddressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    unsigned long pages = 0;
    statm >> pages;
    return static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

// What the child reads: the scratch folder, and the margin in bytes.
constexpr char kFolderVariable[] = "KESTO_TEST_OUT_OF_MEMORY_FOLDER";
constexpr char kMarginVariable[] = "KESTO_TEST_OUT_OF_MEMORY_MARGIN";

std::vector<std::string> JobArguments(const std::string& folder) {
    return {"--read", folder + "/big.kst", "--list", "--html", folder + "/page.htm", "--stats"};
}

// The child's side: runs the job under the margin, its standard error kept in the file "err",
// and ends with the job's status.
[[noreturn]] void RunJobWithMemoryMargin(const std::string& folder, rlim_t margin) {
    // The batch binds both libraries from beside the program (the printing library brings
    // Qt); loaded first, they cost the job nothing and the margin goes to the job.
    const std::string programFolder = DirectoryOf(std::filesystem::read_symlink("/proc/self/exe"));
    for (const char* library : {"libkestprt3.so", "libkestweb2.so"}) {
        if (::dlopen((programFolder + library).c_str(), RTLD_NOW) == nullptr) {
            std::ofstream(folder + "/err") << ::dlerror();
            ::_exit(2);
        }
    }
    std::ostringstream out, err;
    BatchServices services;
    services.settingsPath = folder + "/Kesto.reg";
    const rlimit limit{AddressSpaceInUse() + margin, RLIM_INFINITY};
    ::setrlimit(RLIMIT_AS, &limit);
    const int status = RunBatch(JobArguments(folder), out, err, services);
    const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
    ::setrlimit(RLIMIT_AS, &unlimited);
    std::ofstream(folder + "/err") << err.str();
    ::_exit(status);
}

// Runs this test alone in a fresh copy of this program, which takes the child's side: a
// forked copy of a process that has run other tests inherits the memory they freed, room
// the job fills without growing, so that no margin would be small enough. The job's exit
// status, or -1 when it did not exit by itself.
int RunWithMemoryMargin(const std::string& folder, rlim_t margin) {
    const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
    ::setenv(kFolderVariable, folder.c_str(), 1);
    ::setenv(kMarginVariable, std::to_string(margin).c_str(), 1);
    const ChildRun run = RunChildProgram(
        {std::filesystem::read_symlink("/proc/self/exe").string(),
         "--gtest_filter=" + std::string(test.test_suite_name()) + "." + test.name()},
        std::chrono::seconds(60));
    ::unsetenv(kFolderVariable);
    ::unsetenv(kMarginVariable);
    return run.timedOut ? -1 : run.exitStatus;
}

TEST(BatchOutOfMemory, EndsWithStatusOneAndAMessageWhereverItHappens) {
    if (const char* folder = std::getenv(kFolderVariable)) {
        RunJobWithMemoryMargin(folder, std::stoull(std::getenv(kMarginVariable)));
    }
    if (kAddressSanitizer) {
        GTEST_SKIP() << "a limit on the address space leaves AddressSanitizer no room";
    }
    ScratchFolder scratch;
    const std::string folder = scratch.Folder().string();
    // As many boards as a deal file may hold, read, listed, made into a page and counted
    // under margins from far too small to enough: the allocation that fails falls at a
    // different place in the job as the margin grows.
    tBoardSet boards;
    RandomGenerator random(7);
    GenerateRandomDeals(boards, 500, random);
    ASSERT_TRUE(
        ReplaceFileAtomically(scratch.Path("big.kst"),
                              OwnDealFileText(boards, "Club", "Night", DealSource::Generate))
            .Ok());

    int outOfMemory = 0;
    for (rlim_t margin = 256 << 10; margin <= 8 << 20; margin += 256 << 10) {
        const int status = RunWithMemoryMargin(folder, margin);
        const std::string err = ReadWholeFile(scratch.Path("err")).value;
        ASSERT_TRUE(status == 0 || status == 1) << margin << " bytes: status " << status << err;
        // Done, or failed with a message.
        if (status != 0) {
            EXPECT_TRUE(err.starts_with("kesto batch: ")) << margin << " bytes: " << err;
        }
        outOfMemory += err == "kesto batch: " + std::string(kOutOfMemoryText) + "\n";
    }
    EXPECT_GT(outOfMemory, 0) << "no margin was small enough to run out of memory";
    // Room enough, the whole job is done: what the smaller margins met was the memory.
    std::filesystem::remove(scratch.Path("page.htm"));
    EXPECT_EQ(RunWithMemoryMargin(folder, rlim_t{1} << 30), 0)
        << ReadWholeFile(scratch.Path("err")).value;
    EXPECT_TRUE(std::filesystem::exists(scratch.Path("page.htm")));
}

}  // namespace
}  // namespace kesto::test
