#pragma once
// What the benchmark programs share: a median time over rounds, and a stop on a failed step.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace kesto::bench {

struct Timing {
    double wallMilliseconds = 0;
    // The whole process's, all threads: fairer than the wall clock when other work shares the
    // machine.
    double processorMilliseconds = 0;
};

// The medians of each over the rounds.
inline Timing MedianTiming(int rounds, const std::function<void()>& work) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> wall;
    std::vector<double> processor;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        const std::clock_t startProcessor = std::clock();
        work();
        processor.push_back(1000.0 * static_cast<double>(std::clock() - startProcessor) /
                            CLOCKS_PER_SEC);
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(wall.begin(), wall.end());
    std::sort(processor.begin(), processor.end());
    return {wall[wall.size() / 2], processor[processor.size() / 2]};
}

inline double MedianMilliseconds(int rounds, const std::function<void()>& work) {
    return MedianTiming(rounds, work).wallMilliseconds;
}

// A benchmark whose step failed has nothing to report: it says which step and ends.
inline void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "benchmark step failed: %s\n", what);
        std::exit(1);
    }
}

}  // namespace kesto::bench
