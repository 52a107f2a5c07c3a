// Processor and wall time of Kesto's double-dummy analysis of a club's 32 boards and of 500
// boards, through the solver's own process (as Kesto runs it) and through the solver in this
// process, against calling the solver's CalcAllTablesPBN directly on the same deals in as few
// calls as it takes (one for 32), in the same run, on every core; and the longest wait between
// two moves of the progress bar. Prints its figures; it is not a test.

#include <dds/dll.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "kesto/analysis/dds_solver.h"
#include "kesto/analysis/deal_analyser.h"
#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"

namespace {

// The solver alone: the deals' PBN texts already made, tables only (par is Kesto's own step
// per board, a few microseconds each).
void SolveDirectly(const std::vector<std::string>& texts) {
    auto deals = std::make_unique<ddTableDealsPBN>();
    auto tables = std::make_unique<ddTablesRes>();
    auto pars = std::make_unique<allParResults>();
    int allStrains[DDS_STRAINS] = {0, 0, 0, 0, 0};
    for (std::size_t start = 0; start < texts.size(); start += kesto::kMaxDealsPerSolverCall) {
        const std::size_t end = std::min(start + kesto::kMaxDealsPerSolverCall, texts.size());
        deals->noOfTables = static_cast<int>(end - start);
        for (std::size_t i = start; i < end; ++i) {
            texts[i].copy(deals->deals[i - start].cards, texts[i].size());
            deals->deals[i - start].cards[texts[i].size()] = '\0';
        }
        kesto::bench::Check(CalcAllTablesPBN(deals.get(), -1, allStrains, tables.get(),
                                             pars.get()) == RETURN_NO_FAULT,
                            "CalcAllTablesPBN");
    }
}

// A fresh analyser each time: nothing cached; through the solver's own process, started
// afresh and ended with the analyser as a batch job's is, or through the solver in this
// process. Returns the longest time between two progress reports (the first comes at the
// start), in milliseconds.
double AnalyseWithKesto(const kesto::tBoardSet& boards, bool ownProcess) {
    using Clock = std::chrono::steady_clock;
    std::unique_ptr<kesto::DealAnalyser> analyser =
        ownProcess ? std::make_unique<kesto::DealAnalyser>()
                   : std::make_unique<kesto::DealAnalyser>(kesto::TheDdsSolver());
    Clock::time_point last = Clock::now();
    double longest = 0;
    const auto progress = [&](std::size_t, std::size_t) {
        const Clock::time_point now = Clock::now();
        longest = std::max(longest, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
        return true;
    };
    kesto::bench::Check(analyser->Analyse(boards, progress).Ok(), "DealAnalyser::Analyse");
    return longest;
}

// Wall time and processor time in milliseconds: of all this process's threads, and of the
// child processes ended meanwhile (the solver's own). On a busy machine the wall time of the
// same work varies with the load; the processor time much less.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

double ProcessorNow() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6 +
           ms(children.ru_utime) + ms(children.ru_stime);
}

Timing Time(const std::function<void()>& work) {
    const double cpuStart = ProcessorNow();
    const double wall = kesto::bench::MedianMilliseconds(1, work);
    return {wall, ProcessorNow() - cpuStart};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Compare(int boardCount, int rounds) {
    kesto::RandomGenerator random(static_cast<std::uint32_t>(boardCount));
    kesto::tBoardSet boards;
    kesto::GenerateRandomDeals(boards, boardCount, random);
    std::vector<std::string> texts;
    for (const kesto::tDeal& deal : boards) {
        texts.push_back(kesto::SolverDealText(deal));
    }

    // In turn, so a busy moment of the machine falls on each alike.
    struct Series {
        std::vector<double> wall, cpu, gap;
    };
    Series direct, process, inProcess;
    const auto run = [&](Series& series, const std::function<double()>& work) {
        double gap = 0;
        const Timing t = Time([&] { gap = work(); });
        series.wall.push_back(t.wall);
        series.cpu.push_back(t.cpu);
        series.gap.push_back(gap);
    };
    const std::vector<std::function<void()>> turns = {
        [&] { run(direct, [&] { return (SolveDirectly(texts), 0.0); }); },
        [&] { run(process, [&] { return AnalyseWithKesto(boards, true); }); },
        [&] { run(inProcess, [&] { return AnalyseWithKesto(boards, false); }); },
    };
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t turn = 0; turn < turns.size(); ++turn) {
            turns[(turn + static_cast<std::size_t>(round)) % turns.size()]();
        }
    }

    // The same boards a second time: every deal is found in the analyser's store.
    kesto::DealAnalyser analyser;
    kesto::bench::Check(analyser.Analyse(boards).Ok(), "DealAnalyser::Analyse");
    const double cachedMs = kesto::bench::MedianMilliseconds(
        5, [&] { kesto::bench::Check(analyser.Analyse(boards).Ok(), "second Analyse"); });

    const auto line = [&](const char* what, const Series& series) {
        std::printf(
            "%3d boards, median of %d, %s: wall %.0f ms (%.3fx), processor %.0f ms (%.3fx); bar "
            "still at most %.0f ms (median), %.0f ms (worst)\n",
            boardCount, rounds, what, Median(series.wall),
            Median(series.wall) / Median(direct.wall), Median(series.cpu),
            Median(series.cpu) / Median(direct.cpu), Median(series.gap),
            *std::max_element(series.gap.begin(), series.gap.end()));
    };
    std::printf(
        "%3d boards, median of %d, CalcAllTablesPBN alone: wall %.0f ms, processor %.0f ms\n",
        boardCount, rounds, Median(direct.wall), Median(direct.cpu));
    line("Kesto, solver's own process", process);
    line("Kesto, solver in this process", inProcess);
    std::printf("%3d boards again: %.3f ms\n", boardCount, cachedMs);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    // Rounds of 32 and of 500 boards: "bench_deal_analysis 1 1" for a quick look.
    const int rounds32 = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int rounds500 = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    // The binding starts the solver once, on its first call; the direct calls use it so.
    kesto::RandomGenerator random(1);
    kesto::tBoardSet first;
    kesto::GenerateRandomDeals(first, 1, random);
    kesto::bench::Check(
        kesto::TheDdsSolver().SolveTables({kesto::SolverDealText(first[0])}).status.Ok(),
        "first call");
    DDSInfo info{};
    GetDDSInfo(&info);
    std::printf("DDS %s, %d threads\n", info.versionString, info.noOfThreads);
    std::fflush(stdout);
    Compare(static_cast<int>(kesto::kMaxDealsPerSolverCall), rounds32);
    Compare(500, rounds500);
    return 0;
}
