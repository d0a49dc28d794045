#pragma once

#include <functional>
#include <string_view>

#include "reading/reading.h"

// What the window's handlers can do to the window and its controls, and the events
// they hear, whatever toolkit draws them. A binding per toolkit implements these.
namespace quendal {

using EventHandler = std::function<void()>;

// Raises an event: runs its handler, if one is set.
inline void raiseEvent(const EventHandler& handler) {
    if (handler) {
        handler();
    }
}

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

class Form {
  public:
    virtual ~Form() = default;

    // The title bar and taskbar text, exactly as given (UTF-8). It reaches the screen
    // within one frame; setting the text it already has costs nothing.
    virtual void setCaption(std::string_view caption) = 0;
    // The Reading of the latest refresh, in the modes it was measured in, for what tells
    // of it other than the window's texts: a screen reader, the taskbar button.
    virtual void setReading(const Reading& reading, const ModeSelection& modes) = 0;
    virtual WindowState windowState() const = 0;
    // Applies at once: windowState() returns the new state as soon as this returns, and
    // a change raises Resize before this returns. Normal also brings the window up in
    // front of the others. Setting the state it already has does nothing.
    virtual void setWindowState(WindowState state) = 0;

    // Load: once, before the window is first shown.
    virtual void onLoad(EventHandler handler) = 0;
    // Resize: at the first showing and after every change of state, whether the user or
    // the program made it; once per change. The window is of fixed size, so a change of
    // state is the only change there is. A full-screen window counts as Normal: its
    // controls are on show.
    virtual void onResize(EventHandler handler) = 0;
    // Unload: when the user closes the window. Afterwards the window is destroyed and
    // the program ends.
    virtual void onUnload(EventHandler handler) = 0;
};

class Label {
  public:
    virtual ~Label() = default;
    // Text in UTF-8. It reaches the screen within one frame; setting the text it already
    // has costs nothing.
    virtual void setCaption(std::string_view caption) = 0;
};

// A two-state button that stays pressed while checked.
class CheckBox {
  public:
    virtual ~CheckBox() = default;
    virtual int value() const = 0;  // 0 unchecked, 1 checked
    virtual void setValue(int value) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    // Click: once per actual change of the value, made by the user (click or space on
    // the focused box) or by the program through setValue.
    virtual void onClick(EventHandler handler) = 0;
};

// One of a group of buttons of which exactly one is selected.
class OptionButton {
  public:
    virtual ~OptionButton() = default;
    virtual bool selected() const = 0;
    // Click: after the user has selected it, also when it was selected already.
    virtual void onClick(EventHandler handler) = 0;
};

class CommandButton {
  public:
    virtual ~CommandButton() = default;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    // Free text for the program's own use; empty at creation.
    virtual std::string_view tag() const = 0;
    virtual void setTag(std::string_view tag) = 0;
    virtual void onClick(EventHandler handler) = 0;
};

// Fires on the window's thread, as often as its interval and the platform allow, while
// enabled.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual bool enabled() const = 0;
    // Enabling a timer that already runs changes nothing: it keeps its rhythm.
    virtual void setEnabled(bool enabled) = 0;
    virtual void onTimer(EventHandler handler) = 0;
};

class Beeper {
  public:
    virtual ~Beeper() = default;
    // Sounds the platform's alert once. A beep asked for while the previous one still
    // sounds is dropped, not queued.
    virtual void beep() = 0;
};

}  // namespace quendal
