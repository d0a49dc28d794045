#pragma once

#include <chrono>
#include <functional>

#include "platform/controls.h"
#include "platform/monotonic.h"

namespace quendal {

// Lets one bell sound at a time: a bell asked for while the previous one still sounds
// is refused, not queued, so that a bell asked for at every refresh rings as fast as the
// bell can sound and no faster.
class BellThrottle {
  public:
    using TimePoint = MonoTime;

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

// The platform's bell, one at a time. A binding gives the raw bell and how long it sounds.
class ThrottledBeeper final : public Beeper {
  public:
    ThrottledBeeper(std::function<void()> ring, std::chrono::milliseconds duration, MonoClock now)
        : ring_(std::move(ring)), throttle_(duration), now_(std::move(now)) {}

    void beep() override {
        if (throttle_.admit(now_())) {
            ring_();
        }
    }

  private:
    std::function<void()> ring_;
    BellThrottle throttle_;
    MonoClock now_;
};

}  // namespace quendal
