#include "kesto/plan/condition.h"

#include <array>

namespace kesto {

Seat SeatOf(SeatName name, Seat dealer) {
    const int code = static_cast<int>(name);
    return code < 4 ? static_cast<Seat>(code)
                    : static_cast<Seat>((static_cast<int>(dealer) + code - 4) % 4);
}

void Condition::Append(Step step, int pops, int pushes) {
    if (depth_ < pops) {
        broken_ = true;  // an operand missing: the steps were built out of order
    }
    depth_ += pushes - pops;
    if (depth_ > kMaxStackDepth) {
        broken_ = true;
    }
    steps_.push_back(step);
}

void Condition::PushNumber(int number) {
    Append({Op::Number, SeatName::North, Figure::Hcp, number, 0}, 0, 1);
}

void Condition::PushFigure(SeatName seat, Figure figure) {
    Append({Op::Figure, seat, figure, 0, 0}, 0, 1);
}

void Condition::Add() {
    Append({Op::Add, SeatName::North, Figure::Hcp, 0, 0}, 2, 1);
}

void Condition::Subtract() {
    Append({Op::Subtract, SeatName::North, Figure::Hcp, 0, 0}, 2, 1);
}

void Condition::Compare(Comparison comparison) {
    static constexpr Op kOps[] = {Op::Equal,       Op::NotEqual, Op::Less,
                                  Op::LessOrEqual, Op::Greater,  Op::GreaterOrEqual};
    Append({kOps[static_cast<int>(comparison)], SeatName::North, Figure::Hcp, 0, 0}, 2, 1);
}

void Condition::InRange(int low, int high) {
    Append({Op::InRange, SeatName::North, Figure::Hcp, low, high}, 1, 1);
}

void Condition::HasShape(SeatName seat, const ShapeSet& shapes) {
    shapes_.push_back(shapes);
    Append({Op::Shape, seat, Figure::Hcp, static_cast<std::int32_t>(shapes_.size() - 1), 0}, 0, 1);
}

void Condition::And() {
    Append({Op::And, SeatName::North, Figure::Hcp, 0, 0}, 2, 1);
}

void Condition::Or() {
    Append({Op::Or, SeatName::North, Figure::Hcp, 0, 0}, 2, 1);
}

void Condition::Not() {
    Append({Op::Not, SeatName::North, Figure::Hcp, 0, 0}, 1, 1);
}

bool Condition::Meets(const DealFigures& figures, Seat dealer) const {
    if (broken_ || depth_ != 1) {
        return false;
    }
    // The hand of each seat name on this board: names 0..3 are the seats themselves.
    std::array<const HandFigures*, 8> hands;
    for (int name = 0; name < 8; ++name) {
        hands[static_cast<std::size_t>(name)] =
            &figures[static_cast<std::size_t>(SeatOf(static_cast<SeatName>(name), dealer))];
    }
    // 64-bit values: no sum of the numbers a reader accepts can overflow.
    std::array<std::int64_t, kMaxStackDepth> stack;
    std::size_t top = 0;  // values held; the top value is stack[top - 1]
    for (const Step& step : steps_) {
        switch (step.op) {
            case Op::Number:
                stack[top++] = step.a;
                break;
            case Op::Figure:
                stack[top++] = (*hands[static_cast<std::size_t>(step.seat)])[step.figure];
                break;
            case Op::Add:
                --top;
                stack[top - 1] += stack[top];
                break;
            case Op::Subtract:
                --top;
                stack[top - 1] -= stack[top];
                break;
            case Op::Equal:
                --top;
                stack[top - 1] = stack[top - 1] == stack[top];
                break;
            case Op::NotEqual:
                --top;
                stack[top - 1] = stack[top - 1] != stack[top];
                break;
            case Op::Less:
                --top;
                stack[top - 1] = stack[top - 1] < stack[top];
                break;
            case Op::LessOrEqual:
                --top;
                stack[top - 1] = stack[top - 1] <= stack[top];
                break;
            case Op::Greater:
                --top;
                stack[top - 1] = stack[top - 1] > stack[top];
                break;
            case Op::GreaterOrEqual:
                --top;
                stack[top - 1] = stack[top - 1] >= stack[top];
                break;
            case Op::InRange:
                stack[top - 1] = step.a <= stack[top - 1] && stack[top - 1] <= step.b;
                break;
            case Op::Shape:
                stack[top++] = shapes_[static_cast<std::size_t>(step.a)].Contains(
                    hands[static_cast<std::size_t>(step.seat)]->shape);
                break;
            case Op::And:
                --top;
                stack[top - 1] = stack[top - 1] != 0 && stack[top] != 0;
                break;
            case Op::Or:
                --top;
                stack[top - 1] = stack[top - 1] != 0 || stack[top] != 0;
                break;
            case Op::Not:
                stack[top - 1] = stack[top - 1] == 0;
                break;
        }
    }
    return stack[0] != 0;
}

}  // namespace kesto
