#include "window/window_design.h"

#include <array>

namespace quendal {
namespace {

using enum ControlKind;

// Neighbours overlap by one pixel: Go and Reset, the four labels, the three modes.
// clang-format off
constexpr std::array kControls{
    // name, kind, left, top, width, height, tab index, enabled, value, caption, colour,
    // picture, checked picture, the words for people who cannot see them, option group
    ControlDesign{names::Go, CheckBox, 0, 0, 615, 495, 5, false, 1, {}, {}, "go", "go-lit",
                  "Run", "Hold or run the stopwatch display"},
    ControlDesign{names::Reset, CommandButton, 600, 0, 615, 495, 8, false, 0, {}, {}, "reset", {},
                  "Restart", "Restart the stopwatch from zero"},
    ControlDesign{names::Blue, Label, 1320, 0, 735, 495, 0, true, 0, "00", {0, 0, 255}, {}, {},
                  "Whole percent", "The Reading's whole percent"},
    ControlDesign{names::Red, Label, 2040, 0, 735, 495, 1, true, 0, "00", {255, 0, 0}, {}, {},
                  "First decimals", "The Reading's first and second decimals"},
    ControlDesign{names::Yellow, Label, 2760, 0, 735, 495, 2, true, 0, "00", {255, 255, 0}, {}, {},
                  "Middle decimals", "The Reading's third and fourth decimals"},
    ControlDesign{names::Green, Label, 3480, 0, 975, 495, 3, true, 0, "000", {0, 255, 0}, {}, {},
                  "Last decimals",
                  "The Reading's fifth to seventh decimals, or its power of ten when small"},
    ControlDesign{names::Alarm, CheckBox, 4560, 0, 615, 495, 4, true, 0, {}, {}, "alarm", {},
                  "Alarm", "Alarm: click to silence or disarm"},
    ControlDesign{names::Clock, OptionButton, 5400, 0, 615, 495, 6, true, 1, {}, {}, "clock", {},
                  "Clock", "Show the part of the day gone by", names::Modes},
    ControlDesign{names::StopWatch, OptionButton, 6000, 0, 615, 495, 7, true, 0, {}, {}, "stopwatch",
                  {}, "Stopwatch", "Show the time since the stopwatch was started", names::Modes},
    ControlDesign{names::Calendar, OptionButton, 6600, 0, 615, 495, 9, true, 0, {}, {}, "calendar", {},
                  "Calendar", "Show the part of the year gone by", names::Modes},
};
// clang-format on

constexpr FormDesign kWindow{
    .name = "Window",
    .caption = "Quendal",
    .state = WindowState::Minimized,
    .clientLeft = 2490,
    .clientTop = 7860,
    .clientWidth = 7215,
    .clientHeight = 495,
    .icon = "quendal",
    .labelFont = {"Arial Black", 20.25, 400, "Lato", 900},
    .controls = kControls,
    .timer = {names::Prog, 1, true},
};

}  // namespace

const FormDesign& windowDesign() {
    return kWindow;
}

}  // namespace quendal
