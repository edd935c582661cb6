// Nothing applied is lost: a writer killed at any moment, two writers on one file,
// another program holding the file's lock, and a backup taken while another program writes.
#include "store/NoteEdit.h"
#include "store/NoteInsert.h"
#include "store/OnlineBackup.h"
#include "store/Statements.h"
#include "tests/support/TestDatabase.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <map>
#include <sqlite3.h>

namespace {

// id -> text of every note that a writer reported as applied.
using Acknowledged = std::map<qint32, QString>;

void collect(const QByteArray& output, Acknowledged& notes, QSet<qint32>* duplicates = nullptr)
{
    for (const QByteArray& line : output.split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab < 0)
            continue; // a line cut by the kill was never complete, so never acknowledged
        const qint32 id = line.left(tab).toInt();
        if (duplicates && notes.count(id))
            duplicates->insert(id);
        notes[id] = QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(tab + 1)));
    }
}

QString integrity(const QString& path)
{
    sqlite3* handle = nullptr;
    // Read-write: a journal left by a killed writer is rolled back first, as any next open does.
    sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(handle, "pragma integrity_check", -1, &statement, nullptr);
    QString result;
    while (sqlite3_step(statement) == SQLITE_ROW)
        result += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    sqlite3_close(handle);
    return result;
}

void verifyAllPresent(testing::TestDatabase& db, const Acknowledged& notes)
{
    store::Query query(db.database());
    query.addLine(store::sql::listNotes(0));
    query.open();
    std::map<qint32, QString> stored;
    for (int row = 0; row < query.recordCount(); ++row)
        stored[query.value(row, 0).toInt()] = query.value(row, 2).toString();
    QCOMPARE(int(stored.size()), query.recordCount()); // no id handed out twice
    for (const auto& [id, text] : notes) {
        QVERIFY2(stored.count(id), qPrintable(QStringLiteral("note %1 was lost").arg(id)));
        QCOMPARE(stored[id], text);
    }
}

// The command-line tool prints "locked" once it holds the write lock.
bool waitForLock(QProcess& cli)
{
    QByteArray seen;
    while (!seen.contains("locked")) {
        if (!cli.waitForReadyRead(10000))
            return false;
        seen += cli.readAllStandardOutput();
    }
    return true;
}

QProcess* startWriter(const QString& path, const QString& tag, int count, int pauseMs = 0, const QString& barrier = {})
{
    auto* writer = new QProcess;
    if (!barrier.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("NOTE_WRITER_BARRIER"), barrier);
        writer->setProcessEnvironment(environment);
    }
    writer->setProgram(QStringLiteral(NOTE_WRITER));
    writer->setArguments({path, tag, QString::number(count), QString::number(pauseMs)});
    writer->start();
    return writer;
}

} // namespace

class DurabilityTest : public QObject {
    Q_OBJECT

private slots:
    void killedWriterLosesNothingAcknowledged()
    {
        testing::TestDatabase db;
        db.scalar(QStringLiteral("select count(*) from notes_main")); // create the file
        Acknowledged notes;
        QRandomGenerator random(20261207);
        for (int round = 0; round < 50; ++round) {
            std::unique_ptr<QProcess> writer(startWriter(db.path(), QStringLiteral("r%1").arg(round), 100000));
            QVERIFY(writer->waitForStarted());
            QTest::qWait(int(random.bounded(5, 60)));
            ::kill(pid_t(writer->processId()), SIGKILL);
            QVERIFY(writer->waitForFinished());
            collect(writer->readAllStandardOutput(), notes);
            QCOMPARE(integrity(db.path()), QStringLiteral("ok"));
        }
        QVERIFY(notes.size() > 50);
        verifyAllPresent(db, notes);
    }

    // Each writer pauses between choosing an id and inserting, so the two are inside that step
    // at once: without a write transaction around both, they would choose the same id.
    void twoWritersNeverShareAnIdOrLoseANote()
    {
        testing::TestDatabase db;
        db.scalar(QStringLiteral("select count(*) from notes_main"));
        constexpr int kEach = 40;
        // Both start writing only once both are running: the first must not be done before the
        // second has begun (a slow machine starts processes slowly).
        QTemporaryDir ready;
        const QString barrier = ready.path() + QStringLiteral(":2");
        std::unique_ptr<QProcess> first(startWriter(db.path(), QStringLiteral("a"), kEach, 15, barrier));
        std::unique_ptr<QProcess> second(startWriter(db.path(), QStringLiteral("b"), kEach, 15, barrier));
        QVERIFY(first->waitForFinished(60000));
        QVERIFY(second->waitForFinished(60000));
        QCOMPARE(first->exitCode(), 0);
        QCOMPARE(second->exitCode(), 0);
        const auto steps = [](QProcess& writer) {
            std::vector<std::pair<qint64, qint64>> spans;
            for (const QByteArray& line : writer.readAllStandardError().split('\n'))
                if (const QList<QByteArray> fields = line.split(' '); fields.size() == 3 && fields[0] == "step")
                    spans.emplace_back(fields[1].toLongLong(), fields[2].toLongLong());
            return spans;
        };
        int overlaps = 0;
        for (const auto& [aBegan, aEnded] : steps(*first))
            for (const auto& [bBegan, bEnded] : steps(*second))
                overlaps += aBegan < bEnded && bBegan < aEnded;
        QVERIFY2(overlaps > 0, "the writers never were inside their insert at the same time");
        Acknowledged notes;
        QSet<qint32> duplicates;
        collect(first->readAllStandardOutput(), notes, &duplicates);
        collect(second->readAllStandardOutput(), notes, &duplicates);
        QVERIFY2(duplicates.isEmpty(), "two writers were given the same id");
        QCOMPARE(int(notes.size()), 2 * kEach);
        verifyAllPresent(db, notes);
    }

    void shortLockOfAnotherProgramIsWaitedFor()
    {
        testing::TestDatabase db;
        db.scalar(QStringLiteral("select count(*) from notes_main"));
        QProcess cli;
        cli.start(QStringLiteral("sqlite3"), {db.path()});
        QVERIFY(cli.waitForStarted());
        cli.write("begin immediate;\ninsert into notes_main (id, group_id, content) values (500, 0, 'from the tool');\n"
                  ".print locked\n.shell sleep 1.5\ncommit;\n.quit\n");
        cli.closeWriteChannel();
        QVERIFY(waitForLock(cli));
        store::Query modify(db.database());
        QElapsedTimer waited;
        waited.start();
        const qint32 id =
            store::insertNewNote(db.database(), modify, 0, QStringLiteral("t"), QStringLiteral("mine")).id;
        QVERIFY(waited.elapsed() > 500);
        QCOMPARE(id, 501); // allocated after the tool's note was committed
        QVERIFY(cli.waitForFinished());
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from notes_main")), QStringLiteral("2"));
    }

    void backupWhileAnotherProgramWritesIsTheFileOfOneMoment();

    // Another program writes the note the moment Apply has looked at it (a connection of its
    // own, started from the engine's hook at the end of each statement): either Apply holds
    // the file from its look to its write and the other write waits, or that write is kept
    // beside the user's text. Never is it written over unseen.
    void changeElsewhereBetweenApplysLookAndWriteIsNeverOverwritten()
    {
        testing::TestDatabase db;
        db.addNote(7, QStringLiteral("0"), QStringLiteral("t"), QStringLiteral("opened"));
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open_v2(QFile::encodeName(db.path()).constData(), &other, SQLITE_OPEN_READWRITE, nullptr),
                 SQLITE_OK);
        struct Writer {
            sqlite3* handle;
            QByteArray statement;
            int result = -1; // not yet
        } writer{other, "update notes_main set content='theirs' where id=7"};
        const auto afterStatement = [](unsigned, void* context, void* statement, void*) {
            auto* w = static_cast<Writer*>(context);
            const QByteArray sql = sqlite3_sql(static_cast<sqlite3_stmt*>(statement));
            if (w->result == -1 && sql.startsWith("select") && sql.contains("from notes_main"))
                w->result = sqlite3_exec(w->handle, w->statement.constData(), nullptr, nullptr, nullptr);
            return 0;
        };
        sqlite3_trace_v2(db.database().handle(), SQLITE_TRACE_PROFILE, afterStatement, &writer);
        store::Query modify(db.database());
        const store::AppliedEdit applied =
            store::applyEdit(db.database(), modify, {7, store::sql::Side::Real, QStringLiteral("opened")},
                             QStringLiteral("mine"), 0, QStringLiteral("t"), 0);
        sqlite3_trace_v2(db.database().handle(), 0, nullptr, nullptr);
        sqlite3_close(other);
        QVERIFY(writer.result != -1); // the other program did try
        const QString texts = db.scalar(QStringLiteral("select group_concat(content, '|') from notes_main"));
        QVERIFY2(texts.split('|').contains(QStringLiteral("mine")), qPrintable(texts));
        if (writer.result == SQLITE_OK) {
            QVERIFY2(texts.split('|').contains(QStringLiteral("theirs")), qPrintable(texts));
            QCOMPARE(applied.outcome, store::AppliedEdit::Outcome::ChangedElsewhere);
        }
    }

    void longLockFailsWithTheEngineMessageAndWritesNothing()
    {
        testing::TestDatabase db;
        db.scalar(QStringLiteral("select count(*) from notes_main"));
        QProcess cli;
        cli.start(QStringLiteral("sqlite3"), {db.path()});
        QVERIFY(cli.waitForStarted());
        cli.write("begin immediate;\ninsert into notes_main (id, content) values (500, 'x');\n.print locked\n"
                  ".shell sleep 7\nrollback;\n.quit\n");
        cli.closeWriteChannel();
        QVERIFY(waitForLock(cli));
        store::Query modify(db.database());
        try {
            store::insertNewNote(db.database(), modify, 0, QStringLiteral("t"), QStringLiteral("mine"));
            QFAIL("the insert should have given up");
        } catch (const store::StoreError& error) {
            QCOMPARE(error.engineMessage(), QStringLiteral("database is locked"));
            QVERIFY(error.message().contains(QFileInfo(db.path()).absoluteFilePath()));
            QVERIFY(error.message().contains(QStringLiteral("nothing was changed")));
        }
        QVERIFY(cli.waitForFinished(15000));
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from notes_main")), QStringLiteral("0"));
        // The connection is usable again once the lock is gone.
        QCOMPARE(store::insertNewNote(db.database(), modify, 0, QStringLiteral("t"), QStringLiteral("mine")).id, 1);
    }
};

// The backup is taken in steps of one page, so another program's notes land between its
// steps (and start it over): the copy must still be the file of one moment (every note
// acknowledged before it began, none torn, no gap), and the writer never waits long enough
// to fail. The writer pauses between notes as a person or a script would: a file written
// without pause is never still long enough for any copy that lets writers in.
void DurabilityTest::backupWhileAnotherProgramWritesIsTheFileOfOneMoment()
{
    testing::TestDatabase db;
    db.exec(QStringLiteral("insert into notes_main (id, group_id, isdone, create_time, content, account_id) "
                           "with recursive n(i) as (select 1 union all select i + 1 from n where i < 1000) "
                           "select i, 0, '0', 't', replace(hex(zeroblob(1000)), '0', 'b'), '' from n"));
    qputenv("NOTE_WRITER_INTERVAL_MS", "100");
    std::unique_ptr<QProcess> writer(startWriter(db.path(), QStringLiteral("w"), 1000000, 0));
    qunsetenv("NOTE_WRITER_INTERVAL_MS");
    QVERIFY(writer->waitForStarted());
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += writer->readAllStandardOutput()).count('\n') >= 20, 10000);
    Acknowledged before;
    collect(output.left(output.lastIndexOf('\n') + 1), before);

    QTemporaryDir backups;
    store::BackupOptions options;
    options.pagesPerStep = 1;
    options.maxRestarts = 100000;
    const store::BackupOutcome outcome =
        store::takeBackup(store::BackupFolder(backups.path(), db.path()), QDateTime::currentDateTimeUtc(), options);
    QTRY_VERIFY_WITH_TIMEOUT((output += writer->readAllStandardOutput()).count('\n') >= int(before.size()) + 20, 10000);
    QCOMPARE(writer->state(), QProcess::Running); // never starved into an error
    ::kill(pid_t(writer->processId()), SIGKILL);
    QVERIFY(writer->waitForFinished());
    output += writer->readAllStandardOutput();
    Acknowledged all;
    collect(output, all);
    QCOMPARE(outcome.kind, store::BackupOutcome::Kind::Taken);
    QCOMPARE(integrity(outcome.entry.filePath), QStringLiteral("ok"));

    store::Database backup(outcome.entry.filePath);
    store::Query query(backup);
    query.addLine(store::sql::listNotes(0));
    query.open();
    QCOMPARE(qint64(query.recordCount()), outcome.entry.notes);
    std::map<qint32, QString> stored;
    for (int row = 0; row < query.recordCount(); ++row)
        stored[query.value(row, 0).toInt()] = query.value(row, 2).toString();
    const qint32 last = stored.rbegin()->first;
    QCOMPARE(int(stored.size()), last); // ids 1..last: nothing missing before the moment
    for (const auto& [id, text] : before)
        QVERIFY2(stored.count(id), qPrintable(QStringLiteral("note %1 was acknowledged before the backup").arg(id)));
    for (const auto& [id, text] : stored)
        if (all.count(id))
            QCOMPARE(text, all[id]);
    QVERIFY(last < all.rbegin()->first); // the writer went on after the moment of the copy
}

QTEST_GUILESS_MAIN(DurabilityTest)
#include "tst_durability.moc"
