#pragma once
// A set of hand shapes (the four suit lengths of a 13-card hand), for the shape tests of a
// plan: a hand's shape is in the set or not, in one look-up.

#include <array>
#include <bitset>

#include "kesto/plan/hand_figures.h"

namespace kesto {

// A length in a pattern that matches any length.
inline constexpr int kAnyLength = -1;

class ShapeSet {
  public:
    // The shapes whose lengths in the order spades, hearts, diamonds, clubs are the pattern's
    // (kAnyLength matching any); with anyOrder, in some order of the suits.
    static ShapeSet Pattern(const std::array<int, 4>& lengths, bool anyOrder);
    // 4333, 4432 and 5332 in any suit order.
    static ShapeSet Balanced();
    // The balanced shapes, 5422 and 6322.
    static ShapeSet SemiBalanced();

    // shapeIndex: HandFigures::shape (kNoShape is in no set).
    bool Contains(int shapeIndex) const { return bits_[static_cast<std::size_t>(shapeIndex)]; }

    friend ShapeSet operator|(ShapeSet a, const ShapeSet& b) {
        a.bits_ |= b.bits_;
        return a;
    }
    // The shapes of a that b does not hold.
    friend ShapeSet operator-(ShapeSet a, const ShapeSet& b) {
        a.bits_ &= ~b.bits_;
        return a;
    }

  private:
    std::bitset<kShapeCount + 1> bits_;
};

}  // namespace kesto
