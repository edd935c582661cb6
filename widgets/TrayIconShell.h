#pragma once

#include "widgets/TrayIcon.h"

#include <QDBusConnection>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <atomic>
#include <memory>
#include <optional>

namespace platform {
class StatusNotifierItem;
}

namespace widgets {

// The desktop's notification area, through whichever kind of tray the desktop has: a D-Bus
// tray (a StatusNotifierItem, its menu exported through DBusMenu) whenever the tray's watcher
// is on the bus, and otherwise the X11 XEmbed tray through QSystemTrayIcon. The D-Bus item
// follows the watcher when it starts late or restarts; the XEmbed icon follows the owner of
// the tray's selection. Activations of either become the mouse messages the tray icon
// expects: a click becomes a press and a release of that button, a double click the
// double-click message followed by a release.
class QtTrayShell final : public QObject, public TrayShell {
    Q_OBJECT
public:
    // On the session bus, on a desktop (not on the offscreen or minimal platforms).
    explicit QtTrayShell(QObject* parent = nullptr);
    // On the given bus; a bus that is not connected leaves the XEmbed tray alone.
    explicit QtTrayShell(QDBusConnection bus, QObject* parent = nullptr);
    ~QtTrayShell() override;

    // Where the translated messages go (the tray icon's handleMessage).
    void setMessageHandler(std::function<bool(unsigned, unsigned)> handler) { m_handler = std::move(handler); }
    // The entry is on show in a tray of either kind.
    bool isShown() const;
    // Called whenever a tray may have come or gone: the D-Bus tray's watcher came, went or
    // took the item, or (on X11) the owner of the tray's selection changed. Nothing polls:
    // where neither says, the handler is never called.
    void setTrayChangeHandler(std::function<void()> handler) { m_trayChanged = std::move(handler); }
    platform::StatusNotifierItem& statusNotifierItem() const { return *m_item; }

    bool add(const TrayNotifyData& data) override;
    void modify(const TrayNotifyData& data) override;
    void remove(const TrayNotifyData& data) override;
    void menuChanged(QMenu* menu) override;
    QPoint cursorPos() const override;
    unsigned keyboardShift() const override;
    void bringToForeground() override;
    void cancelMouseMode() override;
    void processPendingMessages() override;
    void popupMenu(QMenu& menu, QPoint at) override;
    void showError(const QString& message) override;
    void runOnUiThread(std::function<void()> step) override;
    bool applicationTerminating() const override { return m_terminating; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void trayWindowChanged();

private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    void clickedOverBus(unsigned down, unsigned up, QPoint at);
    void send(unsigned mouseMessage);
    void show(const TrayNotifyData& data);
    void followWanted();
    QSystemTrayIcon& xembedTray();
    void showXEmbedWhereNoDBusTray();
    void keepAnsweringWhileModal();
    void exportMenu();
    void trayMayHaveChanged();

    std::unique_ptr<platform::StatusNotifierItem> m_item;
    std::unique_ptr<QSystemTrayIcon> m_tray; // the XEmbed tray's icon, made when first needed
    QIcon m_icon;
    QString m_tip;
    bool m_wanted = false;
    QPointer<QMenu> m_menu;
    std::optional<QPoint> m_clickAt; // where the D-Bus tray says the click was
    std::function<bool(unsigned, unsigned)> m_handler;
    std::function<void()> m_trayChanged;
    std::atomic<bool> m_terminating{false};
};

} // namespace widgets
