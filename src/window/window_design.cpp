#include "window/window_design.h"

#include <array>

namespace quendal {
namespace {

using enum ControlKind;

// Neighbours overlap by one pixel: Go and Reset, the four labels, the three modes.
// clang-format off
constexpr std::array kControls{
    ControlDesign{.name = names::Go,
                  .kind = CheckBox,
                  .left = 0, .top = 0, .width = 615, .height = 495,
                  .tabIndex = 5,
                  .enabled = false,
                  .value = 1,
                  .picture = "go",
                  .checkedPicture = "go-lit",
                  .accessibleName = "Run",
                  .description = "Hold or run the stopwatch display"},
    ControlDesign{.name = names::Reset,
                  .kind = CommandButton,
                  .left = 600, .top = 0, .width = 615, .height = 495,
                  .tabIndex = 8,
                  .enabled = false,
                  .picture = "reset",
                  .accessibleName = "Restart",
                  .description = "Restart the stopwatch from zero"},
    ControlDesign{.name = names::Blue,
                  .kind = Label,
                  .left = 1320, .top = 0, .width = 735, .height = 495,
                  .tabIndex = 0,
                  .caption = "00",
                  .color = {0, 0, 255},
                  .accessibleName = "Whole percent",
                  .description = "The Reading's whole percent"},
    ControlDesign{.name = names::Red,
                  .kind = Label,
                  .left = 2040, .top = 0, .width = 735, .height = 495,
                  .tabIndex = 1,
                  .caption = "00",
                  .color = {255, 0, 0},
                  .accessibleName = "First decimals",
                  .description = "The Reading's first and second decimals"},
    ControlDesign{.name = names::Yellow,
                  .kind = Label,
                  .left = 2760, .top = 0, .width = 735, .height = 495,
                  .tabIndex = 2,
                  .caption = "00",
                  .color = {255, 255, 0},
                  .accessibleName = "Middle decimals",
                  .description = "The Reading's third and fourth decimals"},
    ControlDesign{
        .name = names::Green,
        .kind = Label,
        .left = 3480, .top = 0, .width = 975, .height = 495,
        .tabIndex = 3,
        .caption = "000",
        .color = {0, 255, 0},
        .accessibleName = "Last decimals",
        .description = "The Reading's fifth to seventh decimals, or its power of ten when small"},
    ControlDesign{.name = names::Alarm,
                  .kind = CheckBox,
                  .left = 4560, .top = 0, .width = 615, .height = 495,
                  .tabIndex = 4,
                  .picture = "alarm",
                  .accessibleName = "Alarm",
                  .description = "Alarm: click to silence or disarm",
                  .checkedName = "Alarm ringing",
                  .checkedDescription =
                      "The alarm is ringing: click the bell, or press space on it, to silence it",
                  .asksAttention = true},
    ControlDesign{.name = names::Clock,
                  .kind = OptionButton,
                  .left = 5400, .top = 0, .width = 615, .height = 495,
                  .tabIndex = 6,
                  .value = 1,
                  .picture = "clock",
                  .accessibleName = "Clock",
                  .description = "Show the part of the day gone by",
                  .group = names::Modes,
                  .meaning = "percent of the day"},
    ControlDesign{.name = names::StopWatch,
                  .kind = OptionButton,
                  .left = 6000, .top = 0, .width = 615, .height = 495,
                  .tabIndex = 7,
                  .picture = "stopwatch",
                  .accessibleName = "Stopwatch",
                  .description = "Show the time since the stopwatch was started",
                  .group = names::Modes,
                  .meaning = "percent of the stop watch run"},
    ControlDesign{.name = names::Calendar,
                  .kind = OptionButton,
                  .left = 6600, .top = 0, .width = 615, .height = 495,
                  .tabIndex = 9,
                  .picture = "calendar",
                  .accessibleName = "Calendar",
                  .description = "Show the part of the year gone by",
                  .group = names::Modes,
                  .meaning = "percent of the year"},
};
// clang-format on

constexpr FormDesign kWindow{
    .name = "Window",
    .caption = kProgramName,
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
