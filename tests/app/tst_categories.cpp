// Categories through the real main window: switching, new, rename and delete.
#include "FormFixture.h"

#include "dialogs/CategoryManage.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using fixture::noteRow;

namespace {

enum class Answer { Ok, Cancel };

// Key by key, any script (QTest's own typing knows only Latin letters).
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Types into the category dialog as a user would and presses OK or Cancel.
void answerCategoryDialog(Answer answer, const QString& name = {}, const QString& description = {})
{
    widgets::Modal::queueDialogAnswer([=](QDialog& shown) {
        auto& dialog = dynamic_cast<dialogs::TCategoryManage&>(shown);
        if (answer == Answer::Cancel) {
            QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
            return dialog.result();
        }
        dialog.edtcatname->selectAll();
        typeText(dialog.edtcatname, name);
        dialog.edtcatDescription->selectAll();
        typeText(dialog.edtcatDescription, description);
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        return dialog.result();
    });
}

QStringList seed()
{
    return {
        QStringLiteral("insert into clip_groups values (2,'Work','job things')"),
        noteRow(1, QStringLiteral("0"), QStringLiteral("09:00 Mon, 07Dec2026"), QStringLiteral("home note"),
                QStringLiteral("2026-12-07 09:00:00.000")),
        noteRow(2, QStringLiteral("2"), QStringLiteral("09:00 Mon, 07Dec2026"), QStringLiteral("work note"),
                QStringLiteral("2026-12-07 09:00:00.000")),
    };
}

void clickTab(fixture::Form& form, const QString& caption)
{
    const int index = int(form->tabGroups->tabs().indexOf(caption));
    QVERIFY2(index >= 0, qPrintable(caption));
    QTest::mouseClick(form->tabGroups, Qt::LeftButton, {}, form->tabGroups->tabRect(index).center());
}

QString selectedCaption(fixture::Form& form) { return form->tabGroups->caption(form->tabGroups->tabIndex()); }

} // namespace

class TestCategories : public QObject {
    Q_OBJECT

private slots:
    void startUpListsStoredCategoriesBetweenDefaultAndNew()
    {
        fixture::Form form(seed());
        QCOMPARE(form->tabGroups->tabs(), (QStringList{"Default", "Search", "Work", "*New"}));
        QCOMPARE(form->tabGroups->tabIndex(), 0);
    }

    void choosingATabShowsItsNotesAndDescription()
    {
        fixture::Form form(seed());
        clickTab(form, QStringLiteral("Work"));
        QCOMPARE(form.state().CurGroupId, 2);
        QCOMPARE(form->tabGroups->toolTip(), QStringLiteral("job things"));
        QCOMPARE(form.tags(), (QList<qint32>{60000, 2}));

        clickTab(form, QStringLiteral("Default"));
        QCOMPARE(form.state().CurGroupId, 0);
        QCOMPARE(form->tabGroups->toolTip(), QString());
        QCOMPARE(form.tags(), (QList<qint32>{60000, 1}));
    }

    void editModeRefusesEveryTabButNew()
    {
        fixture::Form form(seed());
        form->imgEditModeClick();
        clickTab(form, QStringLiteral("Work"));
        QCOMPARE(selectedCaption(form), QStringLiteral("Default"));
        QCOMPARE(form.state().CurGroupId, 0);
        // A right click opens the menu and never selects.
        QTest::mouseClick(form->tabGroups, Qt::RightButton, {}, form->tabGroups->tabRect(2).center());
        form->popCat->hide();
        QCOMPARE(selectedCaption(form), QStringLiteral("Default"));
    }

    // Every outcome of a new category: mode x where it was started x what the dialog gave.
    void newCategoryOutcomes_data()
    {
        QTest::addColumn<bool>("editMode");
        QTest::addColumn<bool>("fromNewTab");
        QTest::addColumn<QString>("result"); // "ok", "cancel" or "duplicate"
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("groupId");
        for (const bool edit : {false, true}) {
            const char* mode = edit ? "edit" : "browse";
            QTest::addRow("%s, *New, OK", mode) << edit << true << "ok" << "Home" << (edit ? 2 : 3);
            QTest::addRow("%s, *New, Cancel", mode) << edit << true << "cancel" << "*New" << 2;
            QTest::addRow("%s, *New, duplicate", mode) << edit << true << "duplicate" << "*New" << 2;
            QTest::addRow("%s, Ctrl+D, OK", mode) << edit << false << "ok" << (edit ? "Work" : "Home") << (edit ? 2 : 3);
            QTest::addRow("%s, Ctrl+D, Cancel", mode) << edit << false << "cancel" << "Work" << 2;
            QTest::addRow("%s, Ctrl+D, duplicate", mode) << edit << false << "duplicate" << "Work" << 2;
        }
    }
    void newCategoryOutcomes()
    {
        QFETCH(bool, editMode);
        QFETCH(bool, fromNewTab);
        QFETCH(QString, result);
        QFETCH(QString, selected);
        QFETCH(int, groupId);

        fixture::Form form(seed());
        clickTab(form, QStringLiteral("Work"));
        if (editMode)
            form->imgEditModeClick();
        if (result == QLatin1String("duplicate"))
            widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
        if (result == QLatin1String("cancel"))
            answerCategoryDialog(Answer::Cancel);
        else
            answerCategoryDialog(Answer::Ok, result == QLatin1String("ok") ? QStringLiteral("Home") : QStringLiteral("Work"),
                                 QStringLiteral("my home"));
        if (fromNewTab) {
            clickTab(form, QStringLiteral("*New"));
        } else {
            QWidget* focused = QApplication::focusWidget();
            QTest::keyClick(focused ? focused : &*form, Qt::Key_D, Qt::ControlModifier);
        }
        QVERIFY(!widgets::Modal::hasQueuedAnswers());

        QCOMPARE(selectedCaption(form), selected);
        QCOMPARE(form.state().CurGroupId, groupId);
        const QList<qint32> shown = groupId == 2 ? QList<qint32>{60000, 2} : QList<qint32>{0};
        QCOMPARE(form.tags(), shown);
        if (result == QLatin1String("ok")) {
            QCOMPARE(form->tabGroups->tabs(), (QStringList{"Default", "Search", "Work", "Home", "*New"}));
            QCOMPARE(form.rows(QStringLiteral("select group_id,description from clip_groups where group_name='Home'"), 2),
                     QStringList{"3|my home"});
            QCOMPARE(form->tabGroups->toolTip(), QStringLiteral("my home"));
        } else {
            QCOMPARE(form->tabGroups->tabs(), (QStringList{"Default", "Search", "Work", "*New"}));
            QCOMPARE(form.rows(QStringLiteral("select count(*) from clip_groups"), 1), QStringList{"2"});
        }
        const bool warned = !widgets::Modal::shownMessages().empty();
        QCOMPARE(warned, result == QLatin1String("duplicate"));
        if (warned) {
            const auto& message = widgets::Modal::shownMessages().back();
            QCOMPARE(message.text, QStringLiteral("Duplicate category name!"));
            QCOMPARE(message.caption, QStringLiteral("Information"));
            QCOMPARE(message.icon, QMessageBox::Warning);
        }
    }

    void choosingNewAgainAfterCancelDoesNothing()
    {
        fixture::Form form(seed());
        answerCategoryDialog(Answer::Cancel);
        clickTab(form, QStringLiteral("*New"));
        QCOMPARE(selectedCaption(form), QStringLiteral("*New"));
        clickTab(form, QStringLiteral("*New")); // no dialog queued: it must not open
        QCOMPARE(selectedCaption(form), QStringLiteral("*New"));
    }

    void namesKeepQuotesAndLettersAndAreCutTo31Characters()
    {
        fixture::Form form(seed());
        const QString longName = QStringLiteral("it's Заметки and a name far too long to keep");
        answerCategoryDialog(Answer::Ok, longName, QStringLiteral("d'escription"));
        form->actNewCategoryExecute();
        const QString kept = longName.left(31);
        QCOMPARE(form.rows(QStringLiteral("select group_name,description from clip_groups where group_id=3"), 2),
                 QStringList{kept + QStringLiteral("|d'escription")});
        QCOMPARE(selectedCaption(form), kept);
        QCOMPARE(form.state().CurGroupId, 3);
        // The same name again, quote and all, is found as a duplicate.
        answerCategoryDialog(Answer::Ok, kept);
        widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
        form->actNewCategoryExecute();
        QCOMPARE(widgets::Modal::shownMessages().back().text, QStringLiteral("Duplicate category name!"));
    }

    void newCategoryTakesTheIdOfTheDeletedHighestOne()
    {
        fixture::Form form(seed());
        clickTab(form, QStringLiteral("Work"));
        widgets::Modal::queueMessageAnswer(QMessageBox::Yes);
        form->Delete1Click();
        answerCategoryDialog(Answer::Ok, QStringLiteral("Again"));
        form->actNewCategoryExecute();
        QCOMPARE(form.state().CurGroupId, 2);
        QCOMPARE(form.tags(), (QList<qint32>{60000, 2})); // the notes the deleted category left
    }

    void renameChangesRowAndCaptionOnly()
    {
        fixture::Form form(seed());
        clickTab(form, QStringLiteral("Work"));
        widgets::Modal::queueDialogAnswer([](QDialog& shown) {
            auto& dialog = dynamic_cast<dialogs::TCategoryManage&>(shown);
            // The dialog comes filled, and OK is usable at once.
            [&] {
                QCOMPARE(dialog.edtcatname->text(), QStringLiteral("Work"));
                QCOMPARE(dialog.edtcatDescription->text(), QStringLiteral("job things"));
                QVERIFY(dialog.btnOk->isEnabled());
            }();
            dialog.edtcatname->setText(QStringLiteral("Jobs"));
            dialog.edtcatDescription->setText(QStringLiteral("paid"));
            QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
            return dialog.result();
        });
        form->Rename1Click();
        QCOMPARE(form.rows(QStringLiteral("select group_id,group_name,description from clip_groups where group_id=2"), 3),
                 QStringList{"2|Jobs|paid"});
        QCOMPARE(form->tabGroups->tabs(), (QStringList{"Default", "Search", "Jobs", "*New"}));
        QCOMPARE(form->tabGroups->toolTip(), QStringLiteral("job things"));
        QCOMPARE(form.state().CurGroupId, 2);

        // Only the description: the name is its own, not a duplicate.
        answerCategoryDialog(Answer::Ok, QStringLiteral("Jobs"), QStringLiteral("unpaid"));
        form->Rename1Click();
        QCOMPARE(form.rows(QStringLiteral("select description from clip_groups where group_id=2"), 1),
                 QStringList{"unpaid"});
    }

    void renameToAnotherCategorysNameIsRefused()
    {
        fixture::Form form(seed());
        clickTab(form, QStringLiteral("Work"));
        answerCategoryDialog(Answer::Ok, QStringLiteral("Search"), QStringLiteral("x"));
        widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
        form->Rename1Click();
        QCOMPARE(widgets::Modal::shownMessages().back().text, QStringLiteral("Duplicate category name!"));
        QCOMPARE(form.rows(QStringLiteral("select group_name,description from clip_groups order by group_id"), 2),
                 (QStringList{"Search|", "Work|job things"}));
        QCOMPARE(form->tabGroups->tabs(), (QStringList{"Default", "Search", "Work", "*New"}));
    }

    void renamingDefaultOrNewInsertsARow_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("Default") << "Default";
        QTest::newRow("*New") << "*New";
    }
    void renamingDefaultOrNewInsertsARow()
    {
        QFETCH(QString, caption);
        fixture::Form form(seed());
        if (caption != QLatin1String("Default")) {
            answerCategoryDialog(Answer::Cancel);
            clickTab(form, caption);
        }
        widgets::Modal::queueDialogAnswer([](QDialog& shown) {
            auto& dialog = dynamic_cast<dialogs::TCategoryManage&>(shown);
            [&] { // no row: the dialog starts empty with OK unavailable
                QCOMPARE(dialog.edtcatname->text(), QString());
                QVERIFY(!dialog.btnOk->isEnabled());
            }();
            QTest::keyClicks(dialog.edtcatname, QStringLiteral("Renamed"));
            QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
            return dialog.result();
        });
        form->Rename1Click();
        QCOMPARE(form.rows(QStringLiteral("select group_id,group_name from clip_groups where group_name='Renamed'"), 2),
                 QStringList{"NULL|Renamed"});
        QCOMPARE(selectedCaption(form), QStringLiteral("Renamed"));
        QVERIFY(!form->tabGroups->tabs().contains(caption));
    }

    void renamedSearchCanBeDeleted()
    {
        fixture::Form form(seed());
        clickTab(form, QStringLiteral("Search"));
        widgets::Modal::queueMessageAnswer(QMessageBox::Yes);
        form->Delete1Click();
        QVERIFY(widgets::Modal::shownMessages().empty()); // "Search" is not even asked about
        answerCategoryDialog(Answer::Ok, QStringLiteral("Found"));
        form->Rename1Click();
        form->Delete1Click();
        QCOMPARE(form.rows(QStringLiteral("select group_name from clip_groups"), 1), QStringList{"Work"});
        widgets::Modal::clearQueuedAnswers();
    }

    void deleteAsksThenRemovesCategoryButKeepsItsNotes()
    {
        fixture::Form form(seed());
        clickTab(form, QStringLiteral("Work"));
        widgets::Modal::queueMessageAnswer(QMessageBox::No);
        form->Delete1Click();
        const auto& asked = widgets::Modal::shownMessages().back();
        QCOMPARE(asked.text, QStringLiteral("Are you sure you want to delete the category [Work]"));
        QCOMPARE(asked.caption, QStringLiteral("Confirmation"));
        QCOMPARE(asked.icon, QMessageBox::Question);
        QCOMPARE(form.rows(QStringLiteral("select count(*) from clip_groups"), 1), QStringList{"2"});

        widgets::Modal::queueMessageAnswer(QMessageBox::Yes);
        form->Delete1Click();
        QCOMPARE(form.rows(QStringLiteral("select group_name from clip_groups"), 1), QStringList{"Search"});
        QCOMPARE(form.rows(QStringLiteral("select id from notes_main where group_id=2"), 1), QStringList{"2"});
        // It was the last category: the tab before it is chosen and shown.
        QCOMPARE(form->tabGroups->tabs(), (QStringList{"Default", "Search", "*New"}));
        QCOMPARE(selectedCaption(form), QStringLiteral("Search"));
        QCOMPARE(form.state().CurGroupId, 1);
    }

    void deleteOfAMiddleCategorySelectsTheNextWithoutSwitching()
    {
        QStringList notes = seed();
        notes << QStringLiteral("insert into clip_groups values (3,'Home','')");
        fixture::Form form(notes);
        clickTab(form, QStringLiteral("Work"));
        widgets::Modal::queueMessageAnswer(QMessageBox::Yes);
        form->Delete1Click();
        QCOMPARE(selectedCaption(form), QStringLiteral("Home"));
        QCOMPARE(form.state().CurGroupId, 2);
    }

    void defaultAndSearchCannotBeDeleted()
    {
        fixture::Form form(seed());
        for (const char* caption : {"Default", "Search"}) {
            clickTab(form, QString::fromLatin1(caption));
            widgets::Modal::queueMessageAnswer(QMessageBox::Yes);
            form->Delete1Click();
            widgets::Modal::clearQueuedAnswers();
        }
        QVERIFY(widgets::Modal::shownMessages().empty());
        QCOMPARE(form->tabGroups->count(), 4);
        QCOMPARE(form.rows(QStringLiteral("select count(*) from clip_groups"), 1), QStringList{"2"});
    }

    void deletingNewShowsTheEmptyResultError()
    {
        fixture::Form form(seed());
        answerCategoryDialog(Answer::Cancel);
        clickTab(form, QStringLiteral("*New"));
        widgets::Modal::queueMessageAnswer(QMessageBox::Yes);
        widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
        form->Delete1Click();
        QCOMPARE(widgets::Modal::shownMessages().back().text,
                 QStringLiteral("Cannot perform this operation on an empty dataset"));
        QCOMPARE(form->tabGroups->count(), 4);
    }
};

QTEST_MAIN(TestCategories)
#include "tst_categories.moc"
