#pragma once
// The binding to the double-dummy solver (DDS, Debian's libdds-dev): deals as PBN deal texts
// to trick tables, and a trick table to par. The analyser talks to the solver only through
// DoubleDummySolver, so a test can watch what it asks. Kesto itself asks SolverProcess
// (solver_process.h), which runs DdsSolver in a process of its own (kesto-solver): the library
// is loaded there, never in the program, so nothing it does can end the program.

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/analysis/deal_analysis.h"
#include "kesto/deal/board.h"
#include "kesto/deal/deal.h"
#include "kesto/platform/shared_library.h"
#include "kesto/platform/status.h"

namespace kesto {

// tricks[seat][strain], as DealAnalysis holds them.
using TrickTable = std::array<std::array<int, kStrainCount>, 4>;

struct ParResult {
    int scoreNS = 0;                     // from North-South's side; 0 when passed out
    std::vector<ParContract> contracts;  // empty when passed out
};

// The most deals one call of the solver's table function takes when it solves all five
// strains (its limit is lower than its arrays' size, which is for fewer strains).
inline constexpr std::size_t kMaxDealsPerSolverCall = 32;

class DoubleDummySolver {
  public:
    virtual ~DoubleDummySolver() = default;

    // The trick tables of 1..kMaxDealsPerSolverCall deals, each a PBN deal text such as
    // "N:AKQ.T98.765.432 ...", in the same order. Uses every core. Fails, solving nothing,
    // with the solver's own error text. (The DDS library then also writes dump.txt into the
    // current folder: hand it complete deals only, as the analyser does.)
    virtual StatusOr<std::vector<TrickTable>> SolveTables(
        const std::vector<std::string>& pbnDeals) = 0;

    // Par of a deal with this table, for the board's dealer and vulnerability ("None", "NS",
    // "EW" or "All", as BoardVulnerability gives it).
    virtual StatusOr<ParResult> Par(const TrickTable& table, Seat dealer,
                                    std::string_view vulnerability) = 0;

    // How many threads SolveTables solves on, at least 1.
    virtual std::size_t Threads() { return 1; }

    // Ends the call in progress at once, from any other thread, and fails it and every call
    // after it as Cancelled until Resume. Nothing for a solver whose calls cannot be cut short.
    virtual void Interrupt() {}
    // Takes calls again after Interrupt.
    virtual void Resume() {}
};

// Every failure of the analysis: "The makeable contracts could not be worked out: <what>."
Status AnalysisFailure(std::string_view what);

// Loads the solver's library, or says why it cannot (LoadSystemLibrary's reasons).
using SolverLibraryLoader = std::function<StatusOr<std::unique_ptr<SharedLibrary>>()>;

// The system's solver library (libdds.so.0, from the search path).
StatusOr<std::unique_ptr<SharedLibrary>> LoadSystemSolverLibrary();

// The solver of the DDS library, in this process. Safe to call from any thread: calls into the
// library are taken one at a time, each using all the library's threads, or as many of them as
// can start when a thread or memory limit stands in the way (StartableThreads): slower, where
// the library's threading would end the process. The library is loaded at the first call that
// needs it, and again at the next call while it cannot be: each call fails then with a message
// that says what is missing, or quotes the loader.
class DdsSolver final : public DoubleDummySolver {
  public:
    explicit DdsSolver(SolverLibraryLoader loader = LoadSystemSolverLibrary);
    ~DdsSolver() override;
    DdsSolver(const DdsSolver&) = delete;
    DdsSolver& operator=(const DdsSolver&) = delete;

    StatusOr<std::vector<TrickTable>> SolveTables(
        const std::vector<std::string>& pbnDeals) override;
    StatusOr<ParResult> Par(const TrickTable& table, Seat dealer,
                            std::string_view vulnerability) override;
    // 1 while the library cannot be loaded.
    std::size_t Threads() override;

    struct Library;  // the loaded library's functions, in dds_solver.cpp

  private:
    // The loaded library, or why it cannot be loaded. Call with the solver's lock held.
    StatusOr<const Library*> Loaded();

    SolverLibraryLoader loader_;
    std::unique_ptr<const Library> library_;
};

// The one DdsSolver of this process (kesto-solver's; the tests' and benchmark's).
DoubleDummySolver& TheDdsSolver();

// The deal as the solver reads it: "N:" and the four hands clockwise from North.
std::string SolverDealText(const tDeal& deal);

}  // namespace kesto
