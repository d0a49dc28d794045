#include <windows.h>

#include "platform/clock/system_clock.h"

namespace quendal {

// The local date and time of one instant, to the millisecond; GetLocalTime cannot fail.
LocalTime SystemClock::now() const {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return localTimeFrom({local.wYear, local.wMonth, local.wDay, local.wDayOfWeek, local.wHour,
                          local.wMinute, local.wSecond, local.wMilliseconds * 1'000'000L});
}

}  // namespace quendal
