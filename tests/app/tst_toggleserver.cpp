// One Quibbet answers for each notes file on a desktop: the first keeps answering, whatever a
// second does; a socket left behind by a crashed one does not keep a new one from answering;
// and the name they meet at is one for one file and one desktop, however they are named. The
// notes file's lock has one holder, and a start that does not run says why.
#include "app/NotesFileLock.h"
#include "app/SingleStart.h"
#include "app/ToggleServer.h"
#include "platform/DesktopSession.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <memory>
#include <thread>

using app::ToggleServer;

namespace {

// --toggle is sent from another process in real life; here from another thread, so that
// the server's event loop can answer while the sender waits.
bool sendAndWait(const QString& name, ToggleServer::Request request = ToggleServer::Request::Toggle)
{
    std::atomic<bool> finished = false;
    bool delivered = false;
    std::thread sender([&] {
        delivered = ToggleServer::send(request, name);
        finished = true;
    });
    while (!finished)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    sender.join();
    return delivered;
}

} // namespace

class ToggleServerTest : public QObject {
    Q_OBJECT

private slots:
    void theFirstProgramKeepsTheName()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("toggle");
        ToggleServer first;
        QCOMPARE(first.listen(name), ToggleServer::Listening::Yes);
        QSignalSpy firstToggled(&first, &ToggleServer::toggleRequested);
        {
            ToggleServer second;
            QSignalSpy secondToggled(&second, &ToggleServer::toggleRequested);
            QCOMPARE(second.listen(name), ToggleServer::Listening::AnotherAnswers);
            QVERIFY(!second.isListening());
            QVERIFY(sendAndWait(name));
            QTRY_COMPARE(firstToggled.count(), 1);
            QCOMPARE(secondToggled.count(), 0);
        }
        // The second one has ended: the first one's socket is still there and answers.
        QVERIFY(QFile::exists(name));
        QVERIFY(sendAndWait(name));
        QTRY_COMPARE(firstToggled.count(), 2);
    }

    void aSocketNobodyAnswersIsTakenOver()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("toggle");
        {
            // A crashed program leaves its socket file; a server that ends normally would
            // remove it, so it is made here as a plain file left in the way.
            QFile stale(name);
            QVERIFY(stale.open(QIODevice::WriteOnly));
        }
        ToggleServer server;
        QCOMPARE(server.listen(name), ToggleServer::Listening::Yes);
        QSignalSpy toggled(&server, &ToggleServer::toggleRequested);
        QVERIFY(sendAndWait(name));
        QTRY_COMPARE(toggled.count(), 1);
    }

    void nothingAnswersWhereNoProgramRuns()
    {
        QTemporaryDir dir;
        QVERIFY(!ToggleServer::send(ToggleServer::Request::Toggle, dir.filePath("toggle")));
        QVERIFY(!ToggleServer::send(ToggleServer::Request::Show, dir.filePath("toggle")));
    }

    void aSecondStartAsksToBeShownNotToggled()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("toggle");
        ToggleServer server;
        QCOMPARE(server.listen(name), ToggleServer::Listening::Yes);
        QSignalSpy toggled(&server, &ToggleServer::toggleRequested);
        QSignalSpy shown(&server, &ToggleServer::showRequested);
        QVERIFY(sendAndWait(name, ToggleServer::Request::Show));
        QTRY_COMPARE(shown.count(), 1);
        QCOMPARE(toggled.count(), 0);
    }

    void oneNameForOneFileOnOneDesktop()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("a/inner") && QDir(dir.path()).mkpath("b"));
        QVERIFY(QFile::link(dir.filePath("a"), dir.filePath("link")));
        const QString inA = dir.filePath("a/clipdata.dat");
        // One file, however the folder is reached, whether the file exists yet or not.
        for (int existing = 0; existing < 2; ++existing) {
            QCOMPARE(ToggleServer::serverName(":1", dir.filePath("link/clipdata.dat")),
                     ToggleServer::serverName(":1", inA));
            QCOMPARE(ToggleServer::serverName(":1", dir.filePath("a/inner/../clipdata.dat")),
                     ToggleServer::serverName(":1", inA));
            QFile file(inA);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QFile::link(inA, dir.filePath("b/clipdata.dat")));
        QCOMPARE(ToggleServer::serverName(":1", dir.filePath("b/clipdata.dat")), ToggleServer::serverName(":1", inA));
        // Another file, or another desktop, is another name.
        QVERIFY(ToggleServer::serverName(":1", dir.filePath("b/other.dat")) != ToggleServer::serverName(":1", inA));
        QVERIFY(ToggleServer::serverName(":2", inA) != ToggleServer::serverName(":1", inA));
    }

    void theDesktopIsNamedAlikeWhicheverWayItIsGiven()
    {
        const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("DISPLAY", ":7.0");
        using platform::DesktopSession;
        QCOMPARE(DesktopSession::desktopName({}), QStringLiteral(":7"));
        QCOMPARE(DesktopSession::desktopName(":7"), QStringLiteral(":7"));
        QCOMPARE(DesktopSession::desktopName("unix:7.1"), QStringLiteral(":7"));
        QCOMPARE(DesktopSession::desktopName(":8"), QStringLiteral(":8")); // -display wins over DISPLAY
        QCOMPARE(DesktopSession::desktopName("remote:7"), QStringLiteral("remote:7"));
        // On a Wayland session, the native window and the XWayland one are on one desktop.
        qputenv("WAYLAND_DISPLAY", "wayland-3");
        QCOMPARE(DesktopSession::desktopName({}), QStringLiteral("wayland-3"));
        QCOMPARE(DesktopSession::desktopName(":8"), QStringLiteral(":8"));
        qputenv("WAYLAND_DISPLAY", wayland);
        qputenv("DISPLAY", display);
        if (wayland.isNull())
            qunsetenv("WAYLAND_DISPLAY");
        if (display.isNull())
            qunsetenv("DISPLAY");
    }

    // The lock is the file's: of many takers at the same moment, through any way to the
    // folder, exactly one holds it; the others read where it runs; it goes with its holder.
    void oneHolderOfTheNotesFileLockWhateverThePath()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("a"));
        QVERIFY(QFile::link(dir.filePath("a"), dir.filePath("link")));
        constexpr int kTakers = 8;
        std::vector<std::unique_ptr<app::NotesFileLock>> locks;
        for (int i = 0; i < kTakers; ++i)
            locks.push_back(
                std::make_unique<app::NotesFileLock>(dir.filePath(i % 2 ? "a/clipdata.dat" : "link/clipdata.dat")));
        std::atomic<int> taken = 0;
        std::atomic<bool> go = false;
        std::vector<std::thread> takers;
        for (auto& lock : locks)
            takers.emplace_back([&, raw = lock.get()] {
                while (!go) {
                }
                if (raw->tryLock() == app::NotesFileLock::Outcome::Taken)
                    ++taken;
            });
        go = true;
        for (std::thread& taker : takers)
            taker.join();
        QCOMPARE(taken.load(), 1);

        app::NotesFileLock* holder = nullptr;
        for (auto& lock : locks)
            if (lock->isHeld())
                holder = lock.get();
        holder->describe(":5", "/run/socket");
        const app::NotesFileLock::Holder seen = locks[holder == locks[0].get() ? 1 : 0]->holder();
        QCOMPARE(seen.pid, qint64(QCoreApplication::applicationPid()));
        QCOMPARE(seen.desktop, QStringLiteral(":5"));
        QCOMPARE(seen.socket, QStringLiteral("/run/socket"));
        QVERIFY(seen.complete);

        app::NotesFileLock later(dir.filePath("a/clipdata.dat"));
        QCOMPARE(later.tryLock(), app::NotesFileLock::Outcome::HeldElsewhere);
        locks.clear(); // the holder ends
        QVERIFY(!QFile::exists(later.path()));
        QCOMPARE(later.tryLock(), app::NotesFileLock::Outcome::Taken);
    }

    // A start that finds the file held hands over where it can and otherwise says why it ends;
    // without any lock file, the socket alone keeps the second start out.
    void aStartThatEndsSaysWhy()
    {
        QTemporaryDir dir;
        const QString notes = dir.filePath("clipdata.dat");
        app::NotesFileLock held(notes);
        QCOMPARE(held.tryLock(), app::NotesFileLock::Outcome::Taken);
        app::StartRequest request{false, ":1", dir.filePath("toggle"), notes, 300};

        held.describe(":2", {});
        app::NotesFileLock second(notes);
        ToggleServer unused;
        app::StartDecision decision = app::startOrHandOver(second, unused, request);
        QVERIFY(!decision.run);
        QCOMPARE(decision.exitCode, 1);
        QCOMPARE(decision.line, QStringLiteral("quibbet: Quibbet already runs on %1 on display :2").arg(notes));

        // Listening, but never answering: a program that is stopped.
        QLocalServer stopped;
        QVERIFY(stopped.listen(dir.filePath("stopped")));
        held.describe(":1", stopped.fullServerName());
        decision = app::startOrHandOver(second, unused, request);
        QCOMPARE(decision.exitCode, 1);
        QVERIFY2(decision.line.endsWith(
                     QStringLiteral("(process %1) and does not answer").arg(QCoreApplication::applicationPid())),
                 qPrintable(decision.line));
        QVERIFY(!unused.isListening());

        // No lock file can be made: the first to answer at the socket runs.
        const QString nowhere = dir.filePath("missing/clipdata.dat");
        request.shownFile = nowhere;
        app::NotesFileLock firstLock(nowhere);
        ToggleServer first;
        const QRegularExpression saysWhy(QStringLiteral("^cannot lock .*; only a Quibbet on this desktop"));
        QTest::ignoreMessage(QtWarningMsg, saysWhy); // in the log of the one that runs
        QVERIFY(app::startOrHandOver(firstLock, first, request).run);
        QVERIFY(first.isListening());
        QTest::failOnWarning(saysWhy); // the one that ends says only why it ends
        std::atomic<bool> finished = false;
        app::StartDecision secondDecision;
        std::thread again([&] {
            app::NotesFileLock lock(nowhere);
            ToggleServer server;
            secondDecision = app::startOrHandOver(lock, server, request);
            finished = true;
        });
        QSignalSpy shown(&first, &ToggleServer::showRequested);
        while (!finished)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        again.join();
        QVERIFY(!secondDecision.run);
        QCOMPARE(secondDecision.exitCode, 0);
        QCOMPARE(shown.count(), 1);
    }
};

QTEST_GUILESS_MAIN(ToggleServerTest)
#include "tst_toggleserver.moc"
