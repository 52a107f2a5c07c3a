#pragma once
// What the benchmark programs share: a median time over rounds, a run of another program with
// its figures, and a stop on a failed step.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
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

struct ProgramFigures {
    double wallMilliseconds = 0;
    double processorMilliseconds = 0;  // user and system, all its threads
    double peakMegabytes = 0;
};

// One run of a program (command[0] a path) in folder, its output thrown away: its figures, or
// a stop when it does not end with status 0.
inline ProgramFigures RunProgram(const std::vector<std::string>& command,
                                 const std::string& folder) {
    std::vector<char*> argv;
    for (const std::string& argument : command) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    std::fflush(stdout);  // else the child writes what is buffered once more
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    Check(child >= 0, "fork");
    if (child == 0) {
        if (::chdir(folder.c_str()) == 0 && std::freopen("/dev/null", "w", stdout) != nullptr &&
            std::freopen("/dev/null", "w", stderr) != nullptr) {
            ::execv(argv[0], argv.data());
        }
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    Check(::wait4(child, &status, 0, &usage) == child, "wait4");
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s ended with status %d\n", command[0].c_str(), status);
        std::exit(1);
    }
    const auto milliseconds = [](const timeval& time) {
        return 1000.0 * static_cast<double>(time.tv_sec) +
               static_cast<double>(time.tv_usec) / 1000.0;
    };
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

}  // namespace kesto::bench
