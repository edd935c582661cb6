#include "app/ToggleServer.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcToggle, "quibbet.toggle")

namespace app {

namespace {

const QByteArray kToggleRequest = "toggle\n";
constexpr int kConnectTimeoutMs = 1000;
constexpr int kWriteTimeoutMs = 1000;

QString displayPart()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    for (QChar& c : display) {
        if (!c.isLetterOrNumber())
            c = QLatin1Char('_');
    }
    return display;
}

} // namespace

ToggleServer::ToggleServer(QObject* parent) : QObject(parent), m_server(new QLocalServer(this))
{
    // Only the user who started the program may tell it to show or hide.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            const auto readRequest = [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine(64) == kToggleRequest)
                    emit toggleRequested();
                socket->disconnectFromServer();
            };
            connect(socket, &QLocalSocket::readyRead, this, readRequest);
            readRequest(); // what arrived with the connection
        }
    });
}

ToggleServer::~ToggleServer() = default;

QString ToggleServer::serverName()
{
    const QString base = QStringLiteral("quibbet-toggle-%1").arg(displayPart());
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(base);
    return QStringLiteral("%1-%2").arg(base).arg(::getuid());
}

bool ToggleServer::sendToggle(const QString& name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kToggleRequest);
    if (!socket.waitForBytesWritten(kWriteTimeoutMs))
        return false;
    // Wait until the program has read the request and hung up, so that the caller knows it
    // has been delivered.
    if (socket.state() == QLocalSocket::ConnectedState)
        socket.waitForDisconnected(kWriteTimeoutMs);
    return true;
}

ToggleServer::Listening ToggleServer::listen(const QString& name)
{
    // The socket is made under another name and renamed onto this one, so listening would
    // replace a running program's socket without a word: ask first whether one answers.
    // The first program keeps the name; a socket nobody answers is left over from a crash.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kConnectTimeoutMs)) {
        probe.abort();
        return Listening::AnotherAnswers; // the caller says so, once
    }
    QLocalServer::removeServer(name);
    if (m_server->listen(name))
        return Listening::Yes;
    qCWarning(lcToggle) << "cannot answer --toggle at" << name << ':' << m_server->errorString();
    return Listening::Failed;
}

bool ToggleServer::isListening() const
{
    return m_server->isListening();
}

} // namespace app
