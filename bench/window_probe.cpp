// The real program, built from the same parts, with its clock wrapped so that the
// refreshes can be counted: every refresh reads the clock exactly once. Prints the
// count once a second.
#include <QTimer>
#include <cstdio>

#include "platform/form_host.h"
#include "window/window.h"
#include "window/window_design.h"

namespace {

class CountingClock final : public quendal::WallClock {
  public:
    explicit CountingClock(const quendal::WallClock& clock) : clock_(clock) {}
    quendal::LocalTime now() const override {
        ++reads_;
        return clock_.now();
    }
    long reads() const { return reads_; }

  private:
    const quendal::WallClock& clock_;
    mutable long reads_ = 0;
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
    QTimer report;
    QObject::connect(&report, &QTimer::timeout, [&clock] {
        std::printf("refreshes %ld\n", clock.reads());
        std::fflush(stdout);
    });
    report.setTimerType(Qt::PreciseTimer);
    report.start(1000);
    return host->run();
}
