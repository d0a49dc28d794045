#pragma once

#include "platform/interface/wall_clock.h"

namespace quendal {

// The operating system's wall clock in the local time zone. Each platform has its own
// now(), in a folder of its own beside this one; a clock that cannot be read throws
// std::system_error.
class SystemClock final : public WallClock {
  public:
    LocalTime now() const override;
};

// A local time as an operating system breaks it down.
struct CalendarFields {
    int year;
    int month;    // 1 to 12
    int day;      // 1 to 31
    int weekday;  // 0 Sunday to 6 Saturday
    int hour, minute, second;
    long nanoseconds;  // into the second
};

// The local time of those fields. Throws std::system_error when they are out of range,
// which no working clock gives.
LocalTime localTimeFrom(const CalendarFields& fields);

}  // namespace quendal
