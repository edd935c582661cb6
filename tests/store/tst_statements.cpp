// Every statement the program issues: its exact text and what it does to a real file.
#include "store/Clock.h"
#include "store/Query.h"
#include "store/Statements.h"
#include "tests/support/TestDatabase.h"

#include <QTest>

using namespace store;

class StatementsTest : public QObject {
    Q_OBJECT

private:
    static QStringList column(Query& query, const QString& name)
    {
        QStringList values;
        for (int row = 0; row < query.recordCount(); ++row)
            values << query.value(row, query.columnIndex(name)).toString();
        return values;
    }

    static void run(Query& query, const QString& sql)
    {
        query.close();
        query.clearSql();
        query.addLine(sql);
        query.open();
    }

    static int nextNoteId(testing::TestDatabase& db)
    {
        Query query(db.database());
        run(query, sql::selectMaxNoteId);
        return query.fieldAsInteger(QStringLiteral("max_id")) + 1;
    }

private slots:
    void statementTextsAreExact()
    {
        QCOMPARE(sql::selectGroupNames, QStringLiteral("select group_name from clip_groups"));
        QCOMPARE(sql::listNotes(0), QStringLiteral("select id,create_time,content from notes_main where group_id =0 "
                                                   "or group_id is null order by record_time desc"));
        QCOMPARE(sql::listNotes(7), QStringLiteral("select id,create_time,content from notes_main where group_id =7 "
                                                   "order by record_time desc"));
        QCOMPARE(sql::listNotes(-3), QStringLiteral("select id,create_time,content from notes_main where group_id "
                                                    "=-3 order by record_time desc"));
        QCOMPARE(sql::selectMaxNoteId,
                 QStringLiteral("select max(id) as max_id from notes_main where group_id is null or group_id<>1"));
        QCOMPARE(sql::insertNote(12, 3),
                 QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content, account_id) values "
                                "(12,3,'0',:create_time,:content,'')"));
        QCOMPARE(sql::updateNoteContent(5, sql::Side::Real),
                 QStringLiteral("update notes_main set content = :content where id = 5 and (group_id is null or "
                                "group_id<>1)"));
        QCOMPARE(sql::deleteNote(60000, sql::Side::Copy),
                 QStringLiteral("delete from notes_main where id =60000 and group_id=1"));
        QCOMPARE(sql::selectGroupByName,
                 QStringLiteral("select group_id,description from clip_groups where group_name =:group_name"));
        QCOMPARE(sql::selectGroupForChange, QStringLiteral("select group_id,group_name,description from clip_groups "
                                                           "where group_name =:group_name"));
        QCOMPARE(sql::selectGroupNamed(QStringLiteral("it's")),
                 QStringLiteral("select group_name from clip_groups where group_name ='it''s'"));
        QCOMPARE(sql::insertGroup(4, QStringLiteral("a'b"), QStringLiteral("'")),
                 QStringLiteral("insert into clip_groups(group_id,group_name,description) values (4,'a''b','''')"));
        QCOMPARE(sql::deleteSearchCopies, QStringLiteral("delete from notes_main where group_id = 1"));
        QCOMPARE(sql::copySearchMatches(QStringLiteral("it's")),
                 QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content, account_id) select "
                                "60000+id,1,0,create_time,content,account_id from notes_main where content like "
                                "'%it''s%' order by record_time desc"));
        QCOMPARE(sql::copySearchMatches(QString()).contains(QStringLiteral(" like '%%' order")), true);
        QCOMPARE(sql::selectDueReminders,
                 QStringLiteral("select remind_content,remind_time,type,flag,clip_id from remind where remind_time>now()"));
        QCOMPARE(sql::selectReminderOfNote(9),
                 QStringLiteral("select remind_content,remind_time,clip_id from remind where clip_id=9"));
        QCOMPARE(sql::selectOption(QStringLiteral("font_size")),
                 QStringLiteral("select optionvalue from options where optionname='font_size'"));
        QCOMPARE(sql::updateOption(QStringLiteral("font_size")),
                 QStringLiteral("update options set optionvalue =:afontsize where optionname='font_size'"));
        QCOMPARE(sql::updateOption(QStringLiteral("font_charset")),
                 QStringLiteral("update options set optionvalue =:afontcharset where optionname='font_charset'"));
        QCOMPARE(sql::exportNotes(0), sql::listNotes(0));
        QCOMPARE(sql::exportNotes(4),
                 QStringLiteral("select id,create_time,content from notes_main where group_id =4"));
    }

    void newFileHoldsTheRequiredRows()
    {
        testing::TestDatabase db;
        Query query(db.database());
        run(query, sql::selectGroupNames);
        QCOMPARE(column(query, QStringLiteral("group_name")), QStringList{QStringLiteral("Search")});
        QCOMPARE(db.scalar(QStringLiteral("select group_id from clip_groups")), QStringLiteral("1"));
        for (const char* key : {"font_size", "font_style", "font_color", "font_charset"}) {
            run(query, sql::selectOption(QString::fromLatin1(key)));
            QCOMPARE(query.recordCount(), 1);
            QCOMPARE(query.fieldAsInteger(QStringLiteral("optionvalue")), 0);
        }
        QFile file(db.path());
        QCOMPARE(file.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
                 QFile::Permissions());
        QCOMPARE(QDir(db.folder()).entryList(QDir::Files), QStringList{QStringLiteral("clipdata.dat")});
    }

    void noteIdsIgnoreSearchCopiesButNotNullCategories()
    {
        testing::TestDatabase db;
        QCOMPARE(nextNoteId(db), 1); // max over no rows reads as 0
        db.addNote(5, QStringLiteral("0"), QStringLiteral("t"), QStringLiteral("a"));
        db.addNote(9, QStringLiteral("null"), QStringLiteral("t"), QStringLiteral("null category"));
        db.addNote(60005, QStringLiteral("1"), QStringLiteral("t"), QStringLiteral("search copy"));
        QCOMPARE(nextNoteId(db), 10); // a note without a category must not share its id with the next

        Query insert(db.database());
        insert.addLine(sql::insertNote(6, 3));
        insert.setText(QStringLiteral("create_time"), QStringLiteral("09:05 Mon, 07Dec2026"));
        insert.setText(QStringLiteral("content"), QStringLiteral("it's new"));
        insert.execSql();
        QCOMPARE(db.scalar(QStringLiteral("select isdone||'|'||account_id||'|'||group_id from notes_main where id=6")),
                 QStringLiteral("0||3"));

        Query list(db.database());
        run(list, sql::listNotes(0)); // NULL belongs to the Default category
        QCOMPARE(column(list, QStringLiteral("id")), (QStringList{QStringLiteral("9"), QStringLiteral("5")}));
        run(list, sql::listNotes(3));
        QCOMPARE(column(list, QStringLiteral("content")), QStringList{QStringLiteral("it's new")});
    }

    // A real note and a search copy may carry one number; each statement reaches its own side.
    void updateAndDeleteReachOnlyTheNamedSide()
    {
        testing::TestDatabase db;
        db.addNote(5, QStringLiteral("0"), QStringLiteral("t"), QStringLiteral("five"));
        db.addNote(60005, QStringLiteral("NULL"), QStringLiteral("t"), QStringLiteral("real"));
        db.addNote(60005, QStringLiteral("1"), QStringLiteral("t"), QStringLiteral("copy"));
        Query query(db.database());
        for (const sql::Side side : {sql::Side::Real, sql::Side::Copy}) {
            query.clearSql();
            query.addLine(sql::updateNoteContent(60005, side));
            query.setText(QStringLiteral("content"), side == sql::Side::Real ? QStringLiteral("R") : QStringLiteral("C"));
            query.execSql();
            QCOMPARE(query.rowsAffected(), 1);
        }
        QCOMPARE(db.scalar(QStringLiteral("select group_concat(id||content, ' ') from notes_main")),
                 QStringLiteral("5five 60005R 60005C"));
        query.clearSql();
        query.addLine(sql::deleteNote(60005, sql::Side::Copy));
        query.execSql();
        QCOMPARE(db.scalar(QStringLiteral("select group_concat(id||content, ' ') from notes_main")),
                 QStringLiteral("5five 60005R"));
        // The note without a category counts for the next id.
        QCOMPARE(nextNoteId(db), 60006);
    }

    void listsNewestFirstEvenWithinOneMillisecond()
    {
        testing::TestDatabase db;
        Query query(db.database());
        for (int id = 1; id <= 20; ++id) {
            query.clearSql();
            query.addLine(sql::insertNote(id, 0));
            query.setText(QStringLiteral("create_time"), QStringLiteral("t"));
            query.setText(QStringLiteral("content"), QString::number(id));
            query.execSql();
        }
        Query list(db.database());
        run(list, sql::listNotes(0));
        QStringList expected;
        for (int id = 20; id >= 1; --id)
            expected << QString::number(id);
        QCOMPARE(column(list, QStringLiteral("id")), expected);
    }

    void categoryStatementsQuoteNames()
    {
        testing::TestDatabase db;
        Query query(db.database());
        run(query, sql::selectMaxGroupId);
        QCOMPARE(query.fieldAsInteger(QStringLiteral("max_id")), 1);
        query.close();
        query.clearSql();
        query.addLine(sql::insertGroup(2, QStringLiteral("it's"), QStringLiteral("say \"hi\"; drop table x; --'")));
        query.execSql();
        run(query, sql::selectGroupNamed(QStringLiteral("it's")));
        QCOMPARE(query.recordCount(), 1);
        run(query, sql::selectGroupNamed(QStringLiteral("its")));
        QCOMPARE(query.recordCount(), 0);

        query.close();
        query.clearSql();
        query.addLine(sql::selectGroupByName);
        query.setText(QStringLiteral("group_name"), QStringLiteral("it's"));
        query.open();
        QCOMPARE(query.fieldAsInteger(QStringLiteral("group_id")), 2);
        QCOMPARE(query.fieldAsString(QStringLiteral("description")), QStringLiteral("say \"hi\"; drop table x; --'"));
        query.close();
        query.clearSql();
        query.addLine(sql::selectGroupByName);
        query.setText(QStringLiteral("group_name"), QStringLiteral("Default"));
        query.open();
        QCOMPARE(query.fieldAsInteger(QStringLiteral("group_id")), 0); // nothing found reads as 0

        run(query, sql::selectGroupNames);
        QCOMPARE(column(query, QStringLiteral("group_name")), (QStringList{QStringLiteral("Search"), QStringLiteral("it's")}));
        query.close();
        query.clearSql();
        query.addLine(sql::selectGroupForChange);
        query.setText(QStringLiteral("group_name"), QStringLiteral("it's"));
        query.open();
        QCOMPARE(query.fieldAsString(QStringLiteral("group_name")), QStringLiteral("it's"));
    }

    void searchCopiesMatchesInNewestFirstOrder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("plain") << QStringLiteral("apple") << QStringList{QStringLiteral("60003"), QStringLiteral("60001")};
        QTest::newRow("quote") << QStringLiteral("it's") << QStringList{QStringLiteral("60004")};
        QTest::newRow("percent is a wildcard") << QStringLiteral("a%e") << QStringList{QStringLiteral("60003"), QStringLiteral("60001")};
        QTest::newRow("underscore is a wildcard") << QStringLiteral("app_e") << QStringList{QStringLiteral("60003"), QStringLiteral("60001")};
        QTest::newRow("german case") << QStringLiteral("ÄPFEL") << QStringList{QStringLiteral("60005")};
        QTest::newRow("cyrillic case") << QStringLiteral("жук") << QStringList{QStringLiteral("60006")};
        QTest::newRow("empty finds all") << QString() << QStringList{QStringLiteral("60006"), QStringLiteral("60005"), QStringLiteral("60004"), QStringLiteral("60003"), QStringLiteral("60002"), QStringLiteral("60001")};
        QTest::newRow("nothing") << QStringLiteral("zzz") << QStringList{};
    }

    void searchCopiesMatchesInNewestFirstOrder()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        testing::TestDatabase db;
        db.addNote(1, QStringLiteral("0"), QStringLiteral("t1"), QStringLiteral("Apple pie"));
        db.addNote(2, QStringLiteral("3"), QStringLiteral("t2"), QStringLiteral("pear"));
        db.addNote(3, QStringLiteral("null"), QStringLiteral("t3"), QStringLiteral("an APPLE"));
        db.addNote(4, QStringLiteral("0"), QStringLiteral("t4"), QStringLiteral("it's here"));
        db.addNote(5, QStringLiteral("0"), QStringLiteral("t5"), QStringLiteral("äpfel"));
        db.addNote(6, QStringLiteral("2"), QStringLiteral("t6"), QStringLiteral("ЖУК"));
        db.addNote(60009, QStringLiteral("1"), QStringLiteral("old"), QStringLiteral("apple of an old search"));
        Query query(db.database());
        query.addLine(sql::deleteSearchCopies);
        query.execSql();
        query.clearSql();
        query.addLine(sql::copySearchMatches(text));
        query.execSql();
        run(query, sql::listNotes(1));
        QCOMPARE(column(query, QStringLiteral("id")), found);
        if (!found.isEmpty()) {
            const int source = found.first().toInt() - 60000;
            QCOMPARE(db.scalar(QStringLiteral("select create_time||'|'||isdone from notes_main where id=%1")
                                   .arg(found.first())),
                     QStringLiteral("t%1|0").arg(source));
        }
    }

    void remindersDueLaterThanNow()
    {
        testing::TestDatabase db;
        Clock::setSource([] { return QDateTime(QDate(2026, 12, 7), QTime(9, 30, 0)); });
        db.exec(QStringLiteral("insert into remind (clip_id,remind_content,remind_time) values "
                               "(1,'past','2026-12-07 09:29:59'),(2,'now','2026-12-07 09:30:00'),"
                               "(3,'later','2026-12-07 09:30:01'),(4,'next year','2027-01-01 00:00:00')"));
        Query query(db.database());
        run(query, sql::selectDueReminders);
        QCOMPARE(column(query, QStringLiteral("remind_content")),
                 (QStringList{QStringLiteral("later"), QStringLiteral("next year")}));
        Clock::setSource({});

        run(query, sql::selectReminderOfNote(3));
        QCOMPARE(query.recordCount(), 1);
        QCOMPARE(query.fieldAsInteger(QStringLiteral("clip_id")), 3);
    }

    void optionsUpdateInPlace()
    {
        testing::TestDatabase db;
        Query query(db.database());
        query.addLine(sql::updateOption(QStringLiteral("font_style")));
        query.setInteger(QStringLiteral("afontstyle"), 5);
        query.execSql();
        run(query, sql::selectOption(QStringLiteral("font_style")));
        QCOMPARE(query.fieldAsInteger(QStringLiteral("optionvalue")), 5);
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from options")), QStringLiteral("4"));
    }

    void exportTakesTheWholeCategory()
    {
        testing::TestDatabase db;
        db.addNote(1, QStringLiteral("4"), QStringLiteral("a"), QStringLiteral("x"));
        db.addNote(2, QStringLiteral("4"), QStringLiteral("b"), QStringLiteral("y"));
        Query query(db.database());
        run(query, sql::exportNotes(4));
        QStringList ids = column(query, QStringLiteral("id"));
        ids.sort(); // whatever order the store returns
        QCOMPARE(ids, (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
        run(query, sql::exportNotes(0));
        QCOMPARE(query.recordCount(), 0);
    }
};

QTEST_GUILESS_MAIN(StatementsTest)
#include "tst_statements.moc"
