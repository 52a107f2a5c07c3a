#include "kesto/workflow/background_plan_dealing.h"

#include <system_error>
#include <utility>

namespace kesto {

BackgroundPlanDealing::BackgroundPlanDealing(Job job) : job_(std::move(job)) {
    try {
        worker_ = std::thread([this] { Work(); });
    } catch (const std::system_error&) {
        Work();  // a thread or memory limit: dealt without progress shown
    }
}

BackgroundPlanDealing::~BackgroundPlanDealing() {
    Cancel();
    if (worker_.joinable()) {
        worker_.join();
    }
}

PlanProgress BackgroundPlanDealing::Current() const {
    const std::lock_guard lock(mutex_);
    return progress_;
}

bool BackgroundPlanDealing::Running() const {
    const std::lock_guard lock(mutex_);
    return running_;
}

void BackgroundPlanDealing::Cancel() {
    const std::lock_guard lock(mutex_);
    cancelled_ = true;
}

const PlanDealing& BackgroundPlanDealing::Result() {
    if (worker_.joinable()) {
        worker_.join();
    }
    if (error_) {
        std::rethrow_exception(error_);
    }
    return result_;
}

void BackgroundPlanDealing::Work() {
    const PlanProgressReport report = [this](const PlanProgress& progress) {
        const std::lock_guard lock(mutex_);
        progress_ = progress;
        return !cancelled_;
    };
    PlanDealing result;
    std::exception_ptr error;
    try {
        result = job_(report);
    } catch (...) {
        error = std::current_exception();
    }
    const std::lock_guard lock(mutex_);
    result_ = std::move(result);
    error_ = error;
    running_ = false;
}

}  // namespace kesto
