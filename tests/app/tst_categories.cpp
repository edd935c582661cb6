// Categories through the real main window: switching, new, rename and delete.
#include "FormFixture.h"

#include "dialogs/CategoryManage.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QStringList kSeed = {"insert into clip_groups values (2,'Work','job things')",
                           fixture::note(1, "0", "09:00 Mon, 07Dec2026", "home note", "2026-12-07 09:00:00"),
                           fixture::note(2, "2", "09:00 Mon, 07Dec2026", "work note", "2026-12-07 09:00:00")};

// Types into the category dialog key by key (any script) and presses OK; without a name, Cancel.
void answerCategory(const QString& name = {}, const QString& description = {})
{
    widgets::Modal::queueDialogAnswer([=](QDialog& shown) {
        auto& dialog = dynamic_cast<dialogs::TCategoryManage&>(shown);
        if (name.isEmpty()) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            return dialog.result();
        }
        for (auto [edit, text] : {std::pair{dialog.edtcatname, name}, {dialog.edtcatDescription, description}}) {
            edit->selectAll();
            for (const QChar c : text)
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        return dialog.result();
    });
}

} // namespace

class TestCategories : public QObject {
    Q_OBJECT

private slots:
    void choosingATabShowsItsNotesOnlyInBrowseMode()
    {
        fixture::Form f(kSeed);
        QTest::mouseClick(f->tabGroups, Qt::LeftButton, {}, f->tabGroups->tabRect(2).center());
        QCOMPARE(f.state().CurGroupId, 2);
        QCOMPARE(f->tabGroups->toolTip(), QStringLiteral("job things"));
        QCOMPARE(f.tags(), (QList<qint32>{60000, 2}));
        f->noteEditing().imgEditModeClick();
        f.chooseTab(QStringLiteral("Default"));
        QCOMPARE(f.selectedTab(), QStringLiteral("Work"));
        QCOMPARE(f.state().CurGroupId, 2);
    }

    // Every row of the outcome table: mode x where it started x what the dialog gave.
    void newCategoryOutcomes_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("fromNewTab");
        QTest::addColumn<QString>("name"); // Home: new; Work: duplicate; empty: Cancel
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("groupId");
        for (const bool edit : {false, true}) {
            const char* mode = edit ? "edit" : "browse";
            // "*New" itself never stays selected: it is no category whose notes could show.
            QTest::addRow("%s *New OK", mode) << edit << true << "Home"
                                              << (edit ? "Work" : "Home") << (edit ? 2 : 3);
            QTest::addRow("%s *New Cancel", mode) << edit << true << ""
                                                  << "Work" << 2;
            QTest::addRow("%s *New duplicate", mode) << edit << true << "Work"
                                                     << "Work" << 2;
            QTest::addRow("%s Ctrl+D OK", mode)
                << edit << false << "Home" << (edit ? "Work" : "Home") << (edit ? 2 : 3);
            QTest::addRow("%s Ctrl+D Cancel", mode) << edit << false << ""
                                                    << "Work" << 2;
            QTest::addRow("%s Ctrl+D duplicate", mode) << edit << false << "Work"
                                                       << "Work" << 2;
        }
    }
    void newCategoryOutcomes()
    {
        QFETCH(bool, edit);
        QFETCH(bool, fromNewTab);
        QFETCH(QString, name);
        QFETCH(QString, selected);
        QFETCH(int, groupId);
        fixture::Form f(kSeed);
        f.chooseTab(QStringLiteral("Work"));
        if (edit)
            f->noteEditing().imgEditModeClick();
        answerCategory(name, QStringLiteral("my home"));
        if (fromNewTab)
            QTest::mouseClick(f->tabGroups, Qt::LeftButton, {}, f->tabGroups->tabRect(3).center());
        else
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : f.form.get(), Qt::Key_D,
                            Qt::ControlModifier);
        QVERIFY(!widgets::Modal::hasQueuedAnswers());

        QCOMPARE(f.selectedTab(), selected);
        QCOMPARE(f.state().CurGroupId, groupId);
        QCOMPARE(f.tags(), groupId == 2 ? QList<qint32>({60000, 2}) : QList<qint32>({0}));
        const bool added = name == QLatin1String("Home");
        QCOMPARE(f->tabGroups->count(), added ? 5 : 4);
        QCOMPARE(f.rows("select group_id,description from clip_groups where group_name='Home'", 2),
                 added ? QStringList{"3|my home"} : QStringList{});
        const bool warned = name == QLatin1String("Work");
        QCOMPARE(widgets::Modal::shownMessages().size(), size_t(warned));
        if (warned) {
            QCOMPARE(widgets::Modal::shownMessages().back().text, QStringLiteral("Duplicate category name!"));
            QCOMPARE(widgets::Modal::shownMessages().back().caption, QStringLiteral("Information"));
            QCOMPARE(widgets::Modal::shownMessages().back().icon, QMessageBox::Warning);
        }
    }

    void namesKeepQuotesAndScriptsAndAreCut()
    {
        fixture::Form f(kSeed);
        const QString name = QStringLiteral("it's Заметки, a name far too long to keep");
        answerCategory(name, QStringLiteral("d'escription"));
        f->categoryTabs().actNewCategoryExecute();
        QCOMPARE(f.rows("select group_name,description from clip_groups where group_id=3", 2),
                 QStringList{name.left(31) + QStringLiteral("|d'escription")});
        QCOMPARE(f.selectedTab(), name.left(31));
    }

    void renameChangesRowAndCaptionButRefusesATakenName()
    {
        fixture::Form f(kSeed);
        f.chooseTab(QStringLiteral("Work"));
        answerCategory(QStringLiteral("Search"), QStringLiteral("x"));
        f->categoryTabs().Rename1Click();
        QCOMPARE(widgets::Modal::shownMessages().back().text, QStringLiteral("Duplicate category name!"));
        answerCategory(QStringLiteral("Work"), QStringLiteral("paid")); // its own name is no duplicate
        f->categoryTabs().Rename1Click();
        answerCategory(QStringLiteral("Jobs"), QStringLiteral("paid"));
        f->categoryTabs().Rename1Click();
        QCOMPARE(f.rows("select group_id,group_name,description from clip_groups order by group_id", 3),
                 (QStringList{"1|Search|", "2|Jobs|paid"}));
        QCOMPARE(f->tabGroups->tabs(), (QStringList{"Default", "Search", "Jobs", "*New"}));
        QCOMPARE(f->tabGroups->toolTip(), QStringLiteral("job things"));
        QCOMPARE(widgets::Modal::shownMessages().size(), size_t(1));
    }

    // Notes another program left under a category it deleted (here 7) go to Default at start,
    // and the status line says so; a new category then never takes an id that Undo may give
    // back.
    void newCategoriesShowNoNotesOfOldOnes()
    {
        fixture::Form f(QStringList(kSeed) << fixture::note(3, "7", "09:00 Mon, 07Dec2026", "left behind",
                                                           "2026-12-07 09:00:00"));
        QCOMPARE(f.rows("select id,group_id from notes_main order by id", 2), (QStringList{"1|0", "2|2", "3|0"}));
        QTRY_COMPARE(f->pnlStatus1->text(), QStringLiteral("Category gone: 1 note in Default"));
        answerCategory(QStringLiteral("Alpha"));
        f->categoryTabs().actNewCategoryExecute();
        QCOMPARE(f.state().CurGroupId, 3);
        QCOMPARE(f.tags(), QList<qint32>{0});
        widgets::Modal::queueMessageAnswer(QMessageBox::Yes);
        f->categoryTabs().Delete1Click();
        answerCategory(QStringLiteral("Beta"));
        f->categoryTabs().actNewCategoryExecute();
        QCOMPARE(f.state().CurGroupId, 4);
        QTest::keyClick(f->sgContents, Qt::Key_Z, Qt::ControlModifier); // Alpha comes back as it was
        QCOMPARE(f.rows("select group_id,group_name from clip_groups order by group_id", 2),
                 (QStringList{"1|Search", "2|Work", "3|Alpha", "4|Beta"}));
        QCOMPARE(f->tabGroups->tabs(), (QStringList{"Default", "Search", "Work", "Alpha", "Beta", "*New"}));
        QCOMPARE(f.selectedTab(), QStringLiteral("Beta"));
    }

    void deleteAsksThenRemovesTheCategoryButNotItsNotes()
    {
        fixture::Form f(kSeed);
        f.chooseTab(QStringLiteral("Work"));
        widgets::Modal::queueMessageAnswer(QMessageBox::No);
        f->categoryTabs().Delete1Click();
        QCOMPARE(widgets::Modal::shownMessages().back().text,
                 QStringLiteral("Are you sure you want to delete the category [Work]"));
        QCOMPARE(widgets::Modal::shownMessages().back().icon, QMessageBox::Question);
        QCOMPARE(f->tabGroups->count(), 4);
        widgets::Modal::queueMessageAnswer(QMessageBox::Yes);
        f->categoryTabs().Delete1Click();
        QCOMPARE(f.rows("select group_name from clip_groups", 1), QStringList{"Search"});
        // Its note stays in reach, in Default.
        QCOMPARE(f.rows("select id,group_id from notes_main where content='work note'", 2), QStringList{"2|0"});
        QCOMPARE(f.selectedTab(), QStringLiteral("Search")); // the last one: the tab before it is shown
        QCOMPARE(f.state().CurGroupId, 1);

        // A tab whose row another program removed: the empty result's error is shown.
        f.db.exec("insert into clip_groups values (3,'Gone','')");
        f->tabGroups->insertTab(2, QStringLiteral("Gone"));
        f.chooseTab(QStringLiteral("Gone"));
        f.db.exec("delete from clip_groups where group_id=3");
        widgets::Modal::queueMessageAnswer(QMessageBox::Yes);
        f->categoryTabs().Delete1Click();
        QCOMPARE(widgets::Modal::shownMessages().back().text,
                 QStringLiteral("Cannot perform this operation on an empty dataset"));
        QCOMPARE(f->tabGroups->tabs(), (QStringList{"Default", "Search", "Gone", "*New"}));
    }
};

QTEST_MAIN(TestCategories)
#include "tst_categories.moc"
