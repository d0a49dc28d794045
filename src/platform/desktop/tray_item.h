#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop/autostart.h"
#include "platform/rules/form_model.h"
#include "platform/rules/speech.h"
#include "platform/rules/text_pacer.h"

namespace quendal {

// What a desktop's tray shows of the clock (a status notifier item in a top bar or a
// panel), whatever carries it there: the caption line as a label beside the icon, the
// whole percent for the icon, the Reading said as its tooltip, whether the bell rings,
// and a small menu. Hosts that draw the label redraw the whole top bar for each change, so
// the label keeps to their pace rather than the screen's.
class TrayItem {
  public:
    enum class Status { Active, NeedsAttention };
    enum class ItemKind { Standard, Radio, Check, Separator };
    struct MenuItem {
        int id;
        std::string label;
        ItemKind kind;
        bool checked = false;  // radio and check items
        friend bool operator==(const MenuItem&, const MenuItem&) = default;
    };
    struct Port {
        std::function<void(std::string_view)> showLabel;
        std::function<void(std::string_view)> showTooltip;
        std::function<void(int count)> showCount;
        std::function<void(Status)> showStatus;
        // The menu's items have changed.
        std::function<void()> showMenu;
        // Closes the window as the user closes it.
        std::function<void()> quit;
        // Says what could not be done, where the user will see it.
        std::function<void(std::string_view)> tellUser;
    };

    // Label changes a second at most. Each costs GNOME Shell a relayout of its top bar,
    // about half a percent of a core for each change a second where the shell draws in
    // software: five keep the last digits running visibly at half the cost of ten.
    static constexpr double kLabelRate = 5.0;
    // The widest label, by which a host sets the label's width once.
    static constexpr std::string_view kLabelGuide = "00 00 00 000";

    // The menu's ids; 0 is the menu itself. The modes have a range of their own, one id
    // each in the design's order, so that no number of modes reaches another item's id.
    enum MenuId : int {
        kShowOrMinimise = 1,
        kAfterShow = 2,
        kBeforeStartAtLogIn = 3,
        kStartAtLogIn = 4,
        kBeforeQuit = 5,
        kQuit = 6,
        kFirstMode = 100,
    };

    // `autostart`: none where the user has no configuration folder. The label and the
    // tooltip each have a wake-up of the binding's (see TextPacer::Wake).
    TrayItem(const FormDesign& design, ModelHost& host, Speech& speech,
             std::optional<Autostart> autostart, MonoClock now, TextPacer::Wake wakeLabel,
             TextPacer::Wake wakeTooltip, Port port);
    TrayItem(const TrayItem&) = delete;
    TrayItem& operator=(const TrayItem&) = delete;

    // Each refresh's Reading.
    void offer(const Reading& reading, const ModeSelection& modes);
    // While nobody can see the screen, the label, the count and the tooltip keep what
    // they show; the status still asks for attention when the bell rings. Seen again,
    // they catch up at once.
    void paceChanged(Pace pace);
    // The binding's wake-up for the label (see TextPacer::Wake).
    void labelDue() { labelPacer_.frameDue(); }
    void tooltipDue() { tooltipPacer_.frameDue(); }

    std::vector<MenuItem> menu() const;
    // Whether the menu (0) or one of its items has that id.
    bool has(int id) const;
    // Before the menu is shown: reads again what the menu shows, and says when it changed.
    void aboutToShow();
    // A menu item chosen; false for an id that names no item that can be chosen.
    bool choose(int id);
    // The item itself clicked: the strip comes up, or goes down when it is up.
    void activate();

  private:
    struct MenuState {
        bool restored = false;
        std::size_t mode = 0;
        bool autostart = false;
        friend bool operator==(const MenuState&, const MenuState&) = default;
    };
    MenuState menuState() const;
    void windowChanged();
    void menuMayHaveChanged();
    void statusMayHaveChanged();
    void showCount();

    ModelHost& host_;
    Speech& speech_;
    std::optional<Autostart> autostart_;
    MonoClock now_;
    Port port_;
    TextPacer labelPacer_;
    PacedText label_;
    // The Reading said, once a second at most (see kSpokenChangesPerSecond).
    TextPacer tooltipPacer_;
    SpokenWords tooltip_;
    std::vector<const ControlDesign*> modes_;
    std::string_view bell_;
    std::optional<int> count_;
    std::optional<int> countShown_;
    Status status_ = Status::Active;
    bool autostartOn_ = false;
    MenuState menuShown_;
    Audience::Listening listening_;
    Notice<>::Subscription windowChanges_;
};

}  // namespace quendal
