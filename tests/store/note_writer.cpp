// A process that applies notes in a loop through the store's own code, for the crash and
// two-process tests: note_writer PATH TAG COUNT [PAUSE_MS]
// After each note is committed it prints "id<TAB>text" and flushes, so whatever it printed
// was acknowledged and must be in the file, however the process ends. With PAUSE_MS it
// waits that long between choosing an id and inserting, and prints on stderr when each
// insert began and ended (microseconds of the system's monotonic clock), so that a test can
// tell two writers were inside that step at once. With NOTE_WRITER_BARRIER=FOLDER:COUNT in
// the environment it first leaves a file in FOLDER and waits until COUNT writers have, so
// that writers started one after another still write at the same time. With
// NOTE_WRITER_INTERVAL_MS it waits that long after each note.
#include "store/NoteInsert.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>
#include <cstdio>
#include <ctime>

namespace {
long long monotonicMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000LL + now.tv_nsec / 1000;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: note_writer PATH TAG COUNT [PAUSE_MS]\n");
        return 2;
    }
    store::Database database(QString::fromLocal8Bit(argv[1]));
    store::Query modify(database);
    const QString tag = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    const int pauseMs = argc == 5 ? std::atoi(argv[4]) : 0;
    std::function<void()> pause;
    if (pauseMs > 0)
        pause = [pauseMs] { QThread::msleep(pauseMs); };
    if (const QString barrier = qEnvironmentVariable("NOTE_WRITER_BARRIER"); !barrier.isEmpty()) {
        const QDir folder(barrier.section(QLatin1Char(':'), 0, -2));
        const int writers = barrier.section(QLatin1Char(':'), -1).toInt();
        QFile(folder.filePath(tag)).open(QIODevice::WriteOnly);
        while (folder.entryList(QDir::Files).size() < writers)
            QThread::msleep(1);
    }
    const int intervalMs = qEnvironmentVariableIntValue("NOTE_WRITER_INTERVAL_MS");
    for (int i = 0; i < count; ++i) {
        if (i > 0 && intervalMs > 0)
            QThread::msleep(intervalMs);
        // Texts of varied length, with a quote and a line break, so a torn write would show.
        const QString text = QStringLiteral("%1 note %2 it's\r\n").arg(tag).arg(i) + QString(i % 97 * 13, QChar(u'é'));
        try {
            const long long began = monotonicMicroseconds();
            const qint32 id =
                store::insertNewNote(database, modify, 0, QStringLiteral("00:00 Mon, 07Dec2026"), text, 0, pause).id;
            if (pauseMs > 0)
                std::fprintf(stderr, "step %lld %lld\n", began, monotonicMicroseconds());
            std::printf("%d\t%s\n", id, text.toUtf8().toPercentEncoding().constData());
            std::fflush(stdout);
        } catch (const store::StoreError& error) {
            std::fprintf(stderr, "error: %s\n", qPrintable(error.message()));
            return 1;
        }
    }
    return 0;
}
