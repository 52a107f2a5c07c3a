// Time to write an HTML page of 500 deals through the page library, next to writing the same
// number of bytes with one plain write. Run from the build's bin folder (beside the library).

#include <stdlib.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "kesto/platform/shared_library.h"
#include "kestweb2/kestweb2.h"

namespace {

constexpr int kDeals = 500;
constexpr int kRuns = 30;

// A deal tag of a shuffled deck, hands listed from the dealer.
std::string RandomDeal(std::mt19937& random, int dealer) {
    std::array<int, 52> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    std::shuffle(deck.begin(), deck.end(), random);
    static constexpr char kRanks[] = "AKQJT98765432";
    std::string deal(1, "NESW"[dealer]);
    deal += ':';
    for (int i = 0; i < 4; ++i) {
        const int hand = (dealer + i) % 4;
        std::array<std::string, 4> suits;
        std::vector<int> cards(deck.begin() + hand * 13, deck.begin() + hand * 13 + 13);
        std::sort(cards.begin(), cards.end());
        for (const int card : cards) {
            suits[static_cast<std::size_t>(card / 13)] += kRanks[card % 13];
        }
        if (i > 0) {
            deal += ' ';
        }
        deal += suits[0] + "." + suits[1] + "." + suits[2] + "." + suits[3];
    }
    return deal;
}

std::string Record(int board, std::mt19937& random) {
    static constexpr const char* kVulnerable[16] = {"None", "NS",   "EW", "All", "NS",   "EW",
                                                    "All",  "None", "EW", "All", "None", "NS",
                                                    "All",  "None", "NS", "EW"};
    const int dealer = (board - 1) % 4;
    return "[Board \"" + std::to_string(board) + "\"]|[Dealer \"" + "NESW"[dealer] +
           "\"]|[Vulnerable \"" + kVulnerable[(board - 1) % 16] + "\"]|[Deal \"" +
           RandomDeal(random, dealer) + "\"]";
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Write>
std::vector<double> Time(Write write) {
    std::vector<double> seconds;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (!write()) {
            std::fprintf(stderr, "write failed\n");
            std::exit(1);
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        seconds.push_back(took.count());
    }
    return seconds;
}

void Report(const char* what, const std::vector<double>& seconds, std::size_t bytes) {
    const double best = *std::min_element(seconds.begin(), seconds.end());
    const double median = Median(seconds);
    std::printf("%-34s best %8.3f ms  median %8.3f ms  %8.1f MB/s (median)\n", what, best * 1e3,
                median * 1e3, static_cast<double>(bytes) / median / 1e6);
}

}  // namespace

int main() {
    const kesto::LibraryLoad load = kesto::LoadSharedLibrary("KESTWEB2.DLL");
    if (!load.status.Ok()) {
        std::fprintf(stderr, "%s\n", load.status.Reason().c_str());
        return 1;
    }
    const auto& library = load.value;
    const auto addDeal = reinterpret_cast<AddDealFn>(library->Entry("AddDeal"));
    const auto clearDeals = reinterpret_cast<ClearDealsFn>(library->Entry("ClearDeals"));
    const auto htmlDef = reinterpret_cast<HTMLDefFn>(library->Entry("HTMLDef"));
    if (addDeal == nullptr || clearDeals == nullptr || htmlDef == nullptr) {
        std::fprintf(stderr, "entry missing in %s\n", library->Path().c_str());
        return 1;
    }

    std::string folder = (std::filesystem::temp_directory_path() / "kestweb2_bench_XXXXXX");
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string page = folder + "/page.html";
    const std::string plain = folder + "/plain.bin";

    std::mt19937 random(500u);
    clearDeals();
    for (int board = 1; board <= kDeals; ++board) {
        addDeal(Record(board, random).c_str());
    }

    const auto pageTimes = Time([&] {
        return htmlDef(page.c_str(), "images", "Kesto Bridge Club", "Benchmark", 'T', 0, 0) ==
               kKestWeb2Ok;
    });
    std::ifstream in(page, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    const auto plainTimes = Time([&] {
        std::FILE* file = std::fopen(plain.c_str(), "wb");
        if (file == nullptr) {
            return false;
        }
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        return std::fclose(file) == 0 && written;
    });
    clearDeals();

    std::printf("page of %d deals: %zu bytes, %d runs each, in %s\n", kDeals, bytes.size(), kRuns,
                folder.c_str());
    Report("HTMLDef (500 deals)", pageTimes, bytes.size());
    Report("one plain write of the same bytes", plainTimes, bytes.size());
    std::printf("ratio (median page / median plain): %.1f\n",
                Median(pageTimes) / Median(plainTimes));

    std::error_code error;
    std::filesystem::remove_all(folder, error);
    return 0;
}
