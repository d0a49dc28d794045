#include "platform/qt/dbus/qt_audience_watch.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QStringList>

namespace quendal::qt {
namespace {

const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// A service's answers are taken only where they have the types its interface gives them;
// anything else is as if unsaid.
template <typename T>
bool holds(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<T>();
}

// An a{sv} as QtDBus hands it over, or nothing where it is something else.
QVariantMap propertyMap(const QVariant& value) {
    if (!holds<QDBusArgument>(value)) {
        return {};
    }
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("a{sv}")) {
        return {};
    }
    return qdbus_cast<QVariantMap>(argument);
}

}  // namespace

BusServiceWatch::BusServiceWatch(const QDBusConnection& bus, const QString& service)
    : bus_(bus),
      service_(service),
      watcher_(service, bus_, QDBusServiceWatcher::WatchForOwnerChange) {
    QObject::connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
                     [this](const QString&, const QString& oldOwner, const QString& newOwner) {
                         ownerChanged(oldOwner, newOwner);
                     });
}

void BusServiceWatch::start() {
    appeared();
}

void BusServiceWatch::ownerChanged(const QString& oldOwner, const QString& newOwner) {
    ++generation_;
    if (!oldOwner.isEmpty()) {
        vanished();
    }
    if (!newOwner.isEmpty()) {
        appeared();
    }
}

void BusServiceWatch::call(const QString& path, const QString& interface, const QString& method,
                           const QVariantList& arguments,
                           std::function<void(const QVariantList&)> answered) {
    QDBusMessage message = QDBusMessage::createMethodCall(service_, path, interface, method);
    message.setArguments(arguments);
    message.setAutoStartService(false);
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(message), this);
    QObject::connect(
        pending, &QDBusPendingCallWatcher::finished, this,
        [this, pending, generation = generation_,
         answered = std::move(answered)](QDBusPendingCallWatcher*) {
            pending->deleteLater();
            const QDBusMessage reply = pending->reply();
            if (generation == generation_ && reply.type() == QDBusMessage::ReplyMessage) {
                answered(reply.arguments());
            }
        });
}

void BusServiceWatch::followProperties(const QString& path, const QString& interface,
                                       std::function<void(const QVariantMap&)> changed) {
    stopFollowing();
    followedPath_ = path;
    followedInterface_ = interface;
    changed_ = std::move(changed);
    bus_.connect(service_, path, kProperties, QStringLiteral("PropertiesChanged"), this,
                 SLOT(propertiesChanged(QDBusMessage)));
    readAll();
}

void BusServiceWatch::stopFollowing() {
    if (followedPath_.isEmpty()) {
        return;
    }
    bus_.disconnect(service_, followedPath_, kProperties, QStringLiteral("PropertiesChanged"), this,
                    SLOT(propertiesChanged(QDBusMessage)));
    followedPath_.clear();
    changed_ = nullptr;
}

void BusServiceWatch::readAll() {
    call(followedPath_, kProperties, QStringLiteral("GetAll"), {followedInterface_},
         [this, path = followedPath_](const QVariantList& answer) {
             if (path == followedPath_ && changed_ && !answer.isEmpty()) {
                 changed_(propertyMap(answer.first()));
             }
         });
}

void BusServiceWatch::propertiesChanged(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (!changed_ || arguments.size() < 2 || arguments[0].toString() != followedInterface_) {
        return;
    }
    changed_(propertyMap(arguments[1]));
    // Named without their values: asked for again.
    if (arguments.size() > 2 && holds<QStringList>(arguments[2]) &&
        !arguments[2].toStringList().isEmpty()) {
        readAll();
    }
}

ScreenSaverWatch::ScreenSaverWatch(Audience& audience, SightSource source,
                                   const QDBusConnection& bus, const QString& service,
                                   const QString& path, const QString& interface)
    : BusServiceWatch(bus, service),
      audience_(audience),
      source_(source),
      path_(path),
      interface_(interface) {
    // From any of its paths: some desktops send it from more than one.
    this->bus().connect(service, QString(), interface, QStringLiteral("ActiveChanged"), this,
                        SLOT(activeChanged(QDBusMessage)));
}

void ScreenSaverWatch::appeared() {
    call(path_, interface_, QStringLiteral("GetActive"), {}, [this](const QVariantList& answer) {
        if (!answer.isEmpty() && holds<bool>(answer.first())) {
            audience_.report(source_, !answer.first().toBool());
        }
    });
}

void ScreenSaverWatch::vanished() {
    audience_.forget(source_);
}

void ScreenSaverWatch::activeChanged(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (!arguments.isEmpty() && holds<bool>(arguments.first())) {
        audience_.report(source_, !arguments.first().toBool());
    }
}

LoginSessionWatch::LoginSessionWatch(Audience& audience, const QDBusConnection& systemBus)
    : BusServiceWatch(systemBus, QStringLiteral("org.freedesktop.login1")), audience_(audience) {}

void LoginSessionWatch::appeared() {
    // "auto": the caller's session, or the user's graphical one for a caller outside any.
    call(QStringLiteral("/org/freedesktop/login1"),
         QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("GetSession"),
         {QStringLiteral("auto")}, [this](const QVariantList& answer) {
             if (answer.isEmpty() || !holds<QDBusObjectPath>(answer.first())) {
                 return;
             }
             followProperties(answer.first().value<QDBusObjectPath>().path(),
                              QStringLiteral("org.freedesktop.login1.Session"),
                              [this](const QVariantMap& properties) { take(properties); });
         });
}

void LoginSessionWatch::vanished() {
    stopFollowing();
    locked_ = false;
    active_ = true;
    audience_.forget(SightSource::LoginSession);
}

void LoginSessionWatch::take(const QVariantMap& properties) {
    const QVariant locked = properties.value(QStringLiteral("LockedHint"));
    const QVariant active = properties.value(QStringLiteral("Active"));
    if (holds<bool>(locked)) {
        locked_ = locked.toBool();
    }
    if (holds<bool>(active)) {
        active_ = active.toBool();
    }
    audience_.report(SightSource::LoginSession, !locked_ && active_);
}

PowerProfileWatch::PowerProfileWatch(Audience& audience, PowerSource source,
                                     const QDBusConnection& systemBus, const QString& service,
                                     const QString& path)
    : BusServiceWatch(systemBus, service), audience_(audience), source_(source), path_(path) {}

void PowerProfileWatch::appeared() {
    followProperties(path_, service(), [this](const QVariantMap& properties) {
        const QVariant profile = properties.value(QStringLiteral("ActiveProfile"));
        if (holds<QString>(profile)) {
            audience_.report(source_, profile.toString() == QLatin1String("power-saver"));
        }
    });
}

void PowerProfileWatch::vanished() {
    stopFollowing();
    audience_.forget(source_);
}

std::vector<std::unique_ptr<BusServiceWatch>> watchTheDesktopBuses(Audience& audience,
                                                                   bool sessionBus) {
    std::vector<std::unique_ptr<BusServiceWatch>> watches;
    if (sessionBus) {
        const QDBusConnection session = QDBusConnection::sessionBus();
        watches.push_back(std::make_unique<ScreenSaverWatch>(
            audience, SightSource::FreedesktopScreenSaver, session,
            QStringLiteral("org.freedesktop.ScreenSaver"),
            QStringLiteral("/org/freedesktop/ScreenSaver"),
            QStringLiteral("org.freedesktop.ScreenSaver")));
        watches.push_back(std::make_unique<ScreenSaverWatch>(
            audience, SightSource::GnomeScreenSaver, session,
            QStringLiteral("org.gnome.ScreenSaver"), QStringLiteral("/org/gnome/ScreenSaver"),
            QStringLiteral("org.gnome.ScreenSaver")));
    }
    const QDBusConnection system = QDBusConnection::systemBus();
    if (system.isConnected()) {
        watches.push_back(std::make_unique<LoginSessionWatch>(audience, system));
        watches.push_back(
            std::make_unique<PowerProfileWatch>(audience, PowerSource::PowerProfiles, system,
                                                QStringLiteral("net.hadess.PowerProfiles"),
                                                QStringLiteral("/net/hadess/PowerProfiles")));
        watches.push_back(std::make_unique<PowerProfileWatch>(
            audience, PowerSource::UpowerPowerProfiles, system,
            QStringLiteral("org.freedesktop.UPower.PowerProfiles"),
            QStringLiteral("/org/freedesktop/UPower/PowerProfiles")));
    }
    for (const auto& watch : watches) {
        watch->start();
    }
    return watches;
}

}  // namespace quendal::qt
