// F9 through the desktop portal, against a stand-in portal on a private session bus: the
// session and the binding are asked for without waiting, answers that come before the
// method's reply are not missed, presses of our shortcut arrive, and a desktop without the
// service or one that refuses leaves no key.
#include "platform/PortalHotKey.h"
#include "platform/PortalShortcut.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using platform::PortalHotKey;
using platform::PortalShortcutList;

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

QString senderPart(const QDBusMessage& message)
{
    QString sender = message.service().mid(1);
    return sender.replace(QLatin1Char('.'), QLatin1Char('_'));
}

// The desktop's portal, which a test cannot have: it answers each request with a Response
// signal sent before the method's own reply, as a fast portal may.
class FakePortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")
public:
    explicit FakePortal(QDBusConnection bus) : m_bus(std::move(bus)) {}

    uint bindResponse = 0;
    QStringList sessions;
    PortalShortcutList bound;
    void press(const QString& session, const QString& id)
    {
        QDBusMessage signal = QDBusMessage::createSignal(
            kPortalPath, QStringLiteral("org.freedesktop.portal.GlobalShortcuts"), QStringLiteral("Activated"));
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(1234) << QVariantMap();
        m_bus.send(signal);
    }

public Q_SLOTS:
    QDBusObjectPath CreateSession(const QVariantMap& options, const QDBusMessage& message)
    {
        const QString session =
            QStringLiteral("/org/freedesktop/portal/desktop/session/%1/%2")
                .arg(senderPart(message), options.value(QStringLiteral("session_handle_token")).toString());
        sessions << session;
        return respond(message, options, 0, {{QStringLiteral("session_handle"), session}});
    }

    QDBusObjectPath BindShortcuts(const QDBusObjectPath& session, const QList<platform::PortalShortcut>& shortcuts,
                                  const QString&, const QVariantMap& options, const QDBusMessage& message)
    {
        if (!sessions.contains(session.path()))
            return respond(message, options, 2, {});
        bound = shortcuts;
        return respond(message, options, bindResponse, {});
    }

private:
    QDBusObjectPath respond(const QDBusMessage& message, const QVariantMap& options, uint response,
                            const QVariantMap& results)
    {
        const QString request = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                    .arg(senderPart(message), options.value(QStringLiteral("handle_token")).toString());
        QDBusMessage answer = QDBusMessage::createSignal(request, QStringLiteral("org.freedesktop.portal.Request"),
                                                         QStringLiteral("Response"));
        answer << response << results;
        m_bus.send(answer);
        return QDBusObjectPath(request);
    }

    QDBusConnection m_bus;
};

// The portal's session objects: Close on any session path is recorded.
class FakeSessions : public QDBusVirtualObject {
public:
    QStringList closed;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.interface() != QLatin1String("org.freedesktop.portal.Session") ||
            message.member() != QLatin1String("Close"))
            return false;
        closed << message.path();
        connection.send(message.createReply());
        return true;
    }
};

} // namespace

class PortalHotKeyTest : public QObject {
    Q_OBJECT

private:
    QProcess m_daemon;
    QString m_address;
    int m_connections = 0;

    QDBusConnection connect(const QString& purpose)
    {
        return QDBusConnection::connectToBus(m_address, QStringLiteral("%1-%2").arg(purpose).arg(++m_connections));
    }

    struct Portal {
        QDBusConnection bus;
        FakePortal portal;
        FakeSessions sessions;
        explicit Portal(QDBusConnection connection) : bus(connection), portal(connection) {}
        ~Portal()
        {
            bus.unregisterService(kService);
            QDBusConnection::disconnectFromBus(bus.name());
        }
    };

    std::unique_ptr<Portal> startPortal()
    {
        auto portal = std::make_unique<Portal>(connect(QStringLiteral("portal")));
        if (!portal->bus.registerObject(kPortalPath, &portal->portal, QDBusConnection::ExportAllSlots) ||
            !portal->bus.registerVirtualObject(QStringLiteral("/org/freedesktop/portal/desktop/session"),
                                               &portal->sessions, QDBusConnection::SubPath) ||
            !portal->bus.registerService(kService))
            return nullptr;
        return portal;
    }

private slots:
    void initTestCase()
    {
        platform::registerPortalShortcutTypes();
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                        QStringLiteral("--address=unix:tmpdir=") + QDir::tempPath()});
        QVERIFY2(m_daemon.waitForStarted(), "dbus-daemon could not be started");
        QTRY_VERIFY(m_daemon.canReadLine());
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());
    }

    void cleanupTestCase()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    void bindsF9AndReportsItsPresses()
    {
        auto portal = startPortal();
        QVERIFY(portal);
        PortalHotKey key(connect(QStringLiteral("client")));
        QSignalSpy presses(&key, &PortalHotKey::activated);
        QVERIFY(key.registerF9()); // asked for, not yet known
        QVERIFY(!key.isWorking());
        QTRY_VERIFY(key.isWorking());

        QCOMPARE(portal->portal.sessions.size(), 1);
        QCOMPARE(key.sessionHandle(), portal->portal.sessions.first());
        QCOMPARE(portal->portal.bound.size(), 1);
        QCOMPARE(portal->portal.bound.first().id, QStringLiteral("toggle-window"));
        QCOMPARE(portal->portal.bound.first().properties.value(QStringLiteral("preferred_trigger")).toString(),
                 QStringLiteral("F9"));

        portal->portal.press(key.sessionHandle(), QStringLiteral("toggle-window"));
        QTRY_COMPARE(presses.count(), 1);
        QCOMPARE(presses.first().first().toInt(), 0x78);

        // Another program's shortcut, or ours in another session, is not ours.
        portal->portal.press(key.sessionHandle(), QStringLiteral("something-else"));
        portal->portal.press(QStringLiteral("/org/freedesktop/portal/desktop/session/other/s1"),
                             QStringLiteral("toggle-window"));
        portal->portal.press(key.sessionHandle(), QStringLiteral("toggle-window"));
        QTRY_COMPARE(presses.count(), 2);
        QTest::qWait(50);
        QCOMPARE(presses.count(), 2);
    }

    void unregisteringClosesTheSession()
    {
        auto portal = startPortal();
        QVERIFY(portal);
        PortalHotKey key(connect(QStringLiteral("client")));
        QSignalSpy presses(&key, &PortalHotKey::activated);
        key.registerF9();
        QTRY_VERIFY(key.isWorking());
        const QString session = key.sessionHandle();
        key.unregister();
        QVERIFY(!key.isWorking());
        QTRY_COMPARE(portal->sessions.closed, QStringList{session});
        portal->portal.press(session, QStringLiteral("toggle-window"));
        QTest::qWait(50);
        QCOMPARE(presses.count(), 0);
    }

    void aRefusedBindingLeavesNoKey()
    {
        auto portal = startPortal();
        QVERIFY(portal);
        portal->portal.bindResponse = 1; // the user said no
        PortalHotKey key(connect(QStringLiteral("client")));
        key.registerF9();
        QTRY_COMPARE(portal->portal.bound.size(), 1);
        QTest::qWait(50);
        QVERIFY(!key.isWorking());
    }

    void aDesktopWithoutThePortalLeavesNoKey()
    {
        PortalHotKey key(connect(QStringLiteral("client")));
        QVERIFY(key.registerF9());
        QTest::qWait(100);
        QVERIFY(!key.isWorking());
        key.unregister(); // nothing to close, nothing goes wrong
    }

    void noBusNoKey()
    {
        PortalHotKey key(
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("none")));
        QVERIFY(!key.registerF9());
        QVERIFY(!key.isWorking());
    }
};

QTEST_GUILESS_MAIN(PortalHotKeyTest)
#include "tst_portalhotkey.moc"
