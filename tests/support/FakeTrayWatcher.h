#pragma once

#include <QDBusConnection>
#include <QDir>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <memory>

namespace testing {

// A session bus of the test's own: a dbus-daemon started for it and ended with it.
class PrivateBus {
public:
    // Empty when no daemon could be started.
    QString start()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                        QStringLiteral("--address=unix:tmpdir=") + QDir::tempPath()});
        if (!m_daemon.waitForStarted() || !m_daemon.waitForReadyRead(10000))
            return {};
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        return m_address;
    }
    ~PrivateBus()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }
    // A new connection to it, under a name of its own.
    QDBusConnection connect(const QString& purpose)
    {
        return QDBusConnection::connectToBus(m_address, QStringLiteral("%1-%2").arg(purpose).arg(++m_connections));
    }

private:
    QProcess m_daemon;
    QString m_address;
    int m_connections = 0;
};

// A D-Bus tray's watcher (org.kde.StatusNotifierWatcher), which a test cannot have: it records
// the items that register and says whether a tray that shows them is there.
class FakeTrayWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
public:
    bool host = true;
    QStringList registered;
    bool hostRegistered() const { return host; }
    QStringList items() const { return registered; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service) { registered << service; }

Q_SIGNALS:
    void StatusNotifierHostRegistered();
};

// The watcher on a connection of its own, under its well-known name. With `objectLater`, the
// name is taken first and the object answers only after that many milliseconds, as a watcher
// that is starting up does.
class RunningTrayWatcher {
public:
    FakeTrayWatcher watcher;

    static std::unique_ptr<RunningTrayWatcher> start(QDBusConnection bus, int objectLater = -1)
    {
        auto running = std::unique_ptr<RunningTrayWatcher>(new RunningTrayWatcher(std::move(bus)));
        if (objectLater < 0 && !running->exportObject())
            return nullptr;
        if (!running->m_bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")))
            return nullptr;
        if (objectLater >= 0)
            QTimer::singleShot(objectLater, &running->watcher, [r = running.get()] { r->exportObject(); });
        return running;
    }
    ~RunningTrayWatcher() { QDBusConnection::disconnectFromBus(m_bus.name()); }

private:
    explicit RunningTrayWatcher(QDBusConnection bus) : m_bus(std::move(bus)) {}
    bool exportObject()
    {
        return m_bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                                    QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties |
                                        QDBusConnection::ExportAllSignals);
    }

    QDBusConnection m_bus;
};

} // namespace testing
