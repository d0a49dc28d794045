#include <cerrno>
#include <ctime>
#include <system_error>

#include "platform/clock/system_clock.h"

namespace quendal {

LocalTime SystemClock::now() const {
    timespec instant{};
    if (clock_gettime(CLOCK_REALTIME, &instant) != 0) {
        throw std::system_error(errno, std::generic_category(), "cannot read the clock");
    }
    std::tm local{};
    if (localtime_r(&instant.tv_sec, &local) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "cannot read the local time");
    }
    return localTimeFrom({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_wday,
                          local.tm_hour, local.tm_min, local.tm_sec, instant.tv_nsec});
}

}  // namespace quendal
