#pragma once

#include <oleacc.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/interface/design.h"
#include "platform/rules/form_model.h"
#include "platform/rules/notice.h"
#include "platform/rules/speech.h"
#include "platform/rules/text_pacer.h"

namespace quendal::win32 {

class StripAccessible;

// What a Windows screen reader finds in the client area, as a Linux one finds it through
// AT-SPI: the six buttons with their names and states (checked, pressed, unavailable) and,
// between them, the strip of digits as one status bar whose name is the Reading said in
// the user's language, at the moment it is asked. Answers WM_GETOBJECT with the
// platform's own accessibility objects. Once a reader has asked, it is told of a new
// Reading at most once a second (kSpokenChangesPerSecond), nothing while nobody can see
// the screen, and of each change of a button's name or state (the ringing bell) at once.
class ScreenReaderView {
  public:
    // A control of the design and its window, in the order they stand in the strip.
    struct Control {
        const ControlDesign* design;
        HWND hwnd;
    };

    ScreenReaderView(HWND window, std::vector<Control> controls, ModelHost& host, Speech& speech,
                     MonoClock now);
    ScreenReaderView(const ScreenReaderView&) = delete;
    ScreenReaderView& operator=(const ScreenReaderView&) = delete;
    ~ScreenReaderView();

    // WM_GETOBJECT and the pacer's WM_TIMER; nothing for any other message.
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Each refresh's Reading has been set.
    void readingChanged();

  private:
    void changed();

    HWND window_;
    StripAccessible* strip_;
    bool asked_ = false;
    TextPacer pacer_;
    SpokenWords reading_;
    std::vector<std::optional<std::string>> told_;
    Notice<>::Subscription changes_;
    Audience::Listening pace_;
};

}  // namespace quendal::win32
