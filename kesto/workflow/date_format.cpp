#include "kesto/workflow/date_format.h"

#include <chrono>
#include <set>

#include "kesto/platform/ascii_text.h"

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

namespace {

// The numbers a text holds, as its runs of digits; runs longer than four digits name no date.
std::vector<int> NumbersIn(std::string_view text) {
    std::vector<int> numbers;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsAsciiDigit(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && IsAsciiDigit(text[i])) {
            ++i;
        }
        if (i - start <= 4) {
            numbers.push_back(std::stoi(std::string(text.substr(start, i - start))));
        }
    }
    return numbers;
}

std::optional<CivilDate> ValidDate(int year, int month, int day) {
    namespace chrono = std::chrono;
    const chrono::year_month_day date{chrono::year(year),
                                      chrono::month(static_cast<unsigned>(month)),
                                      chrono::day(static_cast<unsigned>(day))};
    if (!date.ok()) {
        return std::nullopt;
    }
    const chrono::weekday weekday{chrono::sys_days(date)};
    return CivilDate{year, month, day, static_cast<int>(weekday.c_encoding())};
}

}  // namespace

std::optional<CivilDate> DateOfText(std::string_view text, const Clock& clock) {
    const std::vector<int> numbers = NumbersIn(text);
    const int century = clock.Today().year / 100 * 100;
    std::set<int> years, days;
    for (const int number : numbers) {
        years.insert(number >= 1000 ? number : century + number % 100);
        if (number >= 1 && number <= 31) {
            days.insert(number);
        }
    }
    for (const int year : years) {
        for (int month = 1; month <= 12; ++month) {
            for (const int day : days) {
                const std::optional<CivilDate> date = ValidDate(year, month, day);
                if (!date) {
                    continue;
                }
                for (int format = 0; format < kDateFormatCount; ++format) {
                    if (FormatDate(format, *date, clock) == text) {
                        return date;
                    }
                }
            }
        }
    }
    return std::nullopt;
}

std::vector<std::string> TodayInEveryFormat(const Clock& clock) {
    const CivilDate today = clock.Today();
    std::vector<std::string> entries;
    for (int i = 0; i < kDateFormatCount; ++i) {
        entries.push_back(FormatDate(i, today, clock));
    }
    return entries;
}

}  // namespace kesto
