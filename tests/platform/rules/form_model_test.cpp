#include "platform/rules/form_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

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

}  // namespace
}  // namespace quendal
