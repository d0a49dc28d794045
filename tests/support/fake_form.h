#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rules/focus_rules.h"
#include "platform/rules/form_model.h"

// The window's real models with nothing drawn: the handlers run against the rules any
// binding runs them against, and a test acts as the user and the platform would.
namespace quendal::testing {

// Time that moves only when a test moves it.
struct FakeMonoClock {
    MonoTime now{};
    MonoClock source() {
        return [this] { return now; };
    }
};

// The fake's time, a base of its own so that it is made before the host that reads it.
struct FakeTime {
    FakeMonoClock time_;
};

// Nothing is drawn, so no frame is waited for: the pacer's wake-ups go nowhere.
class FakeFormHost final : private FakeTime, public ModelHost, private ControlMaker {
  public:
    explicit FakeFormHost(const FormDesign& design)
        : ModelHost(time_.source(), [](std::chrono::nanoseconds) {}) {
        applied_ = design.state;
        build(design,
              FormModel::Port{[this](std::string_view caption) { shownCaption_ = caption; },
                              [this](WindowState state) {
                                  if (state != applied_) {
                                      applied_ = state;
                                      ++programStateSets_[static_cast<int>(state)];
                                  }
                              },
                              [this] { shown_ = true; }},
              std::chrono::milliseconds(500), *this);
        order_ = focusOrder(design);
        focus_ = focusAfterKey(stops(), std::nullopt, FocusKey::Tab);
    }

    // A click on the named button, as the toolkit reports it: a check box toggles, and a
    // disabled one hears nothing.
    void click(std::string_view name) {
        if (kindOf(name) != ControlKind::CheckBox) {
            userClicked(name);
        } else if (checkBox(name).enabled()) {
            userClicked(name, checkBox(name).value() == 0);
        }
    }
    // A key that moves the focus, by the window's rules; an arrow selects the option it
    // reaches, as the bindings have it.
    void press(FocusKey key) {
        const auto to = focusAfterKey(stops(), focus_, key);
        if (to && to != focus_ && key != FocusKey::Tab && key != FocusKey::BackTab) {
            userClicked(order_[*to]->name);
        }
        focus_ = to ? to : focus_;
    }
    // The space key clicks the control that has the focus.
    void pressSpace() {
        if (focus_) {
            click(order_[*focus_]->name);
        }
    }
    // The name of the control that has the focus; empty while the frame has it.
    std::string_view focused() const { return focus_ ? order_[*focus_]->name : ""; }
    // The user acts long after the program's own changes were confirmed.
    void userSetsState(WindowState state) {
        time_.now += std::chrono::seconds(1);
        applied_ = state;
        form().stateReported(state);
    }
    void userCloses() {
        form().closedByUser();
        shown_ = false;
    }

    bool shown() const { return shown_; }
    // The caption the window shows, which the frames hand over (frame()).
    const std::string& shownCaption() const { return shownCaption_; }
    // A frame of the screen goes by: what the pacer holds back is handed over.
    void frame() {
        time_.now += std::chrono::milliseconds(20);
        pacer().frameDue();
    }
    // The interval the timer was last started with; none while it is stopped.
    std::optional<std::chrono::milliseconds> timerInterval() const { return timerInterval_; }
    // How often the program, not the user, changed the window's state to `state`.
    int programStateSets(WindowState state) const {
        return programStateSets_[static_cast<int>(state)];
    }

  protected:
    int exec() override { return 0; }

  private:
    // Nothing is drawn; a control disabled hands the focus on.
    PacedText::Show makeLabel(const ControlDesign&) override {
        return [](std::string_view) {};
    }
    CheckBoxModel::Port makeCheckBox(const ControlDesign& c) override {
        return {[](bool) {}, showEnabled(c.name)};
    }
    std::function<void(bool)> makeOptionButton(const ControlDesign&) override {
        return [](bool) {};
    }
    std::function<void(bool)> makeCommandButton(const ControlDesign& c) override {
        return showEnabled(c.name);
    }
    TimerModel::Port makeTimer(const TimerDesign&) override {
        return {[this](std::chrono::milliseconds interval) { timerInterval_ = interval; },
                [this] { timerInterval_.reset(); }};
    }

    // A control being disabled hands the focus on, as a binding does.
    std::function<void(bool)> showEnabled(std::string_view name) {
        return [this, name](bool enabled) {
            if (!enabled && focused() == name) {
                focus_ = focusAfterDisabling(stops(), *focus_);
            }
        };
    }
    std::vector<FocusStop> stops() { return focusStops(order_); }

    std::vector<const ControlDesign*> order_;
    std::optional<std::size_t> focus_;
    WindowState applied_;
    int programStateSets_[3] = {};
    bool shown_ = false;
    std::optional<std::chrono::milliseconds> timerInterval_;
    std::string shownCaption_;
};

class FakeBeeper final : public Beeper {
  public:
    void beep() override { ++beeps_; }
    int beeps() const { return beeps_; }

  private:
    int beeps_ = 0;
};

}  // namespace quendal::testing
