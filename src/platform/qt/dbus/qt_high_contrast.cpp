#include "platform/qt/dbus/qt_high_contrast.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QPalette>

#include "platform/qt/dbus/session_bus.h"

namespace quendal::qt {
namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("contrast");

Rgb rgb(const QColor& c) {
    return {c.red(), c.green(), c.blue()};
}

// A value, however many variants it comes wrapped in (the portal's Read wraps it twice).
QVariant unwrapped(QVariant value) {
    while (value.metaType() == QMetaType::fromType<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}

}  // namespace

HighContrastWatch::HighContrastWatch(std::function<void()> changed) : changed_(std::move(changed)) {
    if (!sessionBusExists()) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(kPortal, kPath, kSettings, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QString, QString, QDBusVariant)));
    // Read, which every version of the portal has; its answer comes when it comes.
    QDBusMessage read =
        QDBusMessage::createMethodCall(kPortal, kPath, kSettings, QStringLiteral("Read"));
    read << kGroup << kKey;
    auto* answer = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* call) {
                const QDBusPendingReply<QDBusVariant> reply = *call;
                if (!reply.isError()) {
                    take(reply.value().variant());
                }
                call->deleteLater();
            });
}

std::optional<HighContrast> HighContrastWatch::colours() const {
    if (!on_) {
        return std::nullopt;
    }
    const QPalette palette = QGuiApplication::palette();
    return HighContrast{rgb(palette.color(QPalette::WindowText)),
                        rgb(palette.color(QPalette::Window))};
}

void HighContrastWatch::settingChanged(const QString& group, const QString& key,
                                       const QDBusVariant& value) {
    if (group == kGroup && key == kKey) {
        take(value.variant());
    }
}

void HighContrastWatch::take(const QVariant& contrast) {
    const bool on = unwrapped(contrast).toUInt() == 1;
    if (on != on_) {
        on_ = on;
        changed_();
    }
}

}  // namespace quendal::qt
