#include "app/SingleStart.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QSysInfo>
#include <QThread>

Q_LOGGING_CATEGORY(lcStart, "quibbet.start")

namespace app {

namespace {

constexpr int kPollMs = 50;

// One line for standard error: the program's name, then the text in the user's language.
QString said(const char* text)
{
    return QStringLiteral("quibbet: ") + QCoreApplication::translate("SingleStart", text);
}

StartDecision leave(int exitCode, const QString& line)
{
    return {false, exitCode, line};
}

StartDecision handedOver(const StartRequest& request, ToggleServer::Answer answer, const QString& holder)
{
    if (answer == ToggleServer::Answer::Done) {
        if (request.toggle)
            return leave(0, {});
        return leave(
            0, said(QT_TRANSLATE_NOOP("SingleStart", "Quibbet already runs on %1 and has been brought to the front"))
                   .arg(request.shownFile));
    }
    return leave(1, said(QT_TRANSLATE_NOOP("SingleStart", "Quibbet already runs on %1%2 and does not answer"))
                        .arg(request.shownFile, holder));
}

StartDecision runHere(NotesFileLock& lock, ToggleServer& server, const StartRequest& request)
{
    lock.describe(request.desktop);
    // Holding the lock, this is the one program of the file: a socket found at the name is
    // left over, or is a program that runs without the lock (then it keeps the name).
    if (server.listen(request.serverName) == ToggleServer::Listening::AnotherAnswers)
        qCWarning(lcStart) << "another program answers at" << request.serverName << "; --toggle reaches that one";
    lock.describe(request.desktop, server.socketPath());
    return {true, 0, {}};
}

// Without a lock file: the first program to answer at the socket of this desktop and file is
// the one.
StartDecision bySocketAlone(ToggleServer& server, const StartRequest& request)
{
    const auto ask = request.toggle ? ToggleServer::Request::Toggle : ToggleServer::Request::Show;
    for (int tries = 0; tries < 3; ++tries) {
        if (server.listen(request.serverName) != ToggleServer::Listening::AnotherAnswers)
            return {true, 0, {}};
        const ToggleServer::Answer answer = ToggleServer::ask(ask, request.serverName);
        if (answer != ToggleServer::Answer::NoProgram)
            return handedOver(request, answer, {});
        // it was ending
    }
    return {true, 0, {}};
}

} // namespace

StartDecision startOrHandOver(NotesFileLock& lock, ToggleServer& server, const StartRequest& request)
{
    const auto ask = request.toggle ? ToggleServer::Request::Toggle : ToggleServer::Request::Show;
    const QDeadlineTimer deadline(request.holderWaitMs);
    for (;;) {
        switch (lock.tryLock()) {
        case NotesFileLock::Outcome::Taken:
            return runHere(lock, server, request);
        case NotesFileLock::Outcome::Unavailable: {
            const StartDecision decision = bySocketAlone(server, request);
            // Said by the program that runs; one that ends says only why it ends.
            if (decision.run)
                qCWarning(lcStart).noquote()
                    << "cannot lock" << lock.path() << ':' << lock.error()
                    << "; only a Quibbet on this desktop keeps another from opening the notes file";
            return decision;
        }
        case NotesFileLock::Outcome::HeldElsewhere:
            break;
        }
        const NotesFileLock::Holder holder = lock.holder();
        const QString process =
            holder.described ? QCoreApplication::translate("SingleStart", " (process %1)").arg(holder.pid) : QString();
        if (holder.described && holder.host != QSysInfo::machineHostName())
            return leave(1, said(QT_TRANSLATE_NOOP("SingleStart", "Quibbet already runs on %1 on the computer %2"))
                                .arg(request.shownFile, holder.host));
        if (holder.described && holder.desktop != request.desktop)
            return leave(1, said(QT_TRANSLATE_NOOP("SingleStart", "Quibbet already runs on %1 on display %2"))
                                .arg(request.shownFile, holder.desktop.isEmpty()
                                                            ? QCoreApplication::translate("SingleStart", "(none)")
                                                            : holder.desktop));
        if (holder.complete) {
            if (holder.socket.isEmpty())
                return leave(1, said(QT_TRANSLATE_NOOP("SingleStart",
                                                       "Quibbet already runs on %1%2 and cannot be reached from here"))
                                    .arg(request.shownFile, process));
            ToggleServer::Answer answer = ToggleServer::ask(ask, holder.socket);
            // A lock file the holder could not write (a read-only folder) still tells of the
            // one before it: this desktop's own name for the file is tried as well.
            if (answer == ToggleServer::Answer::NoProgram && holder.socket != request.serverName)
                answer = ToggleServer::ask(ask, request.serverName);
            if (answer != ToggleServer::Answer::NoProgram)
                return handedOver(request, answer, process);
            // Gone between its lock and our question: the lock is free now, or soon.
        }
        // Still undescribed after a while: a holder that cannot write its lock file (a
        // read-only folder) may answer at this desktop's own name for the file.
        if (!holder.described && deadline.remainingTime() < request.holderWaitMs / 2) {
            const ToggleServer::Answer answer = ToggleServer::ask(ask, request.serverName);
            if (answer != ToggleServer::Answer::NoProgram)
                return handedOver(request, answer, process);
        }
        if (deadline.hasExpired())
            return handedOver(request, ToggleServer::Answer::NoAnswer, process);
        QThread::msleep(kPollMs);
    }
}

} // namespace app
