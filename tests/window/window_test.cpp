#include "window/window.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "support/fake_clock.h"
#include "support/fake_form.h"
#include "window/window_design.h"

namespace quendal {
namespace {

using testing::FakeBeeper;
using testing::FakeClock;
using testing::FakeFormHost;

// 2026-12-08 is a Tuesday, 2026-12-12 a Saturday, 2026-12-13 a Sunday.
class WindowTest : public ::testing::Test {
  protected:
    void start() { ASSERT_EQ(host.run(), 0); }
    std::string labels() {
        std::string text;
        for (const char* name : {"Blue", "Red", "Yellow", "Green"}) {
            text += std::string(host.label(name).caption()) + (name[0] == 'G' ? "" : "|");
        }
        return text;
    }
    void tick() { host.timer("Prog").fires(); }
    std::string caption() { return std::string(host.form().caption()); }
    void restore() { host.userSetsState(WindowState::Normal); }
    void minimise() { host.userSetsState(WindowState::Minimized); }

    FakeClock clock;
    FakeBeeper beeper;
    FakeFormHost host{windowDesign()};
    Window window{host, clock, beeper};
};

TEST_F(WindowTest, StartsAsATaskbarEntryThatShowsTheReading) {
    clock.set(2026, 12, 8, 3, 25, 46);
    start();
    EXPECT_EQ(host.form().windowState(), WindowState::Minimized);
    EXPECT_EQ(caption(), "Quendal") << "the first showing puts the name in the caption";
    tick();
    EXPECT_EQ(caption(), "14 28 93 518");
    EXPECT_EQ(labels(), "00|00|00|000");
    EXPECT_EQ(host.checkBox("Go").value(), 1);
    EXPECT_FALSE(host.checkBox("Go").enabled());
    EXPECT_FALSE(host.commandButton("Reset").enabled());
    EXPECT_EQ(host.commandButton("Reset").tag(), "");
    EXPECT_TRUE(host.optionButton("Clock").selected());
    EXPECT_EQ(host.checkBox("Alarm").value(), 0);
    EXPECT_TRUE(host.timer("Prog").enabled());
    EXPECT_EQ(beeper.beeps(), 0);
}

TEST_F(WindowTest, LoadRefreshesTheCaptionBeforeTheFirstShowing) {
    clock.set(2026, 12, 8, 3, 25, 46);
    host.form().onResize([] {});  // look at the caption as Load leaves it
    host.form().start();
    EXPECT_EQ(caption(), "14 28 93 518");
}

TEST_F(WindowTest, DisplayFollowsTheWindowState) {
    clock.set(2026, 12, 8, 3, 25, 46);
    start();
    restore();
    EXPECT_EQ(caption(), "Quendal");
    EXPECT_EQ(labels(), "00|00|00|000") << "the labels wait for the next refresh";
    tick();
    EXPECT_EQ(labels(), "14|28|93|518");
    EXPECT_EQ(caption(), "Quendal");

    clock.set(2026, 12, 8, 500.0F);
    minimise();
    EXPECT_EQ(caption(), "Quendal");
    tick();
    EXPECT_EQ(caption(), " 57 87 037");
    EXPECT_EQ(labels(), "14|28|93|518") << "the labels keep what they showed last";

    host.userSetsState(WindowState::Maximized);
    EXPECT_EQ(caption(), "Quendal");
    tick();
    EXPECT_EQ(caption(), " 57 87 037");
}

TEST_F(WindowTest, EachRefreshReadsTheClockOnce) {
    start();
    const int before = clock.reads();
    tick();
    EXPECT_EQ(clock.reads() - before, 1);
}

TEST_F(WindowTest, HoldKeepsTheDisplayWhileTheStopwatchRunsOn) {
    clock.set(2026, 12, 8, 10, 0, 0);
    start();
    host.click("StopWatch");
    EXPECT_TRUE(host.checkBox("Go").enabled());
    EXPECT_TRUE(host.commandButton("Reset").enabled());
    clock.set(2026, 12, 8, 10, 5, 0);
    tick();
    EXPECT_EQ(caption(), " 34 72 222");

    host.click("Go");
    EXPECT_FALSE(host.timer("Prog").enabled());
    clock.set(2026, 12, 8, 10, 10, 0);
    tick();
    EXPECT_EQ(caption(), " 34 72 222") << "held";

    host.click("Go");
    EXPECT_TRUE(host.timer("Prog").enabled());
    tick();
    EXPECT_EQ(caption(), " 69 44 444") << "runs on from the same start";
}

TEST_F(WindowTest, RestartWhileRunningStartsFromAboutZero) {
    clock.set(2026, 12, 8, 10, 0, 0);
    start();
    host.click("StopWatch");
    clock.set(2026, 12, 8, 36599.5F);  // 10:09:59.5 rounds to the even 36600
    host.click("Reset");
    EXPECT_EQ(caption(), "5 78 70 E-4") << "the rounded start lies half a second ahead";
    clock.set(2026, 12, 8, 36630.0F);
    tick();
    EXPECT_EQ(caption(), "3 47 22 E-2");
}

TEST_F(WindowTest, RestartWhileHeldWaitsForTheDisplayToRunAgain) {
    clock.set(2026, 12, 8, 10, 0, 0);
    start();
    host.click("StopWatch");
    host.click("Go");  // hold
    clock.set(2026, 12, 8, 10, 5, 0);
    host.click("Reset");
    EXPECT_EQ(host.commandButton("Reset").tag(), "!");
    EXPECT_EQ(caption(), " 34 72 222") << "one refresh from the old start";
    host.click("Reset");
    EXPECT_EQ(host.commandButton("Reset").tag(), "!") << "a second click changes nothing";
    EXPECT_FALSE(host.timer("Prog").enabled());

    clock.set(2026, 12, 8, 10, 10, 0);
    host.click("Go");  // run: the restart happens now
    EXPECT_EQ(host.commandButton("Reset").tag(), "");
    clock.set(2026, 12, 8, 10, 10, 30);
    tick();
    EXPECT_EQ(caption(), "3 47 22 E-2");
}

TEST_F(WindowTest, PendingRestartSurvivesAModeSwitchAndHoldReturnsWithTheStopwatch) {
    clock.set(2026, 3, 10, 10, 0, 0);  // early in the year: the calendar stays below the alarm
    start();
    host.click("StopWatch");
    host.click("Go");
    host.click("Reset");
    ASSERT_EQ(host.commandButton("Reset").tag(), "!");

    for (const char* mode : {"Clock", "Calendar"}) {
        host.click(mode);
        EXPECT_EQ(host.commandButton("Reset").tag(), "!") << mode;
        EXPECT_TRUE(host.timer("Prog").enabled()) << mode << " runs despite the hold";
        EXPECT_FALSE(host.checkBox("Go").enabled()) << mode;
        EXPECT_FALSE(host.commandButton("Reset").enabled()) << mode;
    }
    clock.set(2026, 3, 10, 10, 3, 0);
    host.click("Clock");
    EXPECT_EQ(caption(), "41 87 5 ") << "the clock runs";

    host.click("StopWatch");
    EXPECT_FALSE(host.timer("Prog").enabled()) << "the hold is back";
    EXPECT_EQ(caption(), "41 87 5 ") << "choosing the stopwatch does not refresh";
    host.click("Go");
    EXPECT_EQ(host.commandButton("Reset").tag(), "");
    tick();
    EXPECT_EQ(caption(), "0   ") << "restarted when the display ran again";
}

TEST_F(WindowTest, StopwatchCountsAcrossMidnight) {
    clock.set(2026, 12, 8, 23, 0, 0);
    start();  // late: the alarm has brought the window up, and the labels show the digits
    host.click("StopWatch");
    host.click("Reset");
    clock.set(2026, 12, 9, 1, 0, 0);
    tick();
    EXPECT_EQ(labels(), "8|33|33|333");
}

struct AlarmCase {
    const char* name;
    int day;  // of December 2026
    int hour, minute, second;
    bool rings;
};

TEST_F(WindowTest, AlarmComesAtThreeOnWeekdaysAndAtTwoAtWeekends) {
    const AlarmCase cases[] = {
        {"Tuesday 14:59:59", 8, 14, 59, 59, false}, {"Tuesday 15:00:00", 8, 15, 0, 0, true},
        {"Tuesday 14:00:00", 8, 14, 0, 0, false},   {"Saturday 13:59:59", 12, 13, 59, 59, false},
        {"Saturday 14:00:00", 12, 14, 0, 0, true},  {"Sunday 14:00:00", 13, 14, 0, 0, true},
        {"Friday 14:30:00", 11, 14, 30, 0, false},
    };
    for (const AlarmCase& c : cases) {
        FakeClock caseClock;
        FakeBeeper caseBeeper;
        FakeFormHost caseHost{windowDesign()};
        Window caseWindow{caseHost, caseClock, caseBeeper};
        caseClock.set(2026, 12, c.day, 10, 0, 0);
        caseHost.run();
        caseClock.set(2026, 12, c.day, c.hour, c.minute, static_cast<float>(c.second));
        caseHost.timer("Prog").fires();
        EXPECT_EQ(caseHost.checkBox("Alarm").value(), c.rings ? 1 : 0) << c.name;
        EXPECT_EQ(caseHost.form().windowState(),
                  c.rings ? WindowState::Normal : WindowState::Minimized)
            << c.name;
        EXPECT_EQ(caseBeeper.beeps(), c.rings ? 1 : 0) << c.name;
    }
}

// The weekday comes from the same instant as the start: begun as a Friday ends, the alarm
// keeps Friday's hour even when the next read of the clock is Saturday's.
TEST_F(WindowTest, StartAtTheStrokeOfMidnightTakesItsDayFromOneInstant) {
    clock.set(2026, 12, 11, 23, 59, 59.9F);
    clock.thenAt(testing::at(2026, 12, 12, 0, 0, 0.1F));
    start();
    clock.set(2026, 12, 12, 14, 0, 0);
    tick();
    EXPECT_EQ(host.checkBox("Alarm").value(), 0) << "a Friday start rings at 15:00";
    clock.set(2026, 12, 12, 15, 0, 0);
    tick();
    EXPECT_EQ(host.checkBox("Alarm").value(), 1);
}

TEST_F(WindowTest, RingingAlarmBeepsEveryRefreshUntilSilencedAndNeverReturns) {
    clock.set(2026, 12, 8, 14, 59, 0);
    start();
    clock.set(2026, 12, 8, 15, 0, 0);
    tick();
    EXPECT_EQ(host.form().windowState(), WindowState::Normal);
    EXPECT_EQ(caption(), "Quendal");
    EXPECT_EQ(labels(), "00|00|00|000") << "the labels take over from the next refresh";
    tick();
    EXPECT_EQ(labels(), "62|5||");
    tick();
    EXPECT_EQ(beeper.beeps(), 3);

    host.click("Alarm");  // silence
    EXPECT_EQ(host.checkBox("Alarm").value(), 0);
    minimise();
    for (int minute = 1; minute < 5; ++minute) {
        clock.set(2026, 12, 8, 15, minute, 0);
        tick();
    }
    EXPECT_EQ(beeper.beeps(), 3);
    EXPECT_EQ(host.form().windowState(), WindowState::Minimized) << "raised once per run";
}

// While nobody can see the screen the clock refreshes once a second for the alarm alone
// and shows nothing new; the alarm comes at its instant all the same, and once the screen
// is seen again the Reading of that moment is shown at once.
TEST_F(WindowTest, UnseenTheClockShowsNothingNewYetRingsAtItsInstant) {
    clock.set(2026, 12, 8, 14, 59, 58);
    start();
    tick();
    host.frame();
    EXPECT_EQ(host.shownCaption(), "62 49 76 851");
    // L logind, G a screen saver, P the power saver; '-' unseen (or saving), '+' not.
    const auto say = [&](std::string_view word) {
        const bool on = word[1] == '-';
        if (word[0] == 'P') {
            host.audience().report(PowerSource::PowerProfiles, on);
        } else {
            host.audience().report(
                word[0] == 'L' ? SightSource::LoginSession : SightSource::GnomeScreenSaver, !on);
        }
    };
    const struct {
        const char* what;
        const char* report;  // "": none
        float second;        // past 14:59
        bool refresh;        // the timer fires, after the report
        int interval;        // ms
        const char* shown;
        bool up;
        int beeps;
    } steps[] = {
        {"the power saver: slower, shown", "P-", 58.5F, true, 100, "62 49 82 638", false, 0},
        {"locked", "L-", 59, true, 1000, "62 49 82 638", false, 0},
        {"the clock jumps back while unseen", "", 10, true, 1000, "62 49 82 638", false, 0},
        {"the alarm's instant, unseen: up, ringing", "", 60.5F, true, 1000, "62 49 82 638", true,
         1},
        {"the screen saver too", "G-", 61, true, 1000, "62 49 82 638", true, 2},
        {"unlocked, the screen saver still on", "L+", 62, true, 1000, "62 49 82 638", true, 3},
        {"seen: refreshed and shown at once", "G+", 62, false, 100, "Quendal", true, 4},
        {"the power saver off", "P+", 62, true, 1, "Quendal", true, 5},
    };
    for (const auto& step : steps) {
        clock.set(2026, 12, 8, 53940.0F + step.second);
        if (*step.report) {
            say(step.report);
        }
        if (step.refresh) {
            tick();
        }
        host.frame();
        EXPECT_EQ(host.timerInterval(), std::chrono::milliseconds(step.interval)) << step.what;
        EXPECT_EQ(host.shownCaption(), step.shown) << step.what;
        EXPECT_EQ(host.form().windowState() == WindowState::Normal, step.up) << step.what;
        EXPECT_EQ(beeper.beeps(), step.beeps) << step.what;
    }
    EXPECT_EQ(labels(), "62|50|23|148") << "the labels have the Reading of the moment seen";
}

TEST_F(WindowTest, ClickBeforeTheAlarmDisarmsItAndRingsTheBellInstead) {
    clock.set(2026, 12, 8, 12, 0, 0);
    start();
    host.click("Alarm");
    tick();
    EXPECT_EQ(beeper.beeps(), 1) << "a checked bell beeps at every refresh";
    host.click("Alarm");
    clock.set(2026, 12, 8, 15, 0, 1);
    tick();
    EXPECT_EQ(host.form().windowState(), WindowState::Minimized) << "disarmed";
    EXPECT_EQ(beeper.beeps(), 1);
}

TEST_F(WindowTest, AlarmAlreadyDueAtStartBringsTheWindowUpDuringLoad) {
    clock.set(2026, 12, 8, 16, 0, 0);
    start();
    EXPECT_EQ(host.form().windowState(), WindowState::Normal);
    EXPECT_EQ(host.checkBox("Alarm").value(), 1);
    EXPECT_EQ(caption(), "Quendal");
    EXPECT_EQ(labels(), "66|66|66|666");
    EXPECT_EQ(beeper.beeps(), 2) << "both refreshes of Load beep";
}

TEST_F(WindowTest, AlarmWatchesWhateverTheModeShows) {
    const struct {
        const char* name;
        int month, day;  // started that day at 10:00
        const char* mode;
        bool rings;
    } cases[] = {
        {"calendar 31 July, started on a Friday", 7, 31, "Calendar", false},
        {"calendar 16 August, started on a Sunday", 8, 16, "Calendar", true},
        {"calendar 15 August, started on a Saturday", 8, 15, "Calendar", true},
        {"calendar 1 August, started on a Saturday", 8, 1, "Calendar", true},
        {"calendar 30 July, started on a Thursday", 7, 30, "Calendar", false},
        {"calendar 14 August, started on a Friday", 8, 14, "Calendar", false},
        {"calendar 17 August, started on a Monday", 8, 17, "Calendar", true},
        {"clock at ten in the morning", 8, 17, "Clock", false},
    };
    for (const auto& c : cases) {
        FakeClock caseClock;
        FakeBeeper caseBeeper;
        FakeFormHost caseHost{windowDesign()};
        Window caseWindow{caseHost, caseClock, caseBeeper};
        caseClock.set(2026, c.month, c.day, 10, 0, 0);
        caseHost.run();
        caseHost.click(c.mode);
        EXPECT_EQ(caseHost.checkBox("Alarm").value(), c.rings ? 1 : 0) << c.name;
    }
}

TEST_F(WindowTest, StopwatchRingsAfterFifteenHoursOnAWeekday) {
    clock.set(2026, 12, 8, 0, 30, 0);
    start();
    host.click("StopWatch");
    clock.set(2026, 12, 8, 15, 29, 59);
    tick();
    EXPECT_EQ(host.checkBox("Alarm").value(), 0);
    clock.set(2026, 12, 8, 15, 30, 0);
    tick();
    EXPECT_EQ(host.checkBox("Alarm").value(), 1);
}

TEST_F(WindowTest, HeldStopwatchNeitherTestsNorBeeps) {
    clock.set(2026, 12, 8, 10, 0, 0);
    start();
    host.click("Alarm");  // checked: would beep at any refresh
    host.click("StopWatch");
    host.click("Go");
    const int beeps = beeper.beeps();
    tick();
    tick();
    EXPECT_EQ(beeper.beeps(), beeps);
}

TEST_F(WindowTest, ClosingMinimisesShowsTheNameAndEnds) {
    clock.set(2026, 12, 8, 10, 0, 0);
    start();
    restore();
    tick();
    host.userCloses();
    EXPECT_EQ(host.form().windowState(), WindowState::Minimized);
    EXPECT_EQ(host.programStateSets(WindowState::Minimized), 1);
    EXPECT_EQ(caption(), "Quendal");
    EXPECT_FALSE(host.shown());
    tick();
    EXPECT_EQ(caption(), "41 66 66 666") << "Resize sent the display to the caption";
}

}  // namespace
}  // namespace quendal
