#pragma once
// Dealing to a plan on a worker thread, so that the window shows how far a rare plan has got
// and takes a cancel while it is dealt. One run per object: the constructor starts it, the
// destructor cancels it and waits for its end. Every member may be called from any thread.

#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include "kesto/plan/plan_dealing.h"

namespace kesto {

class BackgroundPlanDealing {
  public:
    // The dealing itself (DealToPlan), handed the progress report it must pass on.
    using Job = std::function<PlanDealing(const PlanProgressReport& progress)>;

    // Starts the job on a worker thread; when no thread can be made, runs it here.
    explicit BackgroundPlanDealing(Job job);
    ~BackgroundPlanDealing();
    BackgroundPlanDealing(const BackgroundPlanDealing&) = delete;
    BackgroundPlanDealing& operator=(const BackgroundPlanDealing&) = delete;

    PlanProgress Current() const;
    bool Running() const;
    // The job ends at its next progress report, as Cancelled.
    void Cancel();
    // Waits for the job's end and gives its result (or throws what the job threw).
    const PlanDealing& Result();

  private:
    void Work();

    Job job_;
    mutable std::mutex mutex_;
    PlanProgress progress_;
    bool running_ = true;
    bool cancelled_ = false;
    PlanDealing result_;
    std::exception_ptr error_;  // what the job threw, thrown again by Result
    std::thread worker_;
};

}  // namespace kesto
