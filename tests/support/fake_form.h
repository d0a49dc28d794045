#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/form_model.h"

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

class FakeFormHost final : public ModelHost {
  public:
    explicit FakeFormHost(const FormDesign& design)
        : ModelHost(time_.source(), [this](std::chrono::nanoseconds) { ++wakes_; }) {
        applied_ = design.state;
        setForm(std::make_unique<FormModel>(
            design, pacer(),
            FormModel::Port{[](std::string_view) {},
                            [this](WindowState state) {
                                if (state != applied_) {
                                    applied_ = state;
                                    ++programStateSets_[static_cast<int>(state)];
                                }
                            },
                            [this] { shown_ = true; }},
            clock(), std::chrono::milliseconds(500)));
        const auto ignore = [](bool) {};
        for (const ControlDesign& c : design.controls) {
            switch (c.kind) {
                case ControlKind::Label:
                    add(c.name,
                        std::make_unique<LabelModel>(pacer(), c.caption, [](std::string_view) {}));
                    break;
                case ControlKind::CheckBox:
                    add(c.name,
                        std::make_unique<CheckBoxModel>(c, CheckBoxModel::Port{ignore, ignore}));
                    break;
                case ControlKind::OptionButton:
                    add(c.name,
                        std::make_unique<OptionButtonModel>(group(c.group), c.value == 1, ignore));
                    break;
                case ControlKind::CommandButton:
                    add(c.name, std::make_unique<CommandButtonModel>(c, ignore));
                    break;
            }
            kinds_.emplace(c.name, c.kind);
        }
        add(design.timer.name,
            std::make_unique<TimerModel>(design.timer, TimerModel::Port{[] {}, [] {}}));
    }

    // A click on the named button, as the toolkit reports it: a check box toggles, and a
    // disabled one hears nothing.
    void click(std::string_view name) {
        if (kinds_.at(std::string(name)) != ControlKind::CheckBox) {
            userClicked(name);
        } else if (checkBox(name).enabled()) {
            userClicked(name, checkBox(name).value() == 0);
        }
    }
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
    // How often the program, not the user, changed the window's state to `state`.
    int programStateSets(WindowState state) const {
        return programStateSets_[static_cast<int>(state)];
    }

  protected:
    int exec() override { return 0; }

  private:
    FakeMonoClock time_;
    std::map<std::string, ControlKind> kinds_;
    WindowState applied_;
    int programStateSets_[3] = {};
    bool shown_ = false;
    int wakes_ = 0;
};

class FakeBeeper final : public Beeper {
  public:
    void beep() override { ++beeps_; }
    int beeps() const { return beeps_; }

  private:
    int beeps_ = 0;
};

}  // namespace quendal::testing
