// One Quibbet answers for each notes file on a desktop: the first keeps answering, whatever a
// second does; a socket left behind by a crashed one does not keep a new one from answering;
// and the name they meet at is one for one file and one desktop, however they are named.
#include "app/ToggleServer.h"
#include "platform/DesktopSession.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
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
};

QTEST_GUILESS_MAIN(ToggleServerTest)
#include "tst_toggleserver.moc"
