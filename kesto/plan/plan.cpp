#include "kesto/plan/plan.h"

#include <numeric>

namespace kesto {

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
