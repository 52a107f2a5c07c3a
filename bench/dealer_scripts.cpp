// Dealer scripts beside Debian's dealer, on the same three scripts: a 1NT opening with
// responder's points, a slam hunt met by about 1 deal in 5,000, and a play problem with 26 cards
// predealt, 500 boards each. Kesto reads each script and deals its 500 boards in process (four
// streams on the machine's cores), and again as `kesto batch --plan-file` (its start-up too);
// dealer produces 500 deals from the same file (`dealer -s SEED -p 500`). The rounds take turns
// and change the seed, so a busy moment falls on all three; each figure is the median over the
// rounds with the lowest and highest beside it. Prints its figures; it is not a test.

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/plan/plan_dealing.h"
#include "kesto/plan/plan_reader.h"
#include "kesto/platform/program_files.h"

namespace {

using kesto::bench::Check;
using kesto::bench::ProgramFigures;

struct Script {
    const char* name;
    const char* file;
    const char* text;
};

constexpr Script kScripts[] = {
    {"1NT opening, responder with 8 or more", "opening.dl",
     "dealer north\n"
     "produce 500\n"
     "condition hcp(north) >= 15 && hcp(north) <= 17 &&\n"
     "    shape(north, any 4333 + any 4432 + any 5332) && hcp(south) >= 8\n"
     "action printoneline\n"},
    {"slam hunt, about 1 deal in 5,000", "slam.dl",
     "dealer north\n"
     "produce 500\n"
     "fit = spades(north) + spades(south) >= 9 || hearts(north) + hearts(south) >= 9\n"
     "condition hcp(north) + hcp(south) >= 34 && controls(north) + controls(south) >= 11 && fit\n"
     "action printoneline\n"},
    {"play problem, 26 cards predealt", "play.dl",
     "dealer west\n"
     "produce 500\n"
     "predeal north SAQ5, HJ9876, D72, CK43\n"
     "predeal south SK432, HAQT, DK43, CQ52\n"
     "condition hcp(west) >= 11 && spades(west) >= 5\n"
     "action printoneline\n"},
};

double ProcessorMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return 1000.0 * static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

// Reading the script and dealing its 500 boards, in this process.
ProgramFigures DealInProcess(const Script& script, std::uint32_t seed, std::uint64_t& tried) {
    const auto start = std::chrono::steady_clock::now();
    const double processor = ProcessorMilliseconds();
    const kesto::PlanReading read = kesto::ReadPlan(script.text);
    Check(!read.error, script.name);
    kesto::RandomGenerator random(seed);
    kesto::GeneratingRun run(random);
    kesto::tBoardSet boards;
    const kesto::PlanDealing dealt =
        kesto::DealToPlan(boards, read.plan, {.dealsAsked = *read.plan.produce}, run);
    Check(dealt.status.Ok() && boards.size() == 500, "500 boards dealt");
    tried = dealt.progress.dealsTried;
    return {
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
        ProcessorMilliseconds() - processor, 0};
}

struct Spread {
    std::vector<double> wall, processor;

    void Add(const ProgramFigures& figures) {
        wall.push_back(figures.wallMilliseconds);
        processor.push_back(figures.processorMilliseconds);
    }
    static double Median(std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    }
    static std::string Text(const std::vector<double>& values) {
        char text[64];
        std::snprintf(text, sizeof text, "%7.1f (%.1f-%.1f)", Median(values),
                      *std::min_element(values.begin(), values.end()),
                      *std::max_element(values.begin(), values.end()));
        return text;
    }
    void Report(const char* what) const {
        std::printf("  %-26s wall %-24s processor %s ms\n", what, Text(wall).c_str(),
                    Text(processor).c_str());
    }
};

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 7;
    Check(rounds > 0, "rounds (the first argument) must be at least 1");
    const std::string dealer = "/usr/games/dealer";
    const bool withDealer = std::filesystem::exists(dealer);
    const std::string kesto = kesto::ProgramDirectory() + "kesto";
    const bool withBatch = std::filesystem::exists(kesto);

    char folderName[] = "/tmp/kesto-bench-dealerXXXXXX";
    Check(::mkdtemp(folderName) != nullptr, "mkdtemp");
    const std::string folder = folderName;
    ::setenv("KESTO_SETTINGS", (folder + "/Kesto.reg").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (const Script& script : kScripts) {
        std::ofstream(folder + "/" + script.file) << script.text;
    }

    std::printf("500 boards of each script, %d rounds: median (lowest-highest)\n", rounds);
    for (const Script& script : kScripts) {
        Spread inProcess, batch, byDealer;
        std::uint64_t tried = 0;
        for (int round = 0; round < rounds; ++round) {
            const auto seed = static_cast<std::uint32_t>(round + 1);
            inProcess.Add(DealInProcess(script, seed, tried));
            if (withBatch) {
                batch.Add(kesto::bench::RunProgram({kesto, "batch", "--plan-file", script.file,
                                                    "--seed", std::to_string(seed), "--list"},
                                                   folder));
            }
            if (withDealer) {
                byDealer.Add(kesto::bench::RunProgram(
                    {dealer, "-s", std::to_string(seed), "-p", "500", script.file}, folder));
            }
        }
        std::printf("%s (%llu deals in the last round)\n", script.name,
                    static_cast<unsigned long long>(tried));
        inProcess.Report("Kesto, in process");
        if (withBatch) {
            batch.Report("kesto batch");
        }
        if (withDealer) {
            byDealer.Report("dealer");
            std::printf("  dealer / Kesto in process: wall %.1fx, processor %.1fx\n",
                        Spread::Median(byDealer.wall) / Spread::Median(inProcess.wall),
                        Spread::Median(byDealer.processor) / Spread::Median(inProcess.processor));
        } else {
            std::printf("  (Debian's dealer is not installed: scripts/install-deps.sh)\n");
        }
    }
    std::filesystem::remove_all(folder);
    return 0;
}
