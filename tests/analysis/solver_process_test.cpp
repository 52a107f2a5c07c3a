// The solver in a process of its own: the answers of the solver in this process, and whatever
// the solver does (exits, crashes, hangs, cannot be loaded or started), a failure that says what
// happened, its process gone, and the next call answering again.

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "kesto/analysis/solver_process.h"
#include "kesto/analysis/solver_protocol.h"
#include "kesto/platform/file_io.h"
#include "kesto/workflow/background_analysis.h"
#include "tests/analysis/analysis_test_deals.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

const std::string kCouldNot = "The makeable contracts could not be worked out: ";

// The solver's processes this test runs: its children named kesto-solver, counting one that
// ended and was not reaped yet.
int SolverProcesses() {
    int count = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        // "pid (name) state parent ...": the name may hold spaces and parentheses.
        const std::size_t open = std::getline(stat, line) ? line.find('(') : std::string::npos;
        const std::size_t close = line.rfind(')');
        if (open == std::string::npos || close == std::string::npos || close < open) {
            continue;
        }
        std::istringstream rest(line.substr(close + 1));
        char state = 0;
        pid_t parent = 0;
        rest >> state >> parent;
        count += parent == ::getpid() && line.substr(open + 1, close - open - 1) == "kesto-solver";
    }
    return count;
}

// The environment of the solver's process for the life of the object: the stand-in library
// (or another folder's libdds.so.0) first on its library path, behaving as told.
class SolverLibraryPath {
  public:
    SolverLibraryPath(const std::string& folder, const std::string& behaviour) {
        ::setenv("LD_LIBRARY_PATH", folder.c_str(), 1);
        ::setenv("KESTO_SOLVER_DOUBLE", behaviour.c_str(), 1);
    }
    ~SolverLibraryPath() {
        ::unsetenv("LD_LIBRARY_PATH");
        ::unsetenv("KESTO_SOLVER_DOUBLE");
    }
};

TEST(SolverProcess, AnswersAsTheSolverInThisProcess) {
    SolverProcess solver;
    const StatusOr<std::vector<TrickTable>> tables =
        solver.SolveTables({kPublished1, kPublished2, kOneSuitEach});
    ASSERT_TRUE(tables.status.Ok()) << tables.status.Reason();
    EXPECT_EQ(tables.value,
              (std::vector<TrickTable>{kPublished1Table, kPublished2Table, kOneSuitEachTable}));
    EXPECT_EQ(solver.Threads(), TheDdsSolver().Threads());
    for (const char* vulnerability : {"None", "NS", "EW", "All"}) {
        const StatusOr<ParResult> par = solver.Par(kPublished3Table, Seat::North, vulnerability);
        const StatusOr<ParResult> own =
            TheDdsSolver().Par(kPublished3Table, Seat::North, vulnerability);
        ASSERT_TRUE(par.status.Ok()) << par.status.Reason();
        EXPECT_EQ(par.value.scoreNS, own.value.scoreNS) << vulnerability;
        EXPECT_EQ(par.value.contracts, own.value.contracts) << vulnerability;
    }
    // A refusal is the solver's own, and the process goes on.
    EXPECT_EQ(solver.SolveTables({"X:AKQ"}).status.Reason(),
              TheDdsSolver().SolveTables({"X:AKQ"}).status.Reason());
    EXPECT_EQ(SolverProcesses(), 1);
}

TEST(SolverProcess, WhateverTheSolverDoesEndsOnlyItsProcessAndSaysHow) {
    ScratchFolder scratch;
    ASSERT_TRUE(ReplaceFileAtomically(scratch.Path("libdds.so.0"), std::string(1024, 'x')).Ok());
    ASSERT_TRUE(ReplaceFileAtomically(scratch.Path("not-a-program"), "text").Ok());
    const std::string program = SolverProgramPath();
    const struct {
        const char* what;
        std::string libraryFolder;
        const char* behaviour;
        std::string program;
        std::chrono::milliseconds limit;
        std::string message;
    } cases[] = {
        {"exits", KESTO_SOLVER_DOUBLE_DIR, "exit", program, kSolverAnswerLimit,
         "the solver stopped (it exited with status 1, saying \"Memory::GetPtr: 0 vs. 0\")"},
        {"crashes", KESTO_SOLVER_DOUBLE_DIR, "crash", program, kSolverAnswerLimit,
         "the solver stopped (it was ended by signal 6, Aborted)"},
        {"hangs", KESTO_SOLVER_DOUBLE_DIR, "hang", program, std::chrono::seconds(1),
         "the solver stopped (it gave no answer for 1 second)"},
        {"a damaged library", scratch.Folder().string(), "", program, kSolverAnswerLimit,
         "the double-dummy solver libdds.so.0 could not be loaded (\"" +
             scratch.Path("libdds.so.0") + ": invalid ELF header\")"},
        {"no program", KESTO_SOLVER_DOUBLE_DIR, "", scratch.Path("kesto-solver"),
         kSolverAnswerLimit,
         "the solver's program " + scratch.Path("kesto-solver") +
             " is missing (install Kesto again)"},
        {"a program that cannot run", KESTO_SOLVER_DOUBLE_DIR, "", scratch.Path("not-a-program"),
         kSolverAnswerLimit,
         "the solver's program " + scratch.Path("not-a-program") +
             " could not be started (Permission denied)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SolverProcess solver(c.program, c.limit);
        {
            const SolverLibraryPath path(c.libraryFolder, c.behaviour);
            const StatusOr<std::vector<TrickTable>> tables = solver.SolveTables({kPublished1});
            EXPECT_EQ(tables.status.Reason(), kCouldNot + c.message + ".");
            EXPECT_TRUE(tables.value.empty());
        }
        // Its process ended (a library that cannot be loaded leaves it running), and the next
        // call starts a new one, here with the real library.
        if (c.behaviour[0] != '\0') {
            EXPECT_EQ(SolverProcesses(), 0);
        }
        if (c.behaviour[0] != '\0' && c.limit == kSolverAnswerLimit) {
            EXPECT_EQ(solver.SolveTables({kPublished1}).value,
                      std::vector<TrickTable>{kPublished1Table});
        }
    }
}

// A hung solver has no answer limit to wait for: Cancel ends its process at once.
TEST(SolverProcess, CancelEndsAHungSolversProcess) {
    ScratchFolder scratch;
    const std::string fifo = scratch.Path("entered");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ::setenv("KESTO_SOLVER_DOUBLE_FIFO", fifo.c_str(), 1);
    const SolverLibraryPath path(KESTO_SOLVER_DOUBLE_DIR, "hang");
    DealAnalyser analyser;
    BackgroundAnalysis analysis(analyser);
    analysis.Start({DealOf(kPublished1)});
    int hung = 0;
    std::ifstream(fifo) >> hung;  // once the solver's process is in its hang
    ASSERT_GT(hung, 0);
    EXPECT_EQ(::kill(hung, 0), 0);
    analysis.Cancel();
    EXPECT_EQ(::kill(hung, 0), -1);
    EXPECT_EQ(errno, ESRCH);
    EXPECT_EQ(analysis.Current().state, BackgroundAnalysis::State::Cancelled);
    ::unsetenv("KESTO_SOLVER_DOUBLE_FIFO");
}

// What the solver's process answers is checked before it is believed.
TEST(SolverProtocol, AnswersThatAreNoAnswerAreRefused) {
    const std::string table = "65657656576867568675";
    for (const std::string& line : std::vector<std::string>{
             "", "ok", "okay " + table, "ok " + table + " " + table, "ok 6565765657686756867e",
             "ok 656576565768675686", "ok " + table + "|"}) {
        EXPECT_FALSE(ReadTablesAnswer(line, 1)) << line;
    }
    for (const char* line : {"ok", "ok x", "ok -110 8,1,1,0,0", "ok -110 2,5,1,0,0",
                             "ok -110 2,1,6,0,0", "ok -110 2,1,1,0", "ok 9999"}) {
        EXPECT_FALSE(ReadParAnswer(line)) << line;
    }
    for (const char* line : {"ok 0", "ok", "ok two", "failed x"}) {
        EXPECT_FALSE(ReadThreadsAnswer(line)) << line;
    }
    EXPECT_EQ(ReadTablesAnswer("failed It went wrong.", 1)->status.Reason(), "It went wrong.");
}

}  // namespace
}  // namespace kesto::test
