#pragma once

#include "widgets/TrayIcon.h"

#include <QObject>
#include <QSystemTrayIcon>
#include <atomic>

namespace widgets {

// The desktop's notification area through QSystemTrayIcon. Its activations are turned into
// the mouse messages the tray icon expects: a click becomes a press and a release of that
// button, a double click the double-click message followed by a release.
class QtTrayShell final : public QObject, public TrayShell {
    Q_OBJECT
public:
    explicit QtTrayShell(QObject* parent = nullptr);
    ~QtTrayShell() override;

    // Where the translated messages go (the tray icon's handleMessage).
    void setMessageHandler(std::function<bool(unsigned, unsigned)> handler) { m_handler = std::move(handler); }
    // The entry is on show on a desktop that has a tray.
    bool isShown() const;
    // Called whenever a tray may have come or gone on the desktop (on X11: the owner of the
    // tray's selection changed). Nothing polls: where the window system does not say, the
    // handler is never called.
    void setTrayChangeHandler(std::function<void()> handler) { m_trayChanged = std::move(handler); }

    bool add(const TrayNotifyData& data) override;
    void modify(const TrayNotifyData& data) override;
    void remove(const TrayNotifyData& data) override;
    QPoint cursorPos() const override;
    unsigned keyboardShift() const override;
    void bringToForeground() override;
    void cancelMouseMode() override;
    void processPendingMessages() override;
    void popupMenu(QMenu& menu, QPoint at) override;
    void showError(const QString& message) override;
    void runOnUiThread(std::function<void()> step) override;
    bool applicationTerminating() const override { return m_terminating; }

private slots:
    void trayWindowChanged();

private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    void send(unsigned mouseMessage);
    void show(const TrayNotifyData& data);

    QSystemTrayIcon m_tray;
    std::function<bool(unsigned, unsigned)> m_handler;
    std::function<void()> m_trayChanged;
    std::atomic<bool> m_terminating{false};
};

} // namespace widgets
