#pragma once

#include <chrono>
#include <cmath>
#include <functional>
#include <optional>

#include "platform/interface/monotonic.h"
#include "platform/rules/rate_limit.h"
#include "reading/reading.h"

namespace quendal {

// Hands a taskbar button what it can draw of the Reading: only when the drawing changes
// (a thousandth of the bar, or a new count), at most once a second, and at once after a
// change of mode. Every handover costs the desktop's taskbar a redraw.
class TaskbarProgress {
  public:
    using Show = std::function<void(const Progress&)>;
    static constexpr std::chrono::seconds kSpacing{1};
    static constexpr double kStep = 0.001;

    explicit TaskbarProgress(Show show) : show_(std::move(show)) {}

    // A refresh's figure. The time is read only when the drawing changes: most refreshes
    // change nothing a taskbar can draw.
    void offer(const Progress& progress, const ModeSelection& modes, const MonoClock& now) {
        const bool newMode = !shown_ || modes != modes_;
        if (!newMode && progress.count == shown_->count &&
            std::abs(progress.fraction - shown_->fraction) < kStep) {
            return;
        }
        if (!spacing_.admit(now()) && !newMode) {
            return;
        }
        shown_ = progress;
        modes_ = modes;
        show_(progress);
    }

  private:
    Show show_;
    RateLimit spacing_{kSpacing};
    std::optional<Progress> shown_;
    ModeSelection modes_;
};

}  // namespace quendal
