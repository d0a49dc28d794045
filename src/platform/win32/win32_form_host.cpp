#include "platform/win32/win32_form_host.h"

#include <optional>

#include "platform/rules/speech.h"
#include "platform/win32/text.h"

namespace quendal::win32 {
namespace {

constexpr UINT_PTR kModalLoopTimer = 1;
// Puts the window at its place once a restore is over: a window manager under Wine that
// placed a window first shown minimised keeps it where it likes while restoring it.
constexpr UINT kPlaceMessage = WM_APP + 1;

WindowState stateFromSize(WPARAM kind, WindowState otherwise) {
    switch (kind) {
        case SIZE_MINIMIZED:
            return WindowState::Minimized;
        case SIZE_MAXIMIZED:
            return WindowState::Maximized;
        case SIZE_RESTORED:
            return WindowState::Normal;
        default:
            return otherwise;
    }
}

// The taskbar button flashes until stopped.
void flash(HWND window, bool on) {
    const DWORD how = on ? FLASHW_TRAY | FLASHW_TIMER : FLASHW_STOP;
    FLASHWINFO info{sizeof(FLASHWINFO), window, how, 0, 0};
    FlashWindowEx(&info);
}

}  // namespace

Win32FormHost::Win32FormHost(const FormDesign& design, const Words& words, HINSTANCE instance,
                             MonoClock now)
    : ModelHost(std::move(now),
                [this](std::chrono::nanoseconds delay) { timers_.wakeAfter(delay); }),
      firstState_(design.state),
      timers_([this] { prog_->fires(); }, [this] { pacer().frameDue(); }),
      speech_(design, *this, words),
      window_(design, words, instance, windowProc, this),
      focus_(window_.handle(),
             [this](HWND option) { userClicked(window_.buttonDesign(option)->name); }),
      taskbar_(window_.handle(), design, [this] { return window_.smallIconSize(); }) {
    build(design,
          FormModel::Port{[this](std::string_view caption) {
                              SetWindowTextW(window_.handle(), wide(caption).c_str());
                          },
                          [this](WindowState state) { applyState(state); }, [this] { show(); },
                          [this](const Progress& progress) { taskbar_.show(progress); },
                          [this](const Reading&, const ModeSelection&) {
                              if (screenReader_) {
                                  screenReader_->readingChanged();
                              }
                          }},
          // Windows reports a change of state while it is applied, never later.
          std::chrono::milliseconds(0), *this);
    prog_ = &timer(design.timer.name);
    window_.layout();
    window_.colourFields();
    window_.place();
    readRefreshRate();
    audienceWatch_.emplace(window_.handle(), audience());
    screenReader_.emplace(window_.handle(), std::move(made_), *this, speech_, clock());
    ready_ = true;
}

PacedText::Show Win32FormHost::makeLabel(const ControlDesign& design) {
    const HWND hwnd = window_.addLabel(design);
    made_.push_back({&design, hwnd});
    return [hwnd](std::string_view text) { SetWindowTextW(hwnd, wide(text).c_str()); };
}

CheckBoxModel::Port Win32FormHost::makeCheckBox(const ControlDesign& design) {
    const HWND hwnd = window_.addButton(design, WS_TABSTOP | BS_AUTOCHECKBOX | BS_PUSHLIKE);
    made_.push_back({&design, hwnd});
    auto showChecked = [this, hwnd, &design](bool checked) {
        SendMessageW(hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        window_.showPicture(hwnd);
        // A screen reader reads the button's text: the ringing bell says so.
        if (!design.checkedName.empty()) {
            SetWindowTextW(hwnd,
                           wide(speech_.words().text(Speech::nameWhen(design, checked))).c_str());
        }
        if (design.asksAttention && checked != flashing_) {
            flashing_ = checked;
            flash(window_.handle(), checked);
        }
    };
    focus_.addStop(hwnd);
    return {showChecked, showEnabled(hwnd)};
}

// Not an automatic option: which one is selected is the group's to say.
std::function<void(bool)> Win32FormHost::makeOptionButton(const ControlDesign& design) {
    const HWND hwnd = window_.addButton(design, BS_RADIOBUTTON | BS_PUSHLIKE);
    made_.push_back({&design, hwnd});
    focus_.addStop(hwnd, design.group);
    return [hwnd](bool selected) {
        SendMessageW(hwnd, BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
    };
}

std::function<void(bool)> Win32FormHost::makeCommandButton(const ControlDesign& design) {
    const HWND hwnd = window_.addButton(design, WS_TABSTOP | BS_PUSHBUTTON);
    made_.push_back({&design, hwnd});
    focus_.addStop(hwnd);
    return showEnabled(hwnd);
}

std::function<void(bool)> Win32FormHost::showEnabled(HWND hwnd) {
    return [this, hwnd](bool enabled) {
        if (!enabled) {
            focus_.disabling(hwnd);
        }
        EnableWindow(hwnd, enabled);
        window_.showPicture(hwnd);
    };
}

TimerModel::Port Win32FormHost::makeTimer(const TimerDesign&) {
    return {[this](std::chrono::milliseconds interval) { timers_.startRefresh(interval); },
            [this] { timers_.stopRefresh(); }};
}

void Win32FormHost::applyState(WindowState state) {
    if (!shown_) {
        firstState_ = state;
        return;
    }
    switch (state) {
        case WindowState::Minimized:
            ShowWindow(window_.handle(), SW_MINIMIZE);
            break;
        case WindowState::Maximized:
            ShowWindow(window_.handle(), SW_MAXIMIZE);
            break;
        case WindowState::Normal:
            bringUp();
            break;
    }
}

// Restored and in front of the other windows. Windows lets a program take the keyboard
// only while the foreground is its own or nobody's; where the user works in another
// window, the strip comes up on top of it without taking the keys (the topmost band and
// straight back out of it), and the ringing bell flashes its taskbar button meanwhile.
void Win32FormHost::bringUp() {
    const HWND window = window_.handle();
    const HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    if (foreground) {
        GetWindowThreadProcessId(foreground, &process);
    }
    const bool mayActivate = !foreground || process == GetCurrentProcessId();
    ShowWindow(window, mayActivate ? SW_RESTORE : SW_SHOWNOACTIVATE);
    constexpr UINT kOnlyOrder = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kOnlyOrder);
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kOnlyOrder);
    if (mayActivate) {
        SetForegroundWindow(window);
    }
}

void Win32FormHost::show() {
    shown_ = true;
    const HWND window = window_.handle();
    switch (firstState_) {
        case WindowState::Minimized:
            ShowWindow(window, SW_SHOWMINNOACTIVE);
            break;
        case WindowState::Maximized:
            ShowWindow(window, SW_SHOWMAXIMIZED);
            break;
        case WindowState::Normal:
            ShowWindow(window, SW_SHOWNORMAL);
            break;
    }
    UpdateWindow(window);
    // A window first shown minimised has never stood at its place (see kPlaceMessage).
    placeOnRestore_ = firstState_ != WindowState::Normal;
    focus_.giveBack();
}

void Win32FormHost::clicked(HWND hwnd) {
    if (const ControlDesign* button = window_.buttonDesign(hwnd)) {
        userClicked(button->name, SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED);
    }
}

void Win32FormHost::sized(WPARAM kind) {
    // Before the first showing no change of state is anybody's doing.
    if (!shown_) {
        return;
    }
    if (kind == SIZE_RESTORED) {
        if (placeOnRestore_) {
            placeOnRestore_ = false;
            PostMessageW(window_.handle(), kPlaceMessage, 0, 0);
        }
        focus_.giveBack();
    }
    runForEfficiency(kind == SIZE_MINIMIZED);
    form().stateReported(stateFromSize(kind, form().windowState()));
}

void Win32FormHost::activated(WPARAM how) {
    if (LOWORD(how) == WA_INACTIVE) {
        focus_.deactivated();
    } else {
        focus_.giveBack();
    }
}

// The texts go to the screen once per frame of the monitor the window is on.
void Win32FormHost::readRefreshRate() {
    monitor_ = MonitorFromWindow(window_.handle(), MONITOR_DEFAULTTONEAREST);
    MONITORINFOEXW monitor{};
    monitor.cbSize = sizeof monitor;
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    double hertz = 0;  // unknown: the pacer takes its default
    if (GetMonitorInfoW(monitor_, &monitor) &&
        EnumDisplaySettingsW(monitor.szDevice, ENUM_CURRENT_SETTINGS, &mode) &&
        mode.dmDisplayFrequency > 1) {  // 0 and 1 stand for the hardware's default
        hertz = mode.dmDisplayFrequency;
    }
    pacer().setFrameRate(hertz);
}

void Win32FormHost::closed() {
    form().closedByUser();
    audienceWatch_.reset();
    screenReader_.reset();
    window_.destroy();
    PostQuitMessage(0);
}

int Win32FormHost::exec() {
    const int status = timers_.run([this](MSG& message) {
        if (!focus_.handle(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    });
    if (failure_) {
        std::rethrow_exception(failure_);
    }
    return status;
}

LRESULT CALLBACK Win32FormHost::windowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<Win32FormHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (host && host->ready_) {
        // No exception may cross Windows' own code: it is carried to exec, which ends.
        try {
            if (const auto result = host->handleMessage(message, wParam, lParam)) {
                return *result;
            }
        } catch (...) {
            host->failure_ = std::current_exception();
            PostQuitMessage(1);
            return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Each message to one member; nothing where Windows' own handling is wanted.
std::optional<LRESULT> Win32FormHost::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbar_.createdMessage()) {
        taskbar_.buttonCreated();
        return 0;
    }
    if (audienceWatch_) {
        if (const auto answer = audienceWatch_->handle(message, wParam, lParam)) {
            return answer;
        }
    }
    if (const auto answer = screenReader_->handle(message, wParam, lParam)) {
        return answer;
    }
    if (const auto scaled = window_.scaleMessage(message, wParam, lParam)) {
        if (message == WM_DPICHANGED) {
            taskbar_.scaleChanged();
            readRefreshRate();
        }
        return scaled;
    }
    if (const auto answer = userMessage(message, wParam, lParam)) {
        return answer;
    }
    systemMessage(message);
    return std::nullopt;
}

// What the user does to the window and its controls.
std::optional<LRESULT> Win32FormHost::userMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && lParam) {
                clicked(reinterpret_cast<HWND>(lParam));
                return 0;
            }
            break;
        case WM_SIZE:
            sized(wParam);
            return 0;
        case WM_ACTIVATE:
            activated(wParam);
            return 0;
        case WM_SETFOCUS:
            focus_.frameFocused();
            return 0;
        case WM_CTLCOLORSTATIC:
            if (const HBRUSH brush = window_.colourLabel(reinterpret_cast<HWND>(lParam),
                                                         reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_TIMER:
            if (wParam == kModalLoopTimer) {
                timers_.serviceDue();
                return 0;
            }
            break;
        case WM_CLOSE:
            closed();
            return 0;
        case kPlaceMessage:
            window_.place();
            return 0;
        default:
            break;
    }
    return std::nullopt;
}

// What the system says of the display, its settings and its own loops; Windows' own
// handling follows each.
void Win32FormHost::systemMessage(UINT message) {
    switch (message) {
        case WM_DISPLAYCHANGE:
            readRefreshRate();
            break;
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
            // High contrast turned on or off, or its colours changed.
            window_.colourFields();
            break;
        case WM_MOVE:
            if (MonitorFromWindow(window_.handle(), MONITOR_DEFAULTTONEAREST) != monitor_) {
                readRefreshRate();
            }
            break;
        case WM_ENTERSIZEMOVE:
        case WM_ENTERMENULOOP:
            // Windows runs its own loop meanwhile: keep the clock going from there.
            SetTimer(window_.handle(), kModalLoopTimer, USER_TIMER_MINIMUM, nullptr);
            break;
        case WM_EXITSIZEMOVE:
        case WM_EXITMENULOOP:
            KillTimer(window_.handle(), kModalLoopTimer);
            break;
        default:
            break;
    }
}

}  // namespace quendal::win32
