#pragma once
// A condition of a plan, compiled to a flat list of steps over the figures of the four hands
// (HandFigures), so that checking a deal allocates nothing and walks no tree.
//
// It is built in postfix order: values are pushed, and each test or join takes its operands
// from the top and pushes its result (the plan reader does this). A deal meets the condition
// when the one value left is true.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "kesto/deal/board.h"
#include "kesto/plan/hand_figures.h"
#include "kesto/plan/shape_set.h"

namespace kesto {

// A seat as a condition names it: one of the four, or relative to the board's dealer.
enum class SeatName : std::uint8_t {
    North = 0,  // the first four in the order of Seat
    East,
    South,
    West,
    Dealer,
    Lho,  // the dealer's left-hand opponent, who calls after the dealer
    Partner,
    Rho,
};

// The seat a name stands for on a board with this dealer.
Seat SeatOf(SeatName name, Seat dealer);

// A card that a condition requires in a seat: a hascard test joined to the rest by "and".
struct FixedCard {
    SeatName seat;
    Suit suit;
    int rank;  // 2..14
};

// The points of each rank, the ace first and the two last: a dealer script's "pointcount".
using PointScale = std::array<std::int32_t, 13>;

enum class Comparison : std::uint8_t {
    Equal,
    NotEqual,
    Less,
    LessOrEqual,
    Greater,
    GreaterOrEqual
};

class Condition {
  public:
    // The most values an evaluation holds at once. The plan reader's limit on nested
    // parentheses keeps every condition it builds well inside; a deeper one is met by no deal.
    static constexpr int kMaxStackDepth = 64;

    void PushNumber(int number);
    void PushFigure(SeatName seat, Figure figure);
    // A figure of one suit: Hcp, Controls or Losers.
    void PushSuitFigure(SeatName seat, Suit suit, Figure figure);
    // Points by a scale of the plan's own, over the hand or one suit.
    void PushPoints(SeatName seat, std::optional<Suit> suit, const PointScale& scale);
    void Add();       // a + b
    void Subtract();  // a - b
    void Multiply();  // a * b
    // a / b and a % b, truncated toward 0; by 0 they give 0. Every sum, difference and product
    // wraps around in 64 bits, so no value a reader accepts can fault.
    void Divide();
    void Remainder();
    void Compare(Comparison comparison);
    void InRange(int low, int high);  // low <= value <= high
    void HasShape(SeatName seat, const ShapeSet& shapes);
    void HasCard(SeatName seat, Suit suit, int rank);
    void And();
    void Or();
    void Not();
    void Choose();  // c ? a : b, with c, a and b pushed in that order

    // Whether the deal of the board with this dealer meets the condition. A condition that
    // does not leave exactly one value, or lacks an operand on the way, is met by no deal.
    bool Meets(const DealFigures& figures, Seat dealer) const;
    // True when no deal can meet the condition on a board with this dealer, as the bounds of
    // its values show: hcp(N) >= 21 and hcp(E) >= 20 asks for 41 of the 40 points. False
    // promises nothing: a condition no deal meets may escape the bounds.
    bool NeverMet(Seat dealer) const;
    // Whether a seat named relative to the dealer takes part.
    bool DependsOnDealer() const;
    // The seats whose hands the condition reads on a board with this dealer, as bits
    // 1 << Seat: the figures Meets needs (FiguresOf).
    unsigned SeatsRead(Seat dealer) const;
    // The steps an evaluation walks: what a check of a deal costs.
    std::size_t StepCount() const { return steps_.size(); }
    // Whether the steps leave exactly one value, with every operand there and no more than
    // kMaxStackDepth values held at once: only such a condition is met by any deal.
    bool WellFormed() const { return !broken_ && depth_ == 1; }
    // The cards that hascard tests joined to the whole condition by "and" require, in the
    // order of the tests; none for a condition that is not well formed.
    std::vector<FixedCard> RequiredCards() const;

  private:
    enum class Op : std::uint8_t {
        Number,
        Figure,
        SuitFigure,
        Points,
        Add,
        Subtract,
        Multiply,
        Divide,
        Remainder,
        Equal,
        NotEqual,
        Less,
        LessOrEqual,
        Greater,
        GreaterOrEqual,
        InRange,
        Shape,
        HasCard,
        And,
        Or,
        Not,
        Choose,
    };
    struct Step {
        Op op;
        SeatName seat;   // Figure, SuitFigure, Points, Shape, HasCard
        Figure figure;   // Figure, SuitFigure
        std::int32_t a;  // Number: the number; InRange: the low end; Shape: index in shapes_;
                         // SuitFigure, HasCard: the suit; Points: index in scales_
        std::int32_t b;  // InRange: the high end; HasCard: the rank; Points: the suit, or 4
                         // for the whole hand
    };

    // The values a step takes from the top.
    static int Operands(Op op);
    void Append(Step step);

    std::vector<Step> steps_;
    std::vector<ShapeSet> shapes_;
    std::vector<PointScale> scales_;
    int depth_ = 0;        // values held after the last step
    bool broken_ = false;  // a step without its operands, or too many values held at once
};

}  // namespace kesto
