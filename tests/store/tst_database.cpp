// Opening the notes file: creating it, and refusing files that are not notes files
// without changing a byte of them; backing it up and restoring it.
#include "store/CreationTime.h"
#include "store/IntegrityCheck.h"
#include "store/NoteInsert.h"
#include "store/OnlineBackup.h"
#include "store/Query.h"
#include "store/RecentlyDeleted.h"
#include "store/SqlFunctions.h"
#include "store/Statements.h"

#include "../support/FileDigest.h"

#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

using namespace store;

namespace {

// Makes a notes file with the program's bootstrap, then runs raw SQL on it outside the store.
void damage(const QString& path, const char* sql)
{
    {
        Database database(path);
        database.handle();
    }
    sqlite3* handle = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &handle), SQLITE_OK);
    QCOMPARE(sqlite3_exec(handle, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(handle);
}

// The first column of the first row of a statement on any file, read outside the store.
QString fileScalar(const QString& path, const char* sql)
{
    sqlite3* handle = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    QString result = QStringLiteral("<no row>");
    if (sqlite3_prepare_v2(handle, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
        result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    sqlite3_close(handle);
    return result;
}

QStringList filesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QString firstStatementError(const QString& path)
{
    Database database(path);
    Query query(database);
    query.addLine(sql::selectGroupNames);
    try {
        query.open();
    } catch (const StoreError& error) {
        // What the user is shown names the file; the engine's own words come first.
        if (!error.message().startsWith(error.engineMessage()) ||
            !error.message().contains(QFileInfo(path).absoluteFilePath()))
            return QStringLiteral("unexplained: ") + error.message();
        return error.engineMessage();
    }
    return {};
}

} // namespace

class DatabaseTest : public QObject {
    Q_OBJECT

private slots:
    // A file some other program made without the list indexes gets them when opened, unless
    // another program holds the file at that moment: then it opens at once without them.
    void missingListIndexesAreAddedWhenTheFileIsFree()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        damage(path, "drop index notes_main_by_group_time; drop index notes_main_default_by_time; "
                     "drop index notes_main_by_id; insert into notes_main (id,group_id,content) values (1,0,'kept')");
        const auto indexes = [&path] {
            sqlite3* handle = nullptr;
            sqlite3_open(QFile::encodeName(path).constData(), &handle);
            sqlite3_stmt* statement = nullptr;
            sqlite3_prepare_v2(handle,
                               "select count(*) from sqlite_master where type='index' and tbl_name='notes_main'", -1,
                               &statement, nullptr);
            sqlite3_step(statement);
            const int count = sqlite3_column_int(statement, 0);
            sqlite3_finalize(statement);
            sqlite3_close(handle);
            return count;
        };
        QCOMPARE(indexes(), 0);
        {
            sqlite3* holder = nullptr;
            sqlite3_open(QFile::encodeName(path).constData(), &holder);
            // Another writer holds the file: reading goes on, writing waits.
            QCOMPARE(sqlite3_exec(holder, "begin immediate", nullptr, nullptr, nullptr), SQLITE_OK);
            Database database(path);
            QElapsedTimer opening;
            opening.start();
            database.handle();
            QVERIFY(opening.elapsed() < Database::kBusyTimeoutMs);
            sqlite3_exec(holder, "rollback", nullptr, nullptr, nullptr);
            sqlite3_close(holder);
        }
        QCOMPARE(indexes(), 0);
        {
            Database database(path);
            Query query(database);
            query.addLine(sql::listNotes(0));
            query.open();
            QCOMPARE(query.fieldAsString(QStringLiteral("content")), QStringLiteral("kept"));
        }
        QCOMPARE(indexes(), 3);
    }

    void refusesFilesThatAreNotNotesFiles_data()
    {
        QTest::addColumn<QByteArray>("sql");
        QTest::addColumn<QString>("message");
        QTest::newRow("table dropped") << QByteArray("drop table remind") << QStringLiteral("no such table: remind");
        QTest::newRow("column dropped") << QByteArray("alter table notes_main drop column account_id")
                                        << QStringLiteral("no such column: notes_main.account_id");
        QTest::newRow("options without value") << QByteArray("alter table options drop column optionvalue")
                                               << QStringLiteral("no such column: options.optionvalue");
    }

    void refusesFilesThatAreNotNotesFiles()
    {
        QFETCH(QByteArray, sql);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        damage(path, sql.constData());
        const QByteArray before = testing::fileDigest(path);
        QCOMPARE(firstStatementError(path), message);
        QCOMPARE(testing::fileDigest(path), before);
    }

    void textFileIsLeftByteForByte()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray junk;
        for (int i = 0; i < 3000; ++i)
            junk += "these are not the notes you are looking for\n";
        file.write(junk);
        file.close();
        QCOMPARE(firstStatementError(path), QStringLiteral("file is not a database"));
        QCOMPARE(testing::fileDigest(path), QCryptographicHash::hash(junk, QCryptographicHash::Sha256));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("clipdata.dat")});
    }

    void emptyFileLacksTables()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(firstStatementError(path), QStringLiteral("no such table: notes_main"));
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    void directoryOrDanglingLinkIsNotReplaced()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("clipdata.dat"));
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(!firstStatementError(folder).isEmpty());
        QVERIFY(QFileInfo(folder).isDir());

        const QString link = dir.filePath(QStringLiteral("link.dat"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere/at/all")), link));
        QVERIFY(!firstStatementError(link).isEmpty());
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nowhere"))));
    }

    void readOnlyFileOrFolderIsReadButNeverWritten_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("file") << false;
        QTest::newRow("folder") << true;
    }

    void readOnlyFileOrFolderIsReadButNeverWritten()
    {
        QFETCH(bool, folder);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        {
            Database database(path);
            Query query(database);
            insertNewNote(database, query, 0, QStringLiteral("t"), QStringLiteral("kept"));
        }
        const QString locked = folder ? dir.path() : path;
        const auto permissions = QFile::permissions(locked);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray before = testing::fileDigest(path);
        {
            Database database(path);
            Query query(database);
            query.addLine(sql::listNotes(0));
            query.open();
            QCOMPARE(query.fieldAsString(QStringLiteral("content")), QStringLiteral("kept"));
            try {
                insertNewNote(database, query, 0, QStringLiteral("t"), QStringLiteral("lost?"));
                QFAIL("a read-only notes file was written");
            } catch (const StoreError& error) {
                QVERIFY(error.message().contains(QStringLiteral("read-only")));
                QVERIFY(error.message().contains(path));
            }
        }
        QFile::setPermissions(locked, permissions);
        QCOMPARE(testing::fileDigest(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("clipdata.dat")});
    }

    // The table that keeps deleted notes for Undo is made when the file is opened for
    // writing, not by every Delete. Dropped by another program meanwhile, it is made again by
    // the Delete, which still keeps its note; a read-only file without it opens unchanged.
    void keptTableIsMadeAtOpenAndAgainWhenDropped()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        const char* const hasTable = "select count(*) from sqlite_master where name='recently_deleted'";
        {
            Database database(path);
            Query query(database);
            const qint32 id = insertNewNote(database, query, 0, QStringLiteral("t"), QStringLiteral("gone")).id;
            insertNewNote(database, query, 0, QStringLiteral("t"), QStringLiteral("kept"));
            QCOMPARE(fileScalar(path, hasTable), QStringLiteral("1"));
            damage(path, "drop table recently_deleted");
            const std::optional<DeletedNote> deleted = deleteNoteKeeping(database, query, id, sql::Side::Real);
            QVERIFY(deleted && deleted->keptKey != 0);
            QCOMPARE(keptItems(database, query).size(), size_t(1));
        }
        damage(path, "drop table recently_deleted");
        QFile::setPermissions(path, QFile::ReadOwner);
        const QByteArray before = testing::fileDigest(path);
        {
            Database database(path);
            Query query(database);
            query.addLine(sql::listNotes(0));
            query.open();
            QCOMPARE(query.fieldAsString(QStringLiteral("content")), QStringLiteral("kept"));
            QVERIFY(keptItems(database, query).empty());
        }
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(testing::fileDigest(path), before);
    }

    // A sync engine passes a write-ahead log on apart from the file, so the machine on the
    // other side would miss what it holds: a file another program switched to one goes back to
    // the rollback journal when it is opened for writing, and a write leaves nothing beside it.
    void fileSwitchedToWriteAheadLogGoesBackToTheRollbackJournal()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        damage(path, "pragma journal_mode=wal");
        const auto writeAheadInHeader = [&path] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) && file.read(20).at(18) == 2;
        };
        QVERIFY(writeAheadInHeader());
        Database database(path);
        Query query(database);
        insertNewNote(database, query, 0, QStringLiteral("t"), QStringLiteral("synced whole"));
        QVERIFY(!writeAheadInHeader());
        QCOMPARE(filesOf(dir.path()), QStringList{QStringLiteral("clipdata.dat")});
    }

    void fullDiskRefusesTheNoteAndKeepsTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        Database database(path);
        Query query(database);
        insertNewNote(database, query, 0, QStringLiteral("t"), QStringLiteral("first"));
        // The engine's own size limit stands in for a disk with no room left: one more
        // page, far less than the note needs.
        Query pages(database);
        pages.addLine(QStringLiteral("pragma page_count"));
        pages.open();
        database.execute(QStringLiteral("pragma max_page_count = %1").arg(pages.value(0, 0).toInt() + 1));
        pages.close();
        try {
            insertNewNote(database, query, 0, QStringLiteral("t"), QString(400000, QLatin1Char('x')));
            QFAIL("the note should not have fitted");
        } catch (const StoreError& error) {
            QCOMPARE(error.engineMessage(), QStringLiteral("database or disk is full"));
            QVERIFY(error.message().contains(QStringLiteral("Free some space")));
        }
        QCOMPARE(quickCheck(path), QString());
        query.close();
        query.clearSql();
        query.addLine(sql::listNotes(0));
        query.open();
        QCOMPARE(query.recordCount(), 1);
    }

    // Seven are kept, newest first, each holding the notes of its moment; the backups of
    // another notes file in the same folder are neither listed nor removed with them.
    void backupsKeepTheSevenNewestOfTheirOwnNotesFile()
    {
        QTemporaryDir dir;
        const QString backups = dir.filePath(QStringLiteral("backups"));
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        const QString otherPath = dir.filePath(QStringLiteral("other/clipdata.dat"));
        QDir().mkpath(dir.filePath(QStringLiteral("other")));
        Database database(path);
        Database other(otherPath);
        Query query(database);
        Query otherQuery(other);
        insertNewNote(other, otherQuery, 0, QStringLiteral("t"), QStringLiteral("elsewhere"));
        const BackupFolder folder(backups, path);
        const BackupFolder otherFolder(backups, otherPath);
        QVERIFY(folder.key() != otherFolder.key());
        QCOMPARE(takeBackup(otherFolder, QDateTime::currentDateTimeUtc()).kind, BackupOutcome::Kind::Taken);

        const QDateTime start(QDate(2026, 12, 7), QTime(23, 59, 59, 999), Qt::UTC);
        // What a backup killed while copying left behind goes at the next rotation.
        QDir().mkpath(backups);
        const QString killed = QStringLiteral("%1/%2-20261207-000000000.partial-99999999").arg(backups, folder.key());
        QVERIFY(QFile(killed).open(QIODevice::WriteOnly));
        for (int day = 0; day < 9; ++day) {
            insertNewNote(database, query, 0, QStringLiteral("t"), QStringLiteral("day %1").arg(day));
            const BackupOutcome outcome = takeBackup(folder, start.addDays(day));
            QCOMPARE(outcome.kind, BackupOutcome::Kind::Taken);
            QCOMPARE(outcome.entry.notes, day + 1);
            folder.keepNewest();
        }
        const std::vector<BackupEntry> kept = folder.list();
        QCOMPARE(int(kept.size()), BackupFolder::kKept);
        for (int i = 0; i < BackupFolder::kKept; ++i) {
            QCOMPARE(kept[size_t(i)].taken, start.addDays(8 - i));
            QCOMPARE(kept[size_t(i)].notes, 9 - i);
            QCOMPARE(fileScalar(kept[size_t(i)].filePath, "select count(*) from notes_main"), QString::number(9 - i));
            QCOMPARE(fileScalar(kept[size_t(i)].filePath, "pragma integrity_check"), QStringLiteral("ok"));
            QCOMPARE(QFile::permissions(kept[size_t(i)].filePath),
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
        }
        QVERIFY(!QFile::exists(killed));
        QCOMPARE(*folder.newest(start.addDays(8)), start.addDays(8));
        // A backup dated after now (the clock set back) is not the last one taken.
        QCOMPARE(*folder.newest(start.addDays(7).addSecs(3600)), start.addDays(7));
        QCOMPARE(int(otherFolder.list().size()), 1);
        QCOMPARE(otherFolder.list()[0].notes, 1);
        // The side file names the notes file; nothing half-written lies about.
        QFile side(QStringLiteral("%1/%2.source").arg(backups, folder.key()));
        QVERIFY(side.open(QIODevice::ReadOnly));
        QCOMPARE(side.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());
        QCOMPARE(QString::fromUtf8(side.readAll()).trimmed(), QFileInfo(path).canonicalFilePath());
        QCOMPARE(filesOf(backups).size(), BackupFolder::kKept + 1 + 2);
        for (const QString& name : filesOf(backups))
            QVERIFY2(name.endsWith(QLatin1String(".dat")) || name.endsWith(QLatin1String(".source")), qPrintable(name));

        // Two backups in one millisecond (a stopped clock) keep both.
        QCOMPARE(takeBackup(folder, start.addDays(20)).kind, BackupOutcome::Kind::Taken);
        QCOMPARE(takeBackup(folder, start.addDays(20)).kind, BackupOutcome::Kind::Taken);
        QCOMPARE(folder.list()[0].taken, start.addDays(20).addMSecs(1));
        QCOMPARE(folder.list()[1].taken, start.addDays(20));
    }

    // Too little room is found before the copy begins, or (the disk filling meanwhile) by the
    // engine during it: either way no backup is made and nothing is left behind.
    void backupOnAShortDiskIsSkippedWithoutLeavingAFile()
    {
        QTemporaryDir dir;
        const QString backups = dir.filePath(QStringLiteral("backups"));
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        Database database(path);
        Query query(database);
        for (int i = 0; i < 20; ++i)
            insertNewNote(database, query, 0, QStringLiteral("t"), QString(20000, QLatin1Char('a' + i)));
        const BackupFolder folder(backups, path);
        const qint64 size = QFileInfo(path).size();

        BackupOptions options;
        qint64 free = size + backupMargin(size) - 1;
        options.freeBytes = [&free](const QString&) { return free; };
        BackupOutcome outcome = takeBackup(folder, QDateTime::currentDateTimeUtc(), options);
        QCOMPARE(outcome.kind, BackupOutcome::Kind::DiskShort);
        QCOMPARE(outcome.message, QStringLiteral("Backup skipped: disk short"));
        QVERIFY(folder.list().empty());

        // Room enough by the measure, but the disk fills during the copy.
        free = size + backupMargin(size);
        options.destinationPragma = QStringLiteral("pragma max_page_count=2");
        options.pagesPerStep = 1;
        outcome = takeBackup(folder, QDateTime::currentDateTimeUtc(), options);
        QCOMPARE(outcome.kind, BackupOutcome::Kind::DiskShort);
        QCOMPARE(outcome.message, QStringLiteral("Backup skipped: disk full"));
        QVERIFY(folder.list().empty());
        QCOMPARE(filesOf(backups), QStringList{folder.key() + QStringLiteral(".source")});

        // A file nobody writes is copied whole however many steps it takes: a step is no
        // start over.
        options.destinationPragma.clear();
        options.maxRestarts = 1;
        QCOMPARE(takeBackup(folder, QDateTime::currentDateTimeUtc(), options).kind, BackupOutcome::Kind::Taken);
    }

    // A restore puts back the backup's notes through the program's own connection; a file
    // that is not a notes database is refused and the notes file stays as it was.
    void restoreReplacesTheNotesAndRefusesAFileThatIsNoBackup()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        Database database(path);
        Query query(database);
        insertNewNote(database, query, 0, QStringLiteral("t"), QStringLiteral("kept"));
        const BackupFolder folder(dir.filePath(QStringLiteral("backups")), path);
        const BackupOutcome outcome = takeBackup(folder, QDateTime::currentDateTimeUtc());
        QCOMPARE(outcome.kind, BackupOutcome::Kind::Taken);
        insertNewNote(database, query, 0, QStringLiteral("t"), QStringLiteral("later"));

        const QString notABackup = dir.filePath(QStringLiteral("text.dat"));
        QFile text(notABackup);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(QByteArray(70000, 'x'));
        text.close();
        const QByteArray before = testing::fileDigest(path);
        QVERIFY_THROWS_EXCEPTION(StoreError, restoreBackup(database.handle(), path, notABackup));
        QCOMPARE(testing::fileDigest(path), before);

        restoreBackup(database.handle(), path, outcome.entry.filePath);
        query.close();
        query.clearSql();
        query.addLine(sql::listNotes(0));
        query.open();
        QCOMPARE(query.recordCount(), 1);
        QCOMPARE(query.value(0, 2).toString(), QStringLiteral("kept"));
        QCOMPARE(quickCheck(path), QString());
        // Another connection sees the restored file too.
        QCOMPARE(fileScalar(path, "select group_concat(content) from notes_main"), QStringLiteral("kept"));
    }

    void truncatedFileIsReportedAndLeftAlone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        {
            Database database(path);
            database.execute(QStringLiteral("begin"));
            for (int i = 0; i < 200; ++i)
                database.execute(QStringLiteral("insert into notes_main (id, group_id, content) values (%1, 0, '%2')")
                                     .arg(i)
                                     .arg(QString(500, QLatin1Char('a' + i % 26))));
            database.execute(QStringLiteral("commit"));
        }
        QCOMPARE(quickCheck(path), QString());
        QFile file(path);
        QVERIFY(file.resize(file.size() / 2));
        const QByteArray before = testing::fileDigest(path);
        const QString report = quickCheck(path);
        QVERIFY(!report.isEmpty());
        QVERIFY(report.contains(path));
        QVERIFY(report.contains(QStringLiteral("has not changed it")));
        QCOMPARE(testing::fileDigest(path), before);
    }

    void connectionOpensAtTheFirstStatement()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        Database database(path);
        QVERIFY(!database.isOpen());
        QVERIFY(!QFileInfo::exists(path));
        Query query(database);
        query.addLine(sql::selectGroupNames);
        query.open();
        QVERIFY(database.isOpen());
        QVERIFY(QFileInfo::exists(path));
    }

    void likeFoldsCaseInEveryScript_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matches");
        QTest::newRow("ascii") << "%HeLLo%" << "say hello there" << true;
        QTest::newRow("umlaut") << "%Ä%" << "ärger" << true;
        QTest::newRow("cyrillic") << "ж_к" << "ЖУК" << true;
        QTest::newRow("greek") << "%ΣΟΦΊΑ%" << "σοφία" << true;
        QTest::newRow("underscore one char") << "a_c" << "abbc" << false;
        QTest::newRow("underscore multibyte") << "a_c" << "aжc" << true;
        QTest::newRow("percent empty") << "%%" << "" << true;
        QTest::newRow("anchored") << "abc" << "abcd" << false;
        QTest::newRow("trailing percent") << "ab%" << "abcd" << true;
        QTest::newRow("emoji") << "%🙂%" << "smile 🙂 ok" << true;
        QTest::newRow("no match") << "%xyz%" << "abc" << false;
    }

    void likeFoldsCaseInEveryScript()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(bool, matches);
        QCOMPARE(likeMatches(pattern.toUtf8(), text.toUtf8()), matches);
    }

    void creationTimeLayout()
    {
        const QDateTime moment(QDate(2026, 12, 6), QTime(14, 5, 59));
        const QString text = formatCreationTime(moment, QLocale::c());
        QCOMPARE(text, QStringLiteral("14:05 Sun, 06Dec2026"));
        QCOMPARE(formatCreationTime(QDateTime(QDate(2027, 1, 4), QTime(0, 0)), QLocale(QLocale::German)),
                 QStringLiteral("00:00 Mo., 04Jan.2027"));
    }
};

QTEST_GUILESS_MAIN(DatabaseTest)
#include "tst_database.moc"
