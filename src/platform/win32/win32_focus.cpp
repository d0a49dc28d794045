#include "platform/win32/win32_focus.h"

#include <algorithm>

namespace quendal::win32 {
namespace {

void showFocusCues(HWND window) {
    SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

}  // namespace

KeyboardFocus::KeyboardFocus(HWND window, std::function<void(HWND)> select)
    : window_(window), select_(std::move(select)) {}

void KeyboardFocus::addOption(HWND option, std::string_view group) {
    options_.push_back({option, std::string(group)});
}

void KeyboardFocus::optionShown(HWND option, bool selected) {
    const LONG_PTR style = GetWindowLongPtrW(option, GWL_STYLE);
    SetWindowLongPtrW(option, GWL_STYLE, selected ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

void KeyboardFocus::disabling(HWND control) {
    if (GetFocus() == control) {
        const HWND next = GetNextDlgTabItem(window_, control, FALSE);
        SetFocus(next && next != control ? next : window_);
    }
    if (remembered_ == control) {
        remembered_ = GetNextDlgTabItem(window_, control, FALSE);
    }
}

void KeyboardFocus::deactivated() {
    const HWND focus = GetFocus();
    if (focus && GetParent(focus) == window_) {
        remembered_ = focus;
    }
}

void KeyboardFocus::giveBack() {
    if (IsIconic(window_) || GetActiveWindow() != window_) {
        return;
    }
    HWND target = remembered_;
    if (!target || !IsWindowEnabled(target)) {
        target = GetNextDlgTabItem(window_, nullptr, FALSE);
    }
    if (target && GetFocus() != target) {
        SetFocus(target);
    }
}

bool KeyboardFocus::handle(MSG& message) {
    if (message.hwnd != window_ && GetParent(message.hwnd) != window_) {
        return false;
    }
    if (message.message == WM_KEYDOWN) {
        const WPARAM key = message.wParam;
        const bool back = key == VK_LEFT || key == VK_UP;
        const bool on = key == VK_RIGHT || key == VK_DOWN;
        if ((back || on) && moveWithinGroup(message.hwnd, on)) {
            showFocusCues(window_);
            return true;
        }
        if (key == VK_TAB) {
            showFocusCues(window_);
        }
    }
    return IsDialogMessageW(window_, &message) != FALSE;
}

bool KeyboardFocus::moveWithinGroup(HWND from, bool forward) {
    const auto at = std::find_if(options_.begin(), options_.end(),
                                 [from](const Option& o) { return o.hwnd == from; });
    if (at == options_.end()) {
        return false;
    }
    std::vector<HWND> members;
    for (const Option& option : options_) {
        if (option.group == at->group && IsWindowEnabled(option.hwnd)) {
            members.push_back(option.hwnd);
        }
    }
    const auto i =
        static_cast<std::size_t>(std::find(members.begin(), members.end(), from) - members.begin());
    if (i == members.size()) {
        return false;
    }
    const std::size_t count = members.size();
    const HWND next = members[forward ? (i + 1) % count : (i + count - 1) % count];
    SetFocus(next);
    remembered_ = next;
    select_(next);
    return true;
}

}  // namespace quendal::win32
