#pragma once

#include <qwindowdefs.h>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>

#include "platform/desktop/autostart.h"
#include "platform/desktop/tray_item.h"
#include "platform/interface/design.h"
#include "platform/qt/dbus/tray_wire_types.h"

// The tray item on the session bus: a status notifier item (org.kde.StatusNotifierItem,
// with the label that GNOME's and Unity's hosts draw beside the icon) and its menu
// (com.canonical.dbusmenu), which some hosts need before they show an item at all. The
// two interfaces are described in interfaces/, from which Qt's tools make the adaptors
// that carry each call to these objects. What the item shows, and when, is the
// TrayItem's; this only carries it.
namespace quendal::qt {

class StatusNotifier;

// What the item shows, as the bus reads it.
struct ItemShown {
    QString label;
    QString tooltip;
    TrayItem::Status status = TrayItem::Status::Active;
    IconPixmaps icon;
    IconPixmaps attentionIcon;
};

// The item's object, /StatusNotifierItem.
class ItemObject final : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ empty)
    Q_PROPERTY(quendal::qt::IconPixmaps IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ empty)
    Q_PROPERTY(quendal::qt::IconPixmaps OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ empty)
    Q_PROPERTY(quendal::qt::IconPixmaps AttentionIconPixmap READ attentionIconPixmap)
    Q_PROPERTY(QString AttentionMovieName READ empty)
    Q_PROPERTY(quendal::qt::ToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString IconThemePath READ empty)
    Q_PROPERTY(QString XAyatanaLabel READ label)
    Q_PROPERTY(QString XAyatanaLabelGuide READ labelGuide)
    Q_PROPERTY(uint XAyatanaOrderingIndex READ orderingIndex)

  public:
    static const QString kPath;

    ItemObject(const ItemShown& shown, StatusNotifier& notifier, std::function<WId()> window)
        : shown_(shown), notifier_(notifier), window_(std::move(window)) {}

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("quendal"); }
    QString title() const;
    QString status() const;
    int windowId() const { return static_cast<int>(window_()); }
    // No icon by name: hosts take one over the pictures, which carry the count.
    QString empty() const { return {}; }
    IconPixmaps iconPixmap() const { return shown_.icon; }
    IconPixmaps noPixmaps() const { return {}; }
    // Only while it asks for attention: every host that reads the item again at a change
    // reads it whole, and the other picture is all it needs meanwhile.
    IconPixmaps attentionIconPixmap() const;
    quendal::qt::ToolTip toolTip() const;
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const;
    QString label() const { return shown_.label; }
    QString labelGuide() const;
    uint orderingIndex() const { return 0; }

  public slots:
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString& orientation);
    void ProvideXdgActivationToken(const QString& token);

  signals:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);
    void XAyatanaNewLabel(const QString& label, const QString& guide);

  private:
    const ItemShown& shown_;
    StatusNotifier& notifier_;
    std::function<WId()> window_;
};

// The menu's object, /MenuBar. An id it has no item of is answered with the protocol's
// error.
class MenuObject final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

  public:
    static const QString kPath;

    explicit MenuObject(StatusNotifier& notifier) : notifier_(notifier) {}

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

    // The items have changed: their new properties, then a new layout.
    void changed();

  public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   quendal::qt::MenuLayout& layout);
    quendal::qt::MenuItemPropertiesList GetGroupProperties(const QList<int>& ids,
                                                           const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const quendal::qt::MenuEvents& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

  signals:
    void ItemsPropertiesUpdated(const quendal::qt::MenuItemPropertiesList& updatedProps,
                                const quendal::qt::MenuItemPropertyNamesList& removedProps);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

  private:
    // Answers an id the menu lacks with an error; true when it is one of its items.
    bool known(int id);
    // Answers with an error where none of `ids` is an item's; true when one is.
    bool anyKnown(const QList<int>& ids, const QList<int>& unknown);
    TrayItem& item();

    StatusNotifier& notifier_;
    uint revision_ = 1;
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
    TrayItem::Port port(std::function<void()> quit);
    void offer(const QString& path, QObject& object);
    void registerWithWatcher();
    void showLabel(std::string_view label);
    void showCount(int count);
    void showStatus(TrayItem::Status status);

    const FormDesign& design_;
    ItemShown shown_;
    std::optional<int> count_;
    QTimer labelTimer_;
    QTimer tooltipTimer_;
    ItemObject itemObject_;
    MenuObject menuObject_;
    QDBusServiceWatcher watcher_;
    // The parent of the registrations' pending answers, which go with it.
    QObject registration_;
    // The watcher's refusal is said once, however often the item registers again.
    bool refusalSaid_ = false;
    TrayItem item_;
};

}  // namespace quendal::qt
