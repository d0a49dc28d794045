#include "platform/tray_item.h"

namespace quendal {
namespace {

// The menu's ids; the modes follow the first in the design's order. 0 is the menu itself.
constexpr int kShowOrMinimise = 1;
constexpr int kFirstMode = 3;
constexpr int kStartAtLogIn = 10;
constexpr int kQuit = 12;

}  // namespace

TrayItem::TrayItem(const FormDesign& design, ModelHost& host, WindowSpeech& speech,
                   std::optional<Autostart> autostart, MonoClock now, TextPacer::Wake wakeLabel,
                   Port port)
    : host_(host),
      speech_(speech),
      autostart_(std::move(autostart)),
      now_(std::move(now)),
      port_(std::move(port)),
      labelPacer_(now_, std::move(wakeLabel)),
      label_(labelPacer_, "", port_.showLabel) {
    labelPacer_.setFrameRate(kLabelRate);
    for (const ControlDesign& control : design.controls) {
        if (control.kind == ControlKind::OptionButton) {
            modes_.push_back(&control);
        } else if (control.kind == ControlKind::CheckBox && !control.checkedName.empty()) {
            bell_ = control.name;
        }
    }
    autostartOn_ = autostart_ && autostart_->enabled();
    menuShown_ = menuState();
    listening_ = host_.audience().listen([this](Pace pace) { paceChanged(pace); });
}

void TrayItem::offer(const Reading& reading, const ModeSelection& modes) {
    label_.set(reading.caption.view());
    count_ = progressOf(reading, modes).count;
    if (labelPacer_.held()) {
        // The alarm may ring meanwhile: the tray asks for attention all the same.
        statusMayHaveChanged();
    } else {
        showCount();
    }
}

void TrayItem::tick() {
    if (labelPacer_.held()) {
        return;
    }
    const std::string said = speech_.reading();
    if (tooltip_.due(said, now_())) {
        port_.showTooltip(said);
    }
    statusMayHaveChanged();
    menuMayHaveChanged();
}

void TrayItem::paceChanged(Pace pace) {
    const bool unseen = pace == Pace::Unseen;
    if (unseen == labelPacer_.held()) {
        return;
    }
    labelPacer_.hold(unseen);
    if (!unseen) {
        showCount();
        tick();
    }
}

void TrayItem::showCount() {
    if (count_ && count_ != countShown_) {
        countShown_ = count_;
        port_.showCount(*count_);
    }
}

void TrayItem::statusMayHaveChanged() {
    const Status status = !bell_.empty() && host_.checkBox(bell_).value() == 1
                              ? Status::NeedsAttention
                              : Status::Active;
    if (status != status_) {
        status_ = status;
        port_.showStatus(status);
    }
}

TrayItem::MenuState TrayItem::menuState() const {
    MenuState state{host_.form().windowState() == WindowState::Normal, modes_.size(), autostartOn_};
    for (std::size_t i = 0; i < modes_.size(); ++i) {
        if (host_.optionButton(modes_[i]->name).selected()) {
            state.mode = i;
        }
    }
    return state;
}

void TrayItem::menuMayHaveChanged() {
    const MenuState state = menuState();
    if (state != menuShown_) {
        menuShown_ = state;
        port_.showMenu();
    }
}

std::vector<TrayItem::MenuItem> TrayItem::menu() const {
    const MenuState state = menuState();
    std::vector<MenuItem> items{
        {kShowOrMinimise, state.restored ? "Minimise the strip" : "Show the strip",
         ItemKind::Standard},
        {kShowOrMinimise + 1, "", ItemKind::Separator}};
    for (std::size_t i = 0; i < modes_.size(); ++i) {
        items.push_back({kFirstMode + static_cast<int>(i), std::string(modes_[i]->accessibleName),
                         ItemKind::Radio, state.mode == i});
    }
    items.push_back({kStartAtLogIn - 1, "", ItemKind::Separator});
    if (autostart_) {
        items.push_back({kStartAtLogIn, "Start at log-in", ItemKind::Check, state.autostart});
    }
    items.push_back({kQuit - 1, "", ItemKind::Separator});
    items.push_back({kQuit, "Quit", ItemKind::Standard});
    return items;
}

void TrayItem::aboutToShow() {
    autostartOn_ = autostart_ && autostart_->enabled();
    menuMayHaveChanged();
}

bool TrayItem::choose(int id) {
    const int mode = id - kFirstMode;
    if (id == kShowOrMinimise) {
        activate();
    } else if (mode >= 0 && mode < static_cast<int>(modes_.size())) {
        // As a click on the mode's button: its handler runs, as it does there.
        host_.userClicked(modes_[static_cast<std::size_t>(mode)]->name);
    } else if (id == kStartAtLogIn && autostart_) {
        // The file decides what the menu shows: whatever was asked, and whether or not it
        // could be done, the check mark says what is there.
        if (const auto failure = autostart_->set(!autostart_->enabled())) {
            port_.tellUser("start at log-in: " + *failure);
        }
        autostartOn_ = autostart_->enabled();
    } else if (id == kQuit) {
        port_.quit();
        return true;
    } else {
        return false;
    }
    menuMayHaveChanged();
    return true;
}

void TrayItem::activate() {
    host_.form().setWindowState(host_.form().windowState() == WindowState::Normal
                                    ? WindowState::Minimized
                                    : WindowState::Normal);
    menuMayHaveChanged();
}

}  // namespace quendal
