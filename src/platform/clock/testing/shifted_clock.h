#pragma once

#include <cmath>
#include <optional>
#include <string_view>

#include "platform/interface/wall_clock.h"

namespace quendal {

// A local date and time written as "2026-12-08 14:59:58", the seconds with a fraction or
// not ("03:25:46.5"), with its weekday.
struct WrittenTime {
    LocalDate date;
    double secondsSinceMidnight;
};

// The time a text writes; nothing when the text is no such time, or one that never is
// ("2026-13-45 99:99:99").
std::optional<WrittenTime> readWrittenTime(std::string_view text);

// Where a test puts the clock, written as time fakers write it: "2026-12-08 14:59:58"
// stands still there, "@2026-12-08 14:59:58" runs on from there, and "@... x10" runs ten
// times as fast.
struct ClockSetting {
    WrittenTime start;
    bool runs = false;
    double rate = 1.0;
};

// Nothing when the text is no such setting.
std::optional<ClockSetting> readClockSetting(std::string_view text);

// Another clock put at a chosen local time, standing there or running on from there: for
// trying the program at any time of day where the operating system's clock cannot be
// faked. Only test builds use it.
class ShiftedClock final : public WallClock {
  public:
    ShiftedClock(const WallClock& clock, const ClockSetting& setting)
        : clock_(clock),
          setting_(setting),
          start_(secondsOf(setting.start.date, setting.start.secondsSinceMidnight)),
          origin_(secondsOf(clock.now())) {}

    LocalTime now() const override {
        const double elapsed =
            setting_.runs ? (secondsOf(clock_.now()) - origin_) * setting_.rate : 0;
        const double total = start_ + elapsed;
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
    ClockSetting setting_;
    double start_;
    double origin_;
};

}  // namespace quendal
