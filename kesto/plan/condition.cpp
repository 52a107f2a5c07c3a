#include "kesto/plan/condition.h"

#include <algorithm>

namespace kesto {

namespace {

constexpr std::int32_t kWholeHand = 4;  // Points over every suit

// Two's complement arithmetic that wraps instead of overflowing.
std::int64_t Wrapped(std::uint64_t value) {
    return static_cast<std::int64_t>(value);
}

std::int64_t Quotient(std::int64_t a, std::int64_t b) {
    if (b == 0) {
        return 0;
    }
    return b == -1 ? Wrapped(0 - static_cast<std::uint64_t>(a)) : a / b;
}

std::int64_t Rest(std::int64_t a, std::int64_t b) {
    return b == 0 || b == -1 ? 0 : a % b;
}

std::int64_t PointsOf(const PointScale& scale, tSuitSet holding) {
    std::int64_t points = 0;
    for (int rank = 2; rank <= kAce; ++rank) {
        if ((holding & RankBit(rank)) != 0) {
            points += scale[static_cast<std::size_t>(kAce - rank)];
        }
    }
    return points;
}

}  // namespace

Seat SeatOf(SeatName name, Seat dealer) {
    const int code = static_cast<int>(name);
    return code < 4 ? static_cast<Seat>(code)
                    : static_cast<Seat>((static_cast<int>(dealer) + code - 4) % 4);
}

int Condition::Operands(Op op) {
    switch (op) {
        case Op::Number:
        case Op::Figure:
        case Op::SuitFigure:
        case Op::Points:
        case Op::Shape:
        case Op::HasCard:
            return 0;
        case Op::InRange:
        case Op::Not:
            return 1;
        case Op::Choose:
            return 3;
        default:
            return 2;
    }
}

void Condition::Append(Step step) {
    const int pops = Operands(step.op);
    if (depth_ < pops) {
        broken_ = true;  // an operand missing: the steps were built out of order
    }
    depth_ += 1 - pops;
    if (depth_ > kMaxStackDepth) {
        broken_ = true;
    }
    steps_.push_back(step);
}

void Condition::PushNumber(int number) {
    Append({Op::Number, SeatName::North, Figure::Hcp, number, 0});
}

void Condition::PushFigure(SeatName seat, Figure figure) {
    Append({Op::Figure, seat, figure, 0, 0});
}

void Condition::PushSuitFigure(SeatName seat, Suit suit, Figure figure) {
    Append({Op::SuitFigure, seat, figure, static_cast<std::int32_t>(suit), 0});
}

void Condition::PushPoints(SeatName seat, std::optional<Suit> suit, const PointScale& scale) {
    if (std::find(scales_.begin(), scales_.end(), scale) == scales_.end()) {
        scales_.push_back(scale);
    }
    const auto index = std::find(scales_.begin(), scales_.end(), scale) - scales_.begin();
    Append({Op::Points, seat, Figure::Hcp, static_cast<std::int32_t>(index),
            suit ? static_cast<std::int32_t>(*suit) : kWholeHand});
}

void Condition::Add() {
    Append({Op::Add, SeatName::North, Figure::Hcp, 0, 0});
}

void Condition::Subtract() {
    Append({Op::Subtract, SeatName::North, Figure::Hcp, 0, 0});
}

void Condition::Multiply() {
    Append({Op::Multiply, SeatName::North, Figure::Hcp, 0, 0});
}

void Condition::Divide() {
    Append({Op::Divide, SeatName::North, Figure::Hcp, 0, 0});
}

void Condition::Remainder() {
    Append({Op::Remainder, SeatName::North, Figure::Hcp, 0, 0});
}

void Condition::Compare(Comparison comparison) {
    static constexpr Op kOps[] = {Op::Equal,       Op::NotEqual, Op::Less,
                                  Op::LessOrEqual, Op::Greater,  Op::GreaterOrEqual};
    Append({kOps[static_cast<int>(comparison)], SeatName::North, Figure::Hcp, 0, 0});
}

void Condition::InRange(int low, int high) {
    Append({Op::InRange, SeatName::North, Figure::Hcp, low, high});
}

void Condition::HasShape(SeatName seat, const ShapeSet& shapes) {
    shapes_.push_back(shapes);
    Append({Op::Shape, seat, Figure::Hcp, static_cast<std::int32_t>(shapes_.size() - 1), 0});
}

void Condition::HasCard(SeatName seat, Suit suit, int rank) {
    Append({Op::HasCard, seat, Figure::Hcp, static_cast<std::int32_t>(suit), rank});
}

void Condition::And() {
    Append({Op::And, SeatName::North, Figure::Hcp, 0, 0});
}

void Condition::Or() {
    Append({Op::Or, SeatName::North, Figure::Hcp, 0, 0});
}

void Condition::Not() {
    Append({Op::Not, SeatName::North, Figure::Hcp, 0, 0});
}

void Condition::Choose() {
    Append({Op::Choose, SeatName::North, Figure::Hcp, 0, 0});
}

std::vector<FixedCard> Condition::RequiredCards() const {
    if (!WellFormed()) {
        return {};
    }
    // Where the value of each step begins: the first step of its first operand.
    std::vector<std::size_t> starts(steps_.size());
    std::vector<std::size_t> values;
    for (std::size_t i = 0; i < steps_.size(); ++i) {
        std::size_t start = i;
        for (int k = 0; k < Operands(steps_[i].op); ++k) {
            start = values.back();
            values.pop_back();
        }
        starts[i] = start;
        values.push_back(start);
    }
    std::vector<FixedCard> cards;
    std::vector<std::size_t> pending = {steps_.size() - 1};  // values joined by "and"
    while (!pending.empty()) {
        const std::size_t i = pending.back();
        pending.pop_back();
        const Step& step = steps_[i];
        if (step.op == Op::And) {
            pending.push_back(i - 1);              // the second operand ends just before
            pending.push_back(starts[i - 1] - 1);  // and the first just before that
        } else if (step.op == Op::HasCard) {
            cards.push_back({step.seat, static_cast<Suit>(step.a), step.b});
        }
    }
    return cards;
}

bool Condition::Meets(const DealFigures& figures, Seat dealer) const {
    if (!WellFormed()) {
        return false;
    }
    // The hand of each seat name on this board: names 0..3 are the seats themselves.
    std::array<const HandFigures*, 8> hands;
    for (int name = 0; name < 8; ++name) {
        hands[static_cast<std::size_t>(name)] =
            &figures[static_cast<std::size_t>(SeatOf(static_cast<SeatName>(name), dealer))];
    }
    const auto hand = [&hands](const Step& step) -> const HandFigures& {
        return *hands[static_cast<std::size_t>(step.seat)];
    };
    std::array<std::int64_t, kMaxStackDepth> stack;
    std::size_t top = 0;  // values held; the top value is stack[top - 1]
    // The two values a binary step takes, as unsigned numbers for arithmetic that wraps.
    const auto a = [&] { return static_cast<std::uint64_t>(stack[top - 1]); };
    const auto b = [&] { return static_cast<std::uint64_t>(stack[top]); };
    for (const Step& step : steps_) {
        switch (step.op) {
            case Op::Number:
                stack[top++] = step.a;
                break;
            case Op::Figure:
                stack[top++] = hand(step)[step.figure];
                break;
            case Op::SuitFigure: {
                const tSuitSet holding = hand(step).holdings[static_cast<std::size_t>(step.a)];
                stack[top++] = step.figure == Figure::Hcp        ? SuitPoints(holding)
                               : step.figure == Figure::Controls ? SuitControls(holding)
                                                                 : SuitLosers(holding);
                break;
            }
            case Op::Points: {
                const PointScale& scale = scales_[static_cast<std::size_t>(step.a)];
                std::int64_t points = 0;
                for (std::size_t suit = 0; suit < 4; ++suit) {
                    if (step.b == kWholeHand || static_cast<std::size_t>(step.b) == suit) {
                        points += PointsOf(scale, hand(step).holdings[suit]);
                    }
                }
                stack[top++] = points;
                break;
            }
            case Op::Add:
                --top;
                stack[top - 1] = Wrapped(a() + b());
                break;
            case Op::Subtract:
                --top;
                stack[top - 1] = Wrapped(a() - b());
                break;
            case Op::Multiply:
                --top;
                stack[top - 1] = Wrapped(a() * b());
                break;
            case Op::Divide:
                --top;
                stack[top - 1] = Quotient(stack[top - 1], stack[top]);
                break;
            case Op::Remainder:
                --top;
                stack[top - 1] = Rest(stack[top - 1], stack[top]);
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
                stack[top++] = shapes_[static_cast<std::size_t>(step.a)].Contains(hand(step).shape);
                break;
            case Op::HasCard:
                stack[top++] =
                    (hand(step).holdings[static_cast<std::size_t>(step.a)] & RankBit(step.b)) != 0;
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
            case Op::Choose:
                top -= 2;
                stack[top - 1] = stack[top - 1] != 0 ? stack[top] : stack[top + 1];
                break;
        }
    }
    return stack[0] != 0;
}

}  // namespace kesto
