#pragma once
// The analysis of the board set on a worker thread, so that the window never waits for the
// double-dummy solver: the print page starts it as soon as the board set is complete, and
// printing, the HTML page and saving wait for it only when it has not finished yet.
//
// One worker thread, made at the first Start and joined by the destructor (a Start that cannot
// make it fails that run with the reason); one run at a time.
// Every member may be called from any thread. The analyser keeps what a run solved, so a run
// that starts again on the same deals, after a cancel or a second time, solves only the rest.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "kesto/analysis/deal_analyser.h"
#include "kesto/deal/deal.h"
#include "kesto/platform/status.h"

namespace kesto {

class BackgroundAnalysis {
  public:
    enum class State {
        Idle,       // never started
        Running,    // started and not finished
        Done,       // every complete deal of the started board set is analysed
        Failed,     // the solver failed; the progress's status says why
        Cancelled,  // stopped by Cancel
    };

    struct Progress {
        State state = State::Idle;
        std::size_t done = 0;   // deals solved in this run so far
        std::size_t total = 0;  // deals this run solves (0 until it knows, or all were known)
        Status status;          // the solver's own words when Failed
    };

    // The analyser must outlive this object.
    explicit BackgroundAnalysis(DealAnalyser& analyser);
    // Cancels a run, ending the solver's call in progress, and waits for the worker thread.
    ~BackgroundAnalysis();
    BackgroundAnalysis(const BackgroundAnalysis&) = delete;
    BackgroundAnalysis& operator=(const BackgroundAnalysis&) = delete;

    // Analyses a copy of the board set. A run in progress is cancelled and this one follows
    // it; nothing here waits for the solver.
    void Start(const tBoardSet& boardSet);
    // Stops the run (Cancelled), ending the solver's call in progress at once
    // (DealAnalyser::Interrupt); nothing when none runs.
    void Cancel();

    Progress Current() const;
    // Done or Failed.
    bool Finished() const;
    // The board set of the latest Start, and whether a run on it finished or still runs: if
    // not, it must be started (again) before it can be waited for.
    bool Covers(const tBoardSet& boardSet) const;
    // Blocks until the latest run is no longer Running.
    void Wait() const;

    const DealAnalyser& Analyser() const { return analyser_; }

  private:
    void Work();

    DealAnalyser& analyser_;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::optional<tBoardSet> pending_;  // the next run's deals, until the worker takes them
    tBoardSet started_;                 // the latest Start's deals
    std::uint64_t generation_ = 0;      // counts the Starts
    std::uint64_t cancelled_ = 0;       // the latest generation Cancel stopped
    bool stopping_ = false;
    Progress progress_;
    std::thread worker_;
};

}  // namespace kesto
