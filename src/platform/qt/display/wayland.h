#pragma once

#include <string_view>

// What the binding asks of a Wayland display before Qt connects to it.
namespace quendal::qt {

// Whether a compositor answers at the display named `display` (WAYLAND_DISPLAY: a socket
// in XDG_RUNTIME_DIR, or a path); where none does, Qt would abort.
bool canConnectToWayland(std::string_view display);

// Whether Qt's Wayland platform is installed; where it is not, Qt would abort.
bool waylandPlatformInstalled();

}  // namespace quendal::qt
