// The real program, built from the same parts, with its clock wrapped so that the
// refreshes can be counted: every refresh reads the clock exactly once. Prints the count
// once a second, from the clock itself, so that the probe needs no toolkit of its own.
#include <chrono>
#include <cstdio>

#include "platform/interface/form_host.h"
#include "window/window.h"
#include "window/window_design.h"

namespace {

class CountingClock final : public quendal::WallClock {
  public:
    explicit CountingClock(const quendal::WallClock& clock) : clock_(clock) {}
    quendal::LocalTime now() const override {
        ++reads_;
        const auto at = std::chrono::steady_clock::now();
        if (at - reported_ >= std::chrono::seconds(1)) {
            reported_ = at;
            std::printf("refreshes %ld\n", reads_);
            std::fflush(stdout);
        }
        return clock_.now();
    }

  private:
    const quendal::WallClock& clock_;
    mutable long reads_ = 0;
    mutable std::chrono::steady_clock::time_point reported_ = std::chrono::steady_clock::now();
};

}  // namespace

int main(int argc, char** argv) {
    auto runtime = quendal::createRuntime(argc, argv);
    if (!runtime) {
        return 1;
    }
    auto host = runtime->createForm(quendal::windowDesign());
    CountingClock clock(runtime->clock());
    quendal::Window window(*host, clock, runtime->beeper());
    return host->run();
}
