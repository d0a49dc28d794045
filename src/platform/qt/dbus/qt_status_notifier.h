#pragma once

#include <qwindowdefs.h>
#include <QByteArray>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#include <functional>

#include <optional>

#include "platform/desktop/autostart.h"
#include "platform/desktop/tray_item.h"
#include "platform/interface/design.h"

// The tray item on the session bus: a status notifier item (org.kde.StatusNotifierItem,
// with the label that GNOME's and Unity's hosts draw beside the icon) and its menu
// (com.canonical.dbusmenu), which some hosts need before they show an item at all. What
// they show, and when, is the TrayItem's; this only carries it.
namespace quendal::qt {

// One picture as the protocol carries it: ARGB32, in network byte order.
struct IconPixmap {
    int width = 0;
    int height = 0;
    QByteArray argb;
};
using IconPixmaps = QList<IconPixmap>;

struct ToolTip {
    QString iconName;
    IconPixmaps pixmaps;
    QString title;
    QString text;
};

// A menu item and, for the menu itself, its items, each in a variant.
struct MenuLayout {
    int id = 0;
    QVariantMap properties;
    QVariantList children;
};

struct MenuItemProperties {
    int id = 0;
    QVariantMap properties;
};
using MenuItemPropertiesList = QList<MenuItemProperties>;

struct MenuItemPropertyNames {
    int id = 0;
    QStringList names;
};
using MenuItemPropertyNamesList = QList<MenuItemPropertyNames>;

struct MenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using MenuEvents = QList<MenuEvent>;

}  // namespace quendal::qt

Q_DECLARE_METATYPE(quendal::qt::IconPixmap)
Q_DECLARE_METATYPE(quendal::qt::ToolTip)
Q_DECLARE_METATYPE(quendal::qt::MenuLayout)
Q_DECLARE_METATYPE(quendal::qt::MenuItemProperties)
Q_DECLARE_METATYPE(quendal::qt::MenuItemPropertyNames)
Q_DECLARE_METATYPE(quendal::qt::MenuEvent)

namespace quendal::qt {

class StatusNotifier;

// The item's object, /StatusNotifierItem.
class ItemObject final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(QList<quendal::qt::IconPixmap> IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ empty)
    Q_PROPERTY(QList<quendal::qt::IconPixmap> OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ empty)
    Q_PROPERTY(QList<quendal::qt::IconPixmap> AttentionIconPixmap READ attentionIconPixmap)
    Q_PROPERTY(QString AttentionMovieName READ empty)
    Q_PROPERTY(quendal::qt::ToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString IconThemePath READ empty)
    Q_PROPERTY(QString XAyatanaLabel READ label)
    Q_PROPERTY(QString XAyatanaLabelGuide READ labelGuide)
    Q_PROPERTY(uint XAyatanaOrderingIndex READ orderingIndex)

  public:
    explicit ItemObject(StatusNotifier& notifier) : notifier_(notifier) {}

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("quendal"); }
    QString title() const;
    QString status() const;
    int windowId() const;
    QString iconName() const;
    IconPixmaps iconPixmap() const;
    QString empty() const { return {}; }
    IconPixmaps noPixmaps() const { return {}; }
    IconPixmaps attentionIconPixmap() const;
    ToolTip toolTip() const;
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const;
    QString label() const;
    QString labelGuide() const;
    uint orderingIndex() const { return 0; }

  public slots:
    Q_SCRIPTABLE void Activate(int x, int y);
    Q_SCRIPTABLE void SecondaryActivate(int x, int y);
    Q_SCRIPTABLE void ContextMenu(int x, int y);
    Q_SCRIPTABLE void Scroll(int delta, const QString& orientation);
    Q_SCRIPTABLE void ProvideXdgActivationToken(const QString& token);

  signals:
    Q_SCRIPTABLE void NewTitle();
    Q_SCRIPTABLE void NewIcon();
    Q_SCRIPTABLE void NewAttentionIcon();
    Q_SCRIPTABLE void NewOverlayIcon();
    Q_SCRIPTABLE void NewToolTip();
    Q_SCRIPTABLE void NewStatus(const QString& status);
    Q_SCRIPTABLE void XAyatanaNewLabel(const QString& label, const QString& guide);

  private:
    StatusNotifier& notifier_;
};

// The menu's object, /MenuBar.
class MenuObject final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

  public:
    explicit MenuObject(StatusNotifier& notifier) : notifier_(notifier) {}

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

  public slots:
    Q_SCRIPTABLE uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                                quendal::qt::MenuLayout& layout);
    Q_SCRIPTABLE QList<quendal::qt::MenuItemProperties> GetGroupProperties(
        const QList<int>& ids, const QStringList& propertyNames);
    Q_SCRIPTABLE QDBusVariant GetProperty(int id, const QString& name);
    Q_SCRIPTABLE void Event(int id, const QString& eventId, const QDBusVariant& data,
                            uint timestamp);
    Q_SCRIPTABLE QList<int> EventGroup(const QList<quendal::qt::MenuEvent>& events);
    Q_SCRIPTABLE bool AboutToShow(int id);
    Q_SCRIPTABLE QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

  signals:
    Q_SCRIPTABLE void ItemsPropertiesUpdated(
        const QList<quendal::qt::MenuItemProperties>& updated,
        const QList<quendal::qt::MenuItemPropertyNames>& removed);
    Q_SCRIPTABLE void LayoutUpdated(uint revision, int parent);
    Q_SCRIPTABLE void ItemActivationRequested(int id, uint timestamp);

  private:
    // Answers an id the menu lacks with an error; true when it is one of its items.
    bool known(int id);

    StatusNotifier& notifier_;
};

// The tray item, registered with the desktop's tray (its watcher) whenever one runs.
class StatusNotifier final {
  public:
    // `autostart`: the user's entry, where there is a place for one; `window`: the
    // strip's, for the item's window id; `quit` closes it as the user does.
    StatusNotifier(const FormDesign& design, ModelHost& host, Speech& speech,
                   std::optional<Autostart> autostart, std::function<WId()> window,
                   std::function<void()> quit);
    StatusNotifier(const StatusNotifier&) = delete;
    StatusNotifier& operator=(const StatusNotifier&) = delete;
    ~StatusNotifier();

    TrayItem& item() { return item_; }

  private:
    friend class ItemObject;
    friend class MenuObject;
    void registerWithWatcher();
    void showCount(int count);
    void propertiesChanged(const QVariantMap& changed);

    Rgb countColour_;
    std::function<WId()> window_;
    QTimer labelTimer_;
    QTimer tooltipTimer_;
    // The watcher's refusal is said once, however often the item registers again.
    bool refusalSaid_ = false;
    QString label_;
    QString tooltip_;
    TrayItem::Status status_ = TrayItem::Status::Active;
    IconPixmaps icon_;
    IconPixmaps attentionIcon_;
    uint revision_ = 1;
    ItemObject itemObject_{*this};
    MenuObject menuObject_{*this};
    QDBusServiceWatcher watcher_;
    // The parent of the registrations' pending answers, which go with it.
    QObject registration_;
    TrayItem item_;
};

}  // namespace quendal::qt
