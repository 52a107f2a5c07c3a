#include "kesto/workflow/date_format.h"

namespace kesto {

std::string FormatDate(int dateFormatIndex, const CivilDate& date, const Clock& clock) {
    const std::string day = std::to_string(date.day);
    const std::string year = std::to_string(date.year);
    const int yy = ((date.year % 100) + 100) % 100;
    const std::string twoDigitYear = (yy < 10 ? "0" : "") + std::to_string(yy);
    switch (dateFormatIndex) {
        case 1:
            return clock.LongDayName(date.weekday) + ", " + clock.LongMonthName(date.month) + " " +
                   day + ", " + year;
        case 2:
            return clock.LongDayName(date.weekday) + ", " + day + " " +
                   clock.LongMonthName(date.month) + " " + year;
        case 3:
            return clock.LongMonthName(date.month) + " " + day + ", " + year;
        case 4:
            return day + " " + clock.LongMonthName(date.month) + " " + year;
        case 5:
            return day + "-" + clock.ShortMonthName(date.month) + "-" + twoDigitYear;
        default:
            return clock.ShortDate(date);
    }
}

std::vector<std::string> TodayInEveryFormat(const Clock& clock) {
    const CivilDate today = clock.Today();
    std::vector<std::string> entries;
    for (int i = 0; i < kDateFormatCount; ++i)
        entries.push_back(FormatDate(i, today, clock));
    return entries;
}

}  // namespace kesto
