#include "app/ToggleServer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QLoggingCategory>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcToggle, "quibbet.toggle")

namespace app {

namespace {

const QByteArray kToggleRequest = "toggle\n";
const QByteArray kShowRequest = "show\n";
constexpr int kConnectTimeoutMs = 1000;
constexpr int kWriteTimeoutMs = 1000;
// Long enough for another start's probe and listen; a lock left by a crash is taken over after it.
constexpr int kLockTimeoutMs = 3000;

QString socketSafe(QString text)
{
    for (QChar& c : text) {
        if (!c.isLetterOrNumber())
            c = QLatin1Char('_');
    }
    return text;
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
                const QByteArray request = socket->readLine(64);
                if (request == kToggleRequest)
                    emit toggleRequested();
                else if (request == kShowRequest)
                    emit showRequested();
                socket->disconnectFromServer();
            };
            connect(socket, &QLocalSocket::readyRead, this, readRequest);
            readRequest(); // what arrived with the connection
        }
    });
}

ToggleServer::~ToggleServer() = default;

QString ToggleServer::canonicalNotesFile(const QString& notesFile)
{
    const QFileInfo file(notesFile);
    const QString existing = file.canonicalFilePath(); // empty when there is no such file
    if (!existing.isEmpty())
        return existing;
    const QString folder = file.absoluteDir().canonicalPath();
    return (folder.isEmpty() ? file.absolutePath() : folder) + QLatin1Char('/') + file.fileName();
}

QString ToggleServer::serverName(const QString& desktop, const QString& notesFile)
{
    // A path may be longer than a socket's name can be: the file goes in by its hash.
    const QByteArray file =
        QCryptographicHash::hash(canonicalNotesFile(notesFile).toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    const QString base = QStringLiteral("quibbet-%1-%2").arg(socketSafe(desktop), QString::fromLatin1(file));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(base);
    return QStringLiteral("%1-%2").arg(base).arg(::getuid());
}

ToggleServer::Answer ToggleServer::ask(Request request, const QString& name, int answerTimeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return Answer::NoProgram;
    socket.write(request == Request::Toggle ? kToggleRequest : kShowRequest);
    if (!socket.waitForBytesWritten(kWriteTimeoutMs))
        return Answer::NoAnswer;
    // The program hangs up once it has read the request and acted on it.
    if (socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(answerTimeoutMs))
        return Answer::Done;
    return Answer::NoAnswer;
}

bool ToggleServer::send(Request request, const QString& name)
{
    return ask(request, name) == Answer::Done;
}

ToggleServer::Listening ToggleServer::listen(const QString& name)
{
    // Asking whether one answers and then taking the name must be one step: two programs
    // started together would otherwise both find none and both answer, the later one
    // taking the name. A lock file beside the socket makes it one.
    const QString socketPath = QDir::isAbsolutePath(name) ? name : QDir::temp().filePath(name);
    QLockFile lock(socketPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(kLockTimeoutMs);
    if (!lock.tryLock(kLockTimeoutMs))
        qCWarning(lcToggle) << "cannot take" << lock.error() << "for" << name << "; going on without it";

    // The socket is made under another name and renamed onto this one, so listening would
    // replace a running program's socket without a word: ask first whether one answers.
    // The first program keeps the name; a socket nobody answers is left over from a crash.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kConnectTimeoutMs)) {
        probe.abort();
        return Listening::AnotherAnswers; // the caller decides what to do
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

QString ToggleServer::socketPath() const
{
    return m_server->isListening() ? m_server->fullServerName() : QString();
}

} // namespace app
