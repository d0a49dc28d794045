#include <sys/signalfd.h>
#include <unistd.h>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QSocketNotifier>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "platform/clock/system_clock.h"
#include "platform/interface/form_host.h"
#include "platform/qt/dbus/session_bus.h"
#include "platform/qt/display/qt_form_host.h"
#include "platform/qt/display/wayland.h"
#include "platform/qt/display/x11.h"
#include "platform/qt/qt_desktop_services.h"
#include "platform/qt/qt_words.h"
#include "platform/rules/throttled_beeper.h"

namespace quendal {
namespace {

constexpr std::chrono::milliseconds kDefaultBellDuration{100};

// Every line the program writes, its own and the toolkit's: whose it is, one to a line.
void say(std::string_view line) {
    std::fprintf(stderr, "quendal: %.*s\n", static_cast<int>(line.size()), line.data());
}

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Picks the display platform before Qt starts, and says in one line why none will do.
// X is preferred wherever it is available, XWayland included: a Wayland client is never
// told that it was minimised or restored, and the display follows exactly that. Where
// there is Wayland only, the clock runs as well as Wayland allows and says once what it
// cannot do there.
bool choosePlatform(const Words& words, bool& waylandOnly) {
    std::string_view platform = environment("QT_QPA_PLATFORM");
    if (platform.empty() || platform.starts_with("wayland")) {
        const std::string_view wayland = environment("WAYLAND_DISPLAY");
        if (!environment("DISPLAY").empty()) {
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            platform = "xcb";
        } else if (wayland.empty()) {
            say(words.text(translatable("Messages",
                                        "no display: neither DISPLAY nor WAYLAND_DISPLAY is set")));
            return false;
        } else if (!qt::canConnectToWayland(wayland)) {
            say(fillIn(words.text(translatable("Messages",
                                               "cannot connect to the Wayland display \"%1\"")),
                       {wayland}));
            return false;
        } else if (!qt::waylandPlatformInstalled()) {
            say(words.text(translatable("Messages",
                                        "there is only a Wayland display, and Qt's Wayland "
                                        "support is not installed (Debian: qt6-wayland)")));
            return false;
        } else {
            waylandOnly = true;
        }
    }
    if (platform == "xcb" && !qt::canOpenX11Display()) {
        say(fillIn(words.text(translatable("Messages", "cannot open the X display \"%1\"")),
                   {environment("DISPLAY")}));
        return false;
    }
    return true;
}

// Said once on a Wayland-only display, after the toolkit has connected: what the clock
// cannot do there. A desktop's tray, where one runs, shows the Reading all the same.
void tellWhatWaylandLacks(const Words& words) {
    // Asked once, before the window exists, and waited for a second at most.
    QDBusMessage ask = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    ask << QStringLiteral("org.kde.StatusNotifierWatcher");
    const QDBusMessage answer = qt::sessionBusExists()
                                    ? QDBusConnection::sessionBus().call(ask, QDBus::Block, 1000)
                                    : QDBusMessage();
    const bool tray =
        answer.type() == QDBusMessage::ReplyMessage && answer.arguments().value(0).toBool();
    const Text lacks =
        tray ? translatable("Messages",
                            "without an X server, Wayland lets the clock neither show the "
                            "Reading in its taskbar entry while minimised nor come up at the "
                            "alarm (it asks for attention instead); its tray item shows the "
                            "Reading; run it with an X server, such as Xwayland, for both")
             : translatable("Messages",
                            "without an X server, Wayland lets the clock neither show the "
                            "Reading in its taskbar entry while minimised nor come up at the "
                            "alarm (it asks for attention instead); run it with an X server, "
                            "such as Xwayland, for both");
    say(words.text(lacks));
}

// Where no locale is chosen at all (no LANG, as in a bare system or a service), or the one
// chosen is not installed, Qt 6.8 takes C.UTF-8 and says so in four lines on stderr. The
// clock takes that locale's characters itself, quietly. Called once the user's words have
// read the locale chosen, which keep its language and number style all the same.
void useUtf8WhereNoLocaleIsChosen() {
    if (std::setlocale(LC_ALL, "") == nullptr) {
        setenv("LC_ALL", "C.UTF-8", 1);
        return;
    }
    const std::string_view characters = std::setlocale(LC_CTYPE, nullptr);
    if (characters == "C" || characters == "POSIX") {
        setenv("LC_CTYPE", "C.UTF-8", 1);
    }
}

// The toolkit's own messages, such as the one it prints when the X server goes away,
// say whose they are, one to a line.
void printMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    say(message.toStdString());
}

// The signals that ask a program to end: the session's end, kill, Ctrl+C.
sigset_t endingSignals() {
    sigset_t ending;
    sigemptyset(&ending);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaddset(&ending, signal);
    }
    return ending;
}

// Such a signal ends the clock as closing its window does: Unload runs, and what the
// desktop shows of it is taken back. The signals are blocked in every thread (so before
// the toolkit starts any) and read from a file on the event loop: no handler runs.
class EndingSignals {
  public:
    EndingSignals() {
        const sigset_t ending = endingSignals();
        if (pthread_sigmask(SIG_BLOCK, &ending, nullptr) == 0) {
            fd_ = signalfd(-1, &ending, SFD_NONBLOCK | SFD_CLOEXEC);
        }
    }
    EndingSignals(const EndingSignals&) = delete;
    EndingSignals& operator=(const EndingSignals&) = delete;
    ~EndingSignals() {
        notifier_.reset();
        if (fd_ >= 0) {
            close(fd_);
        }
    }

    // From the event loop's start on.
    void closeWindowsOnSignal() {
        if (fd_ < 0) {
            return;
        }
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
            signalfd_siginfo info{};
            while (read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
            }
            QApplication::closeAllWindows();
        });
    }

  private:
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// A failure in a handler, such as a clock that cannot be read, ends the program with a
// line that says why, rather than letting the exception cross Qt's event loop.
class Application final : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& failure) {
            say(failure.what());
            QCoreApplication::exit(1);
            return true;
        }
    }
};

class QtRuntime final : public Runtime {
  public:
    QtRuntime(int& argc, char** argv, bool waylandOnly, std::unique_ptr<qt::QtWords> words)
        : words_(std::move(words)),
          application_(argc, argv),
          beeper_([] { QApplication::beep(); },
                  qt::x11BellDuration().value_or(kDefaultBellDuration), steadyNow) {
        // The menu entry's name, by which desktops find the window's taskbar entry.
        QGuiApplication::setDesktopFileName(QStringLiteral("org.quendal.Quendal"));
        if (waylandOnly) {
            tellWhatWaylandLacks(*words_);
        }
    }

    std::unique_ptr<FormHost> createForm(const FormDesign& design) override {
        auto host = std::make_unique<qt::QtFormHost>(design, *words_);
        qt::DesktopServices::offer(design, *host);
        signals_.closeWindowsOnSignal();
        return host;
    }
    const WallClock& clock() const override { return clock_; }
    Beeper& beeper() override { return beeper_; }
    void fail(std::string_view why) override { say(why); }

  private:
    std::unique_ptr<qt::QtWords> words_;
    EndingSignals signals_;
    Application application_;
    SystemClock clock_;
    ThrottledBeeper beeper_;
};

}  // namespace

std::unique_ptr<Runtime> createRuntime(int& argc, char** argv) {
    bool waylandOnly = false;
    auto words = std::make_unique<qt::QtWords>();
    if (!choosePlatform(*words, waylandOnly)) {
        return nullptr;
    }
    // Qt's own event dispatcher: it serves the millisecond timer at a lower cost than
    // the GLib one, and nothing here needs GLib's main loop. QT_NO_GLIB set empty keeps
    // GLib's.
    if (std::getenv("QT_NO_GLIB") == nullptr) {
        setenv("QT_NO_GLIB", "1", 1);
    }
    useUtf8WhereNoLocaleIsChosen();
    qInstallMessageHandler(printMessage);
    return std::make_unique<QtRuntime>(argc, argv, waylandOnly, std::move(words));
}

}  // namespace quendal
