// What the print queue test stands on (tests/support): the bounded run of another program,
// and the private CUPS scheduler's own failures, which must end in a reason to skip with, a
// stopped cupsd and no folder left behind.

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/child_program.h"
#include "tests/support/private_cups_scheduler.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct ChildCase {
    const char* what;
    std::vector<std::string> arguments;
    bool started;
    int exitStatus;
    std::size_t outputBytes;
    std::size_t errorBytes;
};

class ChildProgramTest : public ::testing::TestWithParam<ChildCase> {};

TEST_P(ChildProgramTest, RunsAndCollectsBothStreamsApart) {
    const ChildCase& c = GetParam();
    const ChildRun run = RunChildProgram(c.arguments, 20s);
    EXPECT_EQ(run.started, c.started);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitStatus, c.exitStatus);
    EXPECT_EQ(run.output.size(), c.outputBytes);
    EXPECT_EQ(run.errors.size(), c.errorBytes);
    EXPECT_EQ(run.Succeeded(), c.started && c.exitStatus == 0);
}

// More than a pipe holds on both streams at once: a runner that read one stream to its end
// before the other, or waited before reading, would hang here.
INSTANTIATE_TEST_SUITE_P(
    Cases, ChildProgramTest,
    ::testing::Values(
        ChildCase{"Status", {"sh", "-c", "printf out; printf error >&2; exit 3"}, true, 3, 3, 5},
        ChildCase{"BothStreamsFull",
                  {"sh", "-c", "head -c 300000 /dev/zero >&2; head -c 200000 /dev/zero"},
                  true,
                  0,
                  200000,
                  300000},
        ChildCase{"NotInPath", {"kesto-no-such-program"}, false, -1, 0, 0},
        ChildCase{"NoSuchFile", {"/nonexistent/kesto"}, false, -1, 0, 0}),
    [](const auto& test) { return std::string(test.param.what); });

TEST(ChildProgram, IsKilledAtTheLimit) {
    const Clock::time_point start = Clock::now();
    const ChildRun run = RunChildProgram({"sh", "-c", "printf begun; exec sleep 60"}, 300ms);
    EXPECT_LT(Clock::now() - start, 10s);
    EXPECT_TRUE(run.started);
    EXPECT_TRUE(run.timedOut);
    EXPECT_EQ(run.exitStatus, -1);
    EXPECT_FALSE(run.Succeeded());
    EXPECT_EQ(run.output, "begun");  // what came before the limit is kept
}

TEST(ChildProgram, FindsProgramsInTheFoldersAfterPath) {
    ScratchFolder folder;
    const std::string tool = folder.Path("kesto-tool");
    std::ofstream(tool) << "#!/bin/sh\n";
    ASSERT_EQ(::chmod(tool.c_str(), 0755), 0);
    EXPECT_EQ(FindProgram("kesto-tool"), "");
    EXPECT_EQ(FindProgram("kesto-tool", {folder.Folder().string()}), tool);
    EXPECT_NE(FindProgram("sh"), "");
}

// A folder of stand-in scheduler programs, first in PATH while the object lives.
class FakeCups {
  public:
    explicit FakeCups(const std::string& cupsdScript) {
        for (const auto& [name, script] :
             {std::pair<std::string, std::string>{"cupsd", cupsdScript},
              {"lpadmin", "exit 0"},
              {"lpstat", "exit 0"}}) {
            const std::string path = folder_.Path(name);
            std::ofstream(path) << "#!/bin/sh\n" << script << "\n";
            ::chmod(path.c_str(), 0755);
        }
        const char* path = std::getenv("PATH");
        oldPath_ = path != nullptr ? path : "/usr/bin:/bin";
        ::setenv("PATH", (folder_.Folder().string() + ":" + oldPath_).c_str(), 1);
    }
    ~FakeCups() { ::setenv("PATH", oldPath_.c_str(), 1); }
    std::string Path(const char* name) const { return folder_.Path(name); }

  private:
    ScratchFolder folder_;
    std::string oldPath_;
};

// The scheduler's own folder, found from its socket: it must be gone once the object is.
fs::path SchedulerFolder(const PrivateCupsScheduler& scheduler) {
    return fs::path(scheduler.Server()).parent_path();
}

bool ProcessExists(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

TEST(PrivateCupsScheduler, ACupsdThatStopsAtOnceGivesItsWordsAsTheReason) {
    FakeCups fake("echo 'cupsd: Unable to bind socket' >&2; exit 1");
    fs::path folder;
    {
        PrivateCupsScheduler scheduler(20s);
        if (scheduler.Problem().find("is missing") != std::string::npos) {
            GTEST_SKIP() << scheduler.Problem();  // no cups package here at all
        }
        EXPECT_FALSE(scheduler.Running());
        EXPECT_NE(scheduler.Problem().find("cupsd stopped at once (exit status 1)"),
                  std::string::npos)
            << scheduler.Problem();
        EXPECT_NE(scheduler.Problem().find("Unable to bind socket"), std::string::npos)
            << scheduler.Problem();
        EXPECT_NE(scheduler.AddPdfFileQueue("KestoTest").find("not running"), std::string::npos);
        folder = SchedulerFolder(scheduler);
        EXPECT_TRUE(fs::exists(folder));
    }
    EXPECT_FALSE(fs::exists(folder));
}

TEST(PrivateCupsScheduler, ACupsdThatNeverListensIsStoppedAtTheLimit) {
    ScratchFolder scratch;
    const std::string pidFile = scratch.Path("cupsd.pid");
    FakeCups fake("echo $$ > '" + pidFile + "'; exec sleep 60");
    fs::path folder;
    const Clock::time_point start = Clock::now();
    {
        PrivateCupsScheduler scheduler(1s);
        if (scheduler.Problem().find("is missing") != std::string::npos) {
            GTEST_SKIP() << scheduler.Problem();
        }
        EXPECT_FALSE(scheduler.Running());
        EXPECT_NE(
            scheduler.Problem().find("did not listen on " + scheduler.Server() + " within 1 s"),
            std::string::npos)
            << scheduler.Problem();
        folder = SchedulerFolder(scheduler);
    }
    EXPECT_LT(Clock::now() - start, 15s);
    EXPECT_FALSE(fs::exists(folder));
    pid_t pid = 0;
    ASSERT_TRUE(std::ifstream(pidFile) >> pid);
    EXPECT_FALSE(ProcessExists(pid));
}

TEST(PrivateCupsScheduler, ARealCupsdListensAndLeavesNothingBehind) {
    fs::path folder;
    {
        PrivateCupsScheduler scheduler;
        if (!scheduler.Running()) {
            GTEST_SKIP() << "no CUPS scheduler of the test's own: " << scheduler.Problem();
        }
        EXPECT_EQ(scheduler.Problem(), "");
        folder = SchedulerFolder(scheduler);
        EXPECT_TRUE(fs::is_socket(scheduler.Server()));
        EXPECT_TRUE(scheduler.WaitUntilIdle(10s));
        EXPECT_TRUE(scheduler.EndedJobs("KestoTest").empty());
        EXPECT_EQ(scheduler.AddPdfFileQueue("KestoTest"), "");
        EXPECT_EQ(scheduler.QueueOutput("KestoTest"), folder / "out" / "KestoTest.out");
    }
    EXPECT_FALSE(fs::exists(folder));
}

}  // namespace
}  // namespace kesto::test
