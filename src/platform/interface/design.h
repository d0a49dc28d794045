#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "platform/interface/controls.h"
#include "platform/interface/words.h"

// A window as designed: what exists when it is created, before any handler runs.
// Positions and sizes are in twips, 1/1440 inch: 15 to a pixel on a screen of 96 dots
// per inch, 30 on one of 192.
namespace quendal {

// The program's name, as the user reads it: the restored window's caption, the tray's
// title, the title of the box that says why it cannot go on.
constexpr std::string_view kProgramName = "Quendal";

constexpr int kTwipsPerInch = 1440;
constexpr double kStandardDotsPerInch = 96.0;

// The nearest whole pixel to a position in twips, on a screen of `dotsPerInch`.
int pixelsFromTwips(int twips, double dotsPerInch);

struct PixelRect {
    int left, top, width, height;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Each edge is rounded on its own, so that controls that meet or overlap in twips meet or
// overlap in pixels at any resolution.
PixelRect pixelRect(int left, int top, int width, int height, double dotsPerInch);

// A window's place moved just enough to lie wholly within `available` (the screen's work
// area), where it fits; the designed place is kept on a screen large enough for it.
PixelRect keepWithin(PixelRect window, const PixelRect& available);

enum class ControlKind { Label, CheckBox, OptionButton, CommandButton };

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    int left, top, width, height;  // twips, from the client area's top-left corner
    int tabIndex;
    bool enabled = true;
    // Check box: 1 when checked. Option button: 1 when selected.
    int value = 0;
    // Label only: text and its colour.
    std::string_view caption = {};
    Rgb color = {};
    // Buttons only: the picture's name, and that of the one shown while checked (empty
    // when the same picture serves).
    std::string_view picture = {};
    std::string_view checkedPicture = {};
    // Words for people who cannot see the pictures: a short name, and what the control
    // does (also its tooltip).
    Text accessibleName = {};
    Text description = {};
    // Option button only: its group, of which exactly one is selected.
    std::string_view group = {};
    // Option button only: what the Reading means while it is selected, with the place of
    // the number ("%1 percent of the day").
    Text meaning = {};
    // Check box only: its name and description while checked, where they differ (the
    // ringing bell); the window says the same.
    Text checkedName = {};
    Text checkedDescription = {};
    // Check box only: while it is checked the window asks for the user's attention, where
    // the platform has a way to (a flashing taskbar button).
    bool asksAttention = false;
};

struct FontDesign {
    std::string_view family;
    double pointSize;
    int weight;  // 400 normal: the designed face is heavy in itself
    // Used where `family` is not installed: a face to stand in for it, at the weight that
    // makes it look like the designed one.
    std::string_view fallbackFamily;
    int fallbackWeight;
};

struct TimerDesign {
    std::string_view name;
    int intervalMs;
    bool enabled;
};

struct FormDesign {
    std::string_view name;
    std::string_view caption;
    WindowState state;
    int clientLeft, clientTop, clientWidth, clientHeight;  // twips, on the screen
    std::string_view icon;
    FontDesign labelFont;
    std::span<const ControlDesign> controls;
    TimerDesign timer;
};

// The controls that take the keyboard focus (all but labels), in the order of their tab
// indexes: the order Tab moves the focus in, and the focus starts on the first of them
// that is enabled.
std::vector<const ControlDesign*> focusOrder(const FormDesign& design);

}  // namespace quendal
