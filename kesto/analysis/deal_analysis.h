#pragma once
// What the double-dummy solver finds in one complete deal: the tricks each declarer takes in
// each strain with best play on both sides, and par for the board's vulnerability.

#include <array>
#include <string>
#include <vector>

#include "kesto/deal/board.h"
#include "kesto/deal/deal_notation.h"

namespace kesto {

// The solver's and PBN's order of strains.
enum class Strain { NoTrump = 0, Spades = 1, Hearts = 2, Diamonds = 3, Clubs = 4 };
inline constexpr int kStrainCount = 5;

// Who plays a par contract: one seat, or either seat of a side when both make the same.
enum class ParDeclarer { North, East, South, West, NorthSouth, EastWest };

struct ParContract {
    int level = 0;  // 1..7
    Strain strain = Strain::NoTrump;
    bool doubled = false;  // a sacrifice, played doubled
    ParDeclarer declarer = ParDeclarer::North;
    int overtricks = 0;  // tricks over the contract (negative: a sacrifice's undertricks)

    friend bool operator==(const ParContract&, const ParContract&) = default;
};

struct DealAnalysis {
    // tricks[seat][strain], seat indexed as Seat (N, E, S, W), strain as Strain; 0..13.
    std::array<std::array<int, kStrainCount>, 4> tricks{};
    // Par score from North-South's side: +420 when North-South make 4 spades not vulnerable,
    // -100 when they lose 100; 0 when the deal is passed out.
    int parScoreNS = 0;
    // The par contracts, the solver's order; empty when par is a pass-out.
    std::vector<ParContract> parContracts;

    int Tricks(Seat declarer, Strain strain) const {
        return tricks[static_cast<int>(declarer)][static_cast<int>(strain)];
    }

    friend bool operator==(const DealAnalysis&, const DealAnalysis&) = default;
};

// The PBN tag values other programs read.
// DoubleDummyTricks: 20 hexadecimal digits, declarers N, S, E, W, each NT, S, H, D, C.
std::string DoubleDummyTricksValue(const DealAnalysis& analysis);
// OptimumScore: "NS 420", "NS -100", "NS 0".
std::string OptimumScoreValue(const DealAnalysis& analysis);
// ParContract: "NS 4S", "EW 5HX", "N 3NT"; several contracts separated by ","; "Pass" when none.
std::string ParContractValue(const DealAnalysis& analysis);

// A score or a par contract's result as players read it: "+420", "-100", "0".
std::string SignedText(int value);

// OptimumResultTable: the columns "Declarer;Denomination\2R;Result\2R" and a row for each
// declarer and strain in the order of DoubleDummyTricks, each column padded to its width:
// "N NT 13", "N  S  8".
PbnTag OptimumResultTableTag(const DealAnalysis& analysis);

// The PBN file's analysis: DoubleDummyTricks, OptimumResultTable, OptimumScore, ParContract.
std::vector<PbnTag> AnalysisPbnTags(const DealAnalysis& analysis);

// The board's analysis as one line of tags joined by "|", as the batch's --analyse lists it:
// [Board "n"]|[DoubleDummyTricks "..."]|[OptimumScore "NS s"]|[ParContract "..."]
std::string AnalysisRecord(int boardNumber, const DealAnalysis& analysis);
// The tags of one line alone (no table): [DoubleDummyTricks "..."]|[OptimumScore "NS s"]|
// [ParContract "..."]
std::string AnalysisTags(const DealAnalysis& analysis);

}  // namespace kesto
