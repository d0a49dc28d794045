#pragma once

#include <chrono>

namespace quendal {

// A local calendar date. Weekday counts Sunday as 1 through Saturday as 7.
struct LocalDate {
    int year = 1970;
    int month = 1;
    int day = 1;
    int weekday = 5;

    friend bool operator==(const LocalDate&, const LocalDate&) = default;
};

// One reading of the local wall clock: the seconds since local midnight, with the
// fraction of a second, and the date they belong to. Both come from the same instant,
// so that nothing computed from them can mix one day's time with the next day's date.
struct LocalTime {
    float secondsSinceMidnight = 0;
    LocalDate date;
};

// Days from 1970-01-01 to the date, for counting whole days between two dates.
inline long daysSinceEpoch(const LocalDate& date) noexcept {
    using namespace std::chrono;
    const year_month_day ymd{year{date.year}, month{static_cast<unsigned>(date.month)},
                             day{static_cast<unsigned>(date.day)}};
    return static_cast<long>(sys_days{ymd}.time_since_epoch().count());
}

// The date that many days after 1970-01-01, with its weekday.
inline LocalDate dateFromDays(long days) noexcept {
    using namespace std::chrono;
    const sys_days day{std::chrono::days{days}};
    const year_month_day ymd{day};
    return LocalDate{static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                     static_cast<int>(unsigned(ymd.day())),
                     static_cast<int>(weekday{day}.c_encoding()) + 1};
}

}  // namespace quendal
