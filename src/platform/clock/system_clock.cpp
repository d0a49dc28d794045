#include "platform/clock/system_clock.h"

#include <cerrno>
#include <system_error>

namespace quendal {

LocalTime localTimeFrom(const CalendarFields& f) {
    // 60 is a leap second, which some clocks report.
    const bool valid = f.month >= 1 && f.month <= 12 && f.day >= 1 && f.day <= 31 &&
                       f.weekday >= 0 && f.weekday <= 6 && f.hour >= 0 && f.hour <= 23 &&
                       f.minute >= 0 && f.minute <= 59 && f.second >= 0 && f.second <= 60 &&
                       f.nanoseconds >= 0 && f.nanoseconds < 1'000'000'000;
    if (!valid) {
        throw std::system_error(EINVAL, std::generic_category(), "the clock gave no valid time");
    }
    const double seconds =
        f.hour * 3600.0 + f.minute * 60.0 + f.second + static_cast<double>(f.nanoseconds) * 1e-9;
    LocalTime time;
    time.secondsSinceMidnight = static_cast<float>(seconds);
    time.date = LocalDate{f.year, f.month, f.day, f.weekday + 1};
    return time;
}

}  // namespace quendal
