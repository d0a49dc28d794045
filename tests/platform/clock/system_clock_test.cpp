#include "platform/clock/system_clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>
#include <system_error>

namespace quendal {
namespace {

// Sets TZ for the life of the object and puts the previous value back.
class ScopedTimeZone {
  public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            previous_ = old;
            hadPrevious_ = true;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (hadPrevious_) {
            setenv("TZ", previous_.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

  private:
    std::string previous_;
    bool hadPrevious_ = false;
};

double utcSecondsOfDay() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<double>(t.tv_sec % 86400) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The difference of two times of day, folded into (-43200, 43200].
double dayDifference(double a, double b) {
    double d = std::fmod(a - b, 86400.0);
    if (d > 43200)
        d -= 86400;
    if (d <= -43200)
        d += 86400;
    return d;
}

TEST(SystemClock, ReadsLocalTimeOfDayWithItsFractionInEachZone) {
    const SystemClock clock;
    const struct {
        const char* zone;
        double offset;  // local minus UTC, in seconds
    } zones[] = {{"UTC0", 0}, {"<+0530>-5:30", 19800}, {"<-10>10", -36000}};
    for (const auto& z : zones) {
        const ScopedTimeZone zone(z.zone);
        const double expected = utcSecondsOfDay() + z.offset;
        const float seconds = clock.now().secondsSinceMidnight;
        EXPECT_GE(seconds, 0.0F);
        EXPECT_LE(seconds, 86400.0F);
        // Within a few float steps and the time between the two reads.
        EXPECT_NEAR(dayDifference(seconds, expected), 0.0, 0.05) << z.zone;
    }
}

// The fraction of a second comes through, at any time of day, and fields that no clock
// gives are refused rather than shown.
TEST(SystemClock, LocalTimeKeepsTheFractionOfTheFieldsAndRefusesImpossibleOnes) {
    const struct {
        CalendarFields fields;
        float seconds;  // since midnight; negative: refused
        int weekday;
    } cases[] = {
        {{2026, 12, 8, 2, 3, 25, 46, 500'000'000}, 12346.5F, 3},
        {{2026, 12, 8, 2, 0, 0, 0, 1'000'000}, 0.001F, 3},
        {{2026, 12, 13, 0, 23, 59, 59, 999'000'000}, 86399.999F, 1},
        {{2026, 12, 12, 6, 14, 0, 0, 0}, 50400.0F, 7},
        {{2026, 13, 8, 2, 3, 25, 46, 0}, -1, 0},
        {{2026, 12, 8, 7, 3, 25, 46, 0}, -1, 0},
        {{2026, 12, 8, 2, 24, 0, 0, 0}, -1, 0},
        {{2026, 12, 8, 2, 3, 25, 46, 1'000'000'000}, -1, 0},
    };
    for (const auto& c : cases) {
        if (c.seconds < 0) {
            EXPECT_THROW(localTimeFrom(c.fields), std::system_error) << c.fields.month;
            continue;
        }
        const LocalTime time = localTimeFrom(c.fields);
        EXPECT_EQ(time.secondsSinceMidnight, c.seconds);
        EXPECT_EQ(time.date, (LocalDate{c.fields.year, c.fields.month, c.fields.day, c.weekday}));
    }
}

// Where a test build puts its clock: read exactly, or refused.
TEST(SystemClock, DateMatchesTheCalendarOfTheSameInstant) {
    const SystemClock clock;
    const ScopedTimeZone zone("<+14>-14");
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const LocalTime now = clock.now();
        const std::time_t after = std::time(nullptr);
        if (before != after) {
            continue;  // a second boundary in between; try again
        }
        std::tm local{};
        localtime_r(&before, &local);
        EXPECT_EQ(now.date.year, local.tm_year + 1900);
        EXPECT_EQ(now.date.month, local.tm_mon + 1);
        EXPECT_EQ(now.date.day, local.tm_mday);
        EXPECT_EQ(now.date.weekday, local.tm_wday + 1);
        EXPECT_GE(now.date.weekday, 1);
        EXPECT_LE(now.date.weekday, 7);
        return;
    }
    FAIL() << "could not read the clock within one second";
}

}  // namespace
}  // namespace quendal
