#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "platform/design.h"
#include "platform/form_model.h"
#include "platform/window_speech.h"

namespace quendal::win32 {

// Windows' UTF-16 from the program's UTF-8.
std::wstring wide(std::string_view text);

// The window and its controls on the plain Win32 API. The rules live in the models;
// this class makes the windows, shows the models' state on them and passes the
// messages on. Its message loop waits on two high-resolution waitable timers, the
// refresh timer's and the pacer's, beside the window messages.
class Win32FormHost final : public ModelHost {
  public:
    Win32FormHost(const FormDesign& design, HINSTANCE instance, MonoClock now = steadyNow);
    ~Win32FormHost() override;
    Win32FormHost(const Win32FormHost&) = delete;
    Win32FormHost& operator=(const Win32FormHost&) = delete;

  protected:
    int exec() override;

  private:
    struct Control {
        const ControlDesign* design = nullptr;
        HWND hwnd = nullptr;
        HICON picture = nullptr;
        HICON checkedPicture = nullptr;
    };

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void createWindow();
    void createControls();
    void createModels();
    void placeWindow();
    void layout();
    void loadPictures(Control& control);
    void showPicture(const Control& control, bool checked);
    void showChecked(const Control& control, bool checked);
    void applyState(WindowState state);
    void show();
    void clicked(HWND child);
    bool navigate(const MSG& message);
    void moveFocusFrom(const Control& control, bool forward);
    bool canTakeFocus(const Control& control);
    void serviceTimers();
    Control* controlOf(HWND hwnd);

    const FormDesign& design_;
    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    HFONT font_ = nullptr;
    UINT dpi_ = 96;
    std::vector<Control> controls_;
    HWND focus_ = nullptr;
    // The state the window is to be shown in, until its first showing.
    WindowState firstState_;
    bool shown_ = false;
    HANDLE progTimer_ = nullptr;
    HANDLE frameTimer_ = nullptr;
    bool coarseTimers_ = false;
    TimerModel* prog_ = nullptr;
    // A failure inside a handler, carried out of the window procedure to exec.
    std::exception_ptr failure_;
};

}  // namespace quendal::win32
