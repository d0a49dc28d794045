#include "platform/clock/testing/shifted_clock.h"

#include <gtest/gtest.h>

#include "support/fake_clock.h"

namespace quendal {
namespace {

TEST(ShiftedClock, StandsOrRunsWhereTheSettingSaysAndRefusesAnyOther) {
    const struct {
        const char* text;
        double seconds;  // since midnight at the start; negative: refused
        LocalDate date;
        double afterASecond;  // of the real clock, since midnight
    } cases[] = {
        {"2026-12-08 14:59:58", 53998, {2026, 12, 8, 3}, 53998},
        {"@2026-12-12 03:25:46.25", 12346.25, {2026, 12, 12, 7}, 12347.25},
        {"@2028-02-29 00:00:00 x10", 0, {2028, 2, 29, 3}, 10},
        {"garbage", -1, {}, 0},
        {"2026-13-45 99:99:99", -1, {}, 0},
        {"2027-02-29 12:00:00", -1, {}, 0},
        {"2026-12-08 24:00:00", -1, {}, 0},
        {"2026-12-08 14:59", -1, {}, 0},
        {"-999-12-08 14:59:58", -1, {}, 0},
        {"2026-12-08 14:+9:58", -1, {}, 0},
        {"2026-12-08 14:59:58.", -1, {}, 0},
        {"2026-12-08 14:59:58x", -1, {}, 0},
        {"@2026-12-08 14:59:58 x0", -1, {}, 0},
        {"@2026-12-08 14:59:58 xfast", -1, {}, 0},
        {"", -1, {}, 0},
    };
    for (const auto& c : cases) {
        const auto setting = readClockSetting(c.text);
        ASSERT_EQ(setting.has_value(), c.seconds >= 0) << c.text;
        if (!setting) {
            continue;
        }
        testing::FakeClock real;
        real.set(2026, 12, 8, 100.0F);
        const ShiftedClock shifted(real, *setting);
        EXPECT_EQ(shifted.now().date, c.date) << c.text;
        EXPECT_NEAR(shifted.now().secondsSinceMidnight, c.seconds, 1e-2) << c.text;
        real.set(2026, 12, 8, 101.0F);
        EXPECT_NEAR(shifted.now().secondsSinceMidnight, c.afterASecond, 1e-2) << c.text;
    }
    testing::FakeClock real;
    real.set(2026, 12, 8, 100.0F);
    const ShiftedClock shifted(real, *readClockSetting("@2026-12-31 23:59:59.5"));
    real.set(2026, 12, 8, 101.0F);
    EXPECT_EQ(shifted.now().date, (LocalDate{2027, 1, 1, 6})) << "runs on past the year's end";
}

}  // namespace
}  // namespace quendal
