#pragma once
// The six date formats of header line 2, by DateFormatIndex:
//   0 the locale's short date         3 December 7, 2026
//   1 Monday, December 7, 2026        4 7 December 2026
//   2 Monday, 7 December 2026         5 7-Dec-26
// Day and month names come from the clock's locale. Texts are Windows-1252.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/platform/clock.h"

namespace kesto {

inline constexpr int kDateFormatCount = 6;

// An index outside 0..5 formats as 0.
std::string FormatDate(int dateFormatIndex, const CivilDate& date, const Clock& clock);

// The date a text names, exactly as FormatDate writes it in one of the six formats: what header
// line 2 holds when the user let Kesto put the date there or typed a date the same way. Only
// the years the text names are tried (four digits as they stand, one or two digits in today's
// century), so the answer costs little. Empty when the text is no such date.
std::optional<CivilDate> DateOfText(std::string_view text, const Clock& clock);

// Today's date in each of the six formats, in index order: the date-format dialog's list.
std::vector<std::string> TodayInEveryFormat(const Clock& clock);

}  // namespace kesto
