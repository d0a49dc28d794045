#pragma once

#include "platform/qt/dbus/tray_wire_types.h"
#include "platform/rules/count_tile.h"

namespace quendal::qt {

// The count's tile drawn `size` pixels square, as the tray's protocol carries a picture.
IconPixmap drawTile(const CountTile& tile, int size);

}  // namespace quendal::qt
