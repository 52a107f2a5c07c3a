#include "kesto/workflow/background_analysis.h"

#include <exception>
#include <system_error>
#include <utility>

#include "kesto/analysis/dds_solver.h"
#include "kesto/platform/error_report.h"

namespace kesto {

BackgroundAnalysis::BackgroundAnalysis(DealAnalyser& analyser) : analyser_(analyser) {}

BackgroundAnalysis::~BackgroundAnalysis() {
    bool running = false;
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        running = progress_.state == State::Running;
    }
    changed_.notify_all();
    if (running) {
        analyser_.Interrupt();
    }
    if (worker_.joinable()) {
        worker_.join();
    }
}

void BackgroundAnalysis::Start(const tBoardSet& boardSet) {
    {
        const std::lock_guard lock(mutex_);
        ++generation_;
        pending_ = boardSet;
        started_ = boardSet;
        progress_ = Progress{State::Running, 0, 0, {}};
        if (!worker_.joinable()) {
            try {
                worker_ = std::thread([this] { Work(); });
            } catch (const std::system_error& error) {
                // A thread or memory limit: this run fails with a reason; the next Start tries
                // again.
                pending_.reset();
                progress_ = Progress{State::Failed, 0, 0,
                                     AnalysisFailure("no thread could be started for them (" +
                                                     error.code().message() + ")")};
            }
        }
    }
    changed_.notify_all();
}

void BackgroundAnalysis::Cancel() {
    {
        const std::lock_guard lock(mutex_);
        if (progress_.state != State::Running) {
            return;
        }
        cancelled_ = generation_;
        pending_.reset();
        progress_.state = State::Cancelled;
    }
    changed_.notify_all();
    analyser_.Interrupt();
}

BackgroundAnalysis::Progress BackgroundAnalysis::Current() const {
    const std::lock_guard lock(mutex_);
    return progress_;
}

bool BackgroundAnalysis::Finished() const {
    const std::lock_guard lock(mutex_);
    return progress_.state == State::Done || progress_.state == State::Failed;
}

bool BackgroundAnalysis::Covers(const tBoardSet& boardSet) const {
    const std::lock_guard lock(mutex_);
    const bool live = progress_.state == State::Running || progress_.state == State::Done;
    return live && started_ == boardSet;
}

void BackgroundAnalysis::Wait() const {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return progress_.state != State::Running; });
}

void BackgroundAnalysis::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
        if (stopping_) {
            return;
        }
        const tBoardSet boardSet = std::move(*pending_);
        pending_.reset();
        const std::uint64_t generation = generation_;
        lock.unlock();

        // Called between the solver's calls: a later Start, a Cancel or the end of the program
        // stops this run there.
        const auto progress = [this, generation](std::size_t done, std::size_t total) {
            const std::lock_guard progressLock(mutex_);
            if (stopping_ || generation != generation_ || cancelled_ == generation) {
                return false;
            }
            progress_.done = done;
            progress_.total = total;
            return true;
        };
        Status solved;
        try {
            solved = analyser_.Analyse(boardSet, progress);
        } catch (...) {
            solved = Status::Failure(ErrorReportText(std::current_exception()));
        }

        lock.lock();
        if (generation == generation_ && cancelled_ != generation) {
            progress_.state = solved.Ok() ? State::Done : State::Failed;
            progress_.status = solved;
        }
        lock.unlock();
        changed_.notify_all();
        lock.lock();
    }
}

}  // namespace kesto
