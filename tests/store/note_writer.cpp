// A process that applies notes in a loop through the store's own code, for the crash and
// two-process tests: note_writer PATH TAG COUNT
// After each note is committed it prints "id<TAB>text" and flushes, so whatever it printed
// was acknowledged and must be in the file, however the process ends.
#include "store/NoteInsert.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: note_writer PATH TAG COUNT\n");
        return 2;
    }
    store::Database database(QString::fromLocal8Bit(argv[1]));
    store::Query modify(database);
    const QString tag = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    for (int i = 0; i < count; ++i) {
        // Texts of varied length, with a quote and a line break, so a torn write would show.
        const QString text = QStringLiteral("%1 note %2 it's\r\n").arg(tag).arg(i) + QString(i % 97 * 13, QChar(u'é'));
        try {
            const qint32 id = store::insertNewNote(database, modify, 0, QStringLiteral("00:00 Mon, 07Dec2026"), text);
            std::printf("%d\t%s\n", id, text.toUtf8().toPercentEncoding().constData());
            std::fflush(stdout);
        } catch (const store::StoreError& error) {
            std::fprintf(stderr, "error: %s\n", qPrintable(error.message()));
            return 1;
        }
    }
    return 0;
}
