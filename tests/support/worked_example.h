#pragma once
// The worked example deal's hands and the bytes of an own deal file, for the tests of every
// folder that reads or writes deal files.

#include <string>
#include <vector>

#include "kesto/deal/deal.h"

namespace kesto::test {

// The worked example deal's hands in PBN hand notation.
inline constexpr const char* kWorkedNorth = "AK97.QJ4.T852.A3";
inline constexpr const char* kWorkedEast = "QT3.AK72.Q64.KJ9";
inline constexpr const char* kWorkedSouth = "J85.T983.AK.Q762";
inline constexpr const char* kWorkedWest = "642.65.J973.T854";

// Four PBN hand texts in the order North, East, South, West.
inline tDeal DealOf(const char* north, const char* east, const char* south, const char* west) {
    tDeal deal;
    deal.ReadHands(north, east, south, west);
    return deal;
}

inline tDeal WorkedExampleDeal() {
    return DealOf(kWorkedNorth, kWorkedEast, kWorkedSouth, kWorkedWest);
}

// Four hand texts from North clockwise, as a Deal value lists them after "N:".
inline std::string Hands(const std::string& north, const std::string& east,
                         const std::string& south, const std::string& west) {
    return north + " " + east + " " + south + " " + west;
}

inline const std::string kWorkedHands = Hands(kWorkedNorth, kWorkedEast, kWorkedSouth, kWorkedWest);

// Board 1 of the classic generator's first run from RandomState 0. North holds 15 points
// (3-4-3-3, 8 losers, 6 controls), East 12 (4-2-2-5, 6 losers, 3 controls), South 11 (3-4-5-1,
// 6 losers, 3 controls), West 2 (3-3-3-4, 12 losers, no control).
inline tDeal SeedZeroBoardOne() {
    return DealOf("A74.AT83.KJ5.K65", "KQ98.J4.T7.AQT84", "T63.KQ92.AQ942.9", "J52.765.863.J732");
}

// An own deal file with the headers "A" and "B" and a [Deal "N:..."] tag for each entry of
// deals (each as Hands writes one).
inline std::string OwnFile(const std::vector<std::string>& deals, bool generated = true) {
    std::string text = generated ? "% Kesto 3.2 Hands randomly generated.\r\n"
                                 : "% Kesto 3.2 Hands entered by user.\r\n";
    text += "% PBN 1.0\r\n% A\r\n% B\r\n%\r\n";
    for (const std::string& deal : deals) {
        text += "[Deal \"N:" + deal + "\"]\r\n";
    }
    return text;
}

}  // namespace kesto::test
