#pragma once

#include <windows.h>
// After windows.h, whose types it uses.
#include <shobjidl.h>

#include <functional>
#include <optional>

#include "platform/interface/design.h"
#include "platform/win32/handles.h"
#include "reading/reading.h"

namespace quendal::win32 {

// The taskbar button's bar and count (Windows 7 and later): the bar shows the part of the
// day, the year or the stopwatch's day gone by, and an overlay icon the whole percent, in
// the colour of the label that shows it, drawn here at the small icon size. Windows says
// when the button exists, and again after Explorer restarts (TaskbarButtonCreated); until
// then nothing is sent, and what was last asked for is sent then.
class TaskbarButton {
  public:
    // `iconSize`: the small icon's size at the window's resolution, which the frame keeps.
    TaskbarButton(HWND window, const FormDesign& design, std::function<int()> iconSize);

    // The message by which Windows says the button exists.
    UINT createdMessage() const { return created_; }
    void buttonCreated();
    void show(const Progress& progress);
    // The window's resolution has changed: the overlay is drawn again at its new size.
    void scaleChanged();

  private:
    void sendBar();
    void sendCount();

    HWND window_;
    const FormDesign& design_;
    std::function<int()> iconSize_;
    UINT created_;
    ComOwned<ITaskbarList3> list_;
    std::optional<Progress> wanted_;
    OwnedIcon overlay_;
    int overlayCount_ = -1;
};

}  // namespace quendal::win32
