#include "platform/win32/win32_form_host.h"

#include <commctrl.h>
#include <mmsystem.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <system_error>

#include "platform/win32/picture_ids.h"

namespace quendal::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuendalWindow";
// Windows 10 1803 and later; older ones refuse it, and get the ordinary timer.
constexpr DWORD kHighResolutionTimer = 0x00000002;
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kPictureSize = 32;  // at 96 dots per inch
constexpr UINT_PTR kModalLoopTimer = 1;

[[noreturn]] void fail(const char* what) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

// Entry points of newer Windows, looked up rather than linked, so that the program still
// starts on an older one.
template <typename Function>
Function entryPoint(const wchar_t* module, const char* name) {
    const HMODULE handle = GetModuleHandleW(module);
    if (!handle) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

UINT dpiOf(HWND window) {
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    if (const auto forWindow = entryPoint<GetDpiForWindow>(L"user32.dll", "GetDpiForWindow")) {
        return forWindow(window);
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

RECT frameFor(RECT client, UINT dpi) {
    using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    if (const auto adjust = entryPoint<AdjustForDpi>(L"user32.dll", "AdjustWindowRectExForDpi")) {
        adjust(&client, kFrameStyle, FALSE, 0, dpi);
    } else {
        AdjustWindowRectEx(&client, kFrameStyle, FALSE, 0);
    }
    return client;
}

int CALLBACK fontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool fontInstalled(std::string_view family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = wide(family);
    name.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, fontFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

HANDLE preciseTimer(bool& coarse) {
    HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS);
    if (!timer) {
        coarse = true;
        timer = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    }
    if (!timer) {
        fail("cannot make a timer");
    }
    return timer;
}

// Relative due times are negative, in units of 100 ns.
LARGE_INTEGER after(std::chrono::nanoseconds delay) {
    LARGE_INTEGER due{};
    due.QuadPart = -std::max<LONGLONG>(1, static_cast<LONGLONG>(delay.count() / 100));
    return due;
}

PixelRect pixelsOf(const RECT& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right - r.left),
            static_cast<int>(r.bottom - r.top)};
}

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

}  // namespace

std::wstring wide(std::string_view text) {
    std::wstring result;
    if (text.empty()) {
        return result;
    }
    const int size = static_cast<int>(text.size());
    result.resize(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)));
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, result.data(),
                        static_cast<int>(result.size()));
    return result;
}

Win32FormHost::Win32FormHost(const FormDesign& design, HINSTANCE instance, MonoClock now)
    : ModelHost(std::move(now),
                [this](std::chrono::nanoseconds delay) {
                    const LARGE_INTEGER due = after(delay);
                    SetWaitableTimer(frameTimer_, &due, 0, nullptr, nullptr, FALSE);
                }),
      design_(design),
      instance_(instance),
      firstState_(design.state) {
    progTimer_ = preciseTimer(coarseTimers_);
    frameTimer_ = preciseTimer(coarseTimers_);
    if (coarseTimers_) {
        timeBeginPeriod(1);
    }
    createWindow();
    createControls();
    createModels();
    placeWindow();
    layout();
}

Win32FormHost::~Win32FormHost() {
    if (window_) {
        DestroyWindow(window_);
    }
    for (Control& control : controls_) {
        DestroyIcon(control.picture);
        DestroyIcon(control.checkedPicture);
    }
    DeleteObject(font_);
    CloseHandle(progTimer_);
    CloseHandle(frameTimer_);
    if (coarseTimers_) {
        timeEndPeriod(1);
    }
}

void Win32FormHost::createWindow() {
    INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX),
                                ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&common);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        fail("cannot register the window class");
    }
    window_ = CreateWindowExW(0, kWindowClass, wide(design_.caption).c_str(), kFrameStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                              nullptr, instance_, this);
    if (!window_) {
        fail("cannot make the window");
    }
    dpi_ = dpiOf(window_);
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
}

void Win32FormHost::createControls() {
    controls_.reserve(design_.controls.size());
    for (const ControlDesign& design : design_.controls) {
        Control& control = controls_.emplace_back();
        control.design = &design;
        const wchar_t* windowClass = WC_BUTTONW;
        DWORD style = WS_CHILD | WS_VISIBLE;
        switch (design.kind) {
            case ControlKind::Label:
                windowClass = WC_STATICW;
                style |= SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
                break;
            case ControlKind::CheckBox:
                style |= WS_TABSTOP | BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_ICON;
                break;
            case ControlKind::OptionButton:
                // Not an automatic one: which option is selected is the group's to say.
                style |= WS_TABSTOP | BS_RADIOBUTTON | BS_PUSHLIKE | BS_ICON;
                break;
            case ControlKind::CommandButton:
                style |= WS_TABSTOP | BS_PUSHBUTTON | BS_ICON;
                break;
        }
        // A button shows only its picture; its text is its name for screen readers.
        const std::string_view text =
            design.kind == ControlKind::Label ? design.caption : design.accessibleName;
        control.hwnd = CreateWindowExW(0, windowClass, wide(text).c_str(), style, 0, 0, 0, 0,
                                       window_, nullptr, instance_, nullptr);
        if (!control.hwnd) {
            fail("cannot make the controls");
        }
        if (design.kind != ControlKind::Label) {
            const std::wstring tip = wide(design.description);
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = window_;
            tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd);
            tool.lpszText = const_cast<wchar_t*>(tip.c_str());
            SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}

void Win32FormHost::createModels() {
    setForm(std::make_unique<FormModel>(
        design_, pacer(),
        FormModel::Port{
            [this](std::string_view caption) { SetWindowTextW(window_, wide(caption).c_str()); },
            [this](WindowState state) { applyState(state); }, [this] { show(); }},
        // Windows reports a change of state while it is applied, never later.
        clock(), std::chrono::milliseconds(0)));

    for (Control& control : controls_) {
        const ControlDesign& design = *control.design;
        const HWND hwnd = control.hwnd;
        const auto showEnabled = [this, &control](bool on) {
            EnableWindow(control.hwnd, on);
            if (!on && GetFocus() == control.hwnd) {
                moveFocusFrom(control, true);
            }
        };
        switch (design.kind) {
            case ControlKind::Label:
                add(design.name, std::make_unique<LabelModel>(
                                     pacer(), design.caption, [hwnd](std::string_view t) {
                                         SetWindowTextW(hwnd, wide(t).c_str());
                                     }));
                break;
            case ControlKind::CheckBox:
                add(design.name,
                    std::make_unique<CheckBoxModel>(
                        design, CheckBoxModel::Port{[this, &control](bool on) {
                                                        SendMessageW(
                                                            control.hwnd, BM_SETCHECK,
                                                            on ? BST_CHECKED : BST_UNCHECKED, 0);
                                                        showChecked(control, on);
                                                    },
                                                    showEnabled}));
                break;
            case ControlKind::OptionButton:
                add(design.name, std::make_unique<OptionButtonModel>(
                                     group(design.group), design.value == 1, [hwnd](bool on) {
                                         SendMessageW(hwnd, BM_SETCHECK,
                                                      on ? BST_CHECKED : BST_UNCHECKED, 0);
                                     }));
                break;
            case ControlKind::CommandButton:
                add(design.name, std::make_unique<CommandButtonModel>(design, showEnabled));
                break;
        }
    }
    const std::chrono::milliseconds interval(design_.timer.intervalMs);
    auto timer = std::make_unique<TimerModel>(
        design_.timer, TimerModel::Port{[this, interval] {
                                            const LARGE_INTEGER due = after(interval);
                                            SetWaitableTimer(progTimer_, &due,
                                                             static_cast<LONG>(interval.count()),
                                                             nullptr, nullptr, FALSE);
                                        },
                                        [this] { CancelWaitableTimer(progTimer_); }});
    prog_ = timer.get();
    add(design_.timer.name, std::move(timer));

    // The focus starts on the first control in tab order that can take it.
    for (const ControlDesign* design : focusOrder(design_)) {
        const auto control =
            std::find_if(controls_.begin(), controls_.end(),
                         [design](const Control& c) { return c.design == design; });
        if (control != controls_.end() && canTakeFocus(*control)) {
            focus_ = control->hwnd;
            break;
        }
    }
}

// The designed place, at the window's resolution, moved just enough to keep the window
// wholly on its screen.
void Win32FormHost::placeWindow() {
    const PixelRect client = pixelRect(design_.clientLeft, design_.clientTop, design_.clientWidth,
                                       design_.clientHeight, dpi_);
    RECT frame = frameFor(
        RECT{client.left, client.top, client.left + client.width, client.top + client.height},
        dpi_);
    PixelRect placed = pixelsOf(frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &monitor)) {
        placed = keepWithin(placed, pixelsOf(monitor.rcWork));
    }
    SetWindowPos(window_, nullptr, placed.left, placed.top, placed.width, placed.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The controls, the digits' face and the pictures at the window's resolution: at 150 % or
// 200 % the strip scales as a whole.
void Win32FormHost::layout() {
    const double dpi = dpi_;
    // The designed face where Windows has it, as it does; else the stand-in, whose black
    // weight GDI knows as a family of its own.
    const FontDesign& face = design_.labelFont;
    std::string family(face.family);
    int weight = face.weight;
    BYTE characters = ANSI_CHARSET;
    if (!fontInstalled(family)) {
        family = std::string(face.fallbackFamily);
        weight = face.fallbackWeight;
        characters = DEFAULT_CHARSET;
        if (weight >= FW_BLACK && fontInstalled(family + " Black")) {
            family += " Black";
            weight = FW_NORMAL;
        }
    }
    const HFONT font = CreateFontW(
        -MulDiv(static_cast<int>(face.pointSize * 100), static_cast<int>(dpi_), 72 * 100), 0, 0, 0,
        weight, FALSE, FALSE, FALSE, characters, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
        CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, wide(family).c_str());
    for (Control& control : controls_) {
        const ControlDesign& d = *control.design;
        const PixelRect r = pixelRect(d.left, d.top, d.width, d.height, dpi);
        SetWindowPos(control.hwnd, nullptr, r.left, r.top, r.width, r.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (d.kind == ControlKind::Label) {
            SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        } else {
            loadPictures(control);
        }
    }
    DeleteObject(font_);
    font_ = font;
}

void Win32FormHost::loadPictures(Control& control) {
    const int size = MulDiv(kPictureSize, static_cast<int>(dpi_), 96);
    const auto load = [this, size](std::string_view name) -> HICON {
        for (const PictureId& picture : kPictureIds) {
            if (picture.name == name) {
                return static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(picture.id),
                                                     IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
            }
        }
        return nullptr;
    };
    DestroyIcon(control.picture);
    DestroyIcon(control.checkedPicture);
    control.picture = load(control.design->picture);
    control.checkedPicture =
        control.design->checkedPicture.empty() ? nullptr : load(control.design->checkedPicture);
    showPicture(control, SendMessageW(control.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED);
}

// A check box's picture and, for the ringing bell, its name, which a screen reader reads
// from the button's text.
void Win32FormHost::showChecked(const Control& control, bool checked) {
    showPicture(control, checked);
    if (!control.design->checkedName.empty()) {
        SetWindowTextW(control.hwnd,
                       wide(WindowSpeech::nameWhen(*control.design, checked)).c_str());
    }
}

void Win32FormHost::showPicture(const Control& control, bool checked) {
    const HICON picture =
        checked && control.checkedPicture ? control.checkedPicture : control.picture;
    SendMessageW(control.hwnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture));
}

void Win32FormHost::applyState(WindowState state) {
    if (!shown_) {
        firstState_ = state;
        return;
    }
    switch (state) {
        case WindowState::Minimized:
            ShowWindow(window_, SW_MINIMIZE);
            break;
        case WindowState::Maximized:
            ShowWindow(window_, SW_MAXIMIZE);
            break;
        case WindowState::Normal:
            // Brought up in front; where Windows keeps the focus elsewhere, the taskbar
            // entry flashes instead.
            ShowWindow(window_, SW_RESTORE);
            SetForegroundWindow(window_);
            break;
    }
}

void Win32FormHost::show() {
    shown_ = true;
    const int how = firstState_ == WindowState::Minimized   ? SW_SHOWMINNOACTIVE
                    : firstState_ == WindowState::Maximized ? SW_SHOWMAXIMIZED
                                                            : SW_SHOWNORMAL;
    ShowWindow(window_, how);
    UpdateWindow(window_);
    if (firstState_ == WindowState::Normal && focus_) {
        SetFocus(focus_);
    }
}

Win32FormHost::Control* Win32FormHost::controlOf(HWND hwnd) {
    for (Control& control : controls_) {
        if (hwnd && control.hwnd == hwnd) {
            return &control;
        }
    }
    return nullptr;
}

void Win32FormHost::clicked(HWND child) {
    const Control* control = controlOf(child);
    if (!control) {
        return;
    }
    const bool checked = SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
    userClicked(control->design->name, checked);
    if (control->design->kind == ControlKind::CheckBox) {
        showChecked(*control, checked);
    }
}

bool Win32FormHost::canTakeFocus(const Control& control) {
    if (!IsWindowEnabled(control.hwnd) || control.design->kind == ControlKind::Label) {
        return false;
    }
    // Of an option group only the selected one is a stop of the Tab key; the arrows move
    // within the group.
    return control.design->kind != ControlKind::OptionButton ||
           optionButton(control.design->name).selected();
}

void Win32FormHost::moveFocusFrom(const Control& from, bool forward) {
    const auto order = focusOrder(design_);
    const auto at = std::find(order.begin(), order.end(), from.design);
    const std::size_t count = order.size();
    std::size_t i = at == order.end() ? 0 : static_cast<std::size_t>(at - order.begin());
    for (std::size_t step = 0; step < count; ++step) {
        i = forward ? (i + 1) % count : (i + count - 1) % count;
        for (Control& control : controls_) {
            if (control.design == order[i] && canTakeFocus(control)) {
                focus_ = control.hwnd;
                SetFocus(control.hwnd);
                return;
            }
        }
    }
}

// The keys a dialog would handle: Tab and Shift+Tab through the tab order, the arrows
// within an option group, moving and selecting.
bool Win32FormHost::navigate(const MSG& message) {
    if (message.message != WM_KEYDOWN || GetParent(message.hwnd) != window_) {
        return false;
    }
    const Control* control = controlOf(message.hwnd);
    if (!control) {
        return false;
    }
    if (message.wParam == VK_TAB) {
        SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        moveFocusFrom(*control, GetKeyState(VK_SHIFT) >= 0);
        return true;
    }
    const bool back = message.wParam == VK_LEFT || message.wParam == VK_UP;
    const bool on = message.wParam == VK_RIGHT || message.wParam == VK_DOWN;
    if ((!back && !on) || control->design->kind != ControlKind::OptionButton) {
        return false;
    }
    std::vector<const Control*> members;
    for (const Control& c : controls_) {
        if (c.design->kind == ControlKind::OptionButton &&
            c.design->group == control->design->group) {
            members.push_back(&c);
        }
    }
    const auto at = std::find(members.begin(), members.end(), control);
    const std::size_t count = members.size();
    const std::size_t i = static_cast<std::size_t>(at - members.begin());
    const Control& next = *members[on ? (i + 1) % count : (i + count - 1) % count];
    focus_ = next.hwnd;
    SetFocus(next.hwnd);
    optionButton(next.design->name).userSelects();
    return true;
}

// Runs whatever timer has come due, without waiting: from the loop, and from Windows'
// own loops while the window is moved or its menu is open.
void Win32FormHost::serviceTimers() {
    if (WaitForSingleObject(progTimer_, 0) == WAIT_OBJECT_0) {
        prog_->fires();
    }
    if (WaitForSingleObject(frameTimer_, 0) == WAIT_OBJECT_0) {
        pacer().frameDue();
    }
}

int Win32FormHost::exec() {
    const HANDLE timers[] = {progTimer_, frameTimer_};
    MSG message{};
    for (;;) {
        const DWORD woke =
            MsgWaitForMultipleObjectsEx(2, timers, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0) {
            prog_->fires();
        } else if (woke == WAIT_OBJECT_0 + 1) {
            pacer().frameDue();
        } else if (woke == WAIT_FAILED) {
            fail("cannot wait for the timers");
        }
        serviceTimers();
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                if (failure_) {
                    std::rethrow_exception(failure_);
                }
                return static_cast<int>(message.wParam);
            }
            if (!navigate(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }
}

LRESULT CALLBACK Win32FormHost::windowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<Win32FormHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!host || !host->window_) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // No exception may cross Windows' own code: it is carried to exec, which ends.
    try {
        return host->handleMessage(message, wParam, lParam);
    } catch (...) {
        host->failure_ = std::current_exception();
        PostQuitMessage(1);
        return 0;
    }
}

LRESULT Win32FormHost::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && lParam) {
                clicked(reinterpret_cast<HWND>(lParam));
                return 0;
            }
            break;
        case WM_SIZE:
            // Before the first showing no change of state is anybody's doing.
            if (shown_) {
                form().stateReported(stateFromSize(wParam, form().windowState()));
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            if (const Control* label = controlOf(reinterpret_cast<HWND>(lParam))) {
                const HDC dc = reinterpret_cast<HDC>(wParam);
                const Rgb& c = label->design->color;
                SetTextColor(dc, RGB(c.red, c.green, c.blue));
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                if (controlOf(GetFocus())) {
                    focus_ = GetFocus();
                }
            }
            break;
        case WM_SETFOCUS:
            if (focus_) {
                SetFocus(focus_);
            }
            return 0;
        case WM_DPICHANGED: {
            dpi_ = LOWORD(wParam);
            layout();
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_ENTERSIZEMOVE:
        case WM_ENTERMENULOOP:
            // Windows runs its own loop meanwhile: keep the clock going from there.
            SetTimer(window_, kModalLoopTimer, USER_TIMER_MINIMUM, nullptr);
            break;
        case WM_EXITSIZEMOVE:
        case WM_EXITMENULOOP:
            KillTimer(window_, kModalLoopTimer);
            break;
        case WM_TIMER:
            if (wParam == kModalLoopTimer) {
                serviceTimers();
                return 0;
            }
            break;
        case WM_CLOSE:
            form().closedByUser();
            DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            window_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace quendal::win32
