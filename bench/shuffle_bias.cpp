// How far each shuffle is from uniform: from a deck in order, how often the card of each
// position ends at each position (52 x 52), over many shuffles, for the classic shuffle (each
// position swapped with any position) and the secure one (Fisher-Yates, rejection sampling).
// Prints chi-square (2,652 degrees of freedom: about 2,652 +- 73 for a uniform shuffle) and
// the largest relative deviation of one cell. Prints its figures; it is not a test.

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>

#include "kesto/deal/deck.h"
#include "kesto/deal/random.h"
#include "kesto/deal/secure_random.h"

namespace {

constexpr int kShuffles = 2'000'000;

void Report(const char* name, const std::function<bool(kesto::TDeck&)>& shuffle) {
    std::array<std::array<long, 52>, 52> counts{};
    for (int i = 0; i < kShuffles; ++i) {
        kesto::TDeck deck;
        if (!shuffle(deck)) {
            std::printf("%s: the random source failed\n", name);
            return;
        }
        for (int position = 1; position <= 52; ++position) {
            ++counts[static_cast<std::size_t>(deck.CardAt(position) - 1)]
                    [static_cast<std::size_t>(position - 1)];
        }
    }
    const double expected = kShuffles / 52.0;
    double chiSquare = 0, worst = 0;
    for (const auto& row : counts) {
        for (const long observed : row) {
            const double diff = static_cast<double>(observed) - expected;
            chiSquare += diff * diff / expected;
            worst = std::max(worst, std::fabs(diff) / expected);
        }
    }
    std::printf("%-8s %d shuffles: chi-square %.0f, largest cell deviation %.1f %%\n", name,
                kShuffles, chiSquare, worst * 100.0);
}

}  // namespace

int main() {
    kesto::RandomGenerator classic(0);
    Report("classic", [&](kesto::TDeck& deck) {
        deck.Shuffle(classic);
        return true;
    });
    kesto::SecureRandom secure;
    Report("secure", [&](kesto::TDeck& deck) { return deck.ShuffleSecurely(secure); });
    return 0;
}
