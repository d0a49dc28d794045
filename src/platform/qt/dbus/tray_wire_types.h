#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QDBusVariant>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

// The tray's types as they go over the bus: those of the status notifier item and of its
// menu, each a structure of D-Bus's basic types (the signature beside each).
namespace quendal::qt {

// One picture as the protocol carries it: ARGB32, in network byte order. (iiay)
struct IconPixmap {
    int width = 0;
    int height = 0;
    QByteArray argb;
};
using IconPixmaps = QList<IconPixmap>;

// (sa(iiay)ss)
struct ToolTip {
    QString iconName;
    IconPixmaps pixmaps;
    QString title;
    QString text;
};

// A menu item and, for the menu itself, its items, each in a variant. (ia{sv}av)
struct MenuLayout {
    int id = 0;
    QVariantMap properties;
    QVariantList children;
};

// (ia{sv})
struct MenuItemProperties {
    int id = 0;
    QVariantMap properties;
};
using MenuItemPropertiesList = QList<MenuItemProperties>;

// (ias)
struct MenuItemPropertyNames {
    int id = 0;
    QStringList names;
};
using MenuItemPropertyNamesList = QList<MenuItemPropertyNames>;

// (isvu)
struct MenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using MenuEvents = QList<MenuEvent>;

QDBusArgument& operator<<(QDBusArgument& out, const IconPixmap& p);
const QDBusArgument& operator>>(const QDBusArgument& in, IconPixmap& p);
QDBusArgument& operator<<(QDBusArgument& out, const ToolTip& t);
const QDBusArgument& operator>>(const QDBusArgument& in, ToolTip& t);
QDBusArgument& operator<<(QDBusArgument& out, const MenuLayout& m);
const QDBusArgument& operator>>(const QDBusArgument& in, MenuLayout& m);
QDBusArgument& operator<<(QDBusArgument& out, const MenuItemProperties& m);
const QDBusArgument& operator>>(const QDBusArgument& in, MenuItemProperties& m);
QDBusArgument& operator<<(QDBusArgument& out, const MenuItemPropertyNames& m);
const QDBusArgument& operator>>(const QDBusArgument& in, MenuItemPropertyNames& m);
QDBusArgument& operator<<(QDBusArgument& out, const MenuEvent& e);
const QDBusArgument& operator>>(const QDBusArgument& in, MenuEvent& e);

// Makes them known to Qt's D-Bus, once, before the first object that uses them is offered.
void registerTrayTypes();

}  // namespace quendal::qt

Q_DECLARE_METATYPE(quendal::qt::IconPixmap)
Q_DECLARE_METATYPE(quendal::qt::ToolTip)
Q_DECLARE_METATYPE(quendal::qt::MenuLayout)
Q_DECLARE_METATYPE(quendal::qt::MenuItemProperties)
Q_DECLARE_METATYPE(quendal::qt::MenuItemPropertyNames)
Q_DECLARE_METATYPE(quendal::qt::MenuEvent)
