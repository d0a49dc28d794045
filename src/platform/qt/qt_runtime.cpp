#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/form_host.h"
#include "platform/qt/qt_beeper.h"
#include "platform/qt/qt_form_host.h"
#include "platform/system_clock.h"

// Last: Xlib's macros (Bool, Status, None) would break Qt's headers.
#include <X11/Xlib.h>

namespace quendal {
namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Picks the display platform before Qt starts, and says in one line why none will do.
// X is preferred wherever it is available, XWayland included: a Wayland client is never
// told that it was minimised or restored, and the display follows exactly that.
bool choosePlatform() {
    std::string_view platform = environment("QT_QPA_PLATFORM");
    if (platform.empty() || platform.starts_with("wayland")) {
        if (!environment("DISPLAY").empty()) {
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            platform = "xcb";
        } else if (environment("WAYLAND_DISPLAY").empty()) {
            std::fputs("quendal: no display: neither DISPLAY nor WAYLAND_DISPLAY is set\n", stderr);
            return false;
        }
    }
    if (platform == "xcb") {
        // Qt would abort with a core dump where the X display cannot be reached.
        Display* display = XOpenDisplay(nullptr);
        if (!display) {
            std::fprintf(stderr, "quendal: cannot open the X display \"%s\"\n",
                         std::string(environment("DISPLAY")).c_str());
            return false;
        }
        XCloseDisplay(display);
    }
    return true;
}

// The toolkit's own messages, such as the one it prints when the X server goes away,
// say whose they are, one to a line.
void printMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    std::fprintf(stderr, "quendal: %s\n", qPrintable(message));
}

class QtRuntime final : public Runtime {
  public:
    QtRuntime(int& argc, char** argv) : application_(argc, argv) {}

    std::unique_ptr<FormHost> createForm(const FormDesign& design) override {
        return std::make_unique<qt::QtFormHost>(design);
    }
    const WallClock& clock() const override { return clock_; }
    Beeper& beeper() override { return beeper_; }

  private:
    QApplication application_;
    SystemClock clock_;
    qt::QtBeeper beeper_;
};

}  // namespace

std::unique_ptr<Runtime> createRuntime(int& argc, char** argv) {
    if (!choosePlatform()) {
        return nullptr;
    }
    qInstallMessageHandler(printMessage);
    return std::make_unique<QtRuntime>(argc, argv);
}

}  // namespace quendal
