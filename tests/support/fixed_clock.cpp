#include "tests/support/fixed_clock.h"

namespace kesto::test {

namespace {
constexpr const char* kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
}  // namespace

std::string FixedClock::ShortDate(const CivilDate& date) const {
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" +
           std::to_string(date.year);
}

std::string FixedClock::LongDayName(int weekday) const {
    return kDays[(weekday % 7 + 7) % 7];
}

std::string FixedClock::LongMonthName(int month) const {
    return kMonths[((month - 1) % 12 + 12) % 12];
}

std::string FixedClock::ShortMonthName(int month) const {
    return LongMonthName(month).substr(0, 3);
}

}  // namespace kesto::test
