// A long seeded storm of user actions, timer ticks and clock jumps against the real
// handlers, checking after every event the rules that must always hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/fake_clock.h"
#include "support/fake_form.h"
#include "window/window.h"
#include "window/window_design.h"

namespace quendal {
namespace {

using testing::FakeClock;
using testing::FakeFormHost;

enum class Event {
    ClickGo,
    ClickReset,
    ClickAlarm,
    Space,
    Tab,
    BackTab,
    Right,
    ClickClock,
    ClickStopWatch,
    ClickCalendar,
    Minimise,
    Restore,
    Maximise,
    Tick,
    Forward,
    Back,
    ToMidnight,
    ToMonthEnd,
    ToYearEnd,
    ToSaturday,
    ToWeekday,
    Count
};

constexpr const char* kEventNames[] = {"click Go",       "click Reset",   "click Alarm",
                                       "space",          "Tab",           "Shift+Tab",
                                       "Right",          "click Clock",   "click StopWatch",
                                       "click Calendar", "minimise",      "restore",
                                       "maximise",       "tick",          "clock forward",
                                       "clock back",     "to midnight",   "to a month end",
                                       "to a year end",  "to a Saturday", "to a weekday"};

struct Step {
    Event event;
    double amount;  // seconds, for the clock's jumps
};

LocalTime timeAt(long days, double seconds) {
    const std::chrono::year_month_day ymd{std::chrono::sys_days{std::chrono::days{days}}};
    return testing::at(static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                       static_cast<int>(unsigned(ymd.day())), static_cast<float>(seconds));
}

// The wall clock as a day number and seconds into that day, to jump with.
struct StormClock {
    long days = daysSinceEpoch(LocalDate{2026, 12, 8, 3});
    double seconds = 14 * 3600 + 59 * 60 + 30;  // half a minute before the alarm

    void move(double by) {
        seconds += by;
        while (seconds >= 86400) {
            seconds -= 86400;
            ++days;
        }
        while (seconds < 0) {
            seconds += 86400;
            --days;
        }
    }
    LocalTime now() const { return timeAt(days, seconds); }
};

// Beeps are counted, and so are those made while the bell is not checked.
class WatchingBeeper final : public Beeper {
  public:
    void watch(const CheckBox& alarm) { alarm_ = &alarm; }
    void beep() override {
        ++beeps;
        silentBeeps += alarm_ && alarm_->value() != 1;
    }
    int beeps = 0;
    int silentBeeps = 0;

  private:
    const CheckBox* alarm_ = nullptr;
};

std::vector<Step> stormOf(std::uint64_t seed, int length) {
    std::mt19937_64 random(seed);
    // Ticks are the commonest event by far, as they are in the running program.
    std::discrete_distribution<int> pick{4, 3, 1,  2, 2, 1, 1, 3, 4, 3, 2,
                                         2, 1, 30, 4, 2, 1, 1, 1, 1, 1};
    std::uniform_real_distribution<double> jump(0.0, 7200.0);
    std::vector<Step> steps;
    for (int i = 0; i < length; ++i) {
        const auto event = static_cast<Event>(pick(random));
        steps.push_back({event, jump(random)});
    }
    return steps;
}

bool digitsUpTo(std::string_view text, std::size_t most) {
    return text.size() <= most &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Up to fifteen integer digits, two, two, and three decimals or an exponent marker.
bool wellFormed(const std::array<std::string_view, 4>& groups) {
    const std::string_view last = groups[3];
    const bool marker =
        last.size() >= 3 && last.substr(0, 2) == "E-" && digitsUpTo(last.substr(2), 2);
    return digitsUpTo(groups[0], 15) && digitsUpTo(groups[1], 2) && digitsUpTo(groups[2], 2) &&
           (digitsUpTo(last, 3) || marker);
}

// Four groups joined by single blanks.
bool wellFormedLine(std::string_view line) {
    std::array<std::string_view, 4> groups;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t blank = line.find(' ');
        if (blank == std::string_view::npos) {
            return false;
        }
        groups[i] = line.substr(0, blank);
        line.remove_prefix(blank + 1);
    }
    groups[3] = line;
    return wellFormed(groups);
}

struct StormResult {
    std::string broken;  // the rule that broke, empty when all held throughout
    std::size_t length;  // events played, up to and including the one that broke it
    int alarms;          // times the alarm was raised
    int beeps;
};

StormResult play(const std::vector<Step>& steps) {
    FakeClock clock;
    WatchingBeeper beeper;
    FakeFormHost host{windowDesign()};
    Window window{host, clock, beeper};
    beeper.watch(host.checkBox("Alarm"));
    StormClock wall;
    clock.set(wall.now());
    host.run();

    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        switch (step.event) {
            case Event::ClickGo:
                host.click("Go");
                break;
            case Event::ClickReset:
                host.click("Reset");
                break;
            case Event::ClickAlarm:
                host.click("Alarm");
                break;
            case Event::Space:
                host.pressSpace();
                break;
            case Event::Tab:
                host.press(FocusKey::Tab);
                break;
            case Event::BackTab:
                host.press(FocusKey::BackTab);
                break;
            case Event::Right:
                host.press(FocusKey::Right);
                break;
            case Event::ClickClock:
                host.click("Clock");
                break;
            case Event::ClickStopWatch:
                host.click("StopWatch");
                break;
            case Event::ClickCalendar:
                host.click("Calendar");
                break;
            case Event::Minimise:
                host.userSetsState(WindowState::Minimized);
                break;
            case Event::Restore:
                host.userSetsState(WindowState::Normal);
                break;
            case Event::Maximise:
                host.userSetsState(WindowState::Maximized);
                break;
            case Event::Tick:
                host.timer("Prog").fires();
                break;
            case Event::Forward:
                wall.move(step.amount);
                break;
            case Event::Back:
                wall.move(-step.amount);
                break;
            case Event::ToMidnight:
                wall.seconds = 86399.5;
                break;
            case Event::ToMonthEnd: {
                const LocalDate d = wall.now().date;
                const auto last = std::chrono::year_month_day_last{
                    std::chrono::year{d.year} / std::chrono::month{static_cast<unsigned>(d.month)} /
                    std::chrono::last};
                wall.days = std::chrono::sys_days{last}.time_since_epoch().count();
                wall.seconds = 86398.75;
                break;
            }
            case Event::ToYearEnd:
                wall.days = daysSinceEpoch(LocalDate{wall.now().date.year, 12, 31, 1});
                wall.seconds = 86398.75;
                break;
            case Event::ToSaturday:
                while (wall.now().date.weekday != 7) {
                    ++wall.days;
                }
                break;
            case Event::ToWeekday:
                while (wall.now().date.weekday == 1 || wall.now().date.weekday == 7) {
                    ++wall.days;
                }
                break;
            case Event::Count:
                break;
        }
        clock.set(wall.now());

        const bool stopWatch = host.optionButton("StopWatch").selected();
        const bool goChecked = host.checkBox("Go").value() == 1;
        const bool running = host.timer("Prog").enabled();
        std::string broken;
        if (host.checkBox("Go").enabled() != stopWatch ||
            host.commandButton("Reset").enabled() != stopWatch) {
            broken = "Go and Reset are enabled exactly in the stopwatch";
        } else if (running != (!stopWatch || goChecked)) {
            broken =
                "the timer runs in clock and calendar, and in the stopwatch while Go is checked";
        } else if (host.commandButton("Reset").tag() != "" &&
                   host.commandButton("Reset").tag() != "!") {
            broken = "Reset's tag is empty or \"!\"";
        } else if (host.form().caption() != "Quendal" && !wellFormedLine(host.form().caption())) {
            broken = "caption '" + std::string(host.form().caption()) + "' is not well formed";
        } else if (!wellFormed({host.label("Blue").caption(), host.label("Red").caption(),
                                host.label("Yellow").caption(), host.label("Green").caption()})) {
            broken = "labels not well formed";
        } else if (host.programStateSets(WindowState::Normal) > 1) {
            broken = "the alarm was raised twice";
        } else if (beeper.silentBeeps > 0) {
            broken = "a beep while the bell is not checked";
        } else if (host.focused().empty() || !host.enabled(host.focused())) {
            broken = "the focus rests on a control that takes it";
        }
        if (!broken.empty()) {
            return {broken, i + 1, 0, 0};
        }
    }
    return {"", steps.size(), host.programStateSets(WindowState::Normal), beeper.beeps};
}

TEST(EventStorm, EveryRuleHoldsAfterEveryEvent) {
    constexpr int kLength = 20'000;
    for (const std::uint64_t seed : {1ULL, 20261208ULL, 42ULL, 7777ULL, 123456789ULL}) {
        const std::vector<Step> steps = stormOf(seed, kLength);
        const auto [broken, length, alarms, beeps] = play(steps);
        if (broken.empty()) {
            continue;
        }
        // Events are checked one by one, so the first broken rule ends the shortest
        // prefix that fails.
        std::ostringstream prefix;
        for (std::size_t i = 0; i < length; ++i) {
            prefix << "\n  " << i + 1 << ": " << kEventNames[static_cast<int>(steps[i].event)];
            if (steps[i].event == Event::Forward || steps[i].event == Event::Back) {
                prefix << " " << steps[i].amount << " s";
            }
        }
        ADD_FAILURE() << "seed " << seed << ": " << broken << " after event " << length
                      << "; the shortest failing prefix:" << prefix.str();
    }
}

TEST(EventStorm, ExercisesEveryEventAndTheAlarm) {
    const std::vector<Step> steps = stormOf(8ULL, 20'000);
    std::vector<int> seen(static_cast<std::size_t>(Event::Count));
    for (const Step& step : steps) {
        ++seen[static_cast<std::size_t>(step.event)];
    }
    for (std::size_t e = 0; e < seen.size(); ++e) {
        EXPECT_GT(seen[e], 100) << kEventNames[e];
    }
    const StormResult result = play(steps);
    EXPECT_EQ(result.alarms, 1) << "the storm should reach the alarm, once";
    EXPECT_GT(result.beeps, 0);
}

}  // namespace
}  // namespace quendal
