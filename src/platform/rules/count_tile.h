#pragma once

#include <functional>
#include <string>

#include "platform/interface/design.h"

namespace quendal {

// The whole percent on a square tile, as the taskbar button's overlay and the tray's icon
// both draw it: bold digits in the colour of the Reading's first field on white, within
// a grey frame; while the bell rings, white digits on that colour.
struct CountTile {
    // The digits are never drawn smaller than this, in pixels, however many there are.
    static constexpr int kSmallestDigits = 6;

    std::string text;
    Rgb background;
    Rgb digits;
    Rgb frame;

    // The height of the digits on a tile `size` pixels square: the tallest, down to the
    // smallest, whose width (as `widthAt` measures it, in the toolkit's bold face) leaves
    // the frame clear.
    int digitHeight(int size, const std::function<int(int height)>& widthAt) const;
};

CountTile countTile(const FormDesign& design, int count, bool ringing);

}  // namespace quendal
