#pragma once
// Deals whose double-dummy results are known: two that follow by reasoning and three the
// solver's authors publish with their tables and par.

#include <string>

#include "kesto/analysis/dds_solver.h"
#include "kesto/deal/deal.h"
#include "kesto/deal/deal_notation.h"

namespace kesto::test {

// Each hand holds one whole suit: North spades, East hearts, South diamonds, West clubs. The
// opening leader runs their own suit against no trump, and trumps of one's own side win every
// trick while the other side's trumps lose every one: 13 or 0 tricks everywhere.
inline constexpr const char* kOneSuitEach =
    "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432";
inline constexpr TrickTable kOneSuitEachTable = {{
    {0, 13, 0, 13, 0},  // North: spades and diamonds
    {0, 0, 13, 0, 13},  // East: hearts and clubs
    {0, 13, 0, 13, 0},
    {0, 0, 13, 0, 13},
}};

// North-South hold every card above the eight and two eights: every card of theirs beats
// every card of East-West's in its suit, and in each suit the longer of North and South is as
// long as the longer of East and West, so they draw trumps and take every trick whoever
// declares.
inline constexpr const char* kHighCardsNS =
    "N:AKQJ.AKQJ.AK.AKQ 765.8765.876.765 T98.T9.QJT9.JT98 432.432.5432.432";
inline constexpr TrickTable kHighCardsNSTable = {{
    {13, 13, 13, 13, 13},
    {0, 0, 0, 0, 0},
    {13, 13, 13, 13, 13},
    {0, 0, 0, 0, 0},
}};

// The three example deals of the solver's own distribution, with their tables (tricks as
// TrickTable holds them: seat N, E, S, W; strain NT, S, H, D, C). The tables above and
// below are in that order too.
inline constexpr const char* kPublished1 =
    "N:QJ6.K652.J85.T98 873.J97.AT764.Q4 K5.T83.KQ9.A7652 AT942.AQ4.32.KJ3";
inline constexpr const char* kPublished2 =
    "E:QJT5432.T.6.QJ82 .J97543.K7532.94 87.A62.QJT4.AT75 AK96.KQ8.A98.K63";
inline constexpr const char* kPublished3 =
    "N:73.QJT.AQ54.T752 QT6.876.KJ9.AQ84 5.A95432.7632.K6 AKJ9842.K.T8.J93";

inline constexpr TrickTable kPublished1Table = {{
    {6, 5, 6, 5, 7},  // North
    {6, 8, 6, 7, 5},  // East
    {6, 5, 6, 5, 7},  // South
    {6, 8, 6, 7, 5},  // West
}};
inline constexpr TrickTable kPublished2Table = {{
    {9, 4, 10, 8, 6},
    {3, 9, 2, 3, 7},
    {9, 4, 10, 8, 6},
    {3, 9, 2, 3, 7},
}};
inline constexpr TrickTable kPublished3Table = {{
    {4, 3, 9, 8, 3},
    {8, 10, 4, 4, 9},
    {4, 3, 9, 8, 3},
    {8, 10, 4, 4, 9},
}};

// The deal a PBN deal text ("N:..." or another first seat) describes.
inline tDeal DealOf(const std::string& pbnDeal) {
    tDeal deal;
    ReadDealValue(deal, pbnDeal);
    return deal;
}

}  // namespace kesto::test
