#include "reading/reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "reading/spoken_number.h"
#include "support/instants.h"
#include "support/reference_text.h"

namespace quendal {
namespace {

using testing::at;
using testing::dateOf;

constexpr ModeSelection kClock{true, false, false};
constexpr ModeSelection kStopWatch{false, true, false};
constexpr ModeSelection kCalendar{false, false, true};

std::string describe(const Reading& r) {
    return std::string(r.groups.blue.view()) + "|" + std::string(r.groups.red.view()) + "|" +
           std::string(r.groups.yellow.view()) + "|" + std::string(r.groups.green.view());
}

struct GroupCase {
    const char* name;
    ModeSelection modes;
    StopwatchStart start;
    LocalTime now;
    double value;  // after scaling
    int exponent;
    const char* groups;  // blue|red|yellow|green
    const char* caption;
};

TEST(Reading, ModesGiveTheirReadingAndDigitGroups) {
    const LocalDate today = dateOf(2026, 12, 8);
    const StopwatchStart noon{43200, today};
    const GroupCase cases[] = {
        {"clock 03:25:46",
         kClock,
         {},
         at(2026, 12, 8, 3, 25, 46),
         14.289351851851851,
         0,
         "14|28|93|518",
         "14 28 93 518"},
        {"clock T=500",
         kClock,
         {},
         at(2026, 12, 8, 500.0F),
         0.5787037037037037,
         0,
         "|57|87|037",
         " 57 87 037"},
        {"clock T=27", kClock, {}, at(2026, 12, 8, 27.0F), 0.03125, 0, "|03|12|5", " 03 12 5"},
        {"clock T=30",
         kClock,
         {},
         at(2026, 12, 8, 30.0F),
         3.4722222222222223,
         2,
         "3|47|22|E-2",
         "3 47 22 E-2"},
        {"stopwatch 30 s", kStopWatch, noon, at(2026, 12, 8, 43230.0F), 3.4722222222222223, 2,
         "3|47|22|E-2", "3 47 22 E-2"},
        {"stopwatch 0.5 s early", kStopWatch, noon, at(2026, 12, 8, 43199.5F), -5.787037037037037,
         4, "5|78|70|E-4", "5 78 70 E-4"},
        {"clock midnight", kClock, {}, at(2026, 12, 8, 0.0F), 0, 0, "0|||", "0   "},
        {"clock T=38880", kClock, {}, at(2026, 12, 8, 38880.0F), 45, 0, "45|||", "45   "},
        {"calendar 1 January",
         kCalendar,
         {},
         at(2026, 1, 1, 0.0F),
         0.273224043715847,
         0,
         "|27|32|240",
         " 27 32 240"},
        {"calendar 31 December",
         kCalendar,
         {},
         at(2026, 12, 31, 0.0F),
         100.13661202185793,
         0,
         "100|13|66|120",
         "100 13 66 120"},
        {"calendar 16 August",
         kCalendar,
         {},
         at(2026, 8, 16, 0.0F),
         62.704918032786885,
         0,
         "62|70|49|180",
         "62 70 49 180"},
        // A whole number of three digits keeps them all in the first group.
        {"stopwatch one day", kStopWatch, noon, at(2026, 12, 9, 43200.0F), 100, 0, "100|||",
         "100   "},
        {"none selected", ModeSelection{}, noon, at(2026, 12, 8, 50000.0F), 0, 0, "0|||", "0   "},
    };
    for (const GroupCase& c : cases) {
        const Reading r = computeReading(c.modes, c.start, c.now);
        EXPECT_DOUBLE_EQ(r.value, c.value) << c.name;
        EXPECT_EQ(r.exponent, c.exponent) << c.name;
        EXPECT_EQ(describe(r), c.groups) << c.name;
        EXPECT_EQ(r.caption.view(), c.caption) << c.name;
    }
}

TEST(Reading, LaterSelectedModesOverrideEarlierOnesInTestOrder) {
    const StopwatchStart start{0, dateOf(2026, 12, 8)};
    const LocalTime now = at(2026, 12, 8, 3, 25, 46);
    const double clock = 12346.0 / 864;
    const double calendar = (11 + 8 / 30.5) / 0.12;
    EXPECT_DOUBLE_EQ(measure({true, true, false}, start, now), clock);
    EXPECT_DOUBLE_EQ(measure({true, false, true}, start, now), calendar);
    EXPECT_DOUBLE_EQ(measure({false, true, true}, start, now), calendar);
}

struct StopwatchCase {
    const char* name;
    StopwatchStart start;
    LocalTime now;
    const char* caption;
};

TEST(Reading, StopwatchCountsElapsedTimeAcrossMidnightsAndDays) {
    const StopwatchCase cases[] = {
        // A rounded start leaves up to half a second either side of zero.
        {"half a second before the start",
         {100, dateOf(2026, 12, 8)},
         at(2026, 12, 8, 99.5F),
         "5 78 70 E-4"},
        {"half a second after the start",
         {100, dateOf(2026, 12, 8)},
         at(2026, 12, 8, 100.5F),
         "5 78 70 E-4"},
        {"at the start", {100, dateOf(2026, 12, 8)}, at(2026, 12, 8, 100.0F), "0   "},
        {"23:00 to 01:00", {82800, dateOf(2026, 12, 8)}, at(2026, 12, 9, 1, 0, 0), "8 33 33 333"},
        {"over the year end",
         {79200, dateOf(2026, 12, 31)},
         at(2027, 1, 1, 2, 0, 0),
         "16 66 66 666"},
        {"over a month end", {79200, dateOf(2026, 2, 28)}, at(2026, 3, 1, 2, 0, 0), "16 66 66 666"},
        {"two days and two hours",
         {82800, dateOf(2026, 12, 8)},
         at(2026, 12, 11, 1, 0, 0),
         "208 33 33 333"},
        {"a leap day in between", {43200, dateOf(2028, 2, 28)}, at(2028, 3, 1, 43200.0F), "200   "},
        // A start in the day's last half second is rounded up to 86400.
        {"last half second, read before midnight",
         {86400, dateOf(2026, 12, 8)},
         at(2026, 12, 8, 86399.75F),
         "2 89 35 E-4"},
        {"last half second, read after midnight",
         {86400, dateOf(2026, 12, 8)},
         at(2026, 12, 9, 0.25F),
         "2 89 35 E-4"},
        {"last half second, read an hour on",
         {86400, dateOf(2026, 12, 8)},
         at(2026, 12, 9, 1, 0, 0),
         "4 16 66 666"},
    };
    for (const StopwatchCase& c : cases) {
        EXPECT_EQ(computeReading(kStopWatch, c.start, c.now).caption.view(), c.caption) << c.name;
    }
    const Reading early = computeReading(kStopWatch, cases[0].start, cases[0].now);
    EXPECT_LT(early.value, 0) << "the sign of a reading before the start stays";
}

TEST(Reading, ClockCaptionsAgreeWithTheReferenceAtEveryQuarterSecond) {
    int mismatches = 0;
    for (int quarter = 0; quarter <= 86400 * 4 && mismatches < 10; ++quarter) {
        const LocalTime now = at(2026, 12, 8, static_cast<float>(quarter) / 4);
        const Reading r = computeReading(kClock, {}, now);
        const std::string expected = reference::groupsOf(quarter / 4.0 / 864).caption;
        if (r.caption.view() != expected) {
            ++mismatches;
            ADD_FAILURE() << "T=" << quarter / 4.0 << ": " << r.caption.view() << " vs "
                          << expected;
        }
    }
}

TEST(Reading, CalendarCaptionsAgreeWithTheReferenceOnEveryDayOfALeapYear) {
    const int monthLengths[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int days = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= monthLengths[month - 1]; ++day, ++days) {
            const Reading r = computeReading(kCalendar, {}, at(2028, month, day, 0.0F));
            const double expected = ((month - 1) + day / 30.5) / 0.12;
            EXPECT_EQ(r.caption.view(), reference::groupsOf(expected).caption)
                << month << "/" << day;
        }
    }
    EXPECT_EQ(days, 366);
}

TEST(Reading, DigitGroupsAgreeWithTheReferenceForRandomReadings) {
    std::mt19937_64 random(8122026);
    std::uniform_real_distribution<double> decade(-20.0, 16.0);
    std::bernoulli_distribution negative(0.25);
    int mismatches = 0;
    for (int i = 0; i < 200'000 && mismatches < 10; ++i) {
        const double value = std::pow(10.0, decade(random)) * (negative(random) ? -1 : 1);
        const reference::Groups expected = reference::groupsOf(value);
        const Reading r = readingOf(value);
        if (r.caption.view() != expected.caption) {
            ++mismatches;
            ADD_FAILURE() << "value " << value << ": " << r.caption.view() << " vs "
                          << expected.caption;
        }
    }
}

}  // namespace
}  // namespace quendal

namespace quendal {
namespace {

// What a taskbar button draws: the bar of the day, the year or the stop watch's current
// day, and the whole percent, from the Reading as shown (scaled or not).
TEST(Progress, BarAndCountOfEachMode) {
    constexpr ModeSelection clock{.clock = true};
    constexpr ModeSelection stopwatch{.stopWatch = true};
    constexpr ModeSelection calendar{.calendar = true};
    const struct {
        const char* name;
        double measured;
        ModeSelection modes;
        double fraction;
        int count;
    } cases[] = {
        {"03:25:46", 12346.0 / 864, clock, 0.14289351851851851, 14},
        {"the clock's last instant", 100.0, clock, 1.0, 100},
        {"31 December", 100.13661202185793, calendar, 1.0, 100},
        {"a stop watch at a day and a half", 150.25, stopwatch, 0.5025, 150},
        {"a stop watch in its third day", 250.5, stopwatch, 0.505, 250},
        {"a stop watch at 30 s, shown scaled", 30.0 / 864, stopwatch, 30.0 / 86400, 0},
        {"a stop watch read before its start", -0.5 / 864, stopwatch, 0.5 / 86400, 0},
        {"the calendar chosen after the stop watch", 150.25, {false, true, true}, 1.0, 150},
    };
    for (const auto& c : cases) {
        const Progress p = progressOf(readingOf(c.measured), c.modes);
        EXPECT_NEAR(p.fraction, c.fraction, 1e-12) << c.name;
        EXPECT_EQ(p.count, c.count) << c.name;
    }
}

// What a screen reader says is the number the digit groups show, digit for digit.
TEST(SpokenNumber, SaysTheShownDigitsAsOneNumber) {
    const struct {
        double measured;
        const char* said;
    } cases[] = {
        {12346.0 / 864, "14.2893518"},        // 14 28 93 518
        {500.0 / 864, "0.5787037"},           //  57 87 037
        {27.0 / 864, "0.03125"},              //  03 12 5
        {30.0 / 864, "0.034722"},             // 3 47 22 E-2
        {-0.5 / 864, "0.00057870"},           // 5 78 70 E-4
        {0, "0"},                             // 0
        {45, "45"},                           // 45
        {100.13661202185793, "100.1366120"},  // 100 13 66 120
    };
    for (const auto& c : cases) {
        EXPECT_EQ(spokenNumber(readingOf(c.measured)), c.said) << c.said;
    }
}

}  // namespace
}  // namespace quendal
