// Search through the real main window: the copies it writes and the list it shows.
#include "FormFixture.h"

#include "dialogs/FrmSearch.h"

#include <QLineEdit>
#include <QPushButton>

using fixture::noteRow;

namespace {

QStringList seed()
{
    int minute = 0;
    auto note = [&minute](int id, const char* group, const QString& content) {
        ++minute;
        return noteRow(id, QString::fromLatin1(group), QStringLiteral("09:%1 Mon, 07Dec2026").arg(minute, 2, 10, QLatin1Char('0')),
                       content, QStringLiteral("2026-12-07 09:%1:00.000").arg(minute, 2, 10, QLatin1Char('0')));
    };
    return {
        QStringLiteral("insert into clip_groups values (2,'Work','')"),
        note(1, "0", QStringLiteral("Hello world")),
        note(2, "2", QStringLiteral("say HELLO there")),
        note(3, "NULL", QStringLiteral("hello without a category")),
        note(4, "0", QStringLiteral("it's here")),
        note(5, "0", QStringLiteral("100% sure")),
        note(6, "0", QStringLiteral("10 things")),
        note(7, "0", QStringLiteral("a_b")),
        note(8, "0", QStringLiteral("axb")),
        note(9, "2", QStringLiteral("Привет, мир")),
        note(10, "0", QStringLiteral("ПРИВЕТ")),
        note(11, "0", QStringLiteral("nothing to see")),
    };
}

// Types the text into the search dialog, which must come up empty, and presses Enter.
void answerSearch(const QString& text)
{
    widgets::Modal::queueDialogAnswer([text](QDialog& shown) {
        auto& dialog = dynamic_cast<dialogs::TFrmSearch&>(shown);
        if (!dialog.edt_for_search->text().isEmpty())
            return int(QDialog::Rejected); // would make the test fail: nothing is copied
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, dialog.edt_for_search, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(dialog.edt_for_search, Qt::Key_Return);
        return dialog.result();
    });
}

QStringList copies(fixture::Form& form)
{
    return form.rows(QStringLiteral("select id from notes_main where group_id=1 order by id"), 1);
}

QString selectedCaption(fixture::Form& form) { return form->tabGroups->caption(form->tabGroups->tabIndex()); }

} // namespace

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void searchCopiesMatchesFromEveryCategoryAndShowsThem()
    {
        fixture::Form form(seed());
        answerSearch(QStringLiteral("hello"));
        form->Search1Click();
        QCOMPARE(form.rows(QStringLiteral("select id,group_id,isdone,create_time,content,account_id from notes_main "
                                          "where group_id=1 order by id"),
                           6),
                 (QStringList{"60001|1|0|09:01 Mon, 07Dec2026|Hello world|",
                              "60002|1|0|09:02 Mon, 07Dec2026|say HELLO there|",
                              "60003|1|0|09:03 Mon, 07Dec2026|hello without a category|"}));
        QCOMPARE(selectedCaption(form), QStringLiteral("Search"));
        QCOMPARE(form.state().CurGroupId, 1);
        // Newest source first, although the copies share one insertion time.
        QCOMPARE(form.tags(), (QList<qint32>{60000, 60003, 60002, 60001}));
    }

    void searchTextIsAPatternWithQuotesIntact_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("quote") << "it's" << QStringList{"60004"};
        QTest::newRow("percent is a wildcard") << "0%" << QStringList{"60005", "60006"};
        QTest::newRow("underscore is a wildcard") << "a_b" << QStringList{"60007", "60008"};
        QTest::newRow("Cyrillic, lower case") << "привет" << QStringList{"60009", "60010"};
        QTest::newRow("Cyrillic, upper case") << "МИР" << QStringList{"60009"};
        QTest::newRow("no match") << "zebra" << QStringList{};
        QTest::newRow("empty text copies everything") << ""
                                                      << QStringList{"60001", "60002", "60003", "60004", "60005",
                                                                     "60006", "60007", "60008", "60009", "60010",
                                                                     "60011"};
    }
    void searchTextIsAPatternWithQuotesIntact()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        fixture::Form form(seed());
        answerSearch(text);
        form->Search1Click();
        QVERIFY(widgets::Modal::shownMessages().empty());
        QCOMPARE(copies(form), found);
    }

    void secondSearchReplacesTheFirstWhileItsTabIsShown()
    {
        fixture::Form form(seed());
        answerSearch(QStringLiteral("hello"));
        form->Search1Click();
        QCOMPARE(selectedCaption(form), QStringLiteral("Search"));
        // Empty text would match the first search's copies too, were they still there.
        answerSearch(QString());
        form->Search1Click();
        QCOMPARE(copies(form).size(), 11);
        QCOMPARE(form.rows(QStringLiteral("select count(*) from notes_main where id>120000"), 1), QStringList{"0"});
        // The Search tab was already selected: the list shows the new results all the same.
        QCOMPARE(form.tags().size(), 12);
        QCOMPARE(form.tags().constFirst(), 60000);
        QCOMPARE(form.tags().at(1), 60011);
    }

    void searchWithSearchTabSelectedAfterADeleteShowsResults()
    {
        // With the Search row stored after Work, deleting Work selects the Search tab while
        // the list still shows Work's notes; a search must show its own results.
        QStringList notes = seed();
        notes.prepend(QStringLiteral("delete from clip_groups"));
        notes.insert(2, QStringLiteral("insert into clip_groups values (1,'Search','')"));
        fixture::Form form(notes);
        QCOMPARE(form->tabGroups->tabs(), (QStringList{"Default", "Work", "Search", "*New"}));
        form->tabGroups->setTabIndex(1);
        widgets::Modal::queueMessageAnswer(QMessageBox::Yes);
        form->Delete1Click();
        QCOMPARE(selectedCaption(form), QStringLiteral("Search"));
        QCOMPARE(form.state().CurGroupId, 2);

        answerSearch(QStringLiteral("things"));
        form->Search1Click();
        QCOMPARE(form.state().CurGroupId, 1);
        QCOMPARE(form.tags(), (QList<qint32>{60000, 60006}));
    }

    void cancelChangesNothing()
    {
        fixture::Form form(seed());
        form.exec(noteRow(60001, "1", QStringLiteral("x"), QStringLiteral("old copy"), QStringLiteral("2026-12-01 00:00:00.000")));
        widgets::Modal::queueDialogAnswer([](QDialog& shown) {
            auto& dialog = dynamic_cast<dialogs::TFrmSearch&>(shown);
            QTest::keyClicks(dialog.edt_for_search, QStringLiteral("hello"));
            QTest::keyClick(dialog.edt_for_search, Qt::Key_Escape);
            return dialog.result();
        });
        form->Search1Click();
        QCOMPARE(copies(form), QStringList{"60001"});
        QCOMPARE(selectedCaption(form), QStringLiteral("Default"));
        QCOMPARE(form.state().CurGroupId, 0);
    }

    void failedCopyShowsItsStatementAndStillShowsTheSearchList()
    {
        fixture::Form form(seed());
        form.exec(noteRow(60001, "1", QStringLiteral("x"), QStringLiteral("old copy"), QStringLiteral("2026-12-01 00:00:00.000")));
        form.exec(QStringLiteral("create trigger refuse_copies before insert on notes_main when new.group_id=1 "
                                 "begin select raise(abort, 'refused'); end"));
        answerSearch(QStringLiteral("it's"));
        widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
        form->Search1Click();
        QCOMPARE(widgets::Modal::shownMessages().size(), size_t(1));
        QCOMPARE(widgets::Modal::shownMessages().back().text,
                 QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content, account_id) select "
                                "60000+id,1,0,create_time,content,account_id from notes_main where content like "
                                "'%it''s%' order by record_time desc"));
        QCOMPARE(copies(form), QStringList{}); // the old copies are gone all the same
        QCOMPARE(selectedCaption(form), QStringLiteral("Search"));
        QCOMPARE(form.tags(), QList<qint32>{0});
    }

    void withoutASearchTabTheResultsAreOnlyStored()
    {
        fixture::Form form(seed());
        form.exec(QStringLiteral("update clip_groups set group_name='Found' where group_id=1"));
        form->tabGroups->setCaption(1, QStringLiteral("Found"));
        answerSearch(QStringLiteral("hello"));
        form->Search1Click();
        QCOMPARE(copies(form).size(), 3);
        QCOMPARE(selectedCaption(form), QStringLiteral("Default"));
        QCOMPARE(form.state().CurGroupId, 0);
    }

    void inEditModeTheResultsAreStoredAndTheListStays()
    {
        fixture::Form form(seed());
        form->imgNewClick();
        form->memoContent->setPlainText(QStringLiteral("half typed"));
        answerSearch(QStringLiteral("hello"));
        form->Search1Click();
        QCOMPARE(copies(form).size(), 3);
        QCOMPARE(selectedCaption(form), QStringLiteral("Default"));
        QCOMPARE(form.memo(), QStringLiteral("half typed"));
        QCOMPARE(form.state().ApplyMode, QStringLiteral("I"));
    }

    void ctrlFInTheListStartsASearch()
    {
        fixture::Form form(seed());
        form->sgContents->setFocus();
        answerSearch(QStringLiteral("things"));
        QTest::keyClick(form->sgContents, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(copies(form), QStringList{"60006"});
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
