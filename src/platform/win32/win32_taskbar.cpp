#include "platform/win32/win32_taskbar.h"

#include "platform/rules/count_tile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quendal::win32 {
namespace {

constexpr ULONGLONG kBarSteps = 1000;

COLORREF colorref(const Rgb& c) {
    return RGB(c.red, c.green, c.blue);
}

OwnedFont boldFace(int height) {
    return OwnedFont(CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                 DEFAULT_PITCH | FF_SWISS, L"Arial"));
}

// The bold face in which the count fits its tile.
OwnedFont fittedFace(HDC dc, const CountTile& count, int size) {
    const std::wstring text(count.text.begin(), count.text.end());
    return boldFace(count.digitHeight(size, [&](int height) {
        const OwnedFont measured = boldFace(height);
        const HGDIOBJ plain = SelectObject(dc, measured.get());
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, plain);
        return static_cast<int>(extent.cx);
    }));
}

// The count's tile, legible on a taskbar of any colour.
OwnedIcon drawCount(const CountTile& count, int size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;  // top down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    OwnedBitmap picture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const std::vector<std::uint16_t> opaque(
        static_cast<std::size_t>((size + 15) / 16) * static_cast<std::size_t>(size), 0);
    OwnedBitmap mask(CreateBitmap(size, size, 1, 1, opaque.data()));
    OwnedDC dc(CreateCompatibleDC(nullptr));
    if (!picture || !mask || !dc) {
        fail("cannot draw the taskbar's count");
    }
    const HGDIOBJ before = SelectObject(dc.get(), picture.get());
    RECT tile{0, 0, size, size};
    OwnedBrush background(CreateSolidBrush(colorref(count.background)));
    OwnedBrush frame(CreateSolidBrush(colorref(count.frame)));
    FillRect(dc.get(), &tile, background.get());
    FrameRect(dc.get(), &tile, frame.get());
    const std::wstring text(count.text.begin(), count.text.end());
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), colorref(count.digits));
    const OwnedFont drawn = fittedFace(dc.get(), count, size);
    const HGDIOBJ plain = SelectObject(dc.get(), drawn.get());
    DrawTextW(dc.get(), text.c_str(), -1, &tile, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc.get(), plain);
    SelectObject(dc.get(), before);
    GdiFlush();
    // GDI draws no alpha: every pixel of the tile is opaque.
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int i = 0; i < size * size; ++i) {
        pixels[i] |= 0xFF000000U;
    }
    ICONINFO icon{TRUE, 0, 0, mask.get(), picture.get()};
    OwnedIcon made(CreateIconIndirect(&icon));
    if (!made) {
        fail("cannot draw the taskbar's count");
    }
    return made;
}

}  // namespace

TaskbarButton::TaskbarButton(HWND window, const FormDesign& design, std::function<int()> iconSize)
    : window_(window),
      design_(design),
      iconSize_(std::move(iconSize)),
      created_(RegisterWindowMessageW(L"TaskbarButtonCreated")) {
    // Also when the program runs with more rights than Explorer.
    ChangeWindowMessageFilterEx(window_, created_, MSGFLT_ALLOW, nullptr);
}

void TaskbarButton::buttonCreated() {
    if (!list_) {
        void* made = nullptr;
        if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_ITaskbarList3, &made))) {
            return;  // no taskbar that draws bars: the caption still tells
        }
        list_.reset(static_cast<ITaskbarList3*>(made));
        if (FAILED(list_->HrInit())) {
            list_.reset();
            return;
        }
    }
    overlayCount_ = -1;
    sendBar();
    sendCount();
}

void TaskbarButton::show(const Progress& progress) {
    wanted_ = progress;
    sendBar();
    sendCount();
}

void TaskbarButton::scaleChanged() {
    overlayCount_ = -1;
    sendCount();
}

void TaskbarButton::sendBar() {
    if (!list_ || !wanted_) {
        return;
    }
    list_->SetProgressState(window_, TBPF_NORMAL);
    list_->SetProgressValue(window_, static_cast<ULONGLONG>(wanted_->fraction * kBarSteps + 0.5),
                            kBarSteps);
}

// A new overlay only for a new count: it is drawn and handed over once, and the one it
// replaces freed after.
void TaskbarButton::sendCount() {
    if (!list_ || !wanted_ || wanted_->count == overlayCount_) {
        return;
    }
    OwnedIcon overlay = drawCount(countTile(design_, wanted_->count, false), iconSize_());
    const std::wstring said = std::to_wstring(wanted_->count) + L" percent";
    list_->SetOverlayIcon(window_, overlay.get(), said.c_str());
    overlay_.swap(overlay);
    overlayCount_ = wanted_->count;
}

}  // namespace quendal::win32
