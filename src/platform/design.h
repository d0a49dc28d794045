#pragma once

#include <span>
#include <string_view>

#include "platform/controls.h"

// A window as designed: what exists when it is created, before any handler runs.
// Positions and sizes are in twips, 1/1440 inch, 15 to a logical pixel.
namespace quendal {

constexpr int kTwipsPerPixel = 15;
constexpr int pixelsFromTwips(int twips) {
    return twips / kTwipsPerPixel;
}

enum class ControlKind { Label, CheckBox, OptionButton, CommandButton };

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
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
    std::string_view accessibleName = {};
    std::string_view description = {};
};

struct FontDesign {
    std::string_view family;
    double pointSize;
    int weight;  // 400 normal
    // Used where `family` is not installed: a heavy face to stand in for it.
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

}  // namespace quendal
