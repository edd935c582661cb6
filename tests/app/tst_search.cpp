// Search through the real main window: the copies it writes and the list it shows.
#include "FormFixture.h"

#include "dialogs/FrmSearch.h"

#include <QLineEdit>

namespace {

QStringList seed()
{
    const QStringList texts = {"Hello world", "say HELLO there", "it's here", "100% sure", "10 things", "a_b",
                               "axb",         "Привет, мир",     "ПРИВЕТ"};
    QStringList statements{"insert into clip_groups values (2,'Work','')"};
    for (int i = 0; i < texts.size(); ++i) // ids 1..9, newest last; 2 and 8 in Work, 3 without a category
        statements << fixture::note(i + 1, i == 2 ? "NULL" : (i % 6 == 1 ? "2" : "0"), "09:00 Mon, 07Dec2026", texts[i],
                                    QStringLiteral("2026-12-07 09:%1:00").arg(i + 10));
    return statements;
}

// Types into the search dialog, which must come up empty, and presses Enter.
void answerSearch(const QString& text)
{
    widgets::Modal::queueDialogAnswer([text](QDialog& shown) {
        auto* edit = dynamic_cast<dialogs::TFrmSearch&>(shown).edt_for_search;
        if (!edit->text().isEmpty())
            return int(QDialog::Rejected);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(edit, Qt::Key_Return);
        return shown.result();
    });
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void searchCopiesMatchesOfEveryCategory_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("either case") << "hello" << QStringList{"60001", "60002"};
        QTest::newRow("quote") << "it's" << QStringList{"60003"};
        QTest::newRow("% is a wildcard") << "0%" << QStringList{"60004", "60005"};
        QTest::newRow("_ is a wildcard") << "a_b" << QStringList{"60006", "60007"};
        QTest::newRow("Cyrillic lower") << "привет" << QStringList{"60008", "60009"};
        QTest::newRow("Cyrillic upper") << "МИР" << QStringList{"60008"};
        QTest::newRow("empty: all") << "" << QStringList{"60001", "60002", "60003", "60004", "60005",
                                                         "60006", "60007", "60008", "60009"};
    }
    void searchCopiesMatchesOfEveryCategory()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        fixture::Form f(seed());
        answerSearch(text);
        f->toolCommands().Search1Click();
        QCOMPARE(f.rows("select id from notes_main where group_id=1 order by id", 1), found);
        QCOMPARE(f.selectedTab(), QStringLiteral("Search"));
        QCOMPARE(f.state().CurGroupId, 1);
        QList<qint32> newestFirst{60000};
        for (auto id = found.crbegin(); id != found.crend(); ++id)
            newestFirst << id->toInt();
        QCOMPARE(f.tags(), found.isEmpty() ? QList<qint32>{0} : newestFirst);
    }

    void aCopyKeepsItsSourcesFields()
    {
        fixture::Form f(seed());
        answerSearch(QStringLiteral("it's"));
        f->toolCommands().Search1Click();
        QCOMPARE(f.rows("select id,group_id,isdone,create_time,content,account_id from notes_main where id>60000", 6),
                 QStringList{"60003|1|0|09:00 Mon, 07Dec2026|it's here|"});
    }

    void aSecondSearchReplacesTheFirstAndIsShown()
    {
        fixture::Form f(seed());
        answerSearch(QStringLiteral("hello"));
        f->toolCommands().Search1Click();
        answerSearch(QString()); // would match the first search's copies, were they still there
        f->toolCommands().Search1Click();
        QCOMPARE(f.db.scalar("select count(*) from notes_main where group_id=1"), QStringLiteral("9"));
        QCOMPARE(f.tags().size(), 10); // the Search tab was selected already: rebuilt all the same
    }

    void afterADeleteSelectsSearchTheResultsAreShown()
    {
        // Search stored after Work: deleting Work selects the Search tab while the list still
        // shows Work's notes.
        QStringList statements = seed();
        statements.prepend("delete from clip_groups");
        statements.insert(2, "insert into clip_groups values (1,'Search','')");
        fixture::Form f(statements);
        f.chooseTab(QStringLiteral("Work"));
        widgets::Modal::queueMessageAnswer(QMessageBox::Yes);
        f->categoryTabs().Delete1Click();
        QCOMPARE(f.selectedTab(), QStringLiteral("Search"));
        answerSearch(QStringLiteral("things"));
        f->toolCommands().Search1Click();
        QCOMPARE(f.tags(), (QList<qint32>{60000, 60005}));
    }

    void aFailedCopyShowsItsStatementAndKeepsTheLastResults()
    {
        fixture::Form f(seed());
        f.db.exec(fixture::note(60001, "1", "x", "old copy", "2026-12-01 00:00:00"));
        f.db.exec("create trigger refuse before insert on notes_main when new.group_id=1 "
                  "begin select raise(abort, 'refused'); end");
        answerSearch(QStringLiteral("it's"));
        f->toolCommands().Search1Click();
        QCOMPARE(widgets::Modal::shownMessages().back().text,
                 QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content, account_id) select "
                                "60000+id,1,0,create_time,content,account_id from notes_main where content like "
                                "'%it''s%' order by record_time desc"));
        QCOMPARE(f.db.scalar("select content from notes_main where group_id=1"), QStringLiteral("old copy"));
        QCOMPARE(f.selectedTab(), QStringLiteral("Search"));
    }

    void nothingMovesWithoutOkOrOutOfBrowseMode()
    {
        fixture::Form f(seed());
        f->toolCommands().Search1Click(); // unanswered: cancelled
        f->tabGroups->setCaption(1, QStringLiteral("Found"));
        answerSearch(QStringLiteral("hello"));
        f->toolCommands().Search1Click(); // no tab is captioned "Search": the copies are only stored
        QCOMPARE(f.db.scalar("select count(*) from notes_main where group_id=1"), QStringLiteral("2"));
        f->tabGroups->setCaption(1, QStringLiteral("Search"));
        f->noteEditing().imgNewClick();
        f->memoContent->setPlainText(QStringLiteral("half typed"));
        answerSearch(QStringLiteral("things"));
        f->toolCommands().Search1Click();
        QCOMPARE(f.selectedTab(), QStringLiteral("Default"));
        QCOMPARE(f.state().CurGroupId, 0);
        QCOMPARE(f.memo(), QStringLiteral("half typed"));
        QCOMPARE(f.state().ApplyMode, QStringLiteral("I"));
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
