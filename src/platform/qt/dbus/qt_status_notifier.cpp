#include "platform/qt/dbus/qt_status_notifier.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <algorithm>

#include "platform/qt/shared/qt_text.h"
#include "platform/rules/field_colours.h"

namespace quendal::qt {

QDBusArgument& operator<<(QDBusArgument& out, const IconPixmap& p) {
    out.beginStructure();
    out << p.width << p.height << p.argb;
    out.endStructure();
    return out;
}
const QDBusArgument& operator>>(const QDBusArgument& in, IconPixmap& p) {
    in.beginStructure();
    in >> p.width >> p.height >> p.argb;
    in.endStructure();
    return in;
}
QDBusArgument& operator<<(QDBusArgument& out, const ToolTip& t) {
    out.beginStructure();
    out << t.iconName << t.pixmaps << t.title << t.text;
    out.endStructure();
    return out;
}
const QDBusArgument& operator>>(const QDBusArgument& in, ToolTip& t) {
    in.beginStructure();
    in >> t.iconName >> t.pixmaps >> t.title >> t.text;
    in.endStructure();
    return in;
}
QDBusArgument& operator<<(QDBusArgument& out, const MenuLayout& m) {
    out.beginStructure();
    out << m.id << m.properties;
    out.beginArray(QMetaType::fromType<QDBusVariant>());
    for (const QVariant& child : m.children) {
        out << QDBusVariant(child);
    }
    out.endArray();
    out.endStructure();
    return out;
}
const QDBusArgument& operator>>(const QDBusArgument& in, MenuLayout& m) {
    in.beginStructure();
    in >> m.id >> m.properties >> m.children;
    in.endStructure();
    return in;
}
QDBusArgument& operator<<(QDBusArgument& out, const MenuItemProperties& m) {
    out.beginStructure();
    out << m.id << m.properties;
    out.endStructure();
    return out;
}
const QDBusArgument& operator>>(const QDBusArgument& in, MenuItemProperties& m) {
    in.beginStructure();
    in >> m.id >> m.properties;
    in.endStructure();
    return in;
}
QDBusArgument& operator<<(QDBusArgument& out, const MenuItemPropertyNames& m) {
    out.beginStructure();
    out << m.id << m.names;
    out.endStructure();
    return out;
}
const QDBusArgument& operator>>(const QDBusArgument& in, MenuItemPropertyNames& m) {
    in.beginStructure();
    in >> m.id >> m.names;
    in.endStructure();
    return in;
}
QDBusArgument& operator<<(QDBusArgument& out, const MenuEvent& e) {
    out.beginStructure();
    out << e.id << e.eventId << e.data << e.timestamp;
    out.endStructure();
    return out;
}
const QDBusArgument& operator>>(const QDBusArgument& in, MenuEvent& e) {
    in.beginStructure();
    in >> e.id >> e.eventId >> e.data >> e.timestamp;
    in.endStructure();
    return in;
}

namespace {

const QString kItemPath = QStringLiteral("/StatusNotifierItem");
const QString kMenuPath = QStringLiteral("/MenuBar");
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

// The sizes hosts ask for: a panel's 16 to 24, a top bar's scaled, a large panel's 48.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48};

void registerTypes() {
    qDBusRegisterMetaType<IconPixmap>();
    qDBusRegisterMetaType<IconPixmaps>();
    qDBusRegisterMetaType<ToolTip>();
    qDBusRegisterMetaType<MenuLayout>();
    qDBusRegisterMetaType<MenuItemProperties>();
    qDBusRegisterMetaType<MenuItemPropertiesList>();
    qDBusRegisterMetaType<MenuItemPropertyNames>();
    qDBusRegisterMetaType<MenuItemPropertyNamesList>();
    qDBusRegisterMetaType<MenuEvent>();
    qDBusRegisterMetaType<MenuEvents>();
}

// The count on a tile, as the Windows taskbar's overlay draws it: bold digits in the
// whole percent's colour on white within a grey frame; while the bell rings, white on
// the colour.
IconPixmap drawCount(int count, int size, const Rgb& colour, bool ringing) {
    QImage tile(size, size, QImage::Format_ARGB32);
    const QColor digits(colour.red, colour.green, colour.blue);
    tile.fill(ringing ? digits : QColor(Qt::white));
    QPainter painter(&tile);
    painter.setPen(QColor(Qt::gray));
    painter.drawRect(0, 0, size - 1, size - 1);
    const QString text = QString::number(count);
    QFont font(QStringLiteral("Sans"));
    font.setBold(true);
    for (int height = size; height >= 6; --height) {
        font.setPixelSize(height);
        if (QFontMetrics(font).horizontalAdvance(text) <= size - 2 || height == 6) {
            break;
        }
    }
    painter.setFont(font);
    painter.setPen(ringing ? QColor(Qt::white) : digits);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, text);
    painter.end();
    IconPixmap pixmap{size, size, QByteArray(size * size * 4, Qt::Uninitialized)};
    auto* out = reinterpret_cast<uchar*>(pixmap.argb.data());
    for (int y = 0; y < size; ++y) {
        const auto* line = reinterpret_cast<const quint32*>(tile.constScanLine(y));
        for (int x = 0; x < size; ++x) {
            qToBigEndian(line[x], out);
            out += 4;
        }
    }
    return pixmap;
}

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
    return qstring(TrayItem::kTitle);
}
QString ItemObject::status() const {
    return statusName(notifier_.status_);
}
int ItemObject::windowId() const {
    return static_cast<int>(notifier_.window_());
}
// None: hosts take an icon by name over the pictures, which carry the count. The program's
// icon goes with the tooltip.
QString ItemObject::iconName() const {
    return {};
}
IconPixmaps ItemObject::iconPixmap() const {
    return notifier_.icon_;
}
IconPixmaps ItemObject::attentionIconPixmap() const {
    return notifier_.attentionIcon_;
}
ToolTip ItemObject::toolTip() const {
    return {QGuiApplication::desktopFileName(), {}, title(), notifier_.tooltip_};
}
QDBusObjectPath ItemObject::menu() const {
    return QDBusObjectPath(kMenuPath);
}
QString ItemObject::label() const {
    return notifier_.label_;
}
QString ItemObject::labelGuide() const {
    return qstring(TrayItem::kLabelGuide);
}

void ItemObject::Activate(int, int) {
    notifier_.item_.activate();
}
void ItemObject::SecondaryActivate(int, int) {}
void ItemObject::ContextMenu(int, int) {}
void ItemObject::Scroll(int, const QString&) {}
void ItemObject::ProvideXdgActivationToken(const QString&) {}

bool MenuObject::known(int id) {
    if (notifier_.item_.has(id)) {
        return true;
    }
    sendErrorReply(QStringLiteral("com.canonical.dbusmenu.Error.UnknownId"),
                   QStringLiteral("no menu item %1").arg(id));
    return false;
}

uint MenuObject::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                           MenuLayout& layout) {
    const auto items = notifier_.item_.menu();
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
    return notifier_.revision_;
}

MenuItemPropertiesList MenuObject::GetGroupProperties(const QList<int>& ids,
                                                      const QStringList& propertyNames) {
    MenuItemPropertiesList answer;
    for (const TrayItem::MenuItem& item : notifier_.item_.menu()) {
        if (ids.isEmpty() || ids.contains(item.id)) {
            answer.append({item.id, only(itemProperties(item), propertyNames)});
        }
    }
    return answer;
}

QDBusVariant MenuObject::GetProperty(int id, const QString& name) {
    for (const TrayItem::MenuItem& item : notifier_.item_.menu()) {
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
        notifier_.item_.choose(id);
    }
}

// As the menu protocol has it: the ids it has no item of come back; where it has none of
// them, the answer is an error. Only "clicked" does anything.
QList<int> MenuObject::EventGroup(const MenuEvents& events) {
    QList<int> unknown;
    for (const MenuEvent& event : events) {
        if (!notifier_.item_.has(event.id)) {
            unknown.append(event.id);
        } else if (event.eventId == QStringLiteral("clicked")) {
            notifier_.item_.choose(event.id);
        }
    }
    if (!events.isEmpty() && unknown.size() == events.size()) {
        sendErrorReply(QStringLiteral("com.canonical.dbusmenu.Error.UnknownId"),
                       QStringLiteral("none of the events is for a menu item"));
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
    notifier_.item_.aboutToShow();
    return true;
}

QList<int> MenuObject::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    QList<int> updatesNeeded;
    idErrors = {};
    for (const int id : ids) {
        (notifier_.item_.has(id) ? updatesNeeded : idErrors).append(id);
    }
    if (!ids.isEmpty() && idErrors.size() == ids.size()) {
        sendErrorReply(QStringLiteral("com.canonical.dbusmenu.Error.UnknownId"),
                       QStringLiteral("none of the ids is a menu item's"));
        return {};
    }
    notifier_.item_.aboutToShow();
    return updatesNeeded;
}

StatusNotifier::StatusNotifier(const FormDesign& design, ModelHost& host, Speech& speech,
                               std::optional<Autostart> autostart, std::function<WId()> window,
                               std::function<void()> quit)
    : countColour_(countColour(design)),
      window_(std::move(window)),
      watcher_(kWatcher, bus(), QDBusServiceWatcher::WatchForOwnerChange),
      item_(
          design, host, speech, std::move(autostart), steadyNow,
          [this](std::chrono::nanoseconds delay) {
              labelTimer_.start(std::chrono::ceil<std::chrono::milliseconds>(delay));
          },
          [this](std::chrono::nanoseconds delay) {
              tooltipTimer_.start(std::chrono::ceil<std::chrono::milliseconds>(delay));
          },
          TrayItem::Port{[this](std::string_view label) {
                             label_ = qstring(label);
                             emit itemObject_.XAyatanaNewLabel(label_, itemObject_.labelGuide());
                             propertiesChanged({{QStringLiteral("XAyatanaLabel"), label_}});
                         },
                         [this](std::string_view said) {
                             tooltip_ = qstring(said);
                             emit itemObject_.NewToolTip();
                         },
                         [this](int count) { showCount(count); },
                         [this](TrayItem::Status status) {
                             status_ = status;
                             emit itemObject_.NewStatus(statusName(status));
                         },
                         [this] {
                             // The items' new properties, which hosts take from this signal, then a
                             // new layout for those that lay the menu out again.
                             QList<MenuItemProperties> updated;
                             for (const TrayItem::MenuItem& item : item_.menu()) {
                                 updated.append({item.id, itemProperties(item)});
                             }
                             emit menuObject_.ItemsPropertiesUpdated(updated, {});
                             emit menuObject_.LayoutUpdated(++revision_, 0);
                         },
                         std::move(quit),
                         [](std::string_view why) { qWarning("%s", qPrintable(qstring(why))); }}) {
    registerTypes();
    labelTimer_.setSingleShot(true);
    QObject::connect(&labelTimer_, &QTimer::timeout, [this] { item_.labelDue(); });
    tooltipTimer_.setSingleShot(true);
    QObject::connect(&tooltipTimer_, &QTimer::timeout, [this] { item_.tooltipDue(); });
    for (const auto& [path, object] : {std::pair<QString, QObject*>{kItemPath, &itemObject_},
                                       std::pair<QString, QObject*>{kMenuPath, &menuObject_}}) {
        if (!bus().registerObject(
                path, object,
                QDBusConnection::ExportScriptableContents | QDBusConnection::ExportAllProperties)) {
            qWarning("the tray item cannot be offered: %s is taken on the session bus",
                     qPrintable(path));
        }
    }
    QObject::connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged,
                     [this](const QString&, const QString&, const QString& owner) {
                         if (!owner.isEmpty()) {
                             registerWithWatcher();
                         }
                     });
    registerWithWatcher();
}

StatusNotifier::~StatusNotifier() {
    bus().unregisterObject(kMenuPath);
    bus().unregisterObject(kItemPath);
}

// Without waiting. Where no watcher runs the bus says so, which is no news: the
// watcher's coming later registers the item again. A watcher that refuses is said once.
void StatusNotifier::registerWithWatcher() {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kWatcher, QStringLiteral("/StatusNotifierWatcher"), kWatcher,
                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << kItemPath;
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

void StatusNotifier::showCount(int count) {
    icon_.clear();
    attentionIcon_.clear();
    for (const int size : kIconSizes) {
        icon_.append(drawCount(count, size, countColour_, false));
        attentionIcon_.append(drawCount(count, size, countColour_, true));
    }
    emit itemObject_.NewIcon();
    emit itemObject_.NewAttentionIcon();
}

void StatusNotifier::propertiesChanged(const QVariantMap& changed) {
    QDBusMessage signal =
        QDBusMessage::createSignal(kItemPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.kde.StatusNotifierItem") << changed << QStringList{};
    bus().send(signal);
}

}  // namespace quendal::qt
