#include "platform/win32/win32_frame.h"

#include <algorithm>
#include <optional>
#include <string>

#include "platform/win32/picture_ids.h"
#include "platform/win32/text.h"

namespace quendal::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuendalWindow";
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kPictureSize = 32;  // at 96 dots per inch
constexpr int kProgramIcon = 1;

COLORREF colorRef(const Rgb& c) {
    return RGB(c.red, c.green, c.blue);
}

Rgb rgb(COLORREF c) {
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
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

PixelRect pixelsOf(const RECT& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right - r.left),
            static_cast<int>(r.bottom - r.top)};
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

const PictureId& pictureId(std::string_view name) {
    const auto found = std::find_if(std::begin(kPictureIds), std::end(kPictureIds),
                                    [name](const PictureId& p) { return p.name == name; });
    if (found == std::end(kPictureIds)) {
        throw std::out_of_range("no such picture: " + std::string(name));
    }
    return *found;
}

// Replaces an owned handle only once the new one is in place: the old one is freed last.
template <typename Owner>
void replace(Owner& owner, Owner made) {
    owner.swap(made);
}

}  // namespace

Frame::Frame(const FormDesign& design, const Words& words, HINSTANCE instance, WNDPROC procedure,
             void* owner)
    : design_(design), words_(words), instance_(instance) {
    INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX),
                                ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&common);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance_;
    // Shared, never freed; the window's own icons, at its resolution, follow in layout().
    windowClass.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(kProgramIcon));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        fail("cannot register the window class");
    }
    window_.reset(CreateWindowExW(0, kWindowClass, wide(design_.caption).c_str(), kFrameStyle,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  nullptr, nullptr, instance_, owner));
    if (!window_) {
        fail("cannot make the window");
    }
    dpi_ = dpiOf(handle());
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, handle(), nullptr, instance_, nullptr);
    if (!tooltip_) {
        fail("cannot make the tooltips");
    }
}

// Each control its own group: the dialog keys move no focus between controls by arrows
// (the keyboard's focus rules do).
HWND Frame::addControl(const wchar_t* windowClass, DWORD style, std::string_view text) {
    const HWND hwnd = CreateWindowExW(0, windowClass, wide(text).c_str(),
                                      WS_CHILD | WS_VISIBLE | WS_GROUP | style, 0, 0, 0, 0,
                                      handle(), nullptr, instance_, nullptr);
    if (!hwnd) {
        fail("cannot make the controls");
    }
    return hwnd;
}

HWND Frame::addLabel(const ControlDesign& design) {
    const HWND hwnd =
        addControl(WC_STATICW, SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, design.caption);
    labels_.push_back({&design, hwnd, {}, {}});
    return hwnd;
}

// A button shows only its picture; its text is its name for screen readers, and what it
// does is its tooltip.
HWND Frame::addButton(const ControlDesign& design, DWORD style) {
    const HWND hwnd = addControl(WC_BUTTONW, style | BS_ICON, words_.text(design.accessibleName));
    buttons_.push_back({&design, hwnd, {}});
    const std::wstring tip = wide(words_.text(design.description));
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = handle();
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
    tool.lpszText = const_cast<wchar_t*>(tip.c_str());
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return hwnd;
}

SIZE Frame::frameSize(UINT dpi) const {
    const PixelRect client =
        pixelRect(0, 0, design_.clientWidth, design_.clientHeight, static_cast<double>(dpi));
    const RECT frame = frameFor(RECT{0, 0, client.width, client.height}, dpi);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void Frame::place() {
    const PixelRect client = pixelRect(design_.clientLeft, design_.clientTop, design_.clientWidth,
                                       design_.clientHeight, static_cast<double>(dpi_));
    const RECT frame = frameFor(
        RECT{client.left, client.top, client.left + client.width, client.top + client.height},
        dpi_);
    PixelRect placed = pixelsOf(frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &monitor)) {
        placed = keepWithin(placed, pixelsOf(monitor.rcWork));
    }
    SetWindowPos(handle(), nullptr, placed.left, placed.top, placed.width, placed.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<LRESULT> Frame::scaleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // WM_GETDPISCALEDSIZE (Windows 10 1607 and later), which MinGW's headers lack.
    constexpr UINT kGetDpiScaledSize = 0x02E4;
    if (message == kGetDpiScaledSize) {
        *reinterpret_cast<SIZE*>(lParam) = frameSize(static_cast<UINT>(wParam));
        return TRUE;  // the size is ours
    }
    if (message == WM_DPICHANGED) {
        dpi_ = LOWORD(wParam);
        layout();
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(handle(), nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    return std::nullopt;
}

void Frame::layout() {
    makeLabelFont();
    makeTooltipFont();
    setIcons();
    const int pictureSize = MulDiv(kPictureSize, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
    for (const Label& label : labels_) {
        place(label.hwnd, *label.design);
    }
    for (Button& button : buttons_) {
        place(button.hwnd, *button.design);
        loadPictures(button, pictureSize);
    }
}

void Frame::place(HWND control, const ControlDesign& d) const {
    const PixelRect r = pixelRect(d.left, d.top, d.width, d.height, static_cast<double>(dpi_));
    SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The designed face where Windows has it, as it does; else the stand-in, whose black
// weight GDI knows as a family of its own.
void Frame::makeLabelFont() {
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
    OwnedFont font(CreateFontW(
        -MulDiv(static_cast<int>(face.pointSize * 100), static_cast<int>(dpi_), 72 * 100), 0, 0, 0,
        weight, FALSE, FALSE, FALSE, characters, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
        CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, wide(family).c_str()));
    if (!font) {
        fail("cannot make the digits' face");
    }
    for (const Label& label : labels_) {
        SendMessageW(label.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    replace(labelFont_, std::move(font));
}

// The tooltips in the system's status face at the window's resolution.
void Frame::makeTooltipFont() {
    using ParametersForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    const auto forDpi = entryPoint<ParametersForDpi>(L"user32.dll", "SystemParametersInfoForDpi");
    const BOOL read =
        forDpi ? forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi_)
               : SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    if (!read) {
        return;  // the tooltips keep the face they have
    }
    OwnedFont font(CreateFontIndirectW(&metrics.lfStatusFont));
    if (!font) {
        fail("cannot make the tooltips' face");
    }
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    replace(tooltipFont_, std::move(font));
}

// The program's icon in the frame and on the taskbar, at the sizes of this resolution.
void Frame::setIcons() {
    OwnedIcon big = icon(kProgramIcon, metricForDpi(SM_CXICON, dpi_));
    OwnedIcon small = icon(kProgramIcon, metricForDpi(SM_CXSMICON, dpi_));
    SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    replace(bigIcon_, std::move(big));
    replace(smallIcon_, std::move(small));
}

OwnedIcon Frame::icon(int resource, int size) const {
    OwnedIcon made(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(resource), IMAGE_ICON,
                                                 size, size, LR_DEFAULTCOLOR)));
    if (!made) {
        fail("cannot load a picture");
    }
    return made;
}

// A picture as an image list of one image, which a button shows in every state as it
// is: a button's own greying would flatten it to a silhouette.
OwnedImageList Frame::pictureList(int resource, int size) const {
    OwnedImageList list(ImageList_Create(size, size, ILC_COLOR32, 1, 0));
    if (!list) {
        fail("cannot make a picture list");
    }
    const OwnedIcon picture = icon(resource, size);
    if (ImageList_AddIcon(list.get(), picture.get()) < 0) {
        fail("cannot make a picture list");
    }
    return list;
}

void Frame::loadPictures(Button& button, int size) {
    std::array<std::array<OwnedImageList, 2>, 2> made;
    const auto load = [&](std::string_view name, std::array<OwnedImageList, 2>& lists) {
        const PictureId& id = pictureId(name);
        lists[1] = pictureList(id.id, size);
        lists[0] = pictureList(id.disabledId, size);
    };
    load(button.design->picture, made[0]);
    if (!button.design->checkedPicture.empty()) {
        load(button.design->checkedPicture, made[1]);
    }
    button.pictures.swap(made);
    showPicture(button.hwnd);
    // `made` now holds the lists the button showed before, freed here, after the change.
}

void Frame::showPicture(HWND hwnd) {
    const Button* button = findButton(hwnd);
    if (!button) {
        return;
    }
    const bool checked = SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const auto& lists = button->pictures[checked && button->pictures[1][1] ? 1 : 0];
    BUTTON_IMAGELIST picture{};
    picture.himl = lists[IsWindowEnabled(hwnd) ? 1 : 0].get();
    picture.uAlign = BUTTON_IMAGELIST_ALIGN_CENTER;
    SendMessageW(hwnd, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&picture));
}

HBRUSH Frame::colourLabel(HWND hwnd, HDC dc) const {
    const auto label = std::find_if(labels_.begin(), labels_.end(),
                                    [hwnd](const Label& l) { return l.hwnd == hwnd; });
    if (label == labels_.end() || !label->background) {
        return nullptr;
    }
    SetTextColor(dc, colorRef(label->colours.text));
    SetBkColor(dc, colorRef(label->colours.background));
    return label->background.get();
}

void Frame::colourFields() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    std::optional<HighContrast> highContrast;
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
        (setting.dwFlags & HCF_HIGHCONTRASTON)) {
        highContrast =
            HighContrast{rgb(GetSysColor(COLOR_WINDOWTEXT)), rgb(GetSysColor(COLOR_WINDOW))};
    }
    for (Label& label : labels_) {
        label.colours = fieldColours(design_, *label.design, highContrast);
        label.background.reset(CreateSolidBrush(colorRef(label.colours.background)));
        InvalidateRect(label.hwnd, nullptr, TRUE);
    }
}

const Frame::Button* Frame::findButton(HWND hwnd) const {
    const auto found = std::find_if(buttons_.begin(), buttons_.end(),
                                    [hwnd](const Button& b) { return b.hwnd == hwnd; });
    return found == buttons_.end() ? nullptr : &*found;
}

const ControlDesign* Frame::buttonDesign(HWND hwnd) const {
    const Button* button = findButton(hwnd);
    return button ? button->design : nullptr;
}

}  // namespace quendal::win32
