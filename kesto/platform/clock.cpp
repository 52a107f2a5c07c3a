#include "kesto/platform/clock.h"

#include <chrono>
#include <ctime>

#include "kesto/platform/text_encoding.h"

namespace kesto {

namespace {

// Formats one date field with the C library under the user's LC_TIME locale, which the
// program entry sets; the locale's text is UTF-8 and comes back as Windows-1252.
std::string Strftime(const char* format, const std::tm& tm) {
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, format, &tm);
    return Utf8ToWindows1252(std::string_view(buffer, length));
}

std::tm TmOf(const CivilDate& date) {
    std::tm tm{};
    tm.tm_year = date.year - 1900;
    tm.tm_mon = date.month - 1;
    tm.tm_mday = date.day;
    tm.tm_wday = date.weekday;
    return tm;
}

class SystemClock : public Clock {
  public:
    std::uint32_t MillisecondsSinceMidnightUtc() const override {
        using namespace std::chrono;
        const auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
        return static_cast<std::uint32_t>(now.count() % (24LL * 60 * 60 * 1000));
    }

    CivilDate Today() const override {
        const std::time_t now = std::time(nullptr);
        std::tm tm{};
        localtime_r(&now, &tm);
        return CivilDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_wday};
    }

    std::string ShortDate(const CivilDate& date) const override {
        return Strftime("%x", TmOf(date));
    }

    std::string LongDayName(int weekday) const override {
        std::tm tm{};
        tm.tm_wday = weekday;
        return Strftime("%A", tm);
    }

    std::string LongMonthName(int month) const override {
        std::tm tm{};
        tm.tm_mon = month - 1;
        return Strftime("%B", tm);
    }

    std::string ShortMonthName(int month) const override {
        std::tm tm{};
        tm.tm_mon = month - 1;
        return Strftime("%b", tm);
    }
};

}  // namespace

std::unique_ptr<Clock> MakeSystemClock() {
    return std::make_unique<SystemClock>();
}

}  // namespace kesto
