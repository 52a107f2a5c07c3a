#pragma once
// A condition of a plan, compiled to a flat list of steps over the figures of the four hands
// (HandFigures), so that checking a deal allocates nothing and walks no tree.
//
// It is built in postfix order: values are pushed, and each test or join takes its operands
// from the top and pushes its result (the plan reader does this). A deal meets the condition
// when the one value left is true.

#include <cstdint>
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
    void Add();       // a + b
    void Subtract();  // a - b
    void Compare(Comparison comparison);
    void InRange(int low, int high);  // low <= value <= high
    void HasShape(SeatName seat, const ShapeSet& shapes);
    void And();
    void Or();
    void Not();

    // Whether the deal of the board with this dealer meets the condition. A condition that
    // does not leave exactly one value, or lacks an operand on the way, is met by no deal.
    bool Meets(const DealFigures& figures, Seat dealer) const;
    // True when no deal can meet the condition on a board with this dealer, as the bounds of
    // its values show: hcp(N) >= 21 and hcp(E) >= 20 asks for 41 of the 40 points. False
    // promises nothing: a condition no deal meets may escape the bounds.
    bool NeverMet(Seat dealer) const;
    // Whether a seat named relative to the dealer takes part.
    bool DependsOnDealer() const;
    // The steps an evaluation walks: what a check of a deal costs.
    std::size_t StepCount() const { return steps_.size(); }

  private:
    enum class Op : std::uint8_t {
        Number,
        Figure,
        Add,
        Subtract,
        Equal,
        NotEqual,
        Less,
        LessOrEqual,
        Greater,
        GreaterOrEqual,
        InRange,
        Shape,
        And,
        Or,
        Not,
    };
    struct Step {
        Op op;
        SeatName seat;   // Figure, Shape
        Figure figure;   // Figure
        std::int32_t a;  // Number: the number; InRange: the low end; Shape: index in shapes_
        std::int32_t b;  // InRange: the high end
    };

    void Append(Step step, int pops, int pushes);

    std::vector<Step> steps_;
    std::vector<ShapeSet> shapes_;
    int depth_ = 0;        // values held after the last step
    bool broken_ = false;  // a step without its operands, or too many values held at once
};

}  // namespace kesto
