// Running out of memory never ends the batch in an abort: wherever an allocation fails, the
// job ends with status 1 and a message. Each run is a child process whose address space may
// grow only a given margin past what it uses when the job starts.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "kesto/batch/batch.h"
#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/files/deal_file.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/platform/error_report.h"
#include "kesto/platform/file_io.h"
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

// The batch's wait status, its standard error kept in errFile.
int RunWithMemoryMargin(const std::vector<std::string>& args, const std::string& errFile,
                        rlim_t margin) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::ostringstream out, err;
        BatchServices services;
        services.settingsPath = std::getenv("KESTO_SETTINGS");
        const rlimit limit{AddressSpaceInUse() + margin, RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &limit);
        const int status = RunBatch(args, out, err, services);
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &unlimited);
        std::ofstream(errFile) << err.str();
        ::_exit(status);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return status;
}

TEST(BatchOutOfMemory, EndsWithStatusOneAndAMessageWhereverItHappens) {
    if (kAddressSanitizer) {
        GTEST_SKIP() << "a limit on the address space leaves AddressSanitizer no room";
    }
    ScratchFolder scratch;
    ::setenv("KESTO_SETTINGS", scratch.Path("Kesto.reg").c_str(), 1);
    // As big an own file as a deal file may be.
    tBoardSet boards;
    RandomGenerator random(7);
    GenerateRandomDeals(boards, 500, random);
    const std::string block = OwnDealFileText(boards, "Club", "Night", DealSource::Generate);
    std::string file;
    while (file.size() + block.size() <= kMaxDealFileBytes) {
        file += block;
    }
    ASSERT_TRUE(ReplaceFileAtomically(scratch.Path("big.kst"), file).Ok());
    // The batch binds both libraries from beside the program (the printing library brings
    // Qt); loaded here first, they cost the child nothing and the margins go to the job.
    const std::string programFolder = DirectoryOf(std::filesystem::read_symlink("/proc/self/exe"));
    for (const char* library : {"libkestprt3.so", "libkestweb2.so"}) {
        ASSERT_NE(::dlopen((programFolder + library).c_str(), RTLD_NOW), nullptr) << ::dlerror();
    }

    const std::vector<std::string> args = {"--read", scratch.Path("big.kst"),  "--list",
                                           "--html", scratch.Path("page.htm"), "--stats"};
    int outOfMemory = 0;
    for (const rlim_t megabytes : {1, 16, 256, 1024}) {
        const int status = RunWithMemoryMargin(args, scratch.Path("err"), megabytes << 20);
        const std::string err = ReadWholeFile(scratch.Path("err")).value;
        ASSERT_TRUE(WIFEXITED(status)) << megabytes << " MiB: killed by " << WTERMSIG(status);
        // Done, or failed with a message.
        if (WEXITSTATUS(status) != 0) {
            EXPECT_EQ(WEXITSTATUS(status), 1) << megabytes << " MiB";
            EXPECT_TRUE(err.starts_with("kesto batch: ")) << megabytes << " MiB: " << err;
        }
        outOfMemory += err == "kesto batch: " + std::string(kOutOfMemoryText) + "\n";
    }
    EXPECT_GT(outOfMemory, 0) << "no margin was small enough to run out of memory";
    ::unsetenv("KESTO_SETTINGS");
}

}  // namespace
}  // namespace kesto::test
