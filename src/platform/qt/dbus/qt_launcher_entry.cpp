#include "platform/qt/dbus/qt_launcher_entry.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

#include "platform/qt/dbus/session_bus.h"

namespace quendal::qt {

LauncherEntry::LauncherEntry(const QString& desktopFile)
    : application_(QStringLiteral("application://") + desktopFile), bus_(sessionBusExists()) {}

void LauncherEntry::show(const Progress& progress) {
    send({{QStringLiteral("progress"), progress.fraction},
          {QStringLiteral("progress-visible"), true},
          {QStringLiteral("count"), static_cast<qint64>(progress.count)},
          {QStringLiteral("count-visible"), true}});
}

void LauncherEntry::clear() {
    send({{QStringLiteral("progress-visible"), false}, {QStringLiteral("count-visible"), false}});
    if (bus_) {
        // Sent before the program's connection closes: the bus daemon's answer to a
        // question asked after it comes only once the signal has gone out.
        QDBusMessage ping = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
        QDBusConnection::sessionBus().call(ping, QDBus::Block, 500);
    }
}

void LauncherEntry::send(const QVariantMap& properties) {
    if (!bus_) {
        return;
    }
    QDBusMessage update = QDBusMessage::createSignal(
        QStringLiteral("/org/quendal/Quendal/LauncherEntry"),
        QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    update << application_ << properties;
    QDBusConnection::sessionBus().send(update);
}

}  // namespace quendal::qt
