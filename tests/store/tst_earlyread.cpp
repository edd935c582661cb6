// The first list read early on a connection of its own: it must stand in for the main
// connection's own reading exactly, and never make a bad or busy file behave differently.
#include "store/EarlyRead.h"
#include "store/Statements.h"

#include "../support/TestDatabase.h"

#include "../support/FileDigest.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <sqlite3.h>
#include <thread>

using namespace store;

namespace {

// Every row and column of an open query, as text, for comparing two results.
QStringList rowsOf(const Query& query)
{
    QStringList rows;
    for (int row = 0; row < query.recordCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 3; ++column)
            cells << query.value(row, column).toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace

class EarlyReadTest : public QObject {
    Q_OBJECT
private slots:
    void handsOverExactlyWhatTheMainConnectionWouldRead()
    {
        testing::TestDatabase db;
        db.addNote(1, QStringLiteral("0"), QStringLiteral("10:00 Mon, 07Dec2026"), QStringLiteral("it's 100% 'quoted'"));
        db.addNote(2, QStringLiteral("null"), QStringLiteral("10:01 Mon, 07Dec2026"), QStringLiteral("Жж ÄÄ 😀"));
        db.addNote(3, QStringLiteral("5"), QStringLiteral("10:02 Mon, 07Dec2026"), QStringLiteral("another category"));

        Query own(db.database());
        own.addLine(sql::listNotes(0));
        own.open();

        EarlyRead early(db.path(), sql::listNotes(0));
        early.finish();
        Query handed(db.database());
        handed.addLine(sql::listNotes(0));
        QVERIFY(early.handTo(handed));
        QVERIFY(handed.isOpen());
        QVERIFY(handed.bof());
        QCOMPARE(handed.recordCount(), 2);
        QCOMPARE(rowsOf(handed), rowsOf(own));

        // Only once: a second query reads for itself.
        Query again(db.database());
        again.addLine(sql::listNotes(0));
        QVERIFY(!early.handTo(again));
        QVERIFY(!again.isOpen());
    }

    void aDifferentStatementOrParameterIsNotHandedOver()
    {
        testing::TestDatabase db;
        db.addNote(1, QStringLiteral("0"), QStringLiteral("10:00 Mon, 07Dec2026"), QStringLiteral("a"));
        {
            EarlyRead early(db.path(), sql::listNotes(0));
            Query other(db.database());
            other.addLine(sql::listNotes(7));
            QVERIFY(!early.handTo(other));
            QVERIFY(!other.isOpen());
        }
        {
            EarlyRead early(db.path(), QStringLiteral("select id from notes_main where id = :id"));
            Query bound(db.database());
            bound.addLine(QStringLiteral("select id from notes_main where id = :id"));
            bound.setInteger(QStringLiteral("id"), 1);
            QVERIFY(!early.handTo(bound));
        }
    }

    void theRowsStayEditableOnTheMainConnection()
    {
        testing::TestDatabase db;
        db.addNote(1, QStringLiteral("0"), QStringLiteral("10:00 Mon, 07Dec2026"), QStringLiteral("before"));
        const QString statement = QStringLiteral("select rowid, id, content from notes_main");
        EarlyRead early(db.path(), statement);
        Query query(db.database());
        query.addLine(statement);
        QVERIFY(early.handTo(query));
        query.edit();
        query.setField(QStringLiteral("content"), QStringLiteral("after"));
        query.post();
        QCOMPARE(db.scalar(QStringLiteral("select content from notes_main where id = 1")), QStringLiteral("after"));
    }

    void aFileThatIsNotANotesFileIsLeftToTheMainConnection()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("shopping list: milk, eggs\n");
        }
        const QByteArray before = testing::fileDigest(path);
        EarlyRead early(path, sql::listNotes(0));
        early.finish();
        Database database(path);
        Query query(database);
        query.addLine(sql::listNotes(0));
        QVERIFY(!early.handTo(query));
        QVERIFY_THROWS_EXCEPTION(StoreError, query.open());
        QCOMPARE(testing::fileDigest(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("clipdata.dat")});
    }

    void aMissingFileIsCreatedOnceAndListsEmpty()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        EarlyRead early(path, sql::listNotes(0));
        early.finish();
        QVERIFY(QFile::exists(path));
        Database database(path);
        Query query(database);
        query.addLine(sql::listNotes(0));
        QVERIFY(early.handTo(query));
        QCOMPARE(query.recordCount(), 0);
        QVERIFY(query.eof());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("clipdata.dat")});
    }

    void aFileHeldByAnotherWriterDoesNotMakeTheEarlyReadWait()
    {
        testing::TestDatabase db;
        db.addNote(1, QStringLiteral("0"), QStringLiteral("10:00 Mon, 07Dec2026"), QStringLiteral("a"));
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(db.path()).constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
        // The other writer lets go well within the busy timeout: an early read that waited
        // for it would get the rows; one that does not wait has given up by then.
        std::thread release([other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            sqlite3_exec(other, "rollback", nullptr, nullptr, nullptr);
        });
        EarlyRead early(db.path(), sql::listNotes(0));
        early.finish();
        release.join();
        sqlite3_close(other);
        Query query(db.database());
        query.addLine(sql::listNotes(0));
        QVERIFY(!early.handTo(query));
        query.open(); // the main connection reads for itself
        QCOMPARE(query.recordCount(), 1);
    }

    void rowsNobodyTookAreDropped()
    {
        testing::TestDatabase db;
        db.addNote(1, QStringLiteral("0"), QStringLiteral("10:00 Mon, 07Dec2026"), QStringLiteral("a"));
        EarlyRead early(db.path(), sql::listNotes(0));
        early.discard();
        Query query(db.database());
        query.addLine(sql::listNotes(0));
        QVERIFY(!early.handTo(query));
    }
};

QTEST_GUILESS_MAIN(EarlyReadTest)
#include "tst_earlyread.moc"
