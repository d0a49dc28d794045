#include "platform/rules/count_tile.h"

#include "platform/rules/field_colours.h"

namespace quendal {

int CountTile::digitHeight(int size, const std::function<int(int height)>& widthAt) const {
    for (int height = size; height > kSmallestDigits; --height) {
        if (widthAt(height) <= size - 2) {
            return height;
        }
    }
    return kSmallestDigits;
}

CountTile countTile(const FormDesign& design, int count, bool ringing) {
    constexpr Rgb kWhite{255, 255, 255};
    constexpr Rgb kGrey{128, 128, 128};
    const Rgb colour = countColour(design);
    return {std::to_string(count), ringing ? colour : kWhite, ringing ? kWhite : colour, kGrey};
}

}  // namespace quendal
