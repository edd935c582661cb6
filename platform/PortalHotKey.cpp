#include "platform/PortalHotKey.h"

#include "platform/PortalShortcut.h"

#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLoggingCategory>
#include <QRandomGenerator>

Q_DECLARE_LOGGING_CATEGORY(lcHotKey)

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObjectPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kSessionInterface = QStringLiteral("org.freedesktop.portal.Session");

QString newToken()
{
    return QStringLiteral("quibbet%1").arg(QRandomGenerator::global()->generate());
}

// The portal answers a request on an object whose path follows from our bus name and the
// token we chose, which lets us listen there before asking.
QString requestPath(const QDBusConnection& bus, const QString& token)
{
    QString sender = bus.baseService();
    sender.remove(0, sender.startsWith(QLatin1Char(':')) ? 1 : 0);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

QString handleText(const QVariant& value)
{
    if (value.canConvert<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

} // namespace

PortalHotKey::PortalHotKey(QDBusConnection bus, QObject* parent) : GlobalHotKey(parent), m_bus(std::move(bus))
{
    registerPortalShortcutTypes();
}

PortalHotKey::~PortalHotKey()
{
    unregister();
}

bool PortalHotKey::registerF9()
{
    if (m_started)
        return true;
    if (!m_bus.isConnected())
        return false;
    m_started = true;
    request(QStringLiteral("CreateSession"), {}, {{QStringLiteral("session_handle_token"), newToken()}},
            [this](uint response, const QVariantMap& results) { sessionCreated(response, results); });
    return true;
}

void PortalHotKey::request(const QString& method, QList<QVariant> arguments, QVariantMap options, Continuation then)
{
    const QString token = newToken();
    options.insert(QStringLiteral("handle_token"), token);
    stopListening();
    m_pendingPath = requestPath(m_bus, token);
    m_then = std::move(then);
    // Subscribed before the call goes out, on the same connection: the portal cannot answer
    // before we listen.
    m_bus.connect(QString(), m_pendingPath, kRequestInterface, QStringLiteral("Response"), this,
                  SLOT(requestAnswered(QDBusMessage)));

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kObjectPath, kShortcutsInterface, method);
    arguments.append(options);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    const QString expected = m_pendingPath;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, method, expected](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        // The answer may have come before this reply, and the next request may be under way.
        if (m_pendingPath != expected)
            return;
        QDBusPendingReply<QDBusObjectPath> reply = *done;
        if (reply.isError()) {
            giveUp(method + QStringLiteral(": ") + reply.error().message());
            return;
        }
        // A portal that chose another path answers there; listen there instead. Its answer
        // cannot have been missed: it is sent after the reply that names the path.
        const QString path = reply.value().path();
        if (path != m_pendingPath) {
            stopListening();
            m_pendingPath = path;
            m_bus.connect(QString(), m_pendingPath, kRequestInterface, QStringLiteral("Response"), this,
                          SLOT(requestAnswered(QDBusMessage)));
        }
    });
}

void PortalHotKey::requestAnswered(const QDBusMessage& message)
{
    if (message.path() != m_pendingPath || message.arguments().size() < 2)
        return;
    const uint response = message.arguments().at(0).toUInt();
    const QVariantMap results = qdbus_cast<QVariantMap>(message.arguments().at(1));
    stopListening();
    Continuation then = std::move(m_then);
    m_then = nullptr;
    if (then)
        then(response, results);
}

void PortalHotKey::stopListening()
{
    if (m_pendingPath.isEmpty())
        return;
    m_bus.disconnect(QString(), m_pendingPath, kRequestInterface, QStringLiteral("Response"), this,
                     SLOT(requestAnswered(QDBusMessage)));
    m_pendingPath.clear();
}

void PortalHotKey::sessionCreated(uint response, const QVariantMap& results)
{
    m_session = handleText(results.value(QStringLiteral("session_handle")));
    if (response != 0 || m_session.isEmpty()) {
        giveUp(QStringLiteral("no shortcut session"));
        return;
    }
    // Any sender: naming the portal's well-known name would make the bus library look up its
    // owner with a blocking call.
    m_bus.connect(QString(), kObjectPath, kShortcutsInterface, QStringLiteral("Activated"), this,
                  SLOT(shortcutActivated(QDBusMessage)));
    m_listeningForPresses = true;
    const PortalShortcutList shortcuts{{QString::fromLatin1(kShortcutId),
                                        {{QStringLiteral("description"), tr("Show or hide Quibbet")},
                                         {QStringLiteral("preferred_trigger"), QStringLiteral("F9")}}}};
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(shortcuts), QString()}, {},
            [this](uint bound, const QVariantMap& boundResults) { shortcutsBound(bound, boundResults); });
}

void PortalHotKey::shortcutsBound(uint response, const QVariantMap&)
{
    if (response != 0) {
        giveUp(QStringLiteral("the shortcut was not bound"));
        return;
    }
    m_working = true;
}

void PortalHotKey::shortcutActivated(const QDBusMessage& message)
{
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2 || handleText(arguments.at(0)) != m_session ||
        arguments.at(1).toString() != QLatin1String(kShortcutId))
        return;
    emit activated(kF9);
}

void PortalHotKey::giveUp(const QString& why)
{
    qCInfo(lcHotKey) << "no global shortcut from the desktop portal:" << why;
    stopListening();
    m_then = nullptr;
    m_working = false;
}

void PortalHotKey::unregister()
{
    stopListening();
    m_then = nullptr;
    if (m_listeningForPresses) {
        m_bus.disconnect(QString(), kObjectPath, kShortcutsInterface, QStringLiteral("Activated"), this,
                         SLOT(shortcutActivated(QDBusMessage)));
        m_listeningForPresses = false;
    }
    if (!m_session.isEmpty() && m_bus.isConnected()) {
        m_bus.asyncCall(
            QDBusMessage::createMethodCall(kService, m_session, kSessionInterface, QStringLiteral("Close")));
    }
    m_session.clear();
    m_working = false;
    m_started = false;
}

} // namespace platform
