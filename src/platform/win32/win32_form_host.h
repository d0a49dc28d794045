#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <optional>

#include "platform/interface/design.h"
#include "platform/rules/form_model.h"
#include "platform/rules/speech.h"
#include "platform/win32/win32_accessibility.h"
#include "platform/win32/win32_audience_watch.h"
#include "platform/win32/win32_focus.h"
#include "platform/win32/win32_frame.h"
#include "platform/win32/win32_taskbar.h"
#include "platform/win32/win32_timers.h"

namespace quendal::win32 {

// The window and its controls on the plain Win32 API. The rules live in the models; this
// class makes the controls through Frame, shows the models' state on them, and
// passes the window's messages on, one small member each.
class Win32FormHost final : public ModelHost, private ControlMaker {
  public:
    Win32FormHost(const FormDesign& design, const Words& words, HINSTANCE instance,
                  MonoClock now = steadyNow);
    Win32FormHost(const Win32FormHost&) = delete;
    Win32FormHost& operator=(const Win32FormHost&) = delete;

  protected:
    int exec() override;

  private:
    PacedText::Show makeLabel(const ControlDesign& design) override;
    CheckBoxModel::Port makeCheckBox(const ControlDesign& design) override;
    std::function<void(bool)> makeOptionButton(const ControlDesign& design) override;
    std::function<void(bool)> makeCommandButton(const ControlDesign& design) override;
    TimerModel::Port makeTimer(const TimerDesign& design) override;
    std::function<void(bool)> showEnabled(HWND control);

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> userMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void systemMessage(UINT message);
    void clicked(HWND control);
    void sized(WPARAM kind);
    void activated(WPARAM how);
    void readRefreshRate();
    void closed();

    void applyState(WindowState state);
    void bringUp();
    void show();

    TimerModel* prog_ = nullptr;
    // The state the window is to be shown in, until its first showing.
    WindowState firstState_;
    bool shown_ = false;
    bool placeOnRestore_ = false;
    bool flashing_ = false;
    bool ready_ = false;
    HMONITOR monitor_ = nullptr;
    // A failure inside a message, carried out of the window procedure to exec.
    std::exception_ptr failure_;
    ComApartment com_;
    TimerLoop timers_;
    Speech speech_;
    Frame window_;
    KeyboardFocus focus_;
    TaskbarButton taskbar_;
    // The controls as made, for the screen reader's view.
    std::vector<ScreenReaderView::Control> made_;
    // Ended with the window, before it goes (closed()).
    std::optional<AudienceWatch> audienceWatch_;
    std::optional<ScreenReaderView> screenReader_;
};

}  // namespace quendal::win32
