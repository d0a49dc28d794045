#include "platform/qt/qt_desktop_services.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <filesystem>
#include <system_error>

#include "platform/qt/dbus/qt_audience_watch.h"
#include "platform/qt/dbus/qt_high_contrast.h"
#include "platform/qt/dbus/qt_launcher_entry.h"
#include "platform/qt/dbus/qt_status_notifier.h"
#include "platform/qt/dbus/session_bus.h"
#include "platform/qt/display/x11.h"
#include "platform/qt/shared/qt_text.h"

namespace quendal::qt {

void DesktopServices::offer(const FormDesign& design, QtFormHost& host) {
    host.keep(std::make_unique<DesktopServices>(design, host));
}

DesktopServices::DesktopServices(const FormDesign& design, QtFormHost& host)
    : host_(host),
      sessionBus_(sessionBusExists()),
      launcherEntry_(std::make_unique<LauncherEntry>(QGuiApplication::desktopFileName() +
                                                     QStringLiteral(".desktop"))),
      highContrast_(std::make_unique<HighContrastWatch>(
          [this] { host_.setHighContrast(highContrast_->colours()); })),
      screenReader_(host.widget(), host.strip(), host, steadyNow) {
    if (sessionBus_) {
        tray_ = std::make_unique<StatusNotifier>(
            design, host, host.speech(), userAutostart(),
            [&host] { return host.widget().internalWinId(); }, [&host] { host.widget().close(); });
    }
    host.showBeside({[this](const Progress& progress) { launcherEntry_->show(progress); },
                     [this](const Reading& reading, const ModeSelection& modes) {
                         screenReader_.readingChanged();
                         if (tray_) {
                             tray_->item().offer(reading, modes);
                         }
                     },
                     [this] { framing_ = FramingWatch::watch(host_.widget()); }});
    busWatches_ = watchTheDesktopBuses(host.audience(), sessionBus_);
    xScreenWatch_ = XScreenWatch::watch(host.audience());
}

DesktopServices::~DesktopServices() {
    launcherEntry_->clear();
}

namespace {

std::string failure(const char* what, const std::string& file, const QString& why) {
    return std::string(what) + " " + file + ": " + why.toStdString();
}

// The user's entry, through Qt's files: written whole and renamed over the old one at the
// commit, so that a desktop never reads half an entry and a failed write leaves the old.
Autostart::File entryFile(const std::filesystem::path& path) {
    const QString entry = QString::fromStdString(path.string());
    const std::filesystem::path folder = path.parent_path();
    return {[entry]() -> std::optional<std::string> {
                QFile file(entry);
                if (!file.open(QIODevice::ReadOnly)) {
                    return std::nullopt;
                }
                return file.readAll().toStdString();
            },
            [entry, folder](std::string_view content) -> std::optional<std::string> {
                std::error_code error;
                std::filesystem::create_directories(folder, error);
                if (error) {
                    return failure("cannot make", folder.string(), qstring(error.message()));
                }
                QSaveFile file(entry);
                const auto size = static_cast<qint64>(content.size());
                if (!file.open(QIODevice::WriteOnly) || file.write(content.data(), size) != size ||
                    !file.commit()) {
                    return failure("cannot write", entry.toStdString(), file.errorString());
                }
                return std::nullopt;
            },
            [entry]() -> std::optional<std::string> {
                QFile file(entry);
                if (!file.remove()) {
                    return failure("cannot remove", entry.toStdString(), file.errorString());
                }
                return std::nullopt;
            }};
}

}  // namespace

std::optional<Autostart> userAutostart() {
    const QString fileName = QGuiApplication::desktopFileName() + QStringLiteral(".desktop");
    const auto path =
        Autostart::entryPath(qEnvironmentVariable("XDG_CONFIG_HOME").toStdString(),
                             qEnvironmentVariable("HOME").toStdString(), fileName.toStdString());
    QFile programEntry(QStringLiteral(":/entry/") + fileName);
    if (!path || !programEntry.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return Autostart(programEntry.readAll().toStdString(), entryFile(*path));
}

}  // namespace quendal::qt
