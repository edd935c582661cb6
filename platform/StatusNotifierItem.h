#pragma once

#include "platform/StatusNotifierTypes.h"

#include <QDBusConnection>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>

class QAction;

namespace platform {

class DBusMenuExporter;
class StatusNotifierItemAdaptor;

// The program's icon in a D-Bus tray: a StatusNotifierItem (org.kde.StatusNotifierItem) with its
// menu exported through DBusMenu, the kind KDE Plasma, GNOME with AppIndicator, Cinnamon and
// XFCE show. The item follows the tray's watcher (org.kde.StatusNotifierWatcher): whenever one
// appears (late, or again after a restart), the item registers with it, and tries again for a
// while when a new watcher is not ready to answer yet. Every call is asynchronous. Without a
// session bus the item stays off the bus and reports that there is no watcher.
class StatusNotifierItem : public QObject {
    Q_OBJECT
public:
    enum class Watcher { Unknown, Absent, Present };

    static constexpr const char* kItemPath = "/StatusNotifierItem";
    static constexpr const char* kMenuPath = "/MenuBar";

    explicit StatusNotifierItem(QDBusConnection bus, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    // The bus name the item is known by: "org.kde.StatusNotifierItem-<pid>-<n>".
    const QString& serviceName() const { return m_serviceName; }
    Watcher watcher() const { return m_watcher; }
    // Registered with the current watcher, which knows a tray that shows items.
    bool isShown() const { return m_registered && m_hostPresent; }

    // Wanted, the item holds its bus name and registers with every watcher that comes; not
    // wanted, it gives the name up, which takes it out of the tray.
    void setWanted(bool wanted);
    bool isWanted() const { return m_wanted; }
    void setIcon(const QList<QImage>& images);
    void setToolTip(const QString& text);
    // The entries of the menu the tray shows (exported, not drawn by us).
    void setMenu(const QList<QAction*>& actions);

    const SniPixmapList& pixmaps() const { return m_pixmaps; }
    const QString& toolTip() const { return m_toolTip; }
    DBusMenuExporter& menu() const { return *m_menu; }

signals:
    // The tray's clicks: the primary one (usually the left button), the secondary one (the
    // middle button), and the request for a menu of the item's own, from a tray that does not
    // show the exported one. `at` is where the tray says, on the screen, or (0, 0) when it does
    // not say. Each comes after the tray has had its answer.
    void activated(QPoint at);
    void secondaryActivated(QPoint at);
    void contextMenuRequested(QPoint at);
    // watcher() or isShown() may have changed.
    void stateChanged();

private Q_SLOTS:
    // Workaround: QDBusConnection::connect takes only string-based slots (Qt 6.4), so the
    // watcher's signals land in these slots by name.
    void hostRegistered();
    void hostUnregistered();

private:
    void askForWatcher();
    void watcherOwnerChanged(const QString& owner);
    void requestName();
    void releaseName();
    void registerWithWatcher();
    void askForHost();
    void setHostPresent(bool present);

    QDBusConnection m_bus;
    QString m_serviceName;
    DBusMenuExporter* m_menu = nullptr;
    StatusNotifierItemAdaptor* m_adaptor = nullptr;
    SniPixmapList m_pixmaps;
    QString m_toolTip;

    bool m_wanted = false;
    bool m_nameRequested = false; // the request is under way
    bool m_nameOwned = false;
    Watcher m_watcher = Watcher::Unknown;
    QString m_watcherOwner; // the watcher's unique name
    bool m_registered = false;
    bool m_hostPresent = true; // until the watcher says otherwise
    // Goes up whenever an answer under way may no longer apply (another watcher, the name
    // given up); such answers are dropped.
    int m_epoch = 0;
    int m_hostNews = 0; // the watcher's signal is newer than any answer under way
    int m_attempts = 0;
    QTimer m_retry;
};

} // namespace platform
