// An import stored in the notes file: one transaction, categories made when missing, the
// notes file's own creation texts, nothing added by importing again, and taken back whole with
// every note kept to come back; and the command line's answers.
#include "import/ImportCommand.h"
#include "import/ImportStore.h"
#include "store/DeletedItems.h"
#include "store/Query.h"
#include "store/NoteEdit.h"
#include "store/RecentlyDeleted.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

namespace {

QStringList rows(const QString& path, const QString& sql)
{
    sqlite3* handle = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    QStringList result;
    if (sqlite3_prepare_v2(handle, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        result << QString::fromUtf8(sqlite3_errmsg(handle));
    while (sqlite3_step(statement) == SQLITE_ROW)
        result << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    sqlite3_close(handle);
    return result;
}

QStringList notes(const QString& path)
{
    return rows(path, "select ifnull(g.group_name,'Default')||'|'||n.create_time||'|'||n.record_time||'|'||n.content "
                      "from notes_main n left join clip_groups g on g.group_id=n.group_id order by n.id");
}

import::PeerNote note(const QString& text, const QString& category, const QDateTime& created,
                      const QDateTime& changed = {})
{
    return {text, created, changed, category, text};
}

const QDateTime kMonday(QDate(2026, 12, 7), QTime(9, 0));

} // namespace

class TestImportStore : public QObject {
    Q_OBJECT

private slots:
    void storesNotesInTheirCategoriesOnce();
    void takenBackWholeAndEachNoteComesBack();
    void commandLineAnswers();

private:
    QTemporaryDir m_dir;
};

void TestImportStore::storesNotesInTheirCategoriesOnce()
{
    const QString path = m_dir.filePath("once.dat");
    store::Database database(path);
    const std::vector<import::PeerNote> peer = {
        note("plan\nsecond line", "Work", kMonday, QDateTime(QDate(2026, 12, 8), QTime(10, 30, 5, 250), Qt::UTC)),
        note("groceries", "home", kMonday.addDays(1)),
        note("Home by another case", " HOME ", kMonday.addDays(1)),
        // The Search tab is the last search's: a note filed there would go with the next search.
        note("found", "Search", kMonday), note("plain", "", kMonday), note("named default", "default", kMonday),
        note("plan\nsecond line", "Work", kMonday), // the same note twice in one import
    };
    const import::StoredImport first = import::storeImport(database, peer);
    QCOMPARE(import::importSummary(first), QStringLiteral("6 notes imported into 3 categories"));
    QCOMPARE(first.categoriesAdded, 2);
    QCOMPARE(first.skipped, 1);
    const QString tuesday = kMonday.addDays(1).toUTC().toString("yyyy-MM-dd HH:mm:ss.zzz");
    const QString monday = kMonday.toUTC().toString("yyyy-MM-dd HH:mm:ss.zzz");
    QCOMPARE(notes(path), (QStringList{
                              "Work|09:00 Mon, 07Dec2026|2026-12-08 10:30:05.250|plan\nsecond line",
                              "home|09:00 Tue, 08Dec2026|" + tuesday + "|groceries",
                              "home|09:00 Tue, 08Dec2026|" + tuesday + "|Home by another case",
                              "Default|09:00 Mon, 07Dec2026|" + monday + "|found",
                              "Default|09:00 Mon, 07Dec2026|" + monday + "|plain",
                              "Default|09:00 Mon, 07Dec2026|" + monday + "|named default",
                          }));
    QCOMPARE(rows(path, "select group_name from clip_groups order by group_id"),
             (QStringList{"Search", "Work", "home"}));
    QCOMPARE(rows(path, "select count(*) from note_identity i join notes_main n on n.id=i.id and "
                        "n.create_time=i.create_time"),
             QStringList{"6"});

    // Again, from the same notes: nothing new.
    const import::StoredImport second = import::storeImport(database, peer);
    QCOMPARE(import::importSummary(second), QStringLiteral("Nothing new: 7 notes there already"));
    QCOMPARE(rows(path, "select count(*) from notes_main"), QStringList{"6"});
    QCOMPARE(rows(path, "select count(*) from clip_groups"), QStringList{"3"});
}

void TestImportStore::takenBackWholeAndEachNoteComesBack()
{
    const QString path = m_dir.filePath("undo.dat");
    store::Database database(path);
    store::Query modify(database);
    import::storeImport(database, {note("kept before", "", kMonday)});
    const import::StoredImport stored =
        import::storeImport(database, {note("one", "Work", kMonday), note("two", "", kMonday.addSecs(60))});
    QCOMPARE(stored.notes.size(), size_t(2));
    // Another program gave the first note's id to a note of its own meanwhile: that note stays.
    modify.restart(QStringLiteral("update notes_main set create_time='00:00 Sun, 06Dec2026', content='theirs' "
                                  "where id=%1").arg(stored.notes[0].id));
    modify.execSql();

    const std::vector<store::DeletedNote> taken = import::takeBackImport(database, stored);
    QCOMPARE(taken.size(), size_t(1));
    QCOMPARE(rows(path, "select content from notes_main order by id"), (QStringList{"kept before", "theirs"}));
    // Kept as a deleted note is, with its identity: a later run can put it back too.
    const std::vector<store::KeptItem> kept = store::keptItems(database, modify);
    QCOMPARE(kept.size(), size_t(1));
    const auto& keptNote = std::get<store::DeletedNote>(kept.front().item);
    QCOMPARE(keptNote.damage, QString());
    QCOMPARE(keptNote.identity->uid, taken.front().identity->uid);
    QStringList keptRow, takenRow;
    for (const auto& [column, value] : keptNote.row)
        keptRow << column + '=' + value.toString() + '/' + QString::number(int(value.type));
    for (const auto& [column, value] : taken.front().row)
        takenRow << column + '=' + value.toString() + '/' + QString::number(int(value.type));
    QCOMPARE(keptRow, takenRow);
    QVERIFY(takenRow.contains("content=two/3"));

    QVERIFY(store::restoreDeletedNote(database, modify, taken.front(), 0) > 0);
    QCOMPARE(rows(path, "select content from notes_main order by id"), (QStringList{"kept before", "theirs", "two"}));
    QCOMPARE(store::keptItems(database, modify).size(), size_t(0));

    // A note the user deleted stays deleted when its source is imported again, while one that
    // an import's undo took back may come again; a note edited since its import is not taken
    // back with the import.
    const import::StoredImport later = import::storeImport(
        database, {note("deleted by the user", "", kMonday), note("edited", "", kMonday), note("undone", "", kMonday)});
    QVERIFY(store::deleteNoteKeeping(database, modify, later.notes[0].id, store::sql::Side::Real));
    store::applyEdit(database, modify, {later.notes[1].id, store::sql::Side::Real, "edited"}, "edited since", 0,
                     QString(), 0);
    QCOMPARE(import::takeBackImport(database, later).size(), size_t(1));
    const import::StoredImport again = import::storeImport(
        database, {note("deleted by the user", "", kMonday), note("edited", "", kMonday), note("undone", "", kMonday)});
    QCOMPARE(rows(path, "select content from notes_main where id>3 order by id"),
             (QStringList{"edited since", "edited", "undone"}));
    QCOMPARE(again.skipped, 1);
}

void TestImportStore::commandLineAnswers()
{
    const QString folder = m_dir.filePath("texts");
    QDir().mkpath(folder + "/Work");
    for (const auto& [name, text] : {std::pair{"a.txt", "first"}, {"Work/b.md", "second"}}) {
        QFile file(folder + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    const QString path = m_dir.filePath("command.dat");
    const auto run = [&](const QString& source, const QString& notesFile, QString* said = nullptr) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const int code = import::runImportCommand(source, notesFile, outStream, errStream);
        if (said)
            *said = (out + err).trimmed();
        return code;
    };
    QString said;
    QCOMPARE(run(folder, path, &said), 0);
    QCOMPARE(said, QStringLiteral("2 notes imported into 2 categories"));
    QCOMPARE(run(folder, path, &said), 0);
    QCOMPARE(said, QStringLiteral("Nothing new: 2 notes there already"));
    // A text file's only time is its own: touched by a copy or a sync, it is the same note.
    QFile touched(folder + "/a.txt");
    QVERIFY(touched.open(QIODevice::ReadWrite));
    QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
    touched.close();
    QCOMPARE(run(folder, path, &said), 0);
    QCOMPARE(said, QStringLiteral("Nothing new: 2 notes there already"));
    QCOMPARE(run(m_dir.filePath("no such folder"), path), 2);
    QCOMPARE(run(QStringLiteral("no-such-program"), path), 2);
    // A program with no notes here, or a file that is no text, matches nothing.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", m_dir.path().toUtf8()); // a home without any program's notes
    QCOMPARE(run(QStringLiteral("knotes"), path, &said), 1);
    qputenv("HOME", home);
    QCOMPARE(run(path, m_dir.filePath("other.dat"), &said), 1);
    QVERIFY2(said.contains("holds no note"), qPrintable(said));
    // A notes file that is no notes database is left as it was.
    const QString notNotes = m_dir.filePath("not-notes.dat");
    QFile file(notNotes);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'z'));
    file.close();
    QCOMPARE(run(folder, notNotes, &said), 1);
    QVERIFY2(said.startsWith("quibbet: Nothing imported: "), qPrintable(said));
    QCOMPARE(file.size(), 4096);
}

QTEST_GUILESS_MAIN(TestImportStore)
#include "tst_import_store.moc"
