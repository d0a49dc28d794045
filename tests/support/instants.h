#pragma once

#include <chrono>

#include "reading/local_time.h"

namespace quendal::testing {

inline LocalDate dateOf(int year, int month, int day) {
    using namespace std::chrono;
    const year_month_day ymd{std::chrono::year{year},
                             std::chrono::month{static_cast<unsigned>(month)},
                             std::chrono::day{static_cast<unsigned>(day)}};
    const int weekday = static_cast<int>(std::chrono::weekday{sys_days{ymd}}.c_encoding()) + 1;
    return LocalDate{year, month, day, weekday};
}

// The local time `seconds` after midnight on the given date.
inline LocalTime at(int year, int month, int day, float seconds) {
    return LocalTime{seconds, dateOf(year, month, day)};
}

inline LocalTime at(int year, int month, int day, int hour, int minute, float second) {
    return at(year, month, day, static_cast<float>(hour * 3600 + minute * 60) + second);
}

}  // namespace quendal::testing
