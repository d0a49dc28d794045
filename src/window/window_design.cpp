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
                  .accessibleName = translatable("Strip", "Run"),
                  .description = translatable("Strip", "Hold or run the stopwatch display")},
    ControlDesign{.name = names::Reset,
                  .kind = CommandButton,
                  .left = 600, .top = 0, .width = 615, .height = 495,
                  .tabIndex = 8,
                  .enabled = false,
                  .picture = "reset",
                  .accessibleName = translatable("Strip", "Restart"),
                  .description = translatable("Strip", "Restart the stopwatch from zero")},
    ControlDesign{.name = names::Blue,
                  .kind = Label,
                  .left = 1320, .top = 0, .width = 735, .height = 495,
                  .tabIndex = 0,
                  .caption = "00",
                  .color = {0, 0, 255},
                  .accessibleName = translatable("Strip", "Whole percent"),
                  .description = translatable("Strip", "The Reading's whole percent")},
    ControlDesign{.name = names::Red,
                  .kind = Label,
                  .left = 2040, .top = 0, .width = 735, .height = 495,
                  .tabIndex = 1,
                  .caption = "00",
                  .color = {255, 0, 0},
                  .accessibleName = translatable("Strip", "First decimals"),
                  .description =
                      translatable("Strip", "The Reading's first and second decimals")},
    ControlDesign{.name = names::Yellow,
                  .kind = Label,
                  .left = 2760, .top = 0, .width = 735, .height = 495,
                  .tabIndex = 2,
                  .caption = "00",
                  .color = {255, 255, 0},
                  .accessibleName = translatable("Strip", "Middle decimals"),
                  .description =
                      translatable("Strip", "The Reading's third and fourth decimals")},
    ControlDesign{
        .name = names::Green,
        .kind = Label,
        .left = 3480, .top = 0, .width = 975, .height = 495,
        .tabIndex = 3,
        .caption = "000",
        .color = {0, 255, 0},
        .accessibleName = translatable("Strip", "Last decimals"),
        .description = translatable(
            "Strip", "The Reading's fifth to seventh decimals, or its power of ten when small")},
    ControlDesign{.name = names::Alarm,
                  .kind = CheckBox,
                  .left = 4560, .top = 0, .width = 615, .height = 495,
                  .tabIndex = 4,
                  .picture = "alarm",
                  .accessibleName = translatable("Strip", "Alarm"),
                  .description = translatable("Strip", "Alarm: click to silence or disarm"),
                  .checkedName = translatable("Strip", "Alarm ringing"),
                  .checkedDescription = translatable(
                      "Strip",
                      "The alarm is ringing: click the bell, or press space on it, to silence it"),
                  .asksAttention = true},
    ControlDesign{.name = names::Clock,
                  .kind = OptionButton,
                  .left = 5400, .top = 0, .width = 615, .height = 495,
                  .tabIndex = 6,
                  .value = 1,
                  .picture = "clock",
                  .accessibleName = translatable("Strip", "Clock"),
                  .description = translatable("Strip", "Show the part of the day gone by"),
                  .group = names::Modes,
                  .meaning = translatable("Strip", "%1 percent of the day")},
    ControlDesign{.name = names::StopWatch,
                  .kind = OptionButton,
                  .left = 6000, .top = 0, .width = 615, .height = 495,
                  .tabIndex = 7,
                  .picture = "stopwatch",
                  .accessibleName = translatable("Strip", "Stopwatch"),
                  .description =
                      translatable("Strip", "Show the time since the stopwatch was started"),
                  .group = names::Modes,
                  .meaning = translatable("Strip", "%1 percent of the stop watch run")},
    ControlDesign{.name = names::Calendar,
                  .kind = OptionButton,
                  .left = 6600, .top = 0, .width = 615, .height = 495,
                  .tabIndex = 9,
                  .picture = "calendar",
                  .accessibleName = translatable("Strip", "Calendar"),
                  .description = translatable("Strip", "Show the part of the year gone by"),
                  .group = names::Modes,
                  .meaning = translatable("Strip", "%1 percent of the year")},
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
