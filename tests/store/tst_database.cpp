// Opening the notes file: creating it, and refusing files that are not notes files
// without changing a byte of them.
#include "store/CreationTime.h"
#include "store/IntegrityCheck.h"
#include "store/NoteInsert.h"
#include "store/Query.h"
#include "store/SqlFunctions.h"
#include "store/Statements.h"

#include "../support/FileDigest.h"

#include <QElapsedTimer>
#include <QFile>
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
