#include "platform/form_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/focus_rules.h"
#include "support/fake_form.h"
#include "window/window_design.h"

namespace quendal {
namespace {

using namespace std::chrono_literals;
using enum WindowState;

// The window as a binding sees it: what it was asked to do, in order.
struct FormUnderTest {
    testing::FakeMonoClock time;
    std::vector<std::string> calls;
    bool echo = false;
    TextPacer pacer{time.source(), [](std::chrono::nanoseconds) {}};
    FormModel form{
        windowDesign(), pacer,
        FormModel::Port{
            [this](std::string_view text) { calls.push_back("caption " + std::string(text)); },
            [this](WindowState s) {
                calls.push_back("apply " + std::to_string(static_cast<int>(s)));
                if (echo) {  // as the toolkit may, at once
                    form.stateReported(s);
                }
            },
            [this] { calls.push_back("show"); }},
        time.source(), 500ms};
    FormUnderTest() {
        form.onLoad([this] { calls.push_back("Load"); });
        form.onResize([this] {
            calls.push_back("Resize " + std::to_string(static_cast<int>(form.windowState())));
        });
        form.onUnload([this] { calls.push_back("Unload"); });
        calls.clear();
    }
};

TEST(FormModel, StartsLoadThenStateThenShowThenResize) {
    FormUnderTest t;
    t.form.start();
    EXPECT_EQ(t.calls, (std::vector<std::string>{"Load", "apply 1", "show", "Resize 1"}));
    t.calls.clear();
    t.form.closedByUser();
    EXPECT_EQ(t.calls, std::vector<std::string>{"Unload"});
}

// The program's requests and the platform's reports, which may confirm a request late,
// after further changes, or never: one Resize per change, none for a confirmation.
TEST(FormModel, OneResizePerChangeAndTheProgramsOwnChangeIsNotTakenForTheUsers) {
    FormUnderTest t;
    t.form.start();
    const struct {
        int atMs;
        bool byProgram;
        WindowState state;
        const char* resized;  // "" when no Resize
        WindowState after;
    } steps[] = {
        {10, false, Minimized, "", Minimized},            // the platform confirms the start
        {1000, true, Normal, "Resize 0", Normal},         // the alarm; Resize before returning
        {1000, true, Normal, "", Normal},                 // the state it has: nothing
        {1010, false, Normal, "", Normal},                // the platform confirms it
        {3000, false, Minimized, "Resize 1", Minimized},  // the user
        {4000, true, Normal, "Resize 0", Normal},
        {4001, true, Minimized, "Resize 1", Minimized},
        {4010, false, Normal, "", Minimized},     // a late confirmation of the first
        {4020, false, Minimized, "", Minimized},  // and of the second
        {5000, false, Maximized, "Resize 2", Maximized},
        {6000, true, Normal, "Resize 0", Normal},
        // Confirmations that never came are forgotten: the user's minimising long after
        // is the user's.
        {6010, false, Normal, "", Normal},
        {7000, true, Minimized, "Resize 1", Minimized},
        {9000, false, Normal, "Resize 0", Normal},
        {9000, false, Normal, "", Normal},
    };
    for (const auto& step : steps) {
        t.time.now = MonoTime{} + std::chrono::milliseconds(step.atMs);
        t.calls.clear();
        if (step.byProgram) {
            t.form.setWindowState(step.state);
        } else {
            t.form.stateReported(step.state);
        }
        std::string resized;
        for (const std::string& call : t.calls) {
            if (call.starts_with("Resize")) {
                EXPECT_TRUE(resized.empty()) << step.atMs << " ms: a second Resize";
                resized = call;
            }
        }
        EXPECT_EQ(resized, step.resized) << step.atMs << " ms";
        EXPECT_EQ(t.form.windowState(), step.after) << step.atMs << " ms";
    }
}

TEST(FormModel, ReportsWhileTheStateIsAppliedAreNotTheUsers) {
    FormUnderTest t;
    t.echo = true;
    t.form.start();
    t.time.now += 10s;
    t.calls.clear();
    t.form.setWindowState(Normal);
    EXPECT_EQ(t.calls, (std::vector<std::string>{"apply 0", "Resize 0"}));
}

TEST(ControlModels, ClickFollowsEveryActualChangeOfACheckBoxAndOnlyThose) {
    std::vector<bool> drawn;
    CheckBoxModel bell(windowDesign().controls[6],
                       {[&](bool on) { drawn.push_back(on); }, [](bool) {}});
    ASSERT_EQ(bell.value(), 0);
    int clicks = 0;
    bell.onClick([&] { ++clicks; });
    const struct {
        bool byProgram;
        int value;
        int clicksAfter;
    } steps[] = {{true, 0, 0}, {true, 1, 1},  {false, 1, 1},  // the toolkit's echo
                 {true, 1, 1}, {false, 0, 2}, {false, 0, 2}, {true, 1, 3}};
    for (const auto& step : steps) {
        if (step.byProgram) {
            bell.setValue(step.value);
        } else {
            bell.userSets(step.value == 1);
        }
        EXPECT_EQ(clicks, step.clicksAfter);
    }
    EXPECT_EQ(drawn, (std::vector<bool>{false, true, false, true}))
        << "drawn at creation and per change, the user's too";
}

TEST(ControlModels, OneOptionOfAGroupIsSelectedAndATimerKeepsItsRhythm) {
    OptionGroup group;
    std::string drawn = "---";
    std::vector<std::unique_ptr<OptionButtonModel>> options;
    for (std::size_t i = 0; i < 3; ++i) {
        options.push_back(std::make_unique<OptionButtonModel>(
            group, i == 0, [&drawn, i](bool on) { drawn[i] = on ? 'X' : '-'; }));
    }
    EXPECT_EQ(drawn, "X--");
    int clicks = 0;
    options[2]->onClick([&] { ++clicks; });
    options[2]->userSelects();
    options[2]->userSelects();
    EXPECT_EQ(drawn, "--X");
    EXPECT_TRUE(options[2]->selected() && !options[0]->selected() && !options[1]->selected());
    EXPECT_EQ(clicks, 2) << "the selected one, clicked again, clicks again";

    using std::chrono::milliseconds;
    std::vector<milliseconds> starts;
    int stops = 0;
    TimerModel prog(windowDesign().timer,
                    {[&](milliseconds interval) { starts.push_back(interval); }, [&] { ++stops; }});
    prog.setEnabled(true);
    prog.setMinimumInterval(milliseconds(1000));  // nobody sees the screen
    prog.setMinimumInterval(milliseconds(1000));
    prog.setEnabled(false);
    prog.setMinimumInterval(milliseconds(100));  // stopped: taken at the next start
    prog.setEnabled(true);
    prog.setMinimumInterval(milliseconds(0));
    prog.setEnabled(false);
    prog.setEnabled(false);
    int firings = 0;
    prog.onTimer([&] { ++firings; });
    prog.fires();  // one that was queued before it stopped
    EXPECT_EQ(starts, (std::vector<milliseconds>{milliseconds(1), milliseconds(1000),
                                                 milliseconds(100), milliseconds(1)}))
        << "enabled by design, and again: one start; each new rhythm at once";
    EXPECT_EQ(stops, 2);
    EXPECT_EQ(firings, 0);
}

TEST(Design, PixelsFollowTheScreenResolutionAndFocusTheTabIndexes) {
    const struct {
        double dpi;
        PixelRect go, reset, blue;
    } screens[] = {{96, {0, 0, 41, 33}, {40, 0, 41, 33}, {88, 0, 49, 33}},
                   {144, {0, 0, 62, 50}, {60, 0, 62, 50}, {132, 0, 74, 50}},
                   {192, {0, 0, 82, 66}, {80, 0, 82, 66}, {176, 0, 98, 66}}};
    for (const auto& s : screens) {
        EXPECT_EQ(pixelRect(0, 0, 615, 495, s.dpi), s.go) << s.dpi;
        EXPECT_EQ(pixelRect(600, 0, 615, 495, s.dpi), s.reset) << s.dpi;
        EXPECT_EQ(pixelRect(1320, 0, 735, 495, s.dpi), s.blue) << s.dpi;
    }
    std::string order;
    for (const ControlDesign* control : focusOrder(windowDesign())) {
        order += std::string(control->name) + " ";
    }
    EXPECT_EQ(order, "Alarm Go Clock StopWatch Reset Calendar ");
}

// The strip's controls in tab order: Alarm Go Clock StopWatch Reset Calendar, the three
// modes one group with Reset standing between StopWatch and Calendar.
TEST(Design, TheKeysMoveTheFocusAsInADialog) {
    const std::vector<const ControlDesign*> controls = focusOrder(windowDesign());
    const struct {
        const char* enabled;  // the others disabled
        const char* selected;
        const char* from;             // "": the frame
        std::optional<FocusKey> key;  // none: `from` is being disabled
        const char* to;  // "": nowhere (the frame keeps it, or the key is not the rules')
    } cases[] = {
        {"Alarm Clock StopWatch Calendar", "Clock", "", FocusKey::Tab, "Alarm"},
        {"Alarm Clock StopWatch Calendar", "Clock", "", FocusKey::BackTab, "Clock"},
        {"Alarm Clock StopWatch Calendar", "Clock", "Alarm", FocusKey::Tab, "Clock"},
        {"Alarm Clock StopWatch Calendar", "Clock", "Clock", FocusKey::Tab, "Alarm"},
        {"Alarm Go Clock StopWatch Reset Calendar", "Clock", "Clock", FocusKey::Tab, "Reset"},
        {"Alarm Go Clock StopWatch Reset Calendar", "Clock", "Reset", FocusKey::Tab, "Alarm"},
        {"Alarm Go Clock StopWatch Reset Calendar", "Calendar", "Reset", FocusKey::Tab, "Calendar"},
        {"Alarm Go Clock StopWatch Reset Calendar", "Calendar", "Alarm", FocusKey::BackTab,
         "Calendar"},
        {"Alarm Clock StopWatch Calendar", "Clock", "Clock", FocusKey::Right, "StopWatch"},
        {"Alarm Go Clock StopWatch Reset Calendar", "StopWatch", "StopWatch", FocusKey::Down,
         "Calendar"},
        {"Alarm Clock StopWatch Calendar", "Calendar", "Calendar", FocusKey::Right, "Clock"},
        {"Alarm Clock StopWatch Calendar", "Clock", "Clock", FocusKey::Left, "Calendar"},
        {"Alarm Clock StopWatch Calendar", "Clock", "Clock", FocusKey::Up, "Calendar"},
        {"Alarm Clock Calendar", "Clock", "Clock", FocusKey::Right, "Calendar"},
        {"Alarm Clock", "Clock", "Clock", FocusKey::Down, "Clock"},
        {"Alarm Go Clock StopWatch Calendar", "Clock", "Go", FocusKey::Right, ""},
        {"", "Clock", "", FocusKey::Tab, ""},
        {"Alarm Go Clock StopWatch Reset Calendar", "Clock", "Go", std::nullopt, "Clock"},
        {"Alarm Go Clock StopWatch Reset Calendar", "Clock", "Reset", std::nullopt, "Alarm"},
        {"Alarm Go Calendar", "Clock", "Go", std::nullopt, "Alarm"},
        {"Alarm", "Clock", "Alarm", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        std::vector<FocusStop> order;
        std::optional<std::size_t> from;
        for (const ControlDesign* control : controls) {
            const std::string name(control->name);
            std::istringstream enabled(c.enabled);
            std::string word;
            bool on = false;
            while (enabled >> word) {
                on = on || word == name;
            }
            order.push_back({control->group, on, name == c.selected});
            if (name == c.from) {
                from = order.size() - 1;
            }
        }
        const auto to =
            c.key ? focusAfterKey(order, from, *c.key) : focusAfterDisabling(order, *from);
        EXPECT_EQ(to ? std::string(controls[*to]->name) : "", c.to)
            << c.from << " key " << (c.key ? static_cast<int>(*c.key) : -1) << ", enabled "
            << c.enabled << ", selected " << c.selected;
    }
}

}  // namespace
}  // namespace quendal
