#pragma once

#include "platform/wall_clock.h"

namespace quendal {

// The operating system's wall clock in the local time zone.
class SystemClock final : public WallClock {
  public:
    LocalTime now() const override;
};

}  // namespace quendal
