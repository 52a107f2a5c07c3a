#include "kesto/analysis/solver_threads.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace kesto {

int StartableThreads(int wanted) {
    std::mutex mutex;
    std::condition_variable released;
    bool release = false;
    std::vector<std::thread> helpers;
    const auto hold = [&] {
        std::unique_lock lock(mutex);
        released.wait(lock, [&] { return release; });
    };
    // The first thread that cannot start ends the count (std::thread says so by throwing).
    try {
        while (static_cast<int>(helpers.size()) + 1 < wanted) {
            helpers.emplace_back(hold);
        }
    } catch (const std::system_error&) {
    }
    {
        const std::lock_guard lock(mutex);
        release = true;
    }
    released.notify_all();
    for (std::thread& helper : helpers) {
        helper.join();
    }
    return static_cast<int>(helpers.size()) + 1;
}

}  // namespace kesto
