#include "platform/win32/win32_focus.h"

#include <algorithm>

namespace quendal::win32 {
namespace {

void showFocusCues(HWND window) {
    SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

std::optional<FocusKey> focusKey(WPARAM key) {
    const bool modified = GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
    switch (modified ? 0 : key) {
        case VK_TAB:
            return GetKeyState(VK_SHIFT) < 0 ? FocusKey::BackTab : FocusKey::Tab;
        case VK_LEFT:
            return FocusKey::Left;
        case VK_RIGHT:
            return FocusKey::Right;
        case VK_UP:
            return FocusKey::Up;
        case VK_DOWN:
            return FocusKey::Down;
        default:
            return std::nullopt;
    }
}

}  // namespace

KeyboardFocus::KeyboardFocus(HWND window, std::function<void(HWND)> select)
    : window_(window), select_(std::move(select)) {}

void KeyboardFocus::addStop(HWND control, std::string_view group) {
    stops_.push_back({control, std::string(group)});
}

std::vector<FocusStop> KeyboardFocus::states() const {
    std::vector<FocusStop> states;
    for (const Stop& stop : stops_) {
        states.push_back({stop.group, IsWindowEnabled(stop.hwnd) != FALSE,
                          SendMessageW(stop.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED});
    }
    return states;
}

std::optional<std::size_t> KeyboardFocus::placeOf(HWND control) const {
    const auto at = std::find_if(stops_.begin(), stops_.end(),
                                 [control](const Stop& stop) { return stop.hwnd == control; });
    return at == stops_.end() ? std::nullopt
                              : std::optional(static_cast<std::size_t>(at - stops_.begin()));
}

void KeyboardFocus::focus(HWND control) {
    remembered_ = control;
    if (GetFocus() != control) {
        SetFocus(control);
    }
}

void KeyboardFocus::disabling(HWND control) {
    const auto from = placeOf(control);
    if (!from || (GetFocus() != control && remembered_ != control)) {
        return;
    }
    const auto next = focusAfterDisabling(states(), *from);
    const HWND target = next ? stops_[*next].hwnd : nullptr;
    if (GetFocus() == control) {
        SetFocus(target ? target : window_);
    }
    remembered_ = target;
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
        const auto first = focusAfterKey(states(), std::nullopt, FocusKey::Tab);
        target = first ? stops_[*first].hwnd : nullptr;
    }
    if (target) {
        focus(target);
    }
}

bool KeyboardFocus::handle(MSG& message) {
    if (message.hwnd != window_ && GetParent(message.hwnd) != window_) {
        return false;
    }
    if (message.message == WM_KEYDOWN) {
        if (const auto key = focusKey(message.wParam)) {
            const auto from = placeOf(message.hwnd);
            const auto to = focusAfterKey(states(), from, *key);
            const bool tab = *key == FocusKey::Tab || *key == FocusKey::BackTab;
            if (to || tab) {
                showFocusCues(window_);
            }
            if (to) {
                focus(stops_[*to].hwnd);
                if (!tab && to != from) {
                    select_(stops_[*to].hwnd);
                }
            }
            if (to || tab) {
                return true;
            }
        }
    }
    return IsDialogMessageW(window_, &message) != FALSE;
}

}  // namespace quendal::win32
