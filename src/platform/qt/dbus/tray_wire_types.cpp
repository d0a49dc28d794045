#include "platform/qt/dbus/tray_wire_types.h"

#include <QDBusMetaType>

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

void registerTrayTypes() {
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
    // The lists by the names the interfaces give them, which the adaptors' signals carry.
    qRegisterMetaType<IconPixmaps>("quendal::qt::IconPixmaps");
    qRegisterMetaType<MenuItemPropertiesList>("quendal::qt::MenuItemPropertiesList");
    qRegisterMetaType<MenuItemPropertyNamesList>("quendal::qt::MenuItemPropertyNamesList");
    qRegisterMetaType<MenuEvents>("quendal::qt::MenuEvents");
}

}  // namespace quendal::qt
