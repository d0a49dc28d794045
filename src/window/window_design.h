#pragma once

#include <string_view>

#include "platform/interface/design.h"

namespace quendal {

// The names of the window's controls, written once for the design table and the
// handlers alike, so that a misspelt name does not compile.
namespace names {
inline constexpr std::string_view Go = "Go";
inline constexpr std::string_view Reset = "Reset";
inline constexpr std::string_view Blue = "Blue";
inline constexpr std::string_view Red = "Red";
inline constexpr std::string_view Yellow = "Yellow";
inline constexpr std::string_view Green = "Green";
inline constexpr std::string_view Alarm = "Alarm";
inline constexpr std::string_view Clock = "Clock";
inline constexpr std::string_view StopWatch = "StopWatch";
inline constexpr std::string_view Calendar = "Calendar";
inline constexpr std::string_view Prog = "Prog";
inline constexpr std::string_view Modes = "Modes";  // the option group
}  // namespace names

// The strip window as designed: ten controls in one row and the refresh timer.
const FormDesign& windowDesign();

}  // namespace quendal
