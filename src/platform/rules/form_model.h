#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/interface/controls.h"
#include "platform/interface/design.h"
#include "platform/interface/form_host.h"
#include "platform/interface/monotonic.h"
#include "platform/rules/audience.h"
#include "platform/rules/focus_rules.h"
#include "platform/rules/notice.h"
#include "platform/rules/taskbar_progress.h"
#include "platform/rules/text_pacer.h"

// The rules of the window and its controls that hold whatever toolkit draws them, written
// once. A binding makes the widgets, gives each model the calls that show its state
// (its port), and passes its toolkit's events on to the model, a line or two each.
namespace quendal {

// The window: its state as the program sees it, Resize once per change, the caption
// paced to the screen's frames, and the order of events at start and close.
class FormModel final : public Form {
  public:
    struct Port {
        std::function<void(std::string_view)> showCaption;
        // Puts the window in the state; Normal also brings it up in front and asks for
        // the focus. The platform may report the change at once, and again later.
        std::function<void(WindowState)> applyState;
        // The first showing, in the state last applied.
        std::function<void()> show;
        // The taskbar button's bar and count; none where the platform has no such thing.
        TaskbarProgress::Show showProgress = {};
        // Each refresh's Reading, for what shows it beside the window (a tray item).
        std::function<void(const Reading&, const ModeSelection&)> showReading = {};
    };

    // `confirmationTime`: how long the platform may take to confirm a state that the
    // program asked for (an X window manager answers by messages, a while later).
    FormModel(const FormDesign& design, TextPacer& pacer, Port port, MonoClock now,
              std::chrono::milliseconds confirmationTime);

    void setCaption(std::string_view caption) override { caption_.set(caption); }
    void setReading(const Reading& reading, const ModeSelection& modes) override;
    WindowState windowState() const override { return state_; }
    void setWindowState(WindowState state) override;
    void onLoad(EventHandler handler) override { load_ = std::move(handler); }
    void onResize(EventHandler handler) override { resize_ = std::move(handler); }
    void onUnload(EventHandler handler) override { unload_ = std::move(handler); }

    // The latest caption set, which the screen shows within a frame.
    std::string_view caption() const { return caption_.latest(); }
    // The latest Reading set, and its modes.
    const Reading& reading() const { return reading_; }
    const ModeSelection& modes() const { return modes_; }

    // From the binding. Start: Load, the state, the first showing, Resize.
    void start();
    // The platform says the window is now in `state`: the user's doing, the window
    // manager's, or the confirmation of the program's own request.
    void stateReported(WindowState state);
    // The user closes the window: Unload, and the last caption goes out.
    void closedByUser();
    // While held (nobody can see the screen), the taskbar button's bar and count keep
    // what they show; released, they catch up with the latest Reading.
    void holdProgress(bool held);

    // Tells of each change of the window's state, the program's or the platform's.
    Notice<>& changes() { return changes_; }

  private:
    void apply();
    void changeState(WindowState state);

    struct Request {
        WindowState state;
        MonoTime at;
    };

    TextPacer& pacer_;
    Port port_;
    MonoClock now_;
    std::chrono::milliseconds confirmationTime_;
    PacedText caption_;
    Reading reading_;
    ModeSelection modes_;
    std::optional<TaskbarProgress> progress_;
    bool progressHeld_ = false;
    WindowState state_;
    // States the program asked for lately, oldest first, whose confirmation by the
    // platform may still come after a later change.
    std::vector<Request> requests_;
    bool applying_ = false;
    EventHandler load_, resize_, unload_;
    Notice<> changes_;
};

class LabelModel final : public Label {
  public:
    LabelModel(TextPacer& pacer, std::string_view initial, PacedText::Show show)
        : text_(pacer, initial, std::move(show)) {}
    void setCaption(std::string_view caption) override { text_.set(caption); }
    std::string_view caption() const { return text_.latest(); }

  private:
    PacedText text_;
};

class CheckBoxModel final : public CheckBox {
  public:
    struct Port {
        std::function<void(bool checked)> showChecked;
        std::function<void(bool enabled)> showEnabled;
    };
    CheckBoxModel(const ControlDesign& design, Port port);

    int value() const override { return value_; }
    void setValue(int value) override;
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    void onClick(EventHandler handler) override { click_ = std::move(handler); }

    // From the binding: the user's click or space key has made it `checked`, which is
    // shown again as the program shows it. Also safe to call when the toolkit echoes the
    // program's own change.
    void userSets(bool checked);

    // Tells of each change of its value or of whether it can be used.
    Notice<>& changes() { return changes_; }

  private:
    void check(int value);

    Port port_;
    int value_;
    bool enabled_;
    EventHandler click_;
    Notice<> changes_;
};

// The option buttons that the design puts in one group: exactly one is selected.
class OptionGroup {
  public:
    // Adds a member; returns its place in the group.
    std::size_t add(bool selected, std::function<void(bool selected)> showSelected);
    std::size_t selected() const { return selected_; }
    void select(std::size_t member);

    // Tells of each change of the selected member.
    Notice<>& changes() { return changes_; }

  private:
    std::vector<std::function<void(bool)>> members_;
    std::size_t selected_ = 0;
    Notice<> changes_;
};

class OptionButtonModel final : public OptionButton {
  public:
    OptionButtonModel(OptionGroup& group, bool selected, std::function<void(bool)> showSelected)
        : group_(group), member_(group.add(selected, std::move(showSelected))) {}
    bool selected() const override { return group_.selected() == member_; }
    void onClick(EventHandler handler) override { click_ = std::move(handler); }

    // From the binding: the user has selected it.
    void userSelects();

  private:
    OptionGroup& group_;
    std::size_t member_;
    EventHandler click_;
};

class CommandButtonModel final : public CommandButton {
  public:
    CommandButtonModel(const ControlDesign& design, std::function<void(bool)> showEnabled);
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    std::string_view tag() const override { return tag_; }
    void setTag(std::string_view tag) override { tag_ = tag; }
    void onClick(EventHandler handler) override { click_ = std::move(handler); }

    // From the binding: the user has clicked it.
    void userClicks();

    // Tells of each change of whether it can be used.
    Notice<>& changes() { return changes_; }

  private:
    std::function<void(bool)> showEnabled_;
    bool enabled_;
    std::string tag_;
    EventHandler click_;
    Notice<> changes_;
};

class TimerModel final : public Timer {
  public:
    struct Port {
        // Fire every `interval` from now on, in place of any earlier rhythm.
        std::function<void(std::chrono::milliseconds interval)> start;
        std::function<void()> stop;
    };
    TimerModel(const TimerDesign& design, Port port);

    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    void onTimer(EventHandler handler) override { timer_ = std::move(handler); }

    // The designed interval, or `minimum` where that is longer: a running timer takes the
    // new rhythm at once.
    void setMinimumInterval(std::chrono::milliseconds minimum);
    std::chrono::milliseconds interval() const { return std::max(designed_, minimum_); }

    // From the binding: the interval has passed.
    void fires();

  private:
    Port port_;
    std::chrono::milliseconds designed_;
    std::chrono::milliseconds minimum_{0};
    bool enabled_ = false;
    EventHandler timer_;
};

// How a binding makes each control of a design: it makes the toolkit's control and
// returns the calls that show the model's state on it.
class ControlMaker {
  public:
    virtual ~ControlMaker() = default;
    virtual PacedText::Show makeLabel(const ControlDesign& design) = 0;
    virtual CheckBoxModel::Port makeCheckBox(const ControlDesign& design) = 0;
    virtual std::function<void(bool selected)> makeOptionButton(const ControlDesign& design) = 0;
    virtual std::function<void(bool enabled)> makeCommandButton(const ControlDesign& design) = 0;
    virtual TimerModel::Port makeTimer(const TimerDesign& design) = 0;
};

// A window's models, found by name. A binding derives from it, builds the models of a
// design with its own way of making each control, and runs its toolkit's event loop.
class ModelHost : public FormHost {
  public:
    FormModel& form() override { return *form_; }
    // True once the window and every control have their models: a toolkit may ask about
    // the window while they are being made (Qt asks for its accessible name when the
    // first caption is shown).
    bool built() const { return built_; }
    // The kind of the named control, as the design has it.
    ControlKind kindOf(std::string_view name) const { return entry(name).design->kind; }
    LabelModel& label(std::string_view name) override;
    CheckBoxModel& checkBox(std::string_view name) override;
    OptionButtonModel& optionButton(std::string_view name) override;
    CommandButtonModel& commandButton(std::string_view name) override;
    TimerModel& timer(std::string_view name) override;

    // Whether the named control can be used now: a check box or a command button may be
    // disabled; the others always can.
    bool enabled(std::string_view name);
    // The controls of `order` as the keyboard sees them now (see focus_rules.h).
    std::vector<FocusStop> focusStops(const std::vector<const ControlDesign*>& order);

    // Start, then the toolkit's event loop.
    int run() override;

    // Whether anyone can see the screen, and whether the system saves power: the binding
    // reports what its desktop's services say, and the window runs at the pace they make.
    Audience& audience() { return audience_; }
    // Tells of each change of the window's state, a selected option, a check box's value
    // or whether a control can be used: what a tray menu or a screen reader shows
    // beside the window follows these, never asks.
    Notice<>& changes() { return changes_; }

    // From the binding: the user has clicked the named button, which, a check box, now
    // shows `checked`. Raises its Click as its kind has it.
    void userClicked(std::string_view name, bool checked = false);

  protected:
    ModelHost(MonoClock now, TextPacer::Wake wake);

    // The toolkit's event loop, until the window is closed; returns the exit status.
    virtual int exec() = 0;

    TextPacer& pacer() { return pacer_; }
    MonoClock& clock() { return now_; }

    // The window's model, then a model for each control, made in the order of their tab
    // indexes (the order a dialog's keyboard handling wants them in), then the timer's.
    // The one place where a control's kind decides what is made for it.
    // `confirmationTime` is the window's (see FormModel).
    void build(const FormDesign& design, FormModel::Port window,
               std::chrono::milliseconds confirmationTime, ControlMaker& maker);

  private:
    // A control of the design and its model, of the model's class for its kind.
    struct Entry {
        const ControlDesign* design;
        std::variant<std::unique_ptr<LabelModel>, std::unique_ptr<CheckBoxModel>,
                     std::unique_ptr<OptionButtonModel>, std::unique_ptr<CommandButtonModel>>
            model;
    };
    const Entry& entry(std::string_view name) const;
    template <typename Model>
    Model& model(std::string_view name);
    void paceChanged(Pace pace);
    void tellChangesOf(const std::function<void()>& tell);

    MonoClock now_;
    Audience audience_;
    Audience::Listening listening_;
    TextPacer pacer_;
    std::map<std::string, OptionGroup, std::less<>> groups_;
    std::unique_ptr<FormModel> form_;
    std::map<std::string, Entry, std::less<>> controls_;
    std::string timerName_;
    std::unique_ptr<TimerModel> timer_;
    bool built_ = false;
    Notice<> changes_;
    std::vector<Notice<>::Subscription> modelChanges_;
};

}  // namespace quendal
