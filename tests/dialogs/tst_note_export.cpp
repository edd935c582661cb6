#include "dialogs/NoteExport.h"
#include "store/Database.h"
#include "store/Query.h"
#include "widgets/Modal.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

namespace {
QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
} // namespace

class TestNoteExport : public QObject {
    Q_OBJECT
private slots:
    void blocksOfThreeLinesEndingInCrLf()
    {
        QTemporaryDir dir;
        store::Database database(dir.filePath(QStringLiteral("clipdata.dat")));
        database.execute(
            QStringLiteral("insert into notes_main (id, group_id, create_time, content) values "
                           "(1, 3, '09:05 Mon, 07Dec2026', 'one' || char(13, 10) || 'two' || char(13, 10) || 'three'),"
                           "(2, 3, '10:15 Tue, 08Dec2026', 'Grüße ✓')"));
        store::Query query(database);
        query.addLine(QStringLiteral("select id,create_time,content from notes_main where group_id =3"));
        query.open();
        const QByteArray expected = "09:05 Mon, 07Dec2026\r\none\r\ntwo\r\nthree\r\n\r\n"
                                    "10:15 Tue, 08Dec2026\r\nGr\xC3\xBC\xC3\x9F\x65 \xE2\x9C\x93\r\n\r\n";
        QCOMPARE(dialogs::exportText(query), expected); // UTF-8, no byte-order mark
    }

    void everyLineEndsInCrLfWhateverTheNoteHolds()
    {
        QTemporaryDir dir;
        store::Database database(dir.filePath(QStringLiteral("clipdata.dat")));
        // Typed here (LF), pasted from elsewhere (CR LF, a lone CR), mixed, and breaks at the
        // ends and side by side.
        database.execute(QStringLiteral(
            "insert into notes_main (id, group_id, create_time, content) values "
            "(1, 5, 't1', 'a' || char(10) || 'b'),"
            "(2, 5, 't2', 'c' || char(13) || 'd'),"
            "(3, 5, 't3', char(10) || 'e' || char(13, 10) || char(13) || 'f' || char(10, 13) || 'g' || char(13)),"
            "(4, 5, 't4', char(13, 13, 10, 10))"));
        store::Query query(database);
        query.addLine(QStringLiteral("select id,create_time,content from notes_main where group_id =5 order by id"));
        query.open();
        const QByteArray exported = dialogs::exportText(query);
        QCOMPARE(exported, QByteArray("t1\r\na\r\nb\r\n\r\n"
                                      "t2\r\nc\r\nd\r\n\r\n"
                                      "t3\r\n\r\ne\r\n\r\nf\r\n\r\ng\r\n\r\n\r\n"
                                      "t4\r\n\r\n\r\n\r\n\r\n\r\n"));
        // The stored notes are left as they were.
        store::Query stored(database);
        stored.addLine(QStringLiteral("select hex(content) as raw from notes_main where id = 3"));
        stored.open();
        QCOMPARE(stored.value(0, 0).toString(), QStringLiteral("0A650D0A0D660A0D670D"));
    }

    void theSaveDialogShowsItsFilterAsWritten()
    {
        widgets::Modal::setCancelUnanswered(false); // the real dialog, answered here
        QString shownFilter;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QVERIFY(types);
            shownFilter = types->currentText();
            dialog->reject();
        });
        const QString name = widgets::Modal::saveFileName(nullptr, QStringLiteral("Save As"), QString(),
                                                          dialogs::exportFileFilter(), QStringLiteral("txt"));
        QVERIFY(name.isEmpty());
        QCOMPARE(shownFilter, QStringLiteral("*.txt  (Text files)"));
    }

    void writingReplacesTheFileWholeOrLeavesItAlone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("notes.txt"));
        QString error;
        QVERIFY(dialogs::writeExportFile(path, "a long old text that is longer than the new one\r\n", error));
        QVERIFY(dialogs::writeExportFile(path, "new\r\n", error));
        QCOMPARE(readAll(path), QByteArray("new\r\n"));

        // The old file stands where a directory would have to be: nothing can be written.
        const QString impossible = path + QStringLiteral("/inner.txt");
        QVERIFY(!dialogs::writeExportFile(impossible, "x", error));
        QCOMPARE(error, QStringLiteral("Cannot create file %1").arg(impossible));
        QCOMPARE(readAll(path), QByteArray("new\r\n"));
        QVERIFY(!QFile::exists(impossible));
    }

    void newFileFollowsTheUmaskAndNothingElseIsLeft()
    {
        QTemporaryDir dir;
        for (const auto& [mask, mode] : {std::pair{022, 0644}, {077, 0600}}) {
            const mode_t old = ::umask(mask);
            const QString path = dir.filePath(QStringLiteral("notes-%1.txt").arg(mask, 0, 8));
            QString error;
            const bool written = dialogs::writeExportFile(path, "x\r\n", error);
            ::umask(old);
            QVERIFY(written);
            struct stat info {};
            QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
            QCOMPARE(int(info.st_mode & 0777), mode);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }
};

QTEST_MAIN(TestNoteExport)
#include "tst_note_export.moc"
