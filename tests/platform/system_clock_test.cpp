#include "platform/system_clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

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

TEST(SystemClock, HasSubSecondResolution) {
    const SystemClock clock;
    const ScopedTimeZone zone("UTC0");
    bool sawFraction = false;
    for (int i = 0; i < 2000 && !sawFraction; ++i) {
        const float s = clock.now().secondsSinceMidnight;
        sawFraction = s != std::floor(s);
    }
    EXPECT_TRUE(sawFraction);
}

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
