#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rules/focus_rules.h"

namespace quendal::win32 {

// The keyboard in the strip, as in a dialog: Tab, Shift+Tab and the arrows move the focus
// by the window's focus rules, from the controls' states as Windows holds them; the other
// keys go through Windows' own dialog handling (the space key on a button). And the focus
// is given back whenever the window is activated or restored, which Windows does not do for
// a window that was activated while minimised.
class KeyboardFocus {
  public:
    // `select` selects an option as the user's doing.
    KeyboardFocus(HWND window, std::function<void(HWND option)> select);

    // A control that takes the focus, in tab order; an option with the name of its group.
    void addStop(HWND control, std::string_view group = {});
    // A control being disabled gives its focus to the next one.
    void disabling(HWND control);

    // The window is no longer active: remember where the focus was.
    void deactivated();
    // The window is active and on show: the focus goes back where it was, or to the first
    // control that takes it.
    void giveBack();
    // The frame itself got the focus: pass it on to the remembered control.
    void frameFocused() { giveBack(); }

    // Handles a keyboard message the way a dialog does; true when it was handled (and
    // then dispatched where it needed to be).
    bool handle(MSG& message);

  private:
    struct Stop {
        HWND hwnd;
        std::string group;
    };

    std::vector<FocusStop> states() const;
    std::optional<std::size_t> placeOf(HWND control) const;
    void focus(HWND control);

    HWND window_;
    std::function<void(HWND)> select_;
    std::vector<Stop> stops_;
    HWND remembered_ = nullptr;
};

}  // namespace quendal::win32
