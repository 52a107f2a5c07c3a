#pragma once
// Deals with hand-counted statistics, shared by the statistics tests.

#include "kesto/deal/deal.h"
#include "tests/support/worked_example.h"

namespace kesto::test {

// Each seat holds one whole suit: 13-0-0-0 everywhere, 10 points each; North-South hold
// 13, 0, 13, 0, so both pairs count a 13-card fit.
inline tDeal OneSuitEach() {
    return DealOf("AKQJT98765432...", ".AKQJT98765432..", "..AKQJT98765432.", "...AKQJT98765432");
}

// 4-3-3-3 everywhere, 10 points each; North-South hold 7, 6, 7, 6: no fit for anyone.
inline tDeal Flat() {
    return DealOf("AKQJ.T98.765.432", "T98.765.432.AKQJ", "765.432.AKQJ.T98", "432.AKQJ.T98.765");
}

// North 16 points 4-4-3-2, East 21 points 5-4-2-2, South 3 points 5-3-3-2, West 0 points
// 5-5-2-1. North-South hold 7, 9, 6, 4: a 9-card fit each way.
inline tDeal Mixed() {
    return DealOf("AKQ2.AK32.432.32", "JT987.QJ.AK.AKQJ", "654.T9876.QJT.T9", "3.54.98765.87654");
}

// Mixed with the hands moved one seat clockwise: North 0 (5-5-2-1), East 16 (4-4-3-2),
// South 21 (5-4-2-2), West 3 (5-3-3-2). North-South hold 6, 4, 7, 9.
inline tDeal MixedTurned() {
    return DealOf("3.54.98765.87654", "AKQ2.AK32.432.32", "JT987.QJ.AK.AKQJ", "654.T9876.QJT.T9");
}

}  // namespace kesto::test
