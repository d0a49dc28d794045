#include "platform/qt/qt_launcher_entry.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

#include "platform/qt/session_bus.h"

namespace quendal::qt {

LauncherEntry::LauncherEntry(const QString& desktopFile)
    : application_(QStringLiteral("application://") + desktopFile), bus_(sessionBusExists()) {}

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
