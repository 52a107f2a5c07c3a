#pragma once
// The six date formats of header line 2, by DateFormatIndex:
//   0 the locale's short date         3 December 7, 2026
//   1 Monday, December 7, 2026        4 7 December 2026
//   2 Monday, 7 December 2026         5 7-Dec-26
// Day and month names come from the clock's locale. Texts are Windows-1252.

#include <string>
#include <vector>

#include "kesto/platform/clock.h"

namespace kesto {

inline constexpr int kDateFormatCount = 6;

// An index outside 0..5 formats as 0.
std::string FormatDate(int dateFormatIndex, const CivilDate& date, const Clock& clock);

// Today's date in each of the six formats, in index order: the date-format dialog's list.
std::vector<std::string> TodayInEveryFormat(const Clock& clock);

}  // namespace kesto
