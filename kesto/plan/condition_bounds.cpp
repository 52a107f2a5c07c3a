// Condition::NeverMet: the condition evaluated over what is known of any deal instead of one
// deal. A value is a number, a sum of one figure over distinct seats plus a number, or a test
// with the bounds on such sums that every deal meeting it satisfies; a test is never met when
// its bounds ask more than the 52 cards hold.

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <vector>

#include "kesto/plan/condition.h"

namespace kesto {

namespace {

using Amount = std::int64_t;
constexpr Amount kUnbounded = std::numeric_limits<std::int32_t>::max();

// A figure summed over a set of seats (bit i: Seat i) lies in low..high.
struct Bound {
    Figure figure;
    unsigned seats;
    Amount low;
    Amount high;
};

struct Value {
    enum class Kind : std::uint8_t { Number, Sum, Test, Unknown };
    Kind kind = Kind::Unknown;
    Amount number = 0;  // Number; Sum: what is added to the figures
    Figure figure = Figure::Hcp;
    unsigned seats = 0;  // Sum
    bool never = false;  // Test
    std::vector<Bound> bounds;
};

Value NumberValue(Amount n) {
    Value value;
    value.kind = Value::Kind::Number;
    value.number = n;
    return value;
}

Value SumValue(Figure figure, Seat seat) {
    Value value;
    value.kind = Value::Kind::Sum;
    value.figure = figure;
    value.seats = 1u << static_cast<unsigned>(seat);
    return value;
}

bool MayBeMet(const std::vector<Bound>& bounds);

// A test; never when its bounds cannot all hold.
Value TestValue(bool never, std::vector<Bound> bounds = {}) {
    Value value;
    value.kind = Value::Kind::Test;
    value.never = never || (!bounds.empty() && !MayBeMet(bounds));
    value.bounds = std::move(bounds);
    return value;
}

// What a value used as a test says: a number is met when it is not 0.
Value AsTest(Value value) {
    if (value.kind == Value::Kind::Number) {
        return TestValue(value.number == 0);
    }
    return value.kind == Value::Kind::Test ? value : TestValue(false);
}

Value Added(const Value& a, const Value& b, Amount sign) {
    using Kind = Value::Kind;
    if (a.kind == Kind::Number && b.kind == Kind::Number) {
        return NumberValue(a.number + sign * b.number);
    }
    if (a.kind == Kind::Sum && b.kind == Kind::Number) {
        Value sum = a;
        sum.number += sign * b.number;
        return sum;
    }
    if (sign > 0 && a.kind == Kind::Number && b.kind == Kind::Sum) {
        return Added(b, a, sign);
    }
    if (sign > 0 && a.kind == Kind::Sum && b.kind == Kind::Sum && a.figure == b.figure &&
        (a.seats & b.seats) == 0) {
        Value sum = a;
        sum.seats |= b.seats;
        sum.number += b.number;
        return sum;
    }
    return {};
}

// sum op n, as a bound on the sum's figures; none for <>.
std::vector<Bound> BoundsOf(const Value& sum, Comparison op, Amount n) {
    const Amount k = n - sum.number;
    Amount low = -kUnbounded;
    Amount high = kUnbounded;
    switch (op) {
        case Comparison::Equal:
            low = high = k;
            break;
        case Comparison::NotEqual:
            return {};
        case Comparison::Less:
            high = k - 1;
            break;
        case Comparison::LessOrEqual:
            high = k;
            break;
        case Comparison::Greater:
            low = k + 1;
            break;
        case Comparison::GreaterOrEqual:
            low = k;
            break;
    }
    return {{sum.figure, sum.seats, low, high}};
}

bool Holds(Amount a, Comparison op, Amount b) {
    switch (op) {
        case Comparison::Equal:
            return a == b;
        case Comparison::NotEqual:
            return a != b;
        case Comparison::Less:
            return a < b;
        case Comparison::LessOrEqual:
            return a <= b;
        case Comparison::Greater:
            return a > b;
        case Comparison::GreaterOrEqual:
            return a >= b;
    }
    return false;
}

Comparison Mirrored(Comparison op) {
    switch (op) {
        case Comparison::Less:
            return Comparison::Greater;
        case Comparison::LessOrEqual:
            return Comparison::GreaterOrEqual;
        case Comparison::Greater:
            return Comparison::Less;
        case Comparison::GreaterOrEqual:
            return Comparison::LessOrEqual;
        default:
            return op;
    }
}

Value Compared(const Value& a, Comparison op, const Value& b) {
    using Kind = Value::Kind;
    if (a.kind == Kind::Number && b.kind == Kind::Number) {
        return TestValue(!Holds(a.number, op, b.number));
    }
    if (a.kind == Kind::Sum && b.kind == Kind::Number) {
        return TestValue(false, BoundsOf(a, op, b.number));
    }
    if (a.kind == Kind::Number && b.kind == Kind::Sum) {
        return TestValue(false, BoundsOf(b, Mirrored(op), a.number));
    }
    return TestValue(false);
}

// The most of a figure one hand holds, and what the four hands hold together: exactly, or
// (losers) at most.
struct Limits {
    Amount perHand;
    Amount total;
    bool exactTotal = true;
};

Limits LimitsOf(Figure figure) {
    switch (figure) {
        case Figure::Hcp:
            return {37, 40};
        case Figure::Controls:
            return {12, 12};
        case Figure::Losers:
            return {12, 48, false};
        default:
            return {kCardsInHand, kCardsInHand};
    }
}

constexpr unsigned kAllSeats = 0xF;

// Whether some deal may hold figures within all the bounds. Each set of seats gets the range
// its sum may take: its own bounds, the sums of the sets it splits into, and the total less
// the other seats'. An empty range, or a hand whose suits cannot come to 13, proves none can.
bool MayBeMet(const std::vector<Bound>& bounds) {
    std::array<std::array<Amount, 16>, kFigureCount> low{}, high{};
    for (int f = 0; f < kFigureCount; ++f) {
        const Limits limits = LimitsOf(static_cast<Figure>(f));
        auto& lo = low[static_cast<std::size_t>(f)];
        auto& hi = high[static_cast<std::size_t>(f)];
        for (unsigned m = 0; m <= kAllSeats; ++m) {
            lo[m] = m == kAllSeats && limits.exactTotal ? limits.total : 0;
            hi[m] = std::min(std::popcount(m) * limits.perHand, limits.total);
        }
        for (const Bound& bound : bounds) {
            if (bound.figure == static_cast<Figure>(f)) {
                lo[bound.seats] = std::max(lo[bound.seats], bound.low);
                hi[bound.seats] = std::min(hi[bound.seats], bound.high);
            }
        }
        // Two rounds carry a bound from any set to any other through their unions and rests.
        for (int round = 0; round < 2; ++round) {
            for (unsigned m = 1; m <= kAllSeats; ++m) {
                for (unsigned a = (m - 1) & m; a > 0; a = (a - 1) & m) {
                    lo[m] = std::max(lo[m], lo[a] + lo[m ^ a]);
                    hi[m] = std::min(hi[m], hi[a] + hi[m ^ a]);
                }
            }
            for (unsigned m = 1; m < kAllSeats; ++m) {
                lo[m] = std::max(lo[m], lo[kAllSeats] - hi[kAllSeats ^ m]);
                hi[m] = std::min(hi[m], hi[kAllSeats] - lo[kAllSeats ^ m]);
            }
        }
        for (unsigned m = 1; m <= kAllSeats; ++m) {
            if (lo[m] > hi[m]) {
                return false;
            }
        }
    }
    for (unsigned seat = 1; seat <= 8; seat <<= 1) {
        Amount least = 0;
        Amount most = 0;
        for (const Suit suit : kAllSuits) {
            least += low[static_cast<std::size_t>(suit)][seat];
            most += high[static_cast<std::size_t>(suit)][seat];
        }
        if (least > kCardsInHand || most < kCardsInHand) {
            return false;
        }
    }
    return true;
}

Value Joined(Value a, Value b, bool both) {
    a = AsTest(std::move(a));
    b = AsTest(std::move(b));
    if (!both) {
        return TestValue(a.never && b.never);
    }
    std::vector<Bound> bounds = std::move(a.bounds);
    bounds.insert(bounds.end(), b.bounds.begin(), b.bounds.end());
    return TestValue(a.never || b.never, std::move(bounds));
}

}  // namespace

bool Condition::DependsOnDealer() const {
    return std::any_of(steps_.begin(), steps_.end(), [](const Step& step) {
        return Operands(step.op) == 0 && step.op != Op::Number && step.seat >= SeatName::Dealer;
    });
}

unsigned Condition::SeatsRead(Seat dealer) const {
    unsigned seats = 0;
    for (const Step& step : steps_) {
        if (Operands(step.op) == 0 && step.op != Op::Number) {
            seats |= 1u << static_cast<int>(SeatOf(step.seat, dealer));
        }
    }
    return seats;
}

bool Condition::NeverMet(Seat dealer) const {
    if (!WellFormed()) {
        return true;  // met by no deal
    }
    std::vector<Value> stack;
    const auto pop = [&stack] {
        Value value = std::move(stack.back());
        stack.pop_back();
        return value;
    };
    for (const Step& step : steps_) {
        switch (step.op) {
            case Op::Number:
                stack.push_back(NumberValue(step.a));
                break;
            case Op::Figure:
                stack.push_back(SumValue(step.figure, SeatOf(step.seat, dealer)));
                break;
            case Op::SuitFigure:
            case Op::Points:
                stack.push_back({});  // nothing known
                break;
            case Op::Add:
            case Op::Subtract: {
                const Value b = pop();
                const Value a = pop();
                stack.push_back(Added(a, b, step.op == Op::Add ? 1 : -1));
                break;
            }
            case Op::Multiply:
            case Op::Divide:
            case Op::Remainder:
                pop();
                pop();
                stack.push_back({});
                break;
            case Op::Choose:
                pop();
                pop();
                pop();
                stack.push_back({});
                break;
            case Op::Equal:
            case Op::NotEqual:
            case Op::Less:
            case Op::LessOrEqual:
            case Op::Greater:
            case Op::GreaterOrEqual: {
                const Value b = pop();
                const Value a = pop();
                const auto op = static_cast<Comparison>(static_cast<int>(step.op) -
                                                        static_cast<int>(Op::Equal));
                stack.push_back(Compared(a, op, b));
                break;
            }
            case Op::InRange: {
                const Value a = pop();
                stack.push_back(Joined(Compared(a, Comparison::GreaterOrEqual, NumberValue(step.a)),
                                       Compared(a, Comparison::LessOrEqual, NumberValue(step.b)),
                                       true));
                break;
            }
            case Op::Shape:
            case Op::HasCard:
                stack.push_back(TestValue(false));
                break;
            case Op::And:
            case Op::Or: {
                Value b = pop();
                Value a = pop();
                stack.push_back(Joined(std::move(a), std::move(b), step.op == Op::And));
                break;
            }
            case Op::Not:
                // "not" of a test that always holds is never met; the bounds cannot show that.
                pop();
                stack.push_back(TestValue(false));
                break;
        }
    }
    return AsTest(pop()).never;
}

}  // namespace kesto
