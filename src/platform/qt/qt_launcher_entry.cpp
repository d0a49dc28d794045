#include "platform/qt/qt_launcher_entry.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QVariantMap>

namespace quendal::qt {
namespace {

// A session bus to talk to: one named in the environment, or the user's own. Otherwise
// the D-Bus library would try to start one.
bool sessionBusExists() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return true;
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

}  // namespace

LauncherEntry::LauncherEntry(const QString& desktopFile)
    : application_(QStringLiteral("application://") + desktopFile),
      bus_(sessionBusExists() && QDBusConnection::sessionBus().isConnected()) {}

void LauncherEntry::show(const Progress& progress) {
    if (!bus_) {
        return;
    }
    QDBusMessage update = QDBusMessage::createSignal(
        QStringLiteral("/org/quendal/Quendal/LauncherEntry"),
        QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    update << application_
           << QVariantMap{{QStringLiteral("progress"), progress.fraction},
                          {QStringLiteral("progress-visible"), true},
                          {QStringLiteral("count"), static_cast<qint64>(progress.count)},
                          {QStringLiteral("count-visible"), true}};
    QDBusConnection::sessionBus().send(update);
}

}  // namespace quendal::qt
