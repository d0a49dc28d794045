#pragma once

#include <cstdint>

namespace quendal {

// Rounds to the nearest 32-bit integer, halves to the even neighbour (2.5 gives 2,
// 3.5 gives 4). Values beyond the integer's range give its nearest limit, NaN gives 0.
std::int32_t roundToInt32(double value) noexcept;

}  // namespace quendal
