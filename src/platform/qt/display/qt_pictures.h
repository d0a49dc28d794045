#pragma once

#include <QIcon>
#include <string_view>

// The project's pictures, rendered from their SVG drawings at build time.
namespace quendal::qt {

// The window's icon, every size offered to the taskbar.
QIcon windowIcon(std::string_view name);

// A button's picture, and the one it shows while checked (none: the same); read when it
// is first drawn, so that a clock that starts in the taskbar reads none until restored.
QIcon buttonPicture(std::string_view name, std::string_view checkedPicture);

}  // namespace quendal::qt
