// The query object's cursor, snapshot and writing rules.
#include "store/Query.h"
#include "tests/support/TestDatabase.h"

#include <QTest>

class QueryTest : public QObject {
    Q_OBJECT

private:
    // Three notes in one category, ids 1..3, listed newest first (3, 2, 1).
    void fillThree(testing::TestDatabase& db)
    {
        for (int id = 1; id <= 3; ++id)
            db.addNote(id, QStringLiteral("0"), QStringLiteral("10:00 Mon, 07Dec2026"), QStringLiteral("n%1").arg(id));
    }

    void openList(store::Query& query)
    {
        query.close();
        query.clearSql();
        query.addLine(QStringLiteral("select id,create_time,content from notes_main where group_id =0 or group_id "
                                     "is null order by record_time desc"));
        query.open();
    }

private slots:
    void openSetsFlagsAndFetchesSnapshot()
    {
        testing::TestDatabase db;
        fillThree(db);
        store::Query query(db.database());
        openList(query);
        QCOMPARE(query.recordCount(), 3);
        QVERIFY(query.bof());
        QVERIFY(!query.eof());
        QCOMPARE(query.fieldAsInteger(QStringLiteral("ID")), 3); // names compare without case
        // A snapshot: later changes made elsewhere are not seen until reopened.
        db.exec(QStringLiteral("delete from notes_main"));
        QCOMPARE(query.recordCount(), 3);
        QCOMPARE(query.fieldAsString(QStringLiteral("content")), QStringLiteral("n3"));
        openList(query);
        QCOMPARE(query.recordCount(), 0);
        QVERIFY(query.bof());
        QVERIFY(query.eof());
        QCOMPARE(query.fieldAsInteger(QStringLiteral("id")), 0);
        QCOMPARE(query.fieldAsString(QStringLiteral("content")), QString());
    }

    void nextAndPriorFollowTheFlagRules()
    {
        testing::TestDatabase db;
        fillThree(db);
        store::Query query(db.database());
        openList(query);

        query.prior(); // at-begin set: nothing happens
        QCOMPARE(query.recNo(), 0);
        QVERIFY(query.bof());

        query.next();
        QCOMPARE(query.recNo(), 1);
        QVERIFY(!query.bof() && !query.eof());
        query.next();
        QCOMPARE(query.recNo(), 2);
        QVERIFY(!query.eof());
        query.next(); // past the last: stays, at-end set
        QCOMPARE(query.recNo(), 2);
        QVERIFY(query.eof());
        query.next(); // at-end: nothing
        QCOMPARE(query.recNo(), 2);

        query.prior(); // clears both, moves back
        QCOMPARE(query.recNo(), 1);
        QVERIFY(!query.eof() && !query.bof());
        query.prior();
        QCOMPARE(query.recNo(), 0);
        QVERIFY(!query.bof()); // reached the first row without trying to go past it
        query.prior();
        QCOMPARE(query.recNo(), 0);
        QVERIFY(query.bof());

        query.next();
        query.first();
        QCOMPARE(query.recNo(), 0);
        QVERIFY(query.bof());
    }

    void locateMovesAndClearsFlagsOnlyWhenFound()
    {
        testing::TestDatabase db;
        fillThree(db);
        store::Query query(db.database());
        openList(query);
        QVERIFY(!query.locate(QStringLiteral("id"), 42));
        QCOMPARE(query.recNo(), 0);
        QVERIFY(query.bof()); // not found changes nothing
        QVERIFY(query.locate(QStringLiteral("id"), 1));
        QCOMPARE(query.recNo(), 2);
        QVERIFY(!query.bof() && !query.eof());
        QCOMPARE(query.fieldAsString(QStringLiteral("content")), QStringLiteral("n1"));
    }

    void editPostsToTheExactRowRead()
    {
        testing::TestDatabase db;
        // Two rows with equal values: only the one read may change.
        db.exec(QStringLiteral("insert into clip_groups values (5,'twin','d'),(5,'twin','d')"));
        store::Query query(db.database());
        query.addLine(QStringLiteral("select group_id,group_name,description from clip_groups where group_name "
                                     "=:group_name"));
        query.setText(QStringLiteral("GROUP_NAME"), QStringLiteral("twin")); // parameter names ignore case
        query.open();
        QCOMPARE(query.recordCount(), 2);
        query.next();
        query.edit();
        query.setField(QStringLiteral("group_name"), QStringLiteral("it's new"));
        query.setField(QStringLiteral("description"), QStringLiteral("changed"));
        query.post();
        QCOMPARE(query.fieldAsString(QStringLiteral("group_name")), QStringLiteral("it's new"));
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from clip_groups where group_name='twin'")),
                 QStringLiteral("1"));
        QCOMPARE(db.scalar(QStringLiteral("select description from clip_groups where group_name='it''s new'")),
                 QStringLiteral("changed"));
    }

    void editOnEmptyResultInsertsWithTableDefaults()
    {
        testing::TestDatabase db;
        store::Query query(db.database());
        query.addLine(QStringLiteral("select remind_content,remind_time,clip_id from remind where clip_id=7"));
        query.open();
        QCOMPARE(query.recordCount(), 0);
        query.edit();
        query.setField(QStringLiteral("clip_id"), 7);
        query.setField(QStringLiteral("remind_content"), QStringLiteral("call"));
        query.setField(QStringLiteral("remind_time"), QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5)));
        query.post();
        QCOMPARE(query.recordCount(), 1);
        QCOMPARE(db.scalar(QStringLiteral("select remind_time from remind where clip_id=7")),
                 QStringLiteral("2027-01-02 03:04:05"));
        QCOMPARE(db.scalar(QStringLiteral("select flag from remind where clip_id=7")), QStringLiteral("0"));
        QCOMPARE(query.fieldAsDateTime(QStringLiteral("remind_time")),
                 QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5)));
    }

    void deleteRemovesTheCurrentRowOrRefusesWhenEmpty()
    {
        testing::TestDatabase db;
        db.exec(QStringLiteral("insert into clip_groups values (2,'a',''),(3,'b','')"));
        store::Query query(db.database());
        query.addLine(QStringLiteral("select group_id,group_name,description from clip_groups where group_name "
                                     "=:group_name"));
        query.setText(QStringLiteral("group_name"), QStringLiteral("b"));
        query.open();
        query.deleteRow();
        QCOMPARE(query.recordCount(), 0);
        QCOMPARE(db.scalar(QStringLiteral("select group_name from clip_groups where group_id>1")), QStringLiteral("a"));
        try {
            query.deleteRow();
            QFAIL("deleting from an empty result must fail");
        } catch (const store::StoreError& error) {
            QCOMPARE(error.message(), QStringLiteral("Cannot perform this operation on an empty dataset"));
        }
    }

    void failedOpenLeavesTheObjectClosedAndFailedExecChangesNothing()
    {
        testing::TestDatabase db;
        fillThree(db);
        store::Query query(db.database());
        openList(query);
        query.close();
        query.clearSql();
        query.addLine(QStringLiteral("select nothing from nowhere"));
        QVERIFY_THROWS_EXCEPTION(store::StoreError, query.open());
        QVERIFY(!query.isOpen());
        QCOMPARE(query.recordCount(), 0);
        query.clearSql();
        query.addLine(QStringLiteral("insert into notes_main (id, content) values (9, 'x'), (10, nosuchcolumn)"));
        QVERIFY_THROWS_EXCEPTION(store::StoreError, query.execSql());
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from notes_main")), QStringLiteral("3"));
    }

    void textKeepsEveryCharacterAndByte()
    {
        testing::TestDatabase db;
        const QString text = QStringLiteral("it's 100% \\ _x_ \"q\" ") + QChar(0) + QStringLiteral(" עברית ́e 🙂");
        db.addNote(1, QStringLiteral("0"), QStringLiteral("t"), text);
        store::Query query(db.database());
        openList(query);
        QCOMPARE(query.fieldAsString(QStringLiteral("content")), text);
    }

    void byteAndIntegerParametersAreStoredAsNumbers()
    {
        testing::TestDatabase db;
        store::Query query(db.database());
        query.addLine(QStringLiteral("update options set optionvalue =:afontcharset where optionname='font_charset'"));
        query.setByte(QStringLiteral("afontcharset"), 238);
        query.execSql();
        query.clearSql();
        query.addLine(QStringLiteral("update options set optionvalue =:afontcolor where optionname='font_color'"));
        query.setInteger(QStringLiteral("afontcolor"), -2147483640);
        query.execSql();
        QCOMPARE(db.scalar(QStringLiteral("select typeof(optionvalue) || optionvalue from options where "
                                          "optionname='font_charset'")),
                 QStringLiteral("integer238"));
        QCOMPARE(db.scalar(QStringLiteral("select optionvalue from options where optionname='font_color'")),
                 QStringLiteral("-2147483640"));
    }
};

QTEST_GUILESS_MAIN(QueryTest)
#include "tst_query.moc"
