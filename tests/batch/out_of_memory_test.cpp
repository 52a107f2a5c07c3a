// Running out of memory never ends the batch in an abort: whatever the job was doing when an
// allocation failed, it ends with status 1 and a message on standard error. Each run is a
// child process whose address space may grow only a little past what it already uses.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
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
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

// AddressSanitizer reserves terabytes of address space for its own bookkeeping: under a limit
// on the address space it cannot run at all.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

struct ChildRun {
    bool exited = false;  // false: ended by a signal (an abort)
    int status = 0;       // the exit status, or the signal
    std::string err;      // what it wrote to standard error
};

// The address space the process uses now, in bytes.
rlim_t AddressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    unsigned long pages = 0;
    statm >> pages;
    return static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

// Runs the batch with args in a child that may use `margin` bytes more address space than
// it has when it starts.
ChildRun RunWithMemoryMargin(const std::vector<std::string>& args, const std::string& settings,
                             const std::string& errFile, rlim_t margin) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::ostringstream out, err;
        BatchServices services;
        services.settingsPath = settings;
        const rlimit limit{AddressSpaceInUse() + margin, RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &limit);
        const int status = RunBatch(args, out, err, services);
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &unlimited);
        if (std::FILE* file = std::fopen(errFile.c_str(), "wb")) {
            std::fputs(err.str().c_str(), file);
            std::fclose(file);
        }
        ::_exit(status);
    }
    ChildRun run;
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return run;
    run.exited = WIFEXITED(status);
    run.status = run.exited ? WEXITSTATUS(status) : WTERMSIG(status);
    run.err = ReadWholeFile(errFile).value;
    ::unlink(errFile.c_str());
    return run;
}

TEST(BatchOutOfMemory, EndsWithStatusOneAndAMessageWhereverItHappens) {
    if (kAddressSanitizer)
        GTEST_SKIP() << "a limit on the address space leaves AddressSanitizer no room";
    ScratchFolder scratch;
    const std::string settings = scratch.Path("Kesto.reg");
    ::setenv("KESTO_SETTINGS", settings.c_str(), 1);
    // As big an own file as a deal file may be: reading it, listing it and making its page
    // take far more than the smaller margins allow.
    tBoardSet boards;
    RandomGenerator random(7);
    GenerateRandomDeals(boards, 500, random);
    const std::string block = OwnDealFileText(boards, "Club", "Night", DealSource::Generate);
    std::string file;
    while (file.size() + block.size() <= kMaxDealFileBytes)
        file += block;
    ASSERT_TRUE(ReplaceFileAtomically(scratch.Path("big.kst"), file).Ok());
    // The batch binds both libraries from beside the program (the printing library brings
    // Qt); loaded here first, they cost the child nothing, so the margins go to the job.
    const std::string programFolder = DirectoryOf(std::filesystem::read_symlink("/proc/self/exe"));
    for (const char* library : {"libkestprt3.so", "libkestweb2.so"}) {
        ASSERT_NE(::dlopen((programFolder + library).c_str(), RTLD_NOW), nullptr) << ::dlerror();
    }
    const std::vector<std::string> args = {"--read", scratch.Path("big.kst"),  "--list",
                                           "--html", scratch.Path("page.htm"), "--stats"};

    int outOfMemory = 0;
    for (const rlim_t megabytes : {1, 16, 256, 1024}) {
        SCOPED_TRACE(std::to_string(megabytes) + " MiB");
        const ChildRun run =
            RunWithMemoryMargin(args, settings, scratch.Path("err.txt"), megabytes << 20);
        ASSERT_TRUE(run.exited) << "ended by signal " << run.status << ": " << run.err;
        // Done, or failed with a message: never a silent failure.
        if (run.status != 0) {
            EXPECT_EQ(run.status, 1);
            EXPECT_TRUE(run.err.starts_with("kesto batch: ")) << run.err;
        }
        if (run.err.find(kOutOfMemoryText) != std::string::npos)
            ++outOfMemory;
    }
    EXPECT_GT(outOfMemory, 0) << "no margin was small enough to run out of memory";
    ::unsetenv("KESTO_SETTINGS");
}

}  // namespace
}  // namespace kesto::test
