#include "platform/StatusNotifierItem.h"

#include "platform/DBusMenuExporter.h"
#include "platform/StatusNotifierItemAdaptor.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QLoggingCategory>
#include <algorithm>
#include <atomic>

Q_LOGGING_CATEGORY(lcTray, "quibbet.tray", QtInfoMsg)

namespace platform {

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kWatcherInterface = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");
const QString kBusInterface = QStringLiteral("org.freedesktop.DBus");

// A new watcher may own its name before its object answers: the first tries come quickly,
// then every two seconds, for about half a minute.
constexpr int kMaxAttempts = 20;
int retryDelay(int attempt)
{
    return std::min(100 << std::min(attempt - 1, 5), 2000);
}

std::atomic<int> itemsMade{0};

QDBusMessage busCall(const QString& method, const QList<QVariant>& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kBusService, kBusPath, kBusInterface, method);
    call.setArguments(arguments);
    return call;
}

} // namespace

StatusNotifierItem::StatusNotifierItem(QDBusConnection bus, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)),
      m_serviceName(
          QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(QCoreApplication::applicationPid()).arg(++itemsMade))
{
    registerStatusNotifierTypes();
    m_menu = new DBusMenuExporter(this);
    m_adaptor = new StatusNotifierItemAdaptor(this);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &StatusNotifierItem::registerWithWatcher);
    if (!m_bus.isConnected()) {
        m_watcher = Watcher::Absent;
        return;
    }
    m_bus.registerObject(QString::fromLatin1(kItemPath), this, QDBusConnection::ExportAdaptors);
    m_bus.registerObject(QString::fromLatin1(kMenuPath), m_menu, QDBusConnection::ExportAdaptors);

    auto* watcher = new QDBusServiceWatcher(kWatcherService, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& owner) { watcherOwnerChanged(owner); });
    // From any sender: naming the watcher's well-known name would make the bus library look
    // up its owner with a blocking call.
    m_bus.connect(QString(), kWatcherPath, kWatcherInterface, QStringLiteral("StatusNotifierHostRegistered"), this,
                  SLOT(hostRegistered()));
    m_bus.connect(QString(), kWatcherPath, kWatcherInterface, QStringLiteral("StatusNotifierHostUnregistered"), this,
                  SLOT(hostUnregistered()));
    askForWatcher();
}

StatusNotifierItem::~StatusNotifierItem()
{
    if (!m_bus.isConnected())
        return;
    m_bus.unregisterObject(QString::fromLatin1(kItemPath));
    m_bus.unregisterObject(QString::fromLatin1(kMenuPath));
    if (m_nameOwned)
        m_bus.asyncCall(busCall(QStringLiteral("ReleaseName"), {m_serviceName}));
}

// The service watcher reports changes only; the present owner is asked for once. Its answer
// is dropped when a change has come first: that change is at least as new.
void StatusNotifierItem::askForWatcher()
{
    auto* call =
        new QDBusPendingCallWatcher(m_bus.asyncCall(busCall(QStringLiteral("GetNameOwner"), {kWatcherService})), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<QString> reply = *done;
        if (m_watcher == Watcher::Unknown)
            watcherOwnerChanged(reply.isError() ? QString() : reply.value());
    });
}

void StatusNotifierItem::watcherOwnerChanged(const QString& owner)
{
    if (m_watcher != Watcher::Unknown && owner == m_watcherOwner)
        return;
    ++m_epoch;
    m_watcherOwner = owner;
    m_watcher = owner.isEmpty() ? Watcher::Absent : Watcher::Present;
    m_registered = false;
    m_hostPresent = true;
    m_attempts = 0;
    m_retry.stop();
    if (owner.isEmpty())
        qCDebug(lcTray) << "no tray watcher";
    else
        qCDebug(lcTray) << "tray watcher" << owner;
    registerWithWatcher();
    emit stateChanged();
}

void StatusNotifierItem::setWanted(bool wanted)
{
    if (wanted == m_wanted)
        return;
    m_wanted = wanted;
    if (!m_bus.isConnected())
        return;
    if (wanted)
        requestName();
    else
        releaseName();
}

void StatusNotifierItem::requestName()
{
    if (m_nameOwned || m_nameRequested)
        return;
    m_nameRequested = true;
    constexpr uint kDoNotQueue = 4;
    auto* call = new QDBusPendingCallWatcher(
        m_bus.asyncCall(busCall(QStringLiteral("RequestName"), {m_serviceName, kDoNotQueue})), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        m_nameRequested = false;
        const QDBusPendingReply<uint> reply = *done;
        constexpr uint kPrimaryOwner = 1;
        constexpr uint kAlreadyOwner = 4;
        if (reply.isError() || (reply.value() != kPrimaryOwner && reply.value() != kAlreadyOwner)) {
            qCWarning(lcTray) << "the tray icon got no bus name of its own:"
                              << (reply.isError() ? reply.error().message() : QString::number(reply.value()));
            return;
        }
        m_nameOwned = true;
        if (!m_wanted) // given up while the request was under way
            releaseName();
        else
            registerWithWatcher();
    });
}

void StatusNotifierItem::releaseName()
{
    ++m_epoch;
    m_retry.stop();
    const bool wasShown = isShown();
    m_registered = false;
    if (m_nameOwned) {
        m_nameOwned = false;
        m_bus.asyncCall(busCall(QStringLiteral("ReleaseName"), {m_serviceName}));
    }
    if (wasShown)
        emit stateChanged();
}

void StatusNotifierItem::registerWithWatcher()
{
    if (!m_wanted || !m_nameOwned || m_watcher != Watcher::Present || m_registered)
        return;
    ++m_attempts;
    QDBusMessage call = QDBusMessage::createMethodCall(m_watcherOwner, kWatcherPath, kWatcherInterface,
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    const int epoch = m_epoch;
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, epoch](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        if (epoch != m_epoch)
            return;
        const QDBusPendingReply<> reply = *done;
        if (reply.isError()) {
            if (m_attempts < kMaxAttempts) {
                qCDebug(lcTray) << "the tray's watcher is not ready:" << reply.error().name()
                                << reply.error().message();
                m_retry.start(retryDelay(m_attempts));
            } else {
                qCWarning(lcTray) << "the tray's watcher refused the icon:" << reply.error().name()
                                  << reply.error().message();
            }
            return;
        }
        m_registered = true;
        m_attempts = 0;
        qCDebug(lcTray) << "registered with the tray's watcher" << m_watcherOwner;
        askForHost();
        emit stateChanged();
    });
}

void StatusNotifierItem::askForHost()
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        m_watcherOwner, kWatcherPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << kWatcherInterface << QStringLiteral("IsStatusNotifierHostRegistered");
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    const int epoch = m_epoch;
    const int news = m_hostNews;
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, epoch, news](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *done;
        // A watcher that cannot say is taken at its word that items are shown.
        if (epoch == m_epoch && news == m_hostNews && !reply.isError())
            setHostPresent(reply.value().variant().toBool());
    });
}

void StatusNotifierItem::setHostPresent(bool present)
{
    if (present == m_hostPresent)
        return;
    m_hostPresent = present;
    emit stateChanged();
}

void StatusNotifierItem::hostRegistered()
{
    ++m_hostNews;
    setHostPresent(true);
}

void StatusNotifierItem::hostUnregistered()
{
    ++m_hostNews;
    if (m_registered)
        askForHost();
}

void StatusNotifierItem::setIcon(const QList<QImage>& images)
{
    SniPixmapList pixmaps = sniPixmaps(images);
    if (pixmaps == m_pixmaps)
        return;
    m_pixmaps = std::move(pixmaps);
    emit m_adaptor->NewIcon();
}

void StatusNotifierItem::setToolTip(const QString& text)
{
    if (text == m_toolTip)
        return;
    m_toolTip = text;
    emit m_adaptor->NewToolTip();
}

void StatusNotifierItem::setMenu(const QList<QAction*>& actions)
{
    m_menu->setActions(actions);
}

} // namespace platform
