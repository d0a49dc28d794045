#pragma once

#include "platform/interface/wall_clock.h"
#include "support/instants.h"

namespace quendal::testing {

// A wall clock that stands wherever the test puts it.
class FakeClock final : public WallClock {
  public:
    LocalTime now() const override {
        ++reads_;
        const LocalTime now = now_;
        if (moves_) {
            now_ = next_;
            moves_ = false;
        }
        return now;
    }

    void set(const LocalTime& now) { now_ = now; }
    void set(int year, int month, int day, float seconds) { now_ = at(year, month, day, seconds); }
    void set(int year, int month, int day, int hour, int minute, float second) {
        now_ = at(year, month, day, hour, minute, second);
    }
    // After the next read, the clock stands at `later`: time moving on between two reads.
    void thenAt(const LocalTime& later) {
        next_ = later;
        moves_ = true;
    }
    int reads() const { return reads_; }

  private:
    mutable LocalTime now_ = at(2026, 12, 8, 3, 25, 46);
    mutable LocalTime next_;
    mutable bool moves_ = false;
    mutable int reads_ = 0;
};

}  // namespace quendal::testing
