// Opening the notes file: creating it, and refusing files that are not notes files
// without changing a byte of them.
#include "store/CreationTime.h"
#include "store/Query.h"
#include "store/SqlFunctions.h"
#include "store/Statements.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

using namespace store;

namespace {

QByteArray digest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

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
        return error.message();
    }
    return {};
}

} // namespace

class DatabaseTest : public QObject {
    Q_OBJECT

private slots:
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
        const QByteArray before = digest(path);
        QCOMPARE(firstStatementError(path), message);
        QCOMPARE(digest(path), before);
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
        QCOMPARE(digest(path), QCryptographicHash::hash(junk, QCryptographicHash::Sha256));
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
        QCOMPARE(creationTimeOfDay(text), QStringLiteral("14:05 "));
        QCOMPARE(creationDayText(text), QStringLiteral("Sun, 06Dec2026"));
        QCOMPARE(formatCreationTime(QDateTime(QDate(2027, 1, 4), QTime(0, 0)), QLocale(QLocale::German)),
                 QStringLiteral("00:00 Mo., 04Jan.2027"));
    }
};

QTEST_GUILESS_MAIN(DatabaseTest)
#include "tst_database.moc"
