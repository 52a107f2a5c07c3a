#pragma once
// The double-dummy analysis of one board as its deal record may carry it, in the standard PBN
// tags DoubleDummyTricks, OptimumScore and ParContract. No Qt here: the reading works on
// Windows-1252 bytes.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kesto::prt3 {

// Strains in the tags' order; indexes into BoardAnalysis::tricks' rows.
enum Strain {
    kNoTrump = 0,
    kSpadeStrain = 1,
    kHeartStrain = 2,
    kDiamondStrain = 3,
    kClubStrain = 4
};
inline constexpr int kStrains = 5;

// One par contract: "NS 4S", "E 5HX".
struct ParItem {
    std::string side;  // the declaring seat or side as the tag gives it: N, E, S, W, NS or EW
    int level = 0;     // 1..7
    int strain = kNoTrump;
    int doublings = 0;  // 0, 1 (X) or 2 (XX)

    bool NorthSouth() const { return side.front() == 'N' || side.front() == 'S'; }
    friend bool operator==(const ParItem&, const ParItem&) = default;
};

struct BoardAnalysis {
    // Tricks by declarer (Seat, clockwise from North) and strain, 0..13.
    std::array<std::array<int, kStrains>, 4> tricks{};
    // Par, when OptimumScore and ParContract could both be read: the score from North-South's
    // side and the contracts (none: the deal is passed out).
    bool hasPar = false;
    int parScoreNS = 0;
    std::vector<ParItem> par;
};

// The analysis from the three tag values; nullopt unless tricks is 20 hexadecimal digits of
// 0..13 (declarers N, S, E, W, each NT, S, H, D, C). Par is left out when either par value is
// missing or unreadable: "NS 420" or "EW -420", and "Pass" or contracts separated by commas,
// each with its seat or side (a contract without one takes the one before it).
std::optional<BoardAnalysis> ReadBoardAnalysis(std::string_view tricks,
                                               std::string_view optimumScore,
                                               std::string_view parContract);

// The makeable level of a number of tricks ("4" for ten), or 0 when not even one is.
int MakeableLevel(int tricks);

// The tricks a par contract's declarer takes over its level, from the analysis' own table
// (negative: a sacrifice's undertricks). A side plays it from its better seat.
int ParResult(const BoardAnalysis& analysis, const ParItem& item);

}  // namespace kesto::prt3
