#include "platform/qt/dbus/qt_status_notifier.h"

#include "platform/qt/shared/qt_wake.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QGuiApplication>
#include <algorithm>

#include "platform/qt/dbus/dbus_menu_adaptor.h"
#include "platform/qt/dbus/status_notifier_item_adaptor.h"
#include "platform/qt/dbus/tray_icon.h"
#include "platform/qt/shared/qt_text.h"

namespace quendal::qt {

const QString ItemObject::kPath = QStringLiteral("/StatusNotifierItem");
const QString MenuObject::kPath = QStringLiteral("/MenuBar");

namespace {

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kUnknownId = QStringLiteral("com.canonical.dbusmenu.Error.UnknownId");

// The sizes hosts ask for: a panel's 16 to 24, a top bar's scaled, a large panel's 48.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48};

QString statusName(TrayItem::Status status) {
    return status == TrayItem::Status::NeedsAttention ? QStringLiteral("NeedsAttention")
                                                      : QStringLiteral("Active");
}

QVariantMap itemProperties(const TrayItem::MenuItem& item) {
    QVariantMap properties;
    switch (item.kind) {
        case TrayItem::ItemKind::Separator:
            properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
            return properties;
        case TrayItem::ItemKind::Radio:
            properties.insert(QStringLiteral("toggle-type"), QStringLiteral("radio"));
            properties.insert(QStringLiteral("toggle-state"), item.checked ? 1 : 0);
            break;
        case TrayItem::ItemKind::Check:
            properties.insert(QStringLiteral("toggle-type"), QStringLiteral("checkmark"));
            properties.insert(QStringLiteral("toggle-state"), item.checked ? 1 : 0);
            break;
        case TrayItem::ItemKind::Standard:
            break;
    }
    properties.insert(QStringLiteral("label"), qstring(item.label));
    return properties;
}

// Only the properties asked for; none asked for means all.
QVariantMap only(QVariantMap properties, const QStringList& names) {
    if (!names.isEmpty()) {
        properties.removeIf([&](const auto& p) { return !names.contains(p.key()); });
    }
    return properties;
}

QDBusConnection bus() {
    return QDBusConnection::sessionBus();
}

}  // namespace

QString ItemObject::title() const {
    return qstring(kProgramName);
}
QString ItemObject::status() const {
    return statusName(shown_.status);
}
IconPixmaps ItemObject::attentionIconPixmap() const {
    return shown_.status == TrayItem::Status::NeedsAttention ? shown_.attentionIcon : IconPixmaps{};
}
// The program's icon, by its menu entry's name, goes with the tooltip.
ToolTip ItemObject::toolTip() const {
    return {QGuiApplication::desktopFileName(), {}, title(), shown_.tooltip};
}
QDBusObjectPath ItemObject::menu() const {
    return QDBusObjectPath(MenuObject::kPath);
}
QString ItemObject::labelGuide() const {
    return qstring(TrayItem::kLabelGuide);
}

void ItemObject::Activate(int, int) {
    notifier_.item().activate();
}
void ItemObject::SecondaryActivate(int, int) {}
void ItemObject::ContextMenu(int, int) {}
void ItemObject::Scroll(int, const QString&) {}
void ItemObject::ProvideXdgActivationToken(const QString&) {}

TrayItem& MenuObject::item() {
    return notifier_.item();
}

void MenuObject::changed() {
    // Hosts take the new properties from the signal (GNOME's does); others lay the menu
    // out again.
    MenuItemPropertiesList updated;
    for (const TrayItem::MenuItem& item : item().menu()) {
        updated.append({item.id, itemProperties(item)});
    }
    emit ItemsPropertiesUpdated(updated, {});
    emit LayoutUpdated(++revision_, 0);
}

bool MenuObject::known(int id) {
    if (item().has(id)) {
        return true;
    }
    sendErrorReply(kUnknownId, QStringLiteral("no menu item %1").arg(id));
    return false;
}

bool MenuObject::anyKnown(const QList<int>& ids, const QList<int>& unknown) {
    if (!ids.isEmpty() && unknown.size() == ids.size()) {
        sendErrorReply(kUnknownId, QStringLiteral("none of the ids is a menu item's"));
        return false;
    }
    return true;
}

uint MenuObject::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                           MenuLayout& layout) {
    const auto items = item().menu();
    layout = {};
    if (parentId == 0) {
        layout.properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
        if (recursionDepth != 0) {
            for (const TrayItem::MenuItem& item : items) {
                layout.children.append(QVariant::fromValue(
                    MenuLayout{item.id, only(itemProperties(item), propertyNames), {}}));
            }
        }
    } else if (known(parentId)) {
        for (const TrayItem::MenuItem& item : items) {
            if (item.id == parentId) {
                layout = {item.id, only(itemProperties(item), propertyNames), {}};
            }
        }
    }
    return revision_;
}

MenuItemPropertiesList MenuObject::GetGroupProperties(const QList<int>& ids,
                                                      const QStringList& propertyNames) {
    MenuItemPropertiesList answer;
    for (const TrayItem::MenuItem& item : item().menu()) {
        if (ids.isEmpty() || ids.contains(item.id)) {
            answer.append({item.id, only(itemProperties(item), propertyNames)});
        }
    }
    return answer;
}

QDBusVariant MenuObject::GetProperty(int id, const QString& name) {
    for (const TrayItem::MenuItem& item : item().menu()) {
        const QVariant value = itemProperties(item).value(name);
        if (item.id == id && value.isValid()) {
            return QDBusVariant(value);
        }
    }
    if (known(id)) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("no property %1").arg(name));
    }
    return QDBusVariant(QString());
}

void MenuObject::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
    if (known(id) && eventId == QStringLiteral("clicked")) {
        item().choose(id);
    }
}

// The ids it has no item of come back; only "clicked" does anything.
QList<int> MenuObject::EventGroup(const MenuEvents& events) {
    QList<int> ids;
    QList<int> unknown;
    for (const MenuEvent& event : events) {
        ids.append(event.id);
        if (!item().has(event.id)) {
            unknown.append(event.id);
        }
    }
    if (!anyKnown(ids, unknown)) {
        return {};
    }
    for (const MenuEvent& event : events) {
        if (item().has(event.id) && event.eventId == QStringLiteral("clicked")) {
            item().choose(event.id);
        }
    }
    return unknown;
}

// The menu is laid out afresh at every opening: a host that missed an update while it
// was still setting itself up (GNOME's, for one made just after the item registered) then
// shows the truth all the same, at the cost of one small answer.
bool MenuObject::AboutToShow(int id) {
    if (!known(id)) {
        return false;
    }
    item().aboutToShow();
    return true;
}

QList<int> MenuObject::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    QList<int> updatesNeeded;
    idErrors = {};
    for (const int id : ids) {
        (item().has(id) ? updatesNeeded : idErrors).append(id);
    }
    if (!anyKnown(ids, idErrors)) {
        return {};
    }
    item().aboutToShow();
    return updatesNeeded;
}

StatusNotifier::StatusNotifier(const FormDesign& design, ModelHost& host, Speech& speech,
                               std::optional<Autostart> autostart, std::function<WId()> window,
                               std::function<void()> quit)
    : design_(design),
      itemObject_(shown_, *this, std::move(window)),
      menuObject_(*this),
      watcher_(kWatcher, bus(), QDBusServiceWatcher::WatchForOwnerChange),
      item_(
          design, host, speech, std::move(autostart), steadyNow,
          [this](std::chrono::nanoseconds delay) { wakeAfter(labelTimer_, delay); },
          [this](std::chrono::nanoseconds delay) { wakeAfter(tooltipTimer_, delay); },
          port(std::move(quit))) {
    registerTrayTypes();
    for (QTimer* timer : {&labelTimer_, &tooltipTimer_}) {
        timer->setSingleShot(true);
    }
    QObject::connect(&labelTimer_, &QTimer::timeout, [this] { item_.labelDue(); });
    QObject::connect(&tooltipTimer_, &QTimer::timeout, [this] { item_.tooltipDue(); });
    // Each adaptor goes with its object.
    new StatusNotifierItemAdaptor(&itemObject_);
    new DBusMenuAdaptor(&menuObject_);
    offer(ItemObject::kPath, itemObject_);
    offer(MenuObject::kPath, menuObject_);
    QObject::connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged,
                     [this](const QString&, const QString&, const QString& owner) {
                         if (!owner.isEmpty()) {
                             registerWithWatcher();
                         }
                     });
    registerWithWatcher();
}

StatusNotifier::~StatusNotifier() {
    bus().unregisterObject(MenuObject::kPath);
    bus().unregisterObject(ItemObject::kPath);
}

TrayItem::Port StatusNotifier::port(std::function<void()> quit) {
    return {[this](std::string_view label) { showLabel(label); },
            [this](std::string_view said) {
                shown_.tooltip = qstring(said);
                emit itemObject_.NewToolTip();
            },
            [this](int count) { showCount(count); },
            [this](TrayItem::Status status) { showStatus(status); },
            [this] { menuObject_.changed(); },
            std::move(quit),
            [](std::string_view why) { qWarning("%s", qPrintable(qstring(why))); }};
}

// Only the adaptors' members reach the bus: no QObject slot, such as deleteLater.
void StatusNotifier::offer(const QString& path, QObject& object) {
    if (!bus().registerObject(path, &object, QDBusConnection::ExportAdaptors)) {
        qWarning("the tray item cannot be offered: %s is taken on the session bus",
                 qPrintable(path));
    }
}

// Without waiting. Where no watcher runs the bus says so, which is no news: the
// watcher's coming later registers the item again. A watcher that refuses is said once.
void StatusNotifier::registerWithWatcher() {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kWatcher, QStringLiteral("/StatusNotifierWatcher"), kWatcher,
                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << ItemObject::kPath;
    call.setAutoStartService(false);
    auto* answer = new QDBusPendingCallWatcher(bus().asyncCall(call), &registration_);
    QObject::connect(answer, &QDBusPendingCallWatcher::finished, [this, answer] {
        answer->deleteLater();
        const QDBusError error = answer->error();
        // No watcher, or one gone before it answered: no refusal.
        const bool noWatcher =
            error.type() == QDBusError::ServiceUnknown || error.type() == QDBusError::NoReply ||
            error.name() == QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner");
        if (error.isValid() && !noWatcher && !refusalSaid_) {
            refusalSaid_ = true;
            qWarning("the desktop's tray refused the item: %s", qPrintable(error.message()));
        }
    });
}

// The new label, by the signal GNOME's and Unity's hosts take, and by the property's
// change for those that follow properties.
void StatusNotifier::showLabel(std::string_view label) {
    shown_.label = qstring(label);
    emit itemObject_.XAyatanaNewLabel(shown_.label, itemObject_.labelGuide());
    QDBusMessage signal = QDBusMessage::createSignal(
        ItemObject::kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.kde.StatusNotifierItem")
           << QVariantMap{{QStringLiteral("XAyatanaLabel"), shown_.label}} << QStringList{};
    bus().send(signal);
}

void StatusNotifier::showCount(int count) {
    count_ = count;
    shown_.icon.clear();
    shown_.attentionIcon.clear();
    const CountTile tile = countTile(design_, count, false);
    const CountTile ringing = countTile(design_, count, true);
    for (const int size : kIconSizes) {
        shown_.icon.append(drawTile(tile, size));
        shown_.attentionIcon.append(drawTile(ringing, size));
    }
    emit itemObject_.NewIcon();
    if (shown_.status == TrayItem::Status::NeedsAttention) {
        emit itemObject_.NewAttentionIcon();
    }
}

void StatusNotifier::showStatus(TrayItem::Status status) {
    shown_.status = status;
    if (status == TrayItem::Status::NeedsAttention) {
        emit itemObject_.NewAttentionIcon();
    }
    emit itemObject_.NewStatus(statusName(status));
}

}  // namespace quendal::qt
