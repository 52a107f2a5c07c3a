// The start of the program: the wall time, processor time and peak resident memory of
// `kesto --help`, a batch job, and the window up to its pages shown and saved, against an empty
// program with and without the double-dummy solver's library. The solver is loaded only when an
// analysis asks for it, so a start without one should cost what the program without the solver
// costs.

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "kesto/platform/program_files.h"
#include "kesto/platform/shared_library.h"

namespace {

using Figures = kesto::bench::ProgramFigures;
using kesto::bench::RunProgram;

// The medians of each figure over the rounds.
Figures Median(int rounds, const std::vector<std::string>& command, const std::string& folder) {
    std::vector<double> wall, processor, peak;
    for (int i = 0; i < rounds; ++i) {
        const Figures once = RunProgram(command, folder);
        wall.push_back(once.wallMilliseconds);
        processor.push_back(once.processorMilliseconds);
        peak.push_back(once.peakMegabytes);
    }
    const auto median = [](std::vector<double>& values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    return {median(wall), median(processor), median(peak)};
}

void Report(const char* what, const Figures& figures) {
    std::printf("%-44s wall %7.1f ms  processor %7.1f ms  peak %6.1f MB\n", what,
                figures.wallMilliseconds, figures.processorMilliseconds, figures.peakMegabytes);
}

// The program's own settings, pages and files go into a scratch folder, never the user's.
std::string ScratchFolder() {
    char folder[] = "/tmp/kesto-bench-startupXXXXXX";
    kesto::bench::Check(::mkdtemp(folder) != nullptr, "mkdtemp");
    const std::string path = folder;
    ::setenv("HOME", path.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (path + "/config").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", path.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::unsetenv("KESTO_SETTINGS");
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    // The two empty programs: this one, started again, alone or with the solver's library
    // loaded (the same start-up work as a program linked with it). The second ends without the
    // exit work, which the solver's loading leaves unsafe (see dds_solver.cpp).
    if (argc == 2 && std::strcmp(argv[1], "--empty") == 0) {
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--empty-with-solver") == 0) {
        std::_Exit(kesto::LoadSystemLibrary("libdds.so.0").status.Ok() ? 0 : 1);
    }

    const int rounds = argc > 1 ? std::atoi(argv[1]) : 9;
    kesto::bench::Check(rounds > 0, "rounds (the first argument) must be at least 1");
    std::vector<std::string> programs;
    for (int i = 2; i < argc; ++i) {
        programs.push_back(std::filesystem::absolute(argv[i]).string());
    }
    if (programs.empty()) {
        programs.push_back(kesto::ProgramDirectory() + "kesto");
    }

    const std::string folder = ScratchFolder();
    std::filesystem::create_directory(folder + "/pages");
    const std::string self = kesto::ProgramDirectory() + "bench_startup";
    const Figures empty = Median(rounds, {self, "--empty"}, folder);
    std::printf("median of %d runs\n", rounds);
    Report("empty program", empty);
    Report("empty program with the solver's library",
           Median(rounds, {self, "--empty-with-solver"}, folder));
    for (const std::string& kesto : programs) {
        std::printf("%s\n", kesto.c_str());
        std::fflush(stdout);
        Report("  kesto --help", Median(rounds, {kesto, "--help"}, folder));
        Report("  batch: 32 boards, saved and an HTML page",
               Median(rounds,
                      {kesto, "batch", "--seed", "1", "--generate", "32", "--save", "night.kst",
                       "--html", "night.htm"},
                      folder));
        Report("  window: its three pages shown and saved",
               Median(rounds, {kesto, "--screenshot-dir", "pages"}, folder));
        Report("  batch: 1 board with --analyse",
               Median(rounds, {kesto, "batch", "--seed", "1", "--generate", "1", "--analyse"},
                      folder));
    }
    std::filesystem::remove_all(folder);
    return 0;
}
