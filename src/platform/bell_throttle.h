#pragma once

#include <chrono>

namespace quendal {

// Lets one bell sound at a time: a bell asked for while the previous one still sounds
// is refused, not queued, so that a bell asked for at every refresh rings as fast as the
// bell can sound and no faster.
class BellThrottle {
  public:
    using TimePoint = std::chrono::steady_clock::time_point;

    explicit BellThrottle(std::chrono::milliseconds duration) : duration_(duration) {}

    // True when a bell may start at `now`; it is then taken to sound until now + duration.
    bool admit(TimePoint now) {
        if (rung_ && now - last_ < duration_) {
            return false;
        }
        rung_ = true;
        last_ = now;
        return true;
    }

  private:
    std::chrono::milliseconds duration_;
    bool rung_ = false;
    TimePoint last_{};
};

}  // namespace quendal
