#include "kesto/plan/plan.h"

#include <algorithm>
#include <numeric>

namespace kesto {

namespace {

// Dealing a deal and working out its figures cost about as much as this many condition steps.
constexpr std::uint64_t kStepsOfADeal = 64;

}  // namespace

std::uint64_t DealsBetweenClockLooks(std::size_t conditionSteps) {
    return std::max<std::uint64_t>(1, kClockInterval / (kStepsOfADeal + conditionSteps));
}

bool Plan::HoldsScript() const {
    return std::any_of(lines.begin(), lines.end(),
                       [](const PlanLine& line) { return line.script; });
}

std::vector<int> Plan::BoardsOfLines(int dealsAsked) const {
    std::vector<int> boards;
    for (const PlanLine& line : lines) {
        boards.push_back(line.count.value_or(dealsAsked));
    }
    return boards;
}

int Plan::BoardCount(int dealsAsked) const {
    const std::vector<int> boards = BoardsOfLines(dealsAsked);
    return std::accumulate(boards.begin(), boards.end(), 0);
}

}  // namespace kesto
