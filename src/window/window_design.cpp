#include "window/window_design.h"

#include <array>

namespace quendal {
namespace {

using enum ControlKind;

// Neighbours overlap by one pixel: Go and Reset, the four labels, the three modes.
constexpr std::array kControls{
    // name, kind, left, top, width, height, tab index, enabled, value, caption, colour, pictures
    ControlDesign{"Go", CheckBox, 0, 0, 615, 495, 5, false, 1, {}, {}, "go", "go-lit"},
    ControlDesign{"Reset", CommandButton, 600, 0, 615, 495, 8, false, 0, {}, {}, "reset"},
    ControlDesign{"Blue", Label, 1320, 0, 735, 495, 0, true, 0, "00", {0, 0, 255}},
    ControlDesign{"Red", Label, 2040, 0, 735, 495, 1, true, 0, "00", {255, 0, 0}},
    ControlDesign{"Yellow", Label, 2760, 0, 735, 495, 2, true, 0, "00", {255, 255, 0}},
    ControlDesign{"Green", Label, 3480, 0, 975, 495, 3, true, 0, "000", {0, 255, 0}},
    ControlDesign{"Alarm", CheckBox, 4560, 0, 615, 495, 4, true, 0, {}, {}, "alarm"},
    ControlDesign{"Clock", OptionButton, 5400, 0, 615, 495, 6, true, 1, {}, {}, "clock"},
    ControlDesign{"StopWatch", OptionButton, 6000, 0, 615, 495, 7, true, 0, {}, {}, "stopwatch"},
    ControlDesign{"Calendar", OptionButton, 6600, 0, 615, 495, 9, true, 0, {}, {}, "calendar"},
};

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
    .timer = {"Prog", 1, true},
};

}  // namespace

const FormDesign& windowDesign() { return kWindow; }

}  // namespace quendal
