// Conflict copies that sync engines leave beside the notes file: found by their names, merged
// into the file once, with nothing lost, duplicated or brought back; refused and left when
// they are no whole notes file; never half merged, however the merging process ends.
#include "store/ConflictCopies.h"
#include "store/ConflictMerge.h"
#include "store/DeletedItems.h"
#include "store/NoteEdit.h"
#include "store/NoteInsert.h"
#include "store/Statements.h"

#include "../support/FileDigest.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <sqlite3.h>

using namespace store;

namespace {

const QString kCreated = QStringLiteral("10:15 Tue, 08Dec2026");
const QString kCopyName = QStringLiteral("clipdata.sync-conflict-20261208-101500-ABCDEF1.dat");

// Rows of statements on a file, read outside the store; read-write, so that a journal a killed
// process left is rolled back first, as the next open of the file does.
QStringList rows(const QString& path, const QString& sql)
{
    sqlite3* handle = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
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

QStringList texts(const QString& path)
{
    return rows(path, QStringLiteral("select content from notes_main order by content"));
}

// Everything a merge may change, but the random identities it gives.
QStringList contents(const QString& path)
{
    return rows(path, QStringLiteral("select id||'|'||ifnull(group_id,'')||'|'||create_time||'|'||content||'|'||"
                                     "record_time from notes_main order by id,content")) +
           rows(path, QStringLiteral("select group_id||'|'||group_name from clip_groups order by group_id")) +
           rows(path, QStringLiteral("select clip_id||'|'||remind_time from remind order by clip_id")) +
           rows(path, QStringLiteral("select count(*) from note_identity"));
}

qint32 add(Database& database, const QString& text, const Filing& filing = 0)
{
    Query modify(database);
    return insertNewNote(database, modify, filing, kCreated, text).id;
}

void edit(Database& database, qint32 id, const QString& from, const QString& to)
{
    Query modify(database);
    applyEdit(database, modify, {id, sql::Side::Real, from}, to, 0, kCreated, 0);
}

DeletedNote remove(Database& database, qint32 id)
{
    Query modify(database);
    return *deleteNoteKeeping(database, modify, id, sql::Side::Real);
}

void run(Database& database, const QString& statement)
{
    Query modify(database);
    modify.restart(statement);
    modify.execSql();
}

// A notes file and the folder beside it that a sync engine shares.
struct SyncedFolder {
    QTemporaryDir dir;
    QString notes = dir.filePath(QStringLiteral("clipdata.dat"));
    QString copy = dir.filePath(kCopyName);
    MergeOptions options{dir.filePath(QStringLiteral("backups")), {}};
};

} // namespace

class ConflictMergeTest : public QObject {
    Q_OBJECT

private slots:
    void copiesAreFoundByTheNamesSyncEnginesGiveThem()
    {
        QTemporaryDir dir;
        const QStringList copies = {
            kCopyName,
            QStringLiteral("clipdata (conflicted copy 2026-12-08 101500).dat"),
            QStringLiteral("clipdata (laptop's conflicted copy 2026-12-08).dat"),
            QStringLiteral("clipdata (Anna\u2019s conflicted copy 2026-12-08 (1)).dat"),
            QStringLiteral("clipdata_conflict-20261208-101500.dat"),
        };
        QStringList others = {
            QStringLiteral("clipdata.dat"),
            QStringLiteral("clipdata.dat-journal"),
            QStringLiteral(".clipdata.dat.lock"),
            QStringLiteral("notes (conflicted copy 2026-12-08 101500).dat"),
            QStringLiteral("clipdata.sync-conflict-20261208-101500-ABCDEF1.txt"),
        };
        for (const QString& copy : copies)
            others << copy + QStringLiteral("-journal");
        for (const QString& name : copies + others) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QDir(dir.path()).mkdir(QStringLiteral("clipdata (conflicted copy 2026-12-09 101500).dat"));
        QStringList found;
        for (const QString& path : findConflictCopies(dir.filePath(QStringLiteral("clipdata.dat"))))
            found << QFileInfo(path).fileName();
        QStringList expected = copies;
        expected.sort();
        QCOMPARE(found, expected);
    }

    void copyBringsWhatTheFileLacksOnceAndKeepsWhatThisSideDeleted()
    {
        SyncedFolder folder;
        Database file(folder.notes);
        const qint32 a = add(file, QStringLiteral("alpha"));
        const qint32 b = add(file, QStringLiteral("bravo"));
        const qint32 c = add(file, QStringLiteral("charlie"));
        const qint32 d = add(file, QStringLiteral("delta"));
        const qint32 e = add(file, QStringLiteral("echo"));
        const qint32 g = add(file, QStringLiteral("golf"));
        const qint32 h = add(file, QStringLiteral("hotel"));
        QVERIFY(QFile::copy(folder.notes, folder.copy));

        edit(file, b, QStringLiteral("bravo"), QStringLiteral("bravo here"));
        edit(file, c, QStringLiteral("charlie"), QStringLiteral("charlie here"));
        run(file, QStringLiteral("update notes_main set content='hotel by a script' where id=%1").arg(h));
        remove(file, c);
        {
            Query modify(file);
            restoreDeletedNote(file, modify, remove(file, e), 0);
        }
        const qint32 f = add(file, QStringLiteral("foxtrot"));
        remove(file, g);
        {
            Database other(folder.copy);
            edit(other, b, QStringLiteral("bravo"), QStringLiteral("bravo there"));
            edit(other, d, QStringLiteral("delta"), QStringLiteral("delta there"));
            edit(other, e, QStringLiteral("echo"), QStringLiteral("echo there"));
            edit(other, g, QStringLiteral("golf"), QStringLiteral("golf there"));
            edit(other, h, QStringLiteral("hotel"), QStringLiteral("hotel there"));
            run(other, sql::insertGroup(2, QStringLiteral("Trips"), QString()));
            QCOMPARE(add(other, QStringLiteral("new there"), Filing(2, QStringLiteral("Trips"))), f);
            run(other, QStringLiteral("insert into remind (clip_id,remind_content,remind_time) values "
                                      "(%1,'call','2026-12-24 09:00:00')")
                           .arg(a));
            run(other, sql::copySearchMatches(QStringLiteral("there")));
        }

        MergedCopy merged = mergeConflictCopy(file, folder.copy, folder.options);
        QVERIFY2(merged.merged(), qPrintable(merged.refused));
        // Changed on both sides (here also by a script): both texts. Changed there alone (also
        // after a delete and Undo here): its text. Deleted here unchanged there: gone; changed
        // there since: back.
        QCOMPARE(texts(folder.notes),
                 QStringList({"alpha", "bravo here", "bravo there", "delta there", "echo there", "foxtrot",
                              "golf there", "hotel by a script", "hotel there", "new there"}));
        QCOMPARE(merged.notesAdded, 4);
        QCOMPARE(merged.notesUpdated, 2);
        // The other machine gave its new note the id of this one's foxtrot: it comes under another.
        QCOMPARE(rows(folder.notes, QStringLiteral("select g.group_name from notes_main n join clip_groups g on "
                                                   "g.group_id=n.group_id where content='new there'")),
                 QStringList{QStringLiteral("Trips")});
        QCOMPARE(rows(folder.notes, QStringLiteral("select id from notes_main where content='foxtrot'")),
                 QStringList{QString::number(f)});
        QCOMPARE(rows(folder.notes, QStringLiteral("select count(distinct id)=count(*) from notes_main")),
                 QStringList{QStringLiteral("1")});
        QCOMPARE(rows(folder.notes, QStringLiteral("select clip_id||' '||remind_content from remind")),
                 QStringList{QStringLiteral("%1 call").arg(a)});
        QCOMPARE(mergeSummary({merged}), QStringLiteral("Merged: 6 notes, 1 category, 1 reminder"));
        QVERIFY(!QFile::exists(folder.copy));
        QVERIFY(merged.movedTo.startsWith(folder.options.backupFolder));
        QVERIFY(QFile::exists(merged.movedTo));

        const QStringList before = contents(folder.notes);
        QVERIFY(QFile::rename(merged.movedTo, folder.copy));
        merged = mergeConflictCopy(file, folder.copy, folder.options);
        QVERIFY2(merged.merged(), qPrintable(merged.refused));
        QCOMPARE(mergeSummary({merged}), QString());
        QCOMPARE(contents(folder.notes), before);
    }

    // The other machine's version, made before two deletes here, replaces the file by a rename
    // while it is open: the connection follows it, and Undo finds each note back already (one
    // known by its identity, one of a script's by creation and text) and adds neither again.
    void undoAfterTheNoteCameBackInAReplacedFileAddsNothing()
    {
        SyncedFolder folder;
        Database file(folder.notes);
        const qint32 a = add(file, QStringLiteral("alpha"));
        run(file, QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id) values "
                                 "(50,0,'0','09:00 Mon, 07Dec2026','by a script','')"));
        QVERIFY(QFile::copy(folder.notes, folder.copy));
        const DeletedNote alpha = remove(file, a);
        const DeletedNote script = remove(file, 50);
        QCOMPARE(texts(folder.notes), QStringList());
        QVERIFY(::rename(QFile::encodeName(folder.copy).constData(), QFile::encodeName(folder.notes).constData()) == 0);
        Query modify(file);
        QCOMPARE(restoreDeletedNote(file, modify, alpha, 0), a);
        QCOMPARE(file.replacements(), 1);
        QCOMPARE(restoreDeletedNote(file, modify, script, 0), 50);
        QCOMPARE(texts(folder.notes), QStringList({"alpha", "by a script"}));
    }

    // Deleted while open, the file is written back from the connection before the next write.
    // A damaged file put in its place leaves the notes as they were and refuses writes with
    // why; the next file that can be read is followed.
    void deletedOrDamagedFileUnderAnOpenConnectionLosesNothing()
    {
        SyncedFolder folder;
        Database file(folder.notes);
        add(file, QStringLiteral("alpha"));
        QVERIFY(QFile::remove(folder.notes));
        add(file, QStringLiteral("bravo"));
        QCOMPARE(texts(folder.notes), QStringList({"alpha", "bravo"}));
        QVERIFY(file.takeWroteBack());
        const QByteArray whole = [&] {
            QFile notes(folder.notes);
            return notes.open(QIODevice::ReadOnly) ? notes.readAll() : QByteArray();
        }();
        const auto arrive = [&](const QByteArray& bytes) {
            const QString staged = folder.dir.filePath(QStringLiteral("staged"));
            QFile file(staged);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            file.close();
            QVERIFY(::rename(QFile::encodeName(staged).constData(), QFile::encodeName(folder.notes).constData()) == 0);
        };
        arrive(whole.left(5000));
        const int followed = file.replacements();
        QVERIFY_THROWS_EXCEPTION(StoreError, add(file, QStringLiteral("charlie")));
        QCOMPARE(file.replacements(), followed);
        Query read(file);
        read.addLine(QStringLiteral("select count(*) from notes_main"));
        read.open();
        QCOMPARE(read.value(0, 0).toInt(), 2);
        arrive(whole);
        add(file, QStringLiteral("charlie"));
        QCOMPARE(file.replacements(), followed + 1);
        QCOMPARE(texts(folder.notes), QStringList({"alpha", "bravo", "charlie"}));
    }

    void fileOfAnOlderVersionOnEitherSideMergesByCreationAndText_data()
    {
        QTest::addColumn<bool>("olderFile");
        QTest::newRow("older notes file") << true;
        QTest::newRow("older copy") << false;
    }

    void fileOfAnOlderVersionOnEitherSideMergesByCreationAndText()
    {
        QFETCH(bool, olderFile);
        SyncedFolder folder;
        Database file(folder.notes);
        add(file, QStringLiteral("alpha"));
        const qint32 b = add(file, QStringLiteral("bravo"));
        QVERIFY(QFile::copy(folder.notes, folder.copy));
        {
            Database other(folder.copy);
            edit(other, b, QStringLiteral("bravo"), QStringLiteral("bravo there"));
            add(other, QStringLiteral("new there"));
        }
        const QString older = olderFile ? folder.notes : folder.copy;
        QCOMPARE(rows(older, QStringLiteral("drop table note_identity")), QStringList());

        for (int time = 0; time < 2; ++time) {
            if (time == 1)
                QVERIFY(QFile::rename(
                    folder.options.backupFolder + QLatin1Char('/') +
                        QDir(folder.options.backupFolder).entryList({QStringLiteral("*-merged-*")}).first(),
                    folder.copy));
            const MergedCopy merged = mergeConflictCopy(file, folder.copy, folder.options);
            QVERIFY2(merged.merged(), qPrintable(merged.refused));
            QCOMPARE(merged.notesAdded, time == 0 ? 2 : 0);
            // Without the versions of bravo's texts neither is known to be the later: both stay.
            QCOMPARE(texts(folder.notes), QStringList({"alpha", "bravo", "bravo there", "new there"}));
        }
    }

    void damagedForeignOrBusyCopyIsRefusedAndLeftAsItIs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text file") << "text"
                                   << "not a notes file";
        QTest::newRow("another program's database") << "foreign"
                                                    << "it has no notes_main";
        QTest::newRow("cut short") << "truncated"
                                   << "damaged";
        QTest::newRow("journal beside") << "journal"
                                        << "-journal lies beside it";
        QTest::newRow("locked by a writer") << "locked"
                                            << "another program is writing it";
    }

    void damagedForeignOrBusyCopyIsRefusedAndLeftAsItIs()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        SyncedFolder folder;
        Database file(folder.notes);
        add(file, QStringLiteral("alpha"));
        {
            Database other(folder.copy);
            for (int i = 0; i < 300; ++i)
                add(other, QStringLiteral("there %1 ").arg(i).repeated(50));
        }
        QProcess writer;
        if (kind == QLatin1String("text")) {
            QFile text(folder.copy);
            QVERIFY(text.open(QIODevice::WriteOnly | QIODevice::Truncate));
            text.write("a shopping list, not notes\n");
        } else if (kind == QLatin1String("foreign")) {
            QFile::remove(folder.copy);
            QCOMPARE(rows(folder.copy, QStringLiteral("create table photos (name text)")), QStringList());
        } else if (kind == QLatin1String("truncated")) {
            QVERIFY(QFile::resize(folder.copy, QFileInfo(folder.copy).size() / 2));
        } else if (kind == QLatin1String("journal")) {
            QFile journal(folder.copy + QStringLiteral("-journal"));
            QVERIFY(journal.open(QIODevice::WriteOnly));
            journal.write(QByteArray(512, 'j'));
        } else {
            writer.start(QStringLiteral("sqlite3"), {folder.copy});
            writer.write("begin exclusive;\n.print locked\n.shell sleep 3\nrollback;\n");
            writer.closeWriteChannel();
            QVERIFY(writer.waitForReadyRead(10000));
        }
        const QByteArray copyBytes = testing::fileDigest(folder.copy);
        const QStringList before = contents(folder.notes);

        const MergedCopy merged = mergeConflictCopy(file, folder.copy, folder.options);
        QVERIFY(!merged.merged());
        QVERIFY2(merged.refused.contains(kCopyName) && merged.refused.contains(reason), qPrintable(merged.refused));
        QCOMPARE(testing::fileDigest(folder.copy), copyBytes);
        QCOMPARE(contents(folder.notes), before);
        QVERIFY(!QFile::exists(folder.options.backupFolder));
        writer.waitForFinished();
    }

    // A merge is one transaction: a process killed while it merges leaves the file as it was
    // before or as it is after, never between, and the copy where it was until it is merged.
    void killedMergeLeavesTheFileAsBeforeOrAsAfter()
    {
        QTemporaryDir dir;
        const QString notesTemplate = dir.filePath(QStringLiteral("clipdata.dat"));
        const QString copyTemplate = dir.filePath(QStringLiteral("copy.dat"));
        const auto notes = [&](int count, const QString& word) {
            return QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id) "
                                  "with recursive n(i) as (select 1 union all select i+1 from n where i<%1) "
                                  "select i,0,'0','t','%2 '||i,'' from n")
                .arg(count)
                .arg(word);
        };
        {
            Database file(notesTemplate);
            run(file, notes(6000, QStringLiteral("here"))); // more than the merge reads at once
            QVERIFY(QFile::copy(notesTemplate, copyTemplate));
            Database copy(copyTemplate);
            run(copy, notes(30000, QStringLiteral("there")));
        }
        const auto prepare = [&](SyncedFolder& folder) {
            return QFile::copy(notesTemplate, folder.notes) && QFile::copy(copyTemplate, folder.copy);
        };
        const QStringList before = contents(notesTemplate);
        QStringList after;
        QElapsedTimer took;
        {
            SyncedFolder folder;
            QVERIFY(prepare(folder));
            Database file(folder.notes);
            took.start();
            QCOMPARE(mergeConflictCopy(file, folder.copy, folder.options).notesAdded, 30000);
            after = contents(folder.notes);
        }
        const int mergeMs = int(took.elapsed());

        const auto merger = [](SyncedFolder& folder, bool stop) {
            auto* process = new QProcess;
            QStringList arguments{folder.notes, folder.copy, folder.options.backupFolder};
            if (stop)
                arguments << QStringLiteral("stop");
            process->start(QStringLiteral(COPY_MERGER), arguments);
            return std::unique_ptr<QProcess>(process);
        };
        {
            SyncedFolder folder;
            QVERIFY(prepare(folder));
            const auto process = merger(folder, true);
            QVERIFY(process->waitForReadyRead(30000));
            QCOMPARE(process->readAllStandardOutput(), QByteArray("writing\n"));
            QVERIFY(process->processId() > 0);
            ::kill(pid_t(process->processId()), SIGKILL);
            QVERIFY(process->waitForFinished());
            QCOMPARE(contents(folder.notes), before);
            QVERIFY(QFile::exists(folder.copy));
        }
        QRandomGenerator random(20261208);
        int asBefore = 0;
        for (int round = 0; round < 12; ++round) {
            SyncedFolder folder;
            QVERIFY(prepare(folder));
            const auto process = merger(folder, false);
            QVERIFY(process->waitForStarted());
            const auto pid = pid_t(process->processId());
            QVERIFY(pid > 0);
            QTest::qWait(int(random.bounded(mergeMs + 100)));
            // A merge that ended is not reaped before the next wait: the number is still its own.
            if (process->state() == QProcess::Running) {
                ::kill(pid, SIGKILL);
                QVERIFY(process->waitForFinished());
            }
            QCOMPARE(rows(folder.notes, QStringLiteral("pragma integrity_check")), QStringList{"ok"});
            const QStringList found = contents(folder.notes);
            QVERIFY2(found == before || found == after, qPrintable(QStringLiteral("round %1").arg(round)));
            QVERIFY(found == before ? QFile::exists(folder.copy) : true);
            asBefore += found == before;
        }
        qInfo("%d of 12 merges of %d ms were killed before their commit", asBefore, mergeMs);
    }
};

QTEST_GUILESS_MAIN(ConflictMergeTest)
#include "tst_conflict_merge.moc"
