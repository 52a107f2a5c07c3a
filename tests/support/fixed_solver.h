#pragma once
// A stand-in for the double-dummy solver that answers every deal alike without solving, so a
// test knows the analysis of any board: North-South take 9 tricks in no trump, 10 in spades, 8
// in hearts, 7 in diamonds and 6 in clubs, East-West the rest; par is 4 spades by
// North-South, +420. Header only: a test that uses it links the analysis already.

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string_view>
#include <vector>

#include "kesto/analysis/dds_solver.h"

namespace kesto::test {

// The three tags of every board FixedSolver analyses, as the records carry them.
inline constexpr std::string_view kFixedAnalysisTags =
    "[DoubleDummyTricks \"9a8769a8764356743567\"]|[OptimumScore \"NS 420\"]|"
    "[ParContract \"NS 4S\"]";

class FixedSolver : public DoubleDummySolver {
  public:
    StatusOr<std::vector<TrickTable>> SolveTables(
        const std::vector<std::string>& pbnDeals) override {
        ++tableCalls;
        if (!failure.empty()) {
            StatusOr<std::vector<TrickTable>> failed;
            failed.status = Status::Failure(failure);
            return failed;
        }
        TrickTable table{};
        for (const Seat seat : {Seat::North, Seat::South}) {
            table[static_cast<std::size_t>(seat)] = {9, 10, 8, 7, 6};
        }
        for (const Seat seat : {Seat::East, Seat::West}) {
            table[static_cast<std::size_t>(seat)] = {4, 3, 5, 6, 7};
        }
        StatusOr<std::vector<TrickTable>> result;
        result.value.assign(pbnDeals.size(), table);
        return result;
    }
    StatusOr<ParResult> Par(const TrickTable&, Seat, std::string_view) override {
        StatusOr<ParResult> result;
        result.value.scoreNS = 420;
        result.value.contracts = {{4, Strain::Spades, false, ParDeclarer::NorthSouth, 0}};
        return result;
    }
    std::size_t Threads() override { return 2; }  // as on a two-core machine

    std::atomic<int> tableCalls = 0;  // counted on the solving thread
    std::string failure;              // when set, every call fails with this text
};

// FixedSolver whose every call waits until the test opens the gate, so that a test can
// act while the solver is busy.
class GatedSolver final : public FixedSolver {
  public:
    StatusOr<std::vector<TrickTable>> SolveTables(
        const std::vector<std::string>& pbnDeals) override {
        {
            std::unique_lock lock(mutex_);
            ++entered_;
            changed_.notify_all();
            changed_.wait(lock, [this] { return open_; });
        }
        return FixedSolver::SolveTables(pbnDeals);
    }

    void Open() {
        const std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }
    // Blocks until a call has reached the gate.
    void WaitUntilEntered() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return entered_ > 0; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool open_ = false;
    int entered_ = 0;
};

}  // namespace kesto::test
