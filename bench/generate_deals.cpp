// Deals per second of the generating run, and the time for the largest board set.
// Prints its figures; it is not a test.

#include <chrono>
#include <cstdio>

#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/deal/secure_random.h"

int main() {
    using Clock = std::chrono::steady_clock;
    kesto::RandomGenerator random(0);

    constexpr int kDeals = 100'000;
    kesto::tBoardSet boards;
    const auto start = Clock::now();
    kesto::GenerateRandomDeals(boards, kDeals, random);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    // 500 boards, the most the first page allows, repeated to average out the timer.
    constexpr int kRepeats = 200;
    const auto start500 = Clock::now();
    std::size_t checksum = boards.size();
    for (int i = 0; i < kRepeats; ++i) {
        kesto::tBoardSet set;
        kesto::GenerateRandomDeals(set, 500, random);
        checksum += static_cast<std::size_t>(set.back().North.spades);
    }
    const double per500 = std::chrono::duration<double>(Clock::now() - start500).count() / kRepeats;

    // The same 500 boards from the system's cryptographic source.
    kesto::SecureRandom secure;
    kesto::GeneratingRun secureRun(secure);
    const auto startSecure = Clock::now();
    for (int i = 0; i < kRepeats; ++i) {
        kesto::tBoardSet set;
        if (const kesto::Status dealt = kesto::GenerateDeals(set, 500, secureRun); !dealt.Ok()) {
            std::printf("secure run failed: %s\n", dealt.Reason().c_str());
            return 1;
        }
        checksum += static_cast<std::size_t>(set.back().North.spades);
    }
    const double perSecure500 =
        std::chrono::duration<double>(Clock::now() - startSecure).count() / kRepeats;

    std::printf("generating run: %d deals in %.3f s = %.0f deals/s\n", kDeals, seconds,
                kDeals / seconds);
    std::printf("500 boards: %.3f ms classic, %.3f ms secure (checksum %zu)\n", per500 * 1000.0,
                perSecure500 * 1000.0, checksum);
    return 0;
}
