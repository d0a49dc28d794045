#pragma once

#include "platform/clock.h"

namespace quendal {

// The operating system's wall clock in the local time zone.
class SystemClock final : public Clock {
public:
    LocalTime now() const override;
};

}  // namespace quendal
