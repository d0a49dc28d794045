#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quendal::win32 {

// The keyboard in the strip, as in a dialog. Tab and Shift+Tab go through the controls in
// their tab order, by Windows' own dialog keys (the controls are made in that order, and
// of a group of options only the selected one is a stop), also from the frame itself.
// The arrows move within a group of options and select as they go: the dialog keys would
// step onto a button that stands between two options in the tab order. And the focus is
// given back whenever the window is activated or restored, which Windows does not do for
// a window that was activated while minimised.
class KeyboardFocus {
  public:
    // `select` selects an option as the user's doing.
    KeyboardFocus(HWND window, std::function<void(HWND option)> select);

    // The control that has the focus first, the first time the window is active.
    void startOn(HWND control) { remembered_ = control; }
    // A member of a group of options, in tab order.
    void addOption(HWND option, std::string_view group);
    // A selected option is a stop of the Tab key; the others are not.
    void optionShown(HWND option, bool selected);
    // A control being disabled gives its focus to the next one.
    void disabling(HWND control);

    // The window is no longer active: remember where the focus was.
    void deactivated();
    // The window is active and on show: the focus goes back where it was.
    void giveBack();
    // The frame itself got the focus: pass it on to the remembered control.
    void frameFocused() { giveBack(); }

    // Handles a keyboard message the way a dialog does; true when it was handled (and
    // then dispatched where it needed to be).
    bool handle(MSG& message);

  private:
    bool moveWithinGroup(HWND from, bool forward);

    struct Option {
        HWND hwnd;
        std::string group;
    };

    HWND window_;
    std::function<void(HWND)> select_;
    std::vector<Option> options_;
    HWND remembered_ = nullptr;
};

}  // namespace quendal::win32
