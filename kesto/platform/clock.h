#pragma once
// The time of day and today's date, with the user's locale names for dates.
// Texts are Windows-1252.

#include <cstdint>
#include <memory>
#include <string>

namespace kesto {

struct CivilDate {
    int year;     // four digits
    int month;    // 1..12
    int day;      // 1..31
    int weekday;  // 0 Sunday .. 6 Saturday
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::uint32_t MillisecondsSinceMidnightUtc() const = 0;
    virtual CivilDate Today() const = 0;
    // The locale's short date form (the "c" date pattern).
    virtual std::string ShortDate(const CivilDate& date) const = 0;
    virtual std::string LongDayName(int weekday) const = 0;
    virtual std::string LongMonthName(int month) const = 0;
    virtual std::string ShortMonthName(int month) const = 0;
};

// std::chrono and the C library's LC_TIME locale.
std::unique_ptr<Clock> MakeSystemClock();

}  // namespace kesto
