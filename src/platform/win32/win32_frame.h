#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <vector>

#include "platform/interface/design.h"
#include "platform/rules/field_colours.h"
#include "platform/win32/handles.h"

namespace quendal::win32 {

// The window of a design and its controls as Windows draws them: a fixed frame with a
// caption, a minimise box and a close box, the client area exactly the controls' extent;
// static labels in the designed face and colours; push-like buttons that show only their
// picture, greyed while disabled; tooltips. All at the window's resolution: at 150 % or
// 200 % the strip scales as a whole.
class Frame {
  public:
    // Messages go to `procedure`, whose window data is `owner`, from the first one on.
    Frame(const FormDesign& design, const Words& words, HINSTANCE instance, WNDPROC procedure,
          void* owner);

    HWND handle() const { return window_.get(); }
    // Destroys the window now, as the user's closing does.
    void destroy() { window_.reset(); }
    // The small icon's size at the window's resolution.
    int smallIconSize() const { return metricForDpi(SM_CXSMICON, dpi_); }

    // Makes a label of the design.
    HWND addLabel(const ControlDesign& design);
    // Makes a button of the design that shows only its picture, of the button styles given
    // (BS_...): a check box, an option or a push button.
    HWND addButton(const ControlDesign& design, DWORD style);
    // The design of a button made here; null for any other window.
    const ControlDesign* buttonDesign(HWND hwnd) const;
    // The faces, pictures, places and icons at the window's resolution.
    void layout();
    // The designed place, moved just enough to lie wholly on its screen.
    void place();
    // The window's scale, which the frame alone decides: Windows asks the frame's size at
    // a resolution before changing to it, then says the change is made. Answers either
    // message (anything else is none); a change lays the window out anew and puts it where
    // Windows suggests.
    std::optional<LRESULT> scaleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Shows a button's picture as it stands: checked or not, enabled or greyed.
    void showPicture(HWND button);
    // Colours a label; null when `control` is no label.
    HBRUSH colourLabel(HWND control, HDC dc) const;
    // The labels' colours afresh, from the system's high-contrast setting and colours; the
    // labels are drawn again.
    void colourFields();

  private:
    struct Label {
        const ControlDesign* design;
        HWND hwnd;
        FieldColours colours;
        OwnedBrush background;
    };
    struct Button {
        const ControlDesign* design;
        HWND hwnd;
        // A picture per state, [checked][enabled]; a button with one picture has none checked.
        std::array<std::array<OwnedImageList, 2>, 2> pictures;
    };

    HWND addControl(const wchar_t* windowClass, DWORD style, std::string_view text);
    void place(HWND control, const ControlDesign& design) const;
    const Button* findButton(HWND hwnd) const;
    OwnedImageList pictureList(int resource, int size) const;
    OwnedIcon icon(int resource, int size) const;
    void loadPictures(Button& button, int size);
    void makeLabelFont();
    void makeTooltipFont();
    void setIcons();
    // The frame that holds the client area at `dpi`.
    SIZE frameSize(UINT dpi) const;

    const FormDesign& design_;
    const Words& words_;
    HINSTANCE instance_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    // Freed after the window, whose controls use them.
    OwnedFont labelFont_;
    OwnedFont tooltipFont_;
    OwnedIcon bigIcon_;
    OwnedIcon smallIcon_;
    std::vector<Label> labels_;
    std::vector<Button> buttons_;
    OwnedWindow window_;
    HWND tooltip_ = nullptr;  // the window's own: it goes with it
};

}  // namespace quendal::win32
