#pragma once
// The double-dummy solver in a process of its own: the program kesto-solver, which loads the
// solver's library and answers over a socket (solver_protocol.h). Whatever the library does
// (exits, crashes, hangs, runs out of memory or threads) ends only that process: the call in
// progress fails with "The makeable contracts could not be worked out: the solver stopped (...)"
// saying how, and the next call starts a new process. One process serves every call, so the
// library's start-up work is paid once.

#include <chrono>
#include <mutex>
#include <string>

#include "kesto/analysis/dds_solver.h"
#include "kesto/platform/child_process.h"

namespace kesto {

// The longest the solver may take over one answer before it counts as hung and is ended. A
// call hands it two deals a thread, a second or two; the limit leaves room for a slow machine
// short of memory, and ends a run that would otherwise wait for ever with no one to cancel it
// (the batch).
inline constexpr std::chrono::milliseconds kSolverAnswerLimit = std::chrono::minutes(10);

// The full path of kesto-solver, in the folder of the program's own libraries: beside the
// program in the build folder, else the installed lib/kesto.
std::string SolverProgramPath();

// Calls come one at a time (from any thread); Interrupt may come from another meanwhile.
class SolverProcess final : public DoubleDummySolver {
  public:
    explicit SolverProcess(std::string program = SolverProgramPath(),
                           std::chrono::milliseconds answerLimit = kSolverAnswerLimit);
    // Ends the process.
    ~SolverProcess() override = default;

    StatusOr<std::vector<TrickTable>> SolveTables(
        const std::vector<std::string>& pbnDeals) override;
    StatusOr<ParResult> Par(const TrickTable& table, Seat dealer,
                            std::string_view vulnerability) override;
    // 1 while the process cannot answer (the next SolveTables says why).
    std::size_t Threads() override;
    // Ends the process at once; the next call after Resume starts a new one.
    void Interrupt() override;
    void Resume() override;

  private:
    // The answer line to request, starting the process when none runs. Fails saying why the
    // process could not start or how it stopped, or as Cancelled when interrupted.
    StatusOr<std::string> Ask(const std::string& request);
    // Ends a process whose answer cannot be read: the call fails saying so.
    Status Unreadable();

    const std::string program_;
    const std::chrono::milliseconds answerLimit_;
    std::mutex callMutex_;  // one call at a time
    mutable std::mutex interruptMutex_;
    bool interrupted_ = false;
    ChildProcess child_;
};

}  // namespace kesto
