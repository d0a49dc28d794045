#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <vector>

#include "platform/rules/audience.h"

namespace quendal::qt {

// One service on a bus, followed as it comes and goes: each time it has an owner, what it
// says is asked for afresh; when its owner goes, what it said no longer holds. Calls never
// start a service and never wait: answers come on the event loop, and one that comes after
// its service has gone is dropped.
class BusServiceWatch : public QObject {
    Q_OBJECT
  public:
    BusServiceWatch(const QDBusConnection& bus, const QString& service);
    // Asks the service, where it is there, what it says now.
    void start();

  protected:
    // The service has an owner: at start (where it may have none yet) and whenever it
    // gets a new one.
    virtual void appeared() = 0;
    // Its owner has gone.
    virtual void vanished() = 0;

    QDBusConnection& bus() { return bus_; }
    const QString& service() const { return service_; }
    // Calls `method`; `answered` hears a reply, not an error.
    void call(const QString& path, const QString& interface, const QString& method,
              const QVariantList& arguments, std::function<void(const QVariantList&)> answered);
    // Follows the properties of `interface` at `path`: all of them now, and each change;
    // `changed` hears those that changed, and all of them again when the service says that
    // some have (without their values). Replaces what was followed before.
    void followProperties(const QString& path, const QString& interface,
                          std::function<void(const QVariantMap&)> changed);
    void stopFollowing();
  private slots:
    void propertiesChanged(const QDBusMessage& message);

  private:
    void ownerChanged(const QString& oldOwner, const QString& newOwner);
    void readAll();

    QDBusConnection bus_;
    QString service_;
    QDBusServiceWatcher watcher_;
    quint64 generation_ = 0;
    QString followedPath_;
    QString followedInterface_;
    std::function<void(const QVariantMap&)> changed_;
};

// A screen saver's ActiveChanged signal and GetActive method: active is unseen.
class ScreenSaverWatch final : public BusServiceWatch {
    Q_OBJECT
  public:
    ScreenSaverWatch(Audience& audience, SightSource source, const QDBusConnection& bus,
                     const QString& service, const QString& path, const QString& interface);

  private slots:
    void activeChanged(const QDBusMessage& message);

  private:
    void appeared() override;
    void vanished() override;

    Audience& audience_;
    SightSource source_;
    QString path_;
    QString interface_;
};

// logind's view of the caller's session (or, for a caller outside any, of the user's
// graphical one): locked, or not the session in front, is unseen.
class LoginSessionWatch final : public BusServiceWatch {
    Q_OBJECT
  public:
    LoginSessionWatch(Audience& audience, const QDBusConnection& systemBus);

  private:
    void appeared() override;
    void vanished() override;
    void take(const QVariantMap& properties);

    Audience& audience_;
    bool locked_ = false;
    bool active_ = true;
};

// The power-profiles daemon's active profile: "power-saver" is saving.
class PowerProfileWatch final : public BusServiceWatch {
    Q_OBJECT
  public:
    PowerProfileWatch(Audience& audience, PowerSource source, const QDBusConnection& systemBus,
                      const QString& service, const QString& path);

  private:
    void appeared() override;
    void vanished() override;

    Audience& audience_;
    PowerSource source_;
    QString path_;
};

// Every service on the desktop's buses that can say whether anyone sees the screen or
// whether the system saves power; none of them need be there.
std::vector<std::unique_ptr<BusServiceWatch>> watchTheDesktopBuses(Audience& audience,
                                                                   bool sessionBus);

}  // namespace quendal::qt
