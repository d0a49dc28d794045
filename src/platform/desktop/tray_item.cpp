#include "platform/desktop/tray_item.h"

#include <algorithm>
#include <functional>

namespace quendal {

TrayItem::TrayItem(const FormDesign& design, ModelHost& host, Speech& speech,
                   std::optional<Autostart> autostart, MonoClock now, TextPacer::Wake wakeLabel,
                   TextPacer::Wake wakeTooltip, Port port)
    : host_(host),
      speech_(speech),
      autostart_(std::move(autostart)),
      now_(std::move(now)),
      port_(std::move(port)),
      labelPacer_(now_, std::move(wakeLabel)),
      label_(labelPacer_, "", port_.showLabel),
      tooltipPacer_(now_, std::move(wakeTooltip)),
      tooltip_(tooltipPacer_, std::bind_front(&Speech::reading, &speech_), port_.showTooltip) {
    labelPacer_.setFrameRate(kLabelRate);
    tooltipPacer_.setFrameRate(kSpokenChangesPerSecond);
    for (const ControlDesign& control : design.controls) {
        if (control.kind == ControlKind::OptionButton) {
            modes_.push_back(&control);
        } else if (control.asksAttention) {
            bell_ = control.name;
        }
    }
    autostartOn_ = autostart_ && autostart_->enabled();
    menuShown_ = menuState();
    listening_ = host_.audience().listen([this](Pace pace) { paceChanged(pace); });
    windowChanges_ = host_.changes().listen([this] { windowChanged(); });
}

void TrayItem::offer(const Reading& reading, const ModeSelection& modes) {
    label_.set(reading.caption.view());
    tooltip_.changed();
    count_ = progressOf(reading, modes).count;
    if (!labelPacer_.held()) {
        showCount();
    }
}

// The window's state, a mode, the bell: whatever changed, the menu, the status and the
// tooltip (which says the mode's meaning) follow. The alarm may ring while nobody can see
// the screen: the tray asks for attention all the same.
void TrayItem::windowChanged() {
    tooltip_.changed();
    statusMayHaveChanged();
    menuMayHaveChanged();
}

void TrayItem::paceChanged(Pace pace) {
    const bool unseen = pace == Pace::Unseen;
    if (unseen == labelPacer_.held()) {
        return;
    }
    labelPacer_.hold(unseen);
    tooltipPacer_.hold(unseen);
    if (!unseen) {
        showCount();
        menuMayHaveChanged();
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
    const Words& words = speech_.words();
    const Text show = state.restored ? translatable("Tray", "Minimise the strip")
                                     : translatable("Tray", "Show the strip");
    std::vector<MenuItem> items{{kShowOrMinimise, words.text(show), ItemKind::Standard},
                                {kAfterShow, "", ItemKind::Separator}};
    for (std::size_t i = 0; i < modes_.size(); ++i) {
        items.push_back({kFirstMode + static_cast<int>(i), words.text(modes_[i]->accessibleName),
                         ItemKind::Radio, state.mode == i});
    }
    items.push_back({kBeforeStartAtLogIn, "", ItemKind::Separator});
    if (autostart_) {
        items.push_back({kStartAtLogIn, words.text(translatable("Tray", "Start at log-in")),
                         ItemKind::Check, state.autostart});
    }
    items.push_back({kBeforeQuit, "", ItemKind::Separator});
    items.push_back({kQuit, words.text(translatable("Tray", "Quit")), ItemKind::Standard});
    return items;
}

bool TrayItem::has(int id) const {
    const auto items = menu();
    return id == 0 || std::any_of(items.begin(), items.end(),
                                  [id](const MenuItem& item) { return item.id == id; });
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
            port_.tellUser(fillIn(speech_.words().text(translatable("Tray", "start at log-in: %1")),
                                  {*failure}));
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
