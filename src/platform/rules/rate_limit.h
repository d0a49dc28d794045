#pragma once

#include <chrono>

#include "platform/interface/monotonic.h"

namespace quendal {

// At most once per interval: a request passes when the interval has gone by since the
// last one that passed; one that comes sooner is dropped, not queued. The bell (one at a
// time), the screen reader's notices and the taskbar's progress all keep to it.
class RateLimit {
  public:
    explicit RateLimit(std::chrono::nanoseconds interval) : interval_(interval) {}

    // True when a request at `now` passes.
    bool admit(MonoTime now) {
        if (passed_ && now - last_ < interval_) {
            return false;
        }
        passed_ = true;
        last_ = now;
        return true;
    }

  private:
    std::chrono::nanoseconds interval_;
    bool passed_ = false;
    MonoTime last_{};
};

}  // namespace quendal
