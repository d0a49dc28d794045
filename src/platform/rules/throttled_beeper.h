#pragma once

#include <chrono>
#include <functional>

#include "platform/interface/controls.h"
#include "platform/interface/monotonic.h"
#include "platform/rules/rate_limit.h"

namespace quendal {

// The platform's bell, one at a time: a bell asked for while the previous one still
// sounds is refused, not queued, so that a bell asked for at every refresh rings as fast
// as the bell can sound and no faster. A binding gives the raw bell and how long it
// sounds.
class ThrottledBeeper final : public Beeper {
  public:
    ThrottledBeeper(std::function<void()> ring, std::chrono::milliseconds duration, MonoClock now)
        : ring_(std::move(ring)), spacing_(duration), now_(std::move(now)) {}

    void beep() override {
        if (spacing_.admit(now_())) {
            ring_();
        }
    }

  private:
    std::function<void()> ring_;
    RateLimit spacing_;
    MonoClock now_;
};

}  // namespace quendal
