#pragma once
// The first two boards the classic generator deals from RandomState 0, as
// `kesto batch --seed 0 --generate 2 --list` prints them: known, ordinary deals that the tests
// of many folders deal, read, print and count.

#include <string>

#include "tests/support/worked_example.h"

namespace kesto::test {

// Board 1: dealer North, nobody vulnerable. North holds 15 points (3-4-3-3), East 12
// (4-2-2-5), South 11 (3-4-5-1), West 2 (3-3-3-4).
inline constexpr const char* kBoard1North = "A74.AT83.KJ5.K65";
inline constexpr const char* kBoard1East = "KQ98.J4.T7.AQT84";
inline constexpr const char* kBoard1South = "T63.KQ92.AQ942.9";
inline constexpr const char* kBoard1West = "J52.765.863.J732";

// Board 2: dealer East, North-South vulnerable.
inline constexpr const char* kBoard2North = "T9.K8643.4.97642";
inline constexpr const char* kBoard2East = "643.A97.K863.KJT";
inline constexpr const char* kBoard2South = "AKQ2.5.AQJT95.Q5";
inline constexpr const char* kBoard2West = "J875.QJT2.72.A83";

// The hands from North: "A74.AT83.KJ5.K65 KQ98.J4.T7.AQT84 ...".
inline const std::string kBoard1Hands = Hands(kBoard1North, kBoard1East, kBoard1South, kBoard1West);
inline const std::string kBoard2Hands = Hands(kBoard2North, kBoard2East, kBoard2South, kBoard2West);

// Each board's deal record, its Deal tag starting with the dealer's hand.
inline const std::string kBoard1Record =
    "[Board \"1\"]|[Dealer \"N\"]|[Vulnerable \"None\"]|[Deal \"N:" + kBoard1Hands + "\"]";
inline const std::string kBoard2Record =
    "[Board \"2\"]|[Dealer \"E\"]|[Vulnerable \"NS\"]|[Deal \"E:" +
    Hands(kBoard2East, kBoard2South, kBoard2West, kBoard2North) + "\"]";

}  // namespace kesto::test
