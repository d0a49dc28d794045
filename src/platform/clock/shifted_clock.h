#pragma once

#include <cmath>

#include "platform/wall_clock.h"

namespace quendal {

// Another clock moved to start at a chosen local time and run on from there: for trying
// the program at any time of day where the operating system's clock cannot be faked.
// Only test builds use it.
class ShiftedClock final : public WallClock {
  public:
    ShiftedClock(const WallClock& clock, const LocalDate& date, double secondsSinceMidnight)
        : clock_(clock), shift_(secondsOf(date, secondsSinceMidnight) - secondsOf(clock.now())) {}

    LocalTime now() const override {
        const double total = secondsOf(clock_.now()) + shift_;
        const double days = std::floor(total / kDay);
        return LocalTime{static_cast<float>(total - days * kDay),
                         dateFromDays(static_cast<long>(days))};
    }

  private:
    static constexpr double kDay = 86400.0;
    static double secondsOf(const LocalDate& date, double seconds) {
        return static_cast<double>(daysSinceEpoch(date)) * kDay + seconds;
    }
    static double secondsOf(const LocalTime& time) {
        return secondsOf(time.date, time.secondsSinceMidnight);
    }

    const WallClock& clock_;
    double shift_;
};

}  // namespace quendal
