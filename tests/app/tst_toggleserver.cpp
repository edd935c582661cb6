// Two Quibbets on one desktop: the first keeps answering --toggle, whatever the second does,
// and a socket left behind by a crashed one does not keep a new one from answering.
#include "app/ToggleServer.h"

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
bool sendToggleAndWait(const QString& name)
{
    std::atomic<bool> finished = false;
    bool delivered = false;
    std::thread sender([&] {
        delivered = ToggleServer::sendToggle(name);
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
            QVERIFY(sendToggleAndWait(name));
            QTRY_COMPARE(firstToggled.count(), 1);
            QCOMPARE(secondToggled.count(), 0);
        }
        // The second one has ended: the first one's socket is still there and answers.
        QVERIFY(QFile::exists(name));
        QVERIFY(sendToggleAndWait(name));
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
        QVERIFY(sendToggleAndWait(name));
        QTRY_COMPARE(toggled.count(), 1);
    }

    void nothingAnswersWhereNoProgramRuns()
    {
        QTemporaryDir dir;
        QVERIFY(!ToggleServer::sendToggle(dir.filePath("toggle")));
    }
};

QTEST_GUILESS_MAIN(ToggleServerTest)
#include "tst_toggleserver.moc"
