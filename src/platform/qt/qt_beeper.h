#pragma once

#include "platform/bell_throttle.h"
#include "platform/controls.h"

namespace quendal::qt {

// The desktop's bell, one at a time.
class QtBeeper final : public Beeper {
  public:
    QtBeeper();
    void beep() override;

  private:
    BellThrottle throttle_;
};

}  // namespace quendal::qt
