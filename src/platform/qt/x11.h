#pragma once

#include <chrono>
#include <optional>

// What the binding asks of the X server directly, through Xlib, which no other file uses.
namespace quendal::qt {

// Whether the display named by DISPLAY can be opened; where it cannot, Qt would abort.
bool canOpenX11Display();

// How long the X server's bell sounds, where the desktop is an X display that says.
std::optional<std::chrono::milliseconds> x11BellDuration();

}  // namespace quendal::qt
