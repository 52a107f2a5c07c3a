// The binding to the double-dummy solver: the tables it gives for deals whose results are
// known, par for each vulnerability, and the solver's own words when it refuses a deal.

#include <gtest/gtest.h>
#include <pthread.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "kesto/analysis/dds_solver.h"
#include "kesto/analysis/deal_analyser.h"
#include "kesto/analysis/solver_threads.h"
#include "kesto/platform/file_io.h"
#include "tests/analysis/analysis_test_deals.h"
#include "tests/support/bounded_child.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

TEST(DdsSolver, SolvesKnownDealsInOneCallInTheirOrder) {
    const std::vector<std::string> deals = {kOneSuitEach, kPublished1, kHighCardsNS, kPublished2,
                                            kPublished3};
    const StatusOr<std::vector<TrickTable>> tables = TheDdsSolver().SolveTables(deals);
    ASSERT_TRUE(tables.status.Ok()) << tables.status.Reason();
    ASSERT_EQ(tables.value.size(), deals.size());
    EXPECT_EQ(tables.value[0], kOneSuitEachTable);
    EXPECT_EQ(tables.value[1], kPublished1Table);
    EXPECT_EQ(tables.value[2], kHighCardsNSTable);
    EXPECT_EQ(tables.value[3], kPublished2Table);
    EXPECT_EQ(tables.value[4], kPublished3Table);
}

ParContract Contract(int level, Strain strain, ParDeclarer declarer, int overtricks = 0,
                     bool doubled = false) {
    return {.level = level,
            .strain = strain,
            .doubled = doubled,
            .declarer = declarer,
            .overtricks = overtricks};
}

TEST(DdsSolver, ParOnEachVulnerability) {
    const ParDeclarer ns = ParDeclarer::NorthSouth, ew = ParDeclarer::EastWest;
    const struct {
        const char* what;
        TrickTable table;
        const char* vulnerability;
        int scoreNS;
        ParContract contract;
        Seat dealer = Seat::North;
    } cases[] = {
        // clang-format off
        // North-South's grand slam outranks East-West's in hearts; only the bonus changes.
        {"one suit each", kOneSuitEachTable, "None", 1510, Contract(7, Strain::Spades, ns)},
        {"one suit each", kOneSuitEachTable, "All", 2210, Contract(7, Strain::Spades, ns)},
        {"high cards", kHighCardsNSTable, "EW", 1520, Contract(7, Strain::NoTrump, ns)},
        // The solver's published par of its first example: East-West's part score.
        {"published 1", kPublished1Table, "None", -110, Contract(2, Strain::Spades, ew)},
        // Its third example on each vulnerability: North-South sacrifice in five hearts
        // doubled unless that costs more than East-West's game.
        {"published 3", kPublished3Table, "None", -300, Contract(5, Strain::Hearts, ns, -2, true)},
        {"published 3", kPublished3Table, "NS", -420, Contract(4, Strain::Spades, ew)},
        {"published 3", kPublished3Table, "EW", -300, Contract(5, Strain::Hearts, ns, -2, true)},
        {"published 3", kPublished3Table, "All", -500, Contract(5, Strain::Hearts, ns, -2, true)},
        // Its second: East-West sacrifice in four spades doubled against North-South's game.
        {"published 2", kPublished2Table, "NS", 100, Contract(4, Strain::Spades, ew, -1, true),
         Seat::East},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.what) + ", vulnerable " + c.vulnerability);
        const StatusOr<ParResult> par = TheDdsSolver().Par(c.table, c.dealer, c.vulnerability);
        ASSERT_TRUE(par.status.Ok()) << par.status.Reason();
        EXPECT_EQ(par.value.scoreNS, c.scoreNS);
        EXPECT_EQ(par.value.contracts, std::vector<ParContract>{c.contract});
    }
}

// The solver writes a dump.txt into the current folder when it refuses a deal: this test
// works in a folder of its own.
class InScratchFolder {
  public:
    InScratchFolder() { std::filesystem::current_path(scratch_.Folder()); }
    ~InScratchFolder() { std::filesystem::current_path(previous_); }

  private:
    const std::filesystem::path previous_ = std::filesystem::current_path();
    ScratchFolder scratch_;
};

const std::string kFailed =
    "The makeable contracts could not be worked out: the double-dummy solver failed ";

TEST(DdsSolver, RefusedDealGivesTheSolversOwnText) {
    const InScratchFolder inScratchFolder;
    const struct {
        const char* what;
        std::string deal;
        std::string message;
    } cases[] = {
        {"North holds 12 cards",
         "N:AKQ.AKQ.AKQ.AKQ 765.8765.765.765 T98.JT9.JT9.T98 432.432.8432.432",
         kFailed + "(Wrong number of remaining cards in a hand)."},
        {"no seat before the hands", "X:AKQ", kFailed + "(PBN string error)."},
        // Too long for the solver's 80 characters: refused before it is copied.
        {"too long", "N:" + std::string(100, 'A'), kFailed + "(PBN string error)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // A good deal in the same call is not solved either: the call fails as a whole.
        const StatusOr<std::vector<TrickTable>> tables =
            TheDdsSolver().SolveTables({kPublished1, c.deal});
        EXPECT_FALSE(tables.status.Ok());
        EXPECT_EQ(tables.status.Reason(), c.message);
        EXPECT_TRUE(tables.value.empty());
    }
}

TEST(DdsSolver, RefusesMoreDealsThanOneCallTakes) {
    const std::vector<std::string> deals(kMaxDealsPerSolverCall + 1, kPublished1);
    const StatusOr<std::vector<TrickTable>> tables = TheDdsSolver().SolveTables(deals);
    EXPECT_EQ(tables.status.Reason(), kFailed + "(Too many DD tables requested).");
    EXPECT_EQ(TheDdsSolver().SolveTables({}).status.Reason(), tables.status.Reason());
}

// No thread can start (each asks for more stack than the address space allows): the library's
// threading would end the program; the solver works on its caller's thread alone instead.
TEST(DdsSolver, SolvesOnItsCallersThreadWhenNoOtherCanStart) {
    if (!kAddressSpaceCanBeLimited) {
        GTEST_SKIP() << "the address space cannot be limited under AddressSanitizer";
    }
    constexpr std::size_t kMemory = std::size_t{64} << 30;  // far more than the tables need
    EXPECT_TRUE(RunsWithinBounds(
        [] {
            std::string failure;
            // A thread of its own: the library keeps its threads per calling thread.
            std::thread caller([&failure] {
                pthread_attr_t huge;
                pthread_attr_init(&huge);
                pthread_attr_setstacksize(&huge, 2 * kMemory);
                pthread_setattr_default_np(&huge);
                const auto tables = TheDdsSolver().SolveTables({kPublished1, kPublished3});
                const bool right = tables.value == std::vector{kPublished1Table, kPublished3Table};
                failure = StartableThreads(4) != 1 ? "a thread started"
                          : right                  ? ""
                                                   : "wrong tables " + tables.status.Reason();
            });
            caller.join();
            return failure;
        },
        60, kMemory));
}

// The library is loaded at the first call: one that cannot be had fails every call with what
// is missing, or the loader's own words, and the next call tries again.
TEST(DdsSolver, MissingLibraryFailsEachCallSayingWhatIsMissing) {
    ScratchFolder scratch;
    const std::string damaged = scratch.Path("libdds.so.0");
    ASSERT_TRUE(ReplaceFileAtomically(damaged, std::string(1024, 'x')).Ok());
    const std::string solver =
        "The makeable contracts could not be worked out: the double-dummy solver libdds.so.0 ";
    const struct {
        const char* what;
        std::string library;
        std::string message;
    } cases[] = {
        {"not found", "libkesto-nowhere.so.0",
         solver + "is not installed (install the package libdds0)."},
        {"damaged", damaged,
         solver + "could not be loaded (\"" + damaged + ": invalid ELF header\")."},
        {"another library", "libm.so.6",
         solver + "has no function CalcAllTablesPBN: it is not the version Kesto works with "
                  "(install the package libdds0)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        int loads = 0;
        DdsSolver missing([&] {
            ++loads;
            return LoadSystemLibrary(c.library);
        });
        EXPECT_EQ(missing.Threads(), 1u);
        EXPECT_EQ(missing.Par(kPublished1Table, Seat::North, "None").status.Reason(), c.message);
        EXPECT_EQ(loads, 2);
        EXPECT_EQ(DealAnalyser(missing).Analyse({DealOf(kPublished1)}).Reason(), c.message);
    }
}

TEST(DdsSolver, DealTextStartsWithNorthAndGoesClockwise) {
    EXPECT_EQ(SolverDealText(DealOf(kPublished2)),
              "N:AK96.KQ8.A98.K63 QJT5432.T.6.QJ82 .J97543.K7532.94 87.A62.QJT4.AT75");
    EXPECT_EQ(SolverDealText(DealOf(kOneSuitEach)), kOneSuitEach);
}

}  // namespace
}  // namespace kesto::test
