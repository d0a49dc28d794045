#include "platform/system_clock.h"

#include <ctime>

namespace quendal {

LocalTime SystemClock::now() const {
    timespec instant{};
    clock_gettime(CLOCK_REALTIME, &instant);
    std::tm local{};
    localtime_r(&instant.tv_sec, &local);

    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                           static_cast<double>(instant.tv_nsec) * 1e-9;
    LocalTime time;
    time.secondsSinceMidnight = static_cast<float>(seconds);
    time.date = LocalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_wday + 1};
    return time;
}

}  // namespace quendal
