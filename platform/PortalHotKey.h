#pragma once

#include "platform/GlobalHotKey.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <functional>

namespace platform {

// F9 through the desktop portal's global shortcut service, for Wayland desktops where no
// program may grab keys itself. Every call is asynchronous: a session is created, the
// shortcut bound to it, and the portal then reports each press. Each request's answer comes
// as a signal on a path known in advance, so the answer's handler is in place before the
// request goes out. A desktop without the service leaves the key unregistered, silently.
class PortalHotKey final : public GlobalHotKey {
    Q_OBJECT
public:
    explicit PortalHotKey(QDBusConnection bus, QObject* parent = nullptr);
    ~PortalHotKey() override;

    static constexpr const char* kShortcutId = "toggle-window";

    bool registerF9() override;
    void unregister() override;
    bool isWorking() const override { return m_working; }

    // The session the portal gave us; empty until it has answered.
    const QString& sessionHandle() const { return m_session; }

private Q_SLOTS:
    // Workaround: QDBusConnection::connect takes only string-based slots (Qt 6.4), so the
    // bus's signals land in these two slots by name.
    void requestAnswered(const QDBusMessage& message);
    void shortcutActivated(const QDBusMessage& message);

private:
    using Continuation = std::function<void(uint response, const QVariantMap& results)>;
    void request(const QString& method, QList<QVariant> arguments, QVariantMap options, Continuation then);
    void sessionCreated(uint response, const QVariantMap& results);
    void shortcutsBound(uint response, const QVariantMap& results);
    void giveUp(const QString& why);
    void stopListening();

    QDBusConnection m_bus;
    QString m_session;
    QString m_pendingPath; // the request whose answer is awaited
    Continuation m_then;
    bool m_started = false;
    bool m_working = false;
    bool m_listeningForPresses = false;
};

} // namespace platform
