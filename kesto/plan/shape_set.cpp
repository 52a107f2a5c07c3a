#include "kesto/plan/shape_set.h"

#include <algorithm>

namespace kesto {

namespace {

bool Matches(const std::array<int, 4>& lengths, const std::array<int, 4>& pattern) {
    for (std::size_t suit = 0; suit < 4; ++suit) {
        if (pattern[suit] != kAnyLength && pattern[suit] != lengths[suit]) {
            return false;
        }
    }
    return true;
}

bool MatchesInSomeOrder(const std::array<int, 4>& lengths, std::array<int, 4> pattern) {
    std::sort(pattern.begin(), pattern.end());
    do {
        if (Matches(lengths, pattern)) {
            return true;
        }
    } while (std::next_permutation(pattern.begin(), pattern.end()));
    return false;
}

}  // namespace

ShapeSet ShapeSet::Pattern(const std::array<int, 4>& lengths, bool anyOrder) {
    ShapeSet set;
    for (int spades = 0; spades <= kCardsInHand; ++spades) {
        for (int hearts = 0; spades + hearts <= kCardsInHand; ++hearts) {
            for (int diamonds = 0; spades + hearts + diamonds <= kCardsInHand; ++diamonds) {
                const int clubs = kCardsInHand - spades - hearts - diamonds;
                const std::array<int, 4> hand = {spades, hearts, diamonds, clubs};
                if (anyOrder ? MatchesInSomeOrder(hand, lengths) : Matches(hand, lengths)) {
                    set.bits_.set(
                        static_cast<std::size_t>(ShapeIndex(spades, hearts, diamonds, clubs)));
                }
            }
        }
    }
    return set;
}

ShapeSet ShapeSet::Balanced() {
    static const ShapeSet balanced =
        Pattern({4, 3, 3, 3}, true) | Pattern({4, 4, 3, 2}, true) | Pattern({5, 3, 3, 2}, true);
    return balanced;
}

ShapeSet ShapeSet::SemiBalanced() {
    static const ShapeSet semiBalanced =
        Balanced() | Pattern({5, 4, 2, 2}, true) | Pattern({6, 3, 2, 2}, true);
    return semiBalanced;
}

}  // namespace kesto
