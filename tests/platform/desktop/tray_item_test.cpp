#include "platform/desktop/tray_item.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/fake_clock.h"
#include "support/fake_form.h"
#include "support/memory_entry.h"
#include "window/window.h"
#include "window/window_design.h"

namespace quendal {
namespace {

using namespace std::chrono_literals;
using testing::FakeBeeper;
using testing::FakeClock;
using testing::FakeFormHost;
using testing::FakeMonoClock;

// The tray item on a running window, with what it shows recorded as a host would read it.
class TrayItemTest : public ::testing::Test {
  protected:
    TrayItemTest() {
        clock.set(2026, 12, 8, 3, 25, 46);
        EXPECT_EQ(host.run(), 0);
        refresh();
        wait(0ms);
    }
    void refresh() {
        host.timer("Prog").fires();
        tray.offer(host.form().reading(), host.form().modes());
    }
    // Time goes by for the tray's pacers, which hand over what they hold when due.
    void wait(std::chrono::milliseconds time) {
        mono.now += time;
        if (labelWake) {
            labelWake.reset();
            tray.labelDue();
        }
        if (tooltipWake) {
            tooltipWake.reset();
            tray.tooltipDue();
        }
    }
    // The menu in one line: the checked item marked.
    std::string menu() {
        std::string line;
        for (const TrayItem::MenuItem& item : tray.menu()) {
            line += item.checked ? "*" + item.label + "|" : item.label + "|";
        }
        return line;
    }

    FakeClock clock;
    FakeBeeper beeper;
    FakeFormHost host{windowDesign()};
    Window window{host, clock, beeper};
    EnglishWords words;
    Speech speech{windowDesign(), host, words};
    FakeMonoClock mono;
    std::optional<std::string> autostartFile;
    std::string autostartFailure;
    std::optional<std::chrono::nanoseconds> labelWake, tooltipWake;
    std::string label, tooltip, said;
    std::vector<int> counts;
    TrayItem::Status status = TrayItem::Status::Active;
    int menuChanges = 0, quits = 0;
    TrayItem tray{
        windowDesign(),
        host,
        speech,
        Autostart("[Desktop Entry]\n", testing::memoryEntry(autostartFile, autostartFailure)),
        mono.source(),
        [this](std::chrono::nanoseconds delay) { labelWake = delay; },
        [this](std::chrono::nanoseconds delay) { tooltipWake = delay; },
        {[this](std::string_view text) { label = text; },
         [this](std::string_view text) { tooltip = text; },
         [this](int count) { counts.push_back(count); }, [this](TrayItem::Status s) { status = s; },
         [this] { ++menuChanges; }, [this] { ++quits; },
         [this](std::string_view why) { said = why; }}};
};

TEST_F(TrayItemTest, ItsMenuDoesWhatItSaysAndAnswersOnlyForItsItems) {
    using enum TrayItem::MenuId;
    const int stopwatch = kFirstMode + 1;
    const struct {
        int choose;  // 0: the item itself clicked
        bool chosen;
        std::string_view menu;
        std::string_view label;  // empty: not checked
    } steps[] = {
        {stopwatch, true, "Show the strip||Clock|*Stopwatch|Calendar||Start at log-in||Quit|",
         "0   "},
        {0, true, "Minimise the strip||Clock|*Stopwatch|Calendar||Start at log-in||Quit|", "0   "},
        {kShowOrMinimise, true, "Show the strip||Clock|*Stopwatch|Calendar||Start at log-in||Quit|",
         "0   "},
        {kFirstMode, true, "Show the strip||*Clock|Stopwatch|Calendar||Start at log-in||Quit|",
         "14 28 93 518"},
        {kStartAtLogIn, true, "Show the strip||*Clock|Stopwatch|Calendar||*Start at log-in||Quit|",
         ""},
        {kStartAtLogIn, true, "Show the strip||*Clock|Stopwatch|Calendar||Start at log-in||Quit|",
         ""},
        {kFirstMode + 3, false, "Show the strip||*Clock|Stopwatch|Calendar||Start at log-in||Quit|",
         ""},
        {kAfterShow, false, "Show the strip||*Clock|Stopwatch|Calendar||Start at log-in||Quit|",
         ""},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(step.choose ? tray.choose(step.choose) : (tray.activate(), true), step.chosen);
        refresh();
        wait(200ms);
        EXPECT_EQ(menu(), step.menu) << "after " << step.choose;
        if (!step.label.empty()) {
            EXPECT_EQ(label, step.label) << "after " << step.choose;
        }
    }
    EXPECT_TRUE(tray.has(0));
    EXPECT_TRUE(tray.has(kBeforeQuit));
    EXPECT_FALSE(tray.has(kFirstMode + 3));
    // A write that fails is said, and the check stays off.
    autostartFailure = "cannot write q.desktop: Read-only file system";
    EXPECT_TRUE(tray.choose(kStartAtLogIn));
    EXPECT_EQ(said, "start at log-in: cannot write q.desktop: Read-only file system");
    EXPECT_EQ(menu().find("*Start"), std::string::npos);
    EXPECT_TRUE(tray.choose(kQuit));
    EXPECT_EQ(quits, 1);
}

// What the tray shows follows the window as it is told of each change, refresh or not:
// the label five times a second at most, the tooltip once a second at most, the latest
// of each always; nothing new while nobody sees the screen, but the alarm's attention.
TEST_F(TrayItemTest, WhatItShowsFollowsTheWindowAtItsOwnPace) {
    EXPECT_EQ(label, "14 28 93 518");
    EXPECT_EQ(tooltip, "14.2893518 percent of the day");
    EXPECT_EQ(counts, std::vector<int>{14});

    clock.set(2026, 12, 8, 3, 25, 47);
    refresh();
    EXPECT_EQ(label, "14 28 93 518") << "within the label's fifth of a second";
    ASSERT_TRUE(labelWake);
    EXPECT_EQ(tooltip, "14.2893518 percent of the day") << "within the tooltip's second";
    ASSERT_TRUE(tooltipWake);
    EXPECT_EQ(*tooltipWake, 1s);
    wait(1s);
    EXPECT_EQ(label, "14 29 05 092");
    EXPECT_EQ(tooltip, "14.2905092 percent of the day") << "the latest, with no refresh";

    // The window's state changes with no refresh: the menu follows at once.
    const int menusBefore = menuChanges;
    host.userSetsState(WindowState::Normal);
    EXPECT_EQ(menuChanges, menusBefore + 1);
    EXPECT_EQ(menu().substr(0, 18), "Minimise the strip");

    // Unseen: the label, the tooltip and the count keep what they show; the alarm still
    // asks for attention. Seen again, all catch up at once.
    host.audience().report(SightSource::XScreenSaver, false);
    clock.set(2026, 12, 8, 15, 0, 0);
    refresh();
    wait(1s);
    EXPECT_EQ(label, "14 29 05 092");
    EXPECT_EQ(tooltip, "14.2905092 percent of the day");
    EXPECT_EQ(counts, std::vector<int>{14});
    EXPECT_EQ(status, TrayItem::Status::NeedsAttention);
    host.audience().report(SightSource::XScreenSaver, true);
    EXPECT_EQ(counts, (std::vector<int>{14, 62}));
    wait(0ms);
    EXPECT_EQ(label, "62 5  ");
    EXPECT_EQ(tooltip, "62.5 percent of the day");
    // The bell silenced, with no refresh: the status follows at once.
    host.click("Alarm");
    EXPECT_EQ(status, TrayItem::Status::Active);
}

}  // namespace
}  // namespace quendal
