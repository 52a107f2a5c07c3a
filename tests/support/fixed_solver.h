#pragma once
// A stand-in for the double-dummy solver that answers every deal alike without solving, so a
// test knows the analysis of any board: North-South take 9 tricks in no trump, 10 in spades, 8
// in hearts, 7 in diamonds and 6 in clubs, East-West the rest; par is 4 spades by
// North-South, +420. Header only: a test that uses it links the analysis already.

#include <string_view>
#include <vector>

#include "kesto/analysis/dds_solver.h"

namespace kesto::test {

// The three tags of every board FixedSolver analyses, as the records carry them.
inline constexpr std::string_view kFixedAnalysisTags =
    "[DoubleDummyTricks \"9a8769a8764356743567\"]|[OptimumScore \"NS 420\"]|"
    "[ParContract \"NS 4S\"]";

class FixedSolver : public DoubleDummySolver {
  public:
    StatusOr<std::vector<TrickTable>> SolveTables(
        const std::vector<std::string>& pbnDeals) override {
        ++tableCalls;
        TrickTable table{};
        for (const Seat seat : {Seat::North, Seat::South}) {
            table[static_cast<std::size_t>(seat)] = {9, 10, 8, 7, 6};
        }
        for (const Seat seat : {Seat::East, Seat::West}) {
            table[static_cast<std::size_t>(seat)] = {4, 3, 5, 6, 7};
        }
        StatusOr<std::vector<TrickTable>> result;
        result.value.assign(pbnDeals.size(), table);
        return result;
    }
    StatusOr<ParResult> Par(const TrickTable&, Seat, std::string_view) override {
        StatusOr<ParResult> result;
        result.value.scoreNS = 420;
        result.value.contracts = {{4, Strain::Spades, false, ParDeclarer::NorthSouth, 0}};
        return result;
    }

    int tableCalls = 0;
};

}  // namespace kesto::test
