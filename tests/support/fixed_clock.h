#pragma once
// A clock that always says the same, so tests see the same dates and times on every run.

#include "kesto/platform/clock.h"

namespace kesto::test {

class FixedClock : public Clock {
  public:
    FixedClock(CivilDate today, std::uint32_t millisecondsSinceMidnight)
        : today_(today), ms_(millisecondsSinceMidnight) {}
    std::uint32_t MillisecondsSinceMidnightUtc() const override { return ms_; }
    CivilDate Today() const override { return today_; }
    // month/day/yyyy, as the en-US short date.
    std::string ShortDate(const CivilDate& date) const override;
    std::string LongDayName(int weekday) const override;
    std::string LongMonthName(int month) const override;
    std::string ShortMonthName(int month) const override;

  private:
    CivilDate today_;
    std::uint32_t ms_;
};

}  // namespace kesto::test
