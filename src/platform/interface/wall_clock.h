#pragma once

#include "reading/local_time.h"

namespace quendal {

// The local wall clock and calendar. Passed to whoever needs the time, so that tests
// can put the program at any instant.
class WallClock {
  public:
    virtual ~WallClock() = default;

    // The local time of day, with the clock's fraction of a second (millisecond
    // resolution or finer), and the local date of the same instant. Read afresh at
    // every call.
    virtual LocalTime now() const = 0;
};

}  // namespace quendal
