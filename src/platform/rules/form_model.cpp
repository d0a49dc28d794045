#include "platform/rules/form_model.h"

#include <algorithm>
#include <stdexcept>

namespace quendal {
namespace {

[[noreturn]] void noSuchControl(std::string_view name, std::string_view kind = "control") {
    throw std::out_of_range("no such " + std::string(kind) + ": " + std::string(name));
}

// Each kind's model by its user's action, for std::visit.
template <typename... Actions>
struct ByKind : Actions... {
    using Actions::operator()...;
};

}  // namespace

FormModel::FormModel(const FormDesign& design, TextPacer& pacer, Port port, MonoClock now,
                     std::chrono::milliseconds confirmationTime)
    : pacer_(pacer),
      port_(std::move(port)),
      now_(std::move(now)),
      confirmationTime_(confirmationTime),
      caption_(pacer, design.caption, port_.showCaption),
      state_(design.state) {
    if (port_.showProgress) {
        progress_.emplace(port_.showProgress);
    }
}

void FormModel::setReading(const Reading& reading, const ModeSelection& modes) {
    reading_ = reading;
    modes_ = modes;
    if (progress_ && !progressHeld_) {
        progress_->offer(progressOf(reading, modes), modes, now_);
    }
    if (port_.showReading) {
        port_.showReading(reading, modes);
    }
}

void FormModel::setWindowState(WindowState state) {
    if (state == state_) {
        return;
    }
    changeState(state);
    apply();
    raiseEvent(resize_);
}

void FormModel::changeState(WindowState state) {
    state_ = state;
    changes_.notify();
}

void FormModel::apply() {
    // The platform may report this change while it is applied, and confirm it again
    // later, after further changes; neither is the user's doing.
    requests_.push_back({state_, now_()});
    applying_ = true;
    port_.applyState(state_);
    applying_ = false;
}

void FormModel::start() {
    raiseEvent(load_);
    apply();
    port_.show();
    raiseEvent(resize_);
}

void FormModel::stateReported(WindowState state) {
    if (applying_) {
        return;
    }
    // A confirmation of the state the window already has may never come, so requests
    // are forgotten after a while rather than when confirmed; otherwise a user's later
    // change to a state once asked for would be taken for its confirmation.
    const MonoTime now = now_();
    std::erase_if(requests_, [&](const Request& r) { return now - r.at > confirmationTime_; });
    const auto confirmed = std::find_if(requests_.begin(), requests_.end(),
                                        [state](const Request& r) { return r.state == state; });
    if (confirmed != requests_.end()) {
        requests_.erase(requests_.begin(), confirmed + 1);
        return;
    }
    if (state == state_) {
        return;
    }
    requests_.clear();
    changeState(state);
    raiseEvent(resize_);
}

void FormModel::closedByUser() {
    raiseEvent(unload_);
    pacer_.flush();
}

void FormModel::holdProgress(bool held) {
    const bool released = progressHeld_ && !held;
    progressHeld_ = held;
    if (progress_ && released) {
        progress_->offer(progressOf(reading_, modes_), modes_, now_);
    }
}

CheckBoxModel::CheckBoxModel(const ControlDesign& design, Port port)
    : port_(std::move(port)), value_(design.value == 1 ? 1 : 0), enabled_(design.enabled) {
    port_.showChecked(value_ == 1);
    port_.showEnabled(enabled_);
}

void CheckBoxModel::setValue(int value) {
    const int checked = value == 1 ? 1 : 0;
    if (checked != value_) {
        check(checked);
    }
}

void CheckBoxModel::check(int value) {
    value_ = value;
    port_.showChecked(value == 1);
    changes_.notify();
    raiseEvent(click_);
}

void CheckBoxModel::setEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        port_.showEnabled(enabled);
        changes_.notify();
    }
}

void CheckBoxModel::userSets(bool checked) {
    // The toolkit echoes the program's own setValue here too: no change, no Click.
    if ((checked ? 1 : 0) != value_) {
        check(checked ? 1 : 0);
    }
}

std::size_t OptionGroup::add(bool selected, std::function<void(bool)> showSelected) {
    members_.push_back(std::move(showSelected));
    const std::size_t member = members_.size() - 1;
    if (selected) {
        selected_ = member;
    }
    members_.back()(selected_ == member);
    return member;
}

void OptionGroup::select(std::size_t member) {
    const bool changed = member != selected_;
    selected_ = member;
    for (std::size_t i = 0; i < members_.size(); ++i) {
        members_[i](i == member);
    }
    if (changed) {
        changes_.notify();
    }
}

void OptionButtonModel::userSelects() {
    group_.select(member_);
    raiseEvent(click_);
}

CommandButtonModel::CommandButtonModel(const ControlDesign& design,
                                       std::function<void(bool)> showEnabled)
    : showEnabled_(std::move(showEnabled)), enabled_(design.enabled) {
    showEnabled_(enabled_);
}

void CommandButtonModel::setEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        showEnabled_(enabled);
        changes_.notify();
    }
}

void CommandButtonModel::userClicks() {
    if (enabled_) {
        raiseEvent(click_);
    }
}

TimerModel::TimerModel(const TimerDesign& design, Port port)
    : port_(std::move(port)), designed_(design.intervalMs) {
    setEnabled(design.enabled);
}

void TimerModel::setMinimumInterval(std::chrono::milliseconds minimum) {
    const auto before = interval();
    minimum_ = minimum;
    if (enabled_ && interval() != before) {
        port_.start(interval());
    }
}

void TimerModel::setEnabled(bool enabled) {
    // Starting a running timer again would restart its interval: leave it be.
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (enabled) {
        port_.start(interval());
    } else {
        port_.stop();
    }
}

void TimerModel::fires() {
    // A firing already queued when the timer was stopped is dropped.
    if (enabled_) {
        raiseEvent(timer_);
    }
}

ModelHost::ModelHost(MonoClock now, TextPacer::Wake wake)
    : now_(std::move(now)), pacer_(now_, std::move(wake)) {
    listening_ = audience_.listen([this](Pace pace) { paceChanged(pace); });
}

void ModelHost::paceChanged(Pace pace) {
    if (!built_) {
        return;
    }
    const bool unseen = pace == Pace::Unseen;
    timer_->setMinimumInterval(Audience::minimumInterval(pace));
    if (pacer_.held() && !unseen) {
        // Seen again: the Reading of this moment is refreshed while the texts are still
        // held, and then shown at once.
        timer_->fires();
    }
    form_->holdProgress(unseen);
    pacer_.hold(unseen);
}

const ModelHost::Entry& ModelHost::entry(std::string_view name) const {
    const auto found = controls_.find(name);
    if (found == controls_.end()) {
        noSuchControl(name);
    }
    return found->second;
}

template <typename Model>
Model& ModelHost::model(std::string_view name) {
    const auto* model = std::get_if<std::unique_ptr<Model>>(&entry(name).model);
    if (!model) {
        noSuchControl(name, "control of that kind");
    }
    return **model;
}

LabelModel& ModelHost::label(std::string_view name) {
    return model<LabelModel>(name);
}
CheckBoxModel& ModelHost::checkBox(std::string_view name) {
    return model<CheckBoxModel>(name);
}
OptionButtonModel& ModelHost::optionButton(std::string_view name) {
    return model<OptionButtonModel>(name);
}
CommandButtonModel& ModelHost::commandButton(std::string_view name) {
    return model<CommandButtonModel>(name);
}
TimerModel& ModelHost::timer(std::string_view name) {
    if (!timer_ || name != timerName_) {
        noSuchControl(name, "timer");
    }
    return *timer_;
}

int ModelHost::run() {
    form_->start();
    return exec();
}

void ModelHost::userClicked(std::string_view name, bool checked) {
    const auto found = controls_.find(name);
    if (found == controls_.end()) {
        return;  // its model is still being made: a toolkit's echo of its first state
    }
    std::visit(
        ByKind{[](const std::unique_ptr<LabelModel>&) {},
               [checked](const std::unique_ptr<CheckBoxModel>& box) { box->userSets(checked); },
               [](const std::unique_ptr<OptionButtonModel>& option) { option->userSelects(); },
               [](const std::unique_ptr<CommandButtonModel>& button) { button->userClicks(); }},
        found->second.model);
}

void ModelHost::build(const FormDesign& design, FormModel::Port window,
                      std::chrono::milliseconds confirmationTime, ControlMaker& maker) {
    form_ = std::make_unique<FormModel>(design, pacer_, std::move(window), now_, confirmationTime);
    const std::function<void()> tell = [this] { changes_.notify(); };
    modelChanges_.push_back(form_->changes().listen(tell));
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& control : design.controls) {
        order.push_back(&control);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    for (const ControlDesign* control : order) {
        Entry entry{control, {}};
        switch (control->kind) {
            case ControlKind::Label:
                entry.model = std::make_unique<LabelModel>(pacer_, control->caption,
                                                           maker.makeLabel(*control));
                break;
            case ControlKind::CheckBox:
                entry.model =
                    std::make_unique<CheckBoxModel>(*control, maker.makeCheckBox(*control));
                break;
            case ControlKind::OptionButton:
                entry.model = std::make_unique<OptionButtonModel>(
                    groups_[std::string(control->group)], control->value == 1,
                    maker.makeOptionButton(*control));
                break;
            case ControlKind::CommandButton:
                entry.model = std::make_unique<CommandButtonModel>(
                    *control, maker.makeCommandButton(*control));
                break;
        }
        controls_.emplace(control->name, std::move(entry));
    }
    tellChangesOf(tell);
    timerName_ = design.timer.name;
    timer_ = std::make_unique<TimerModel>(design.timer, maker.makeTimer(design.timer));
    built_ = true;
    paceChanged(audience_.pace());
}

// Each model that can change by itself, the option groups for their buttons, tells the
// host's listeners.
void ModelHost::tellChangesOf(const std::function<void()>& tell) {
    for (auto& [name, entry] : controls_) {
        std::visit(ByKind{[](const std::unique_ptr<LabelModel>&) {},
                          [](const std::unique_ptr<OptionButtonModel>&) {},
                          [&](const auto& model) {
                              modelChanges_.push_back(model->changes().listen(tell));
                          }},
                   entry.model);
    }
    for (auto& [name, group] : groups_) {
        modelChanges_.push_back(group.changes().listen(tell));
    }
}

bool ModelHost::enabled(std::string_view name) {
    const ControlKind kind = kindOf(name);
    return kind == ControlKind::CheckBox        ? checkBox(name).enabled()
           : kind == ControlKind::CommandButton ? commandButton(name).enabled()
                                                : true;
}

std::vector<FocusStop> ModelHost::focusStops(const std::vector<const ControlDesign*>& order) {
    std::vector<FocusStop> stops;
    for (const ControlDesign* control : order) {
        const bool option = control->kind == ControlKind::OptionButton;
        stops.push_back({control->group, enabled(control->name),
                         option && optionButton(control->name).selected()});
    }
    return stops;
}

}  // namespace quendal
