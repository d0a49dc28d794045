#include "platform/qt/dbus/session_bus.h"

#include <QDBusConnection>
#include <QFileInfo>

namespace quendal::qt {

bool sessionBusExists() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return QDBusConnection::sessionBus().isConnected();
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus")) &&
           QDBusConnection::sessionBus().isConnected();
}

}  // namespace quendal::qt
