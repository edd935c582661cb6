// Editing and navigation through the real main window on a real notes file.
#include "FormFixture.h"

#include "store/Clock.h"
#include "widgets/MouseEffectImage.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QGuiApplication>

using fixture::noteRow;

namespace {

// Two notes on Monday (2 newer than 1), one on Sunday; a row of the Search category, which
// the next id must ignore; a note of category 5.
QStringList standardNotes()
{
    return {
        noteRow(1, QStringLiteral("0"), QStringLiteral("09:00 Mon, 07Dec2026"), QStringLiteral("first"),
                QStringLiteral("2026-12-07 09:00:00.000")),
        noteRow(2, QStringLiteral("0"), QStringLiteral("09:10 Mon, 07Dec2026"), QStringLiteral("second"),
                QStringLiteral("2026-12-07 09:10:00.000")),
        noteRow(3, QStringLiteral("0"), QStringLiteral("08:00 Sun, 06Dec2026"), QStringLiteral("older"),
                QStringLiteral("2026-12-06 08:00:00.000")),
        noteRow(60001, QStringLiteral("1"), QStringLiteral("09:00 Mon, 07Dec2026"), QStringLiteral("first"),
                QStringLiteral("2026-12-07 10:00:00.000")),
        noteRow(9, QStringLiteral("5"), QStringLiteral("07:00 Sun, 06Dec2026"), QStringLiteral("elsewhere"),
                QStringLiteral("2026-12-06 07:30:00.000")),
    };
}

QDateTime sundayAfternoon() { return QDateTime(QDate(2026, 12, 6), QTime(14, 5, 30)); }

} // namespace

class TestEditing : public QObject {
    Q_OBJECT

private slots:
    void init() { store::Clock::setSource([] { return sundayAfternoon(); }); }
    void cleanup() { store::Clock::setSource({}); }

    void toolRowHasSevenButtonsWithHints()
    {
        fixture::Form form;
        const QList<std::tuple<widgets::TMouseEffectImage*, int, QString>> buttons = {
            {form->imgPre, 8, "Prior note"},          {form->imgNext, 40, "Next note"},
            {form->imgNew, 93, "Add a new note"},     {form->imgApply, 125, "Apply changes"},
            {form->imgDelete, 157, "Delete note"},    {form->imgBrowseMode, 213, "Browse mode"},
            {form->imgEditMode, 245, "Edit mode"},
        };
        for (const auto& [button, left, hint] : buttons) {
            QCOMPARE(button->geometry(), QRect(left, 6, 24, 24));
            QCOMPARE(button->toolTip(), hint);
        }
        QCOMPARE(form->imgBrowseModeDis->geometry(), form->imgBrowseMode->geometry());
        QCOMPARE(form->imgEditModeDis->toolTip(), QStringLiteral("Edit mode"));
    }

    void modeSwitchesSetTheControlsOfTheModeTable()
    {
        fixture::Form form(standardNotes());
        QVERIFY(form.ok);
        auto check = [&](bool browse) {
            QCOMPARE(form.state().InBrowseMode, browse);
            QCOMPARE(form->imgEditMode->isEnabled(), browse);
            QCOMPARE(form->imgBrowseMode->isEnabled(), !browse);
            QCOMPARE(form->imgEditModeDis->isVisible(), !browse);
            QCOMPARE(form->imgBrowseModeDis->isVisible(), browse);
            QCOMPARE(form->pnlStatus2->text(), browse ? QStringLiteral("(mode:Browse)") : QStringLiteral("(mode:Edit)"));
            QVERIFY(form->tabGroups->isEnabled());
            // What lies in front is what a click reaches.
            QWidget* atCentre = form->pnlBackGround->childAt(QPoint(140, 100));
            QWidget* front = browse ? static_cast<QWidget*>(form->sgContents) : form->memoContent;
            QVERIFY2(atCentre == front || front->isAncestorOf(atCentre), "wrong control in front");
            // The unavailable picture lies over its button and takes its clicks.
            QWidget* shownOver = form->pnlHeader->childAt(browse ? QPoint(225, 18) : QPoint(257, 18));
            QCOMPARE(shownOver, browse ? form->imgBrowseModeDis : form->imgEditModeDis);
        };
        check(true);

        QTest::mouseClick(form->imgEditMode, Qt::LeftButton);
        check(false);
        QVERIFY(form->memoContent->hasFocus());
        QCOMPARE(form->pnlStatus1->text(), QStringLiteral("Press 'Ctrl + Enter' to apply changes"));

        QTest::mouseClick(form->imgBrowseMode, Qt::LeftButton);
        check(true);
        QCOMPARE(form->pnlStatus1->text(), QStringLiteral("Press 'Ctrl + Enter' to apply changes"));
        QVERIFY(form->memoContent->hasFocus()); // browse mode does not move the focus
    }

    void applyOfNewNoteInsertsWithNextIdAndCreationText()
    {
        // A row without a category is listed under Default but does not count for the id.
        fixture::Form form(standardNotes()
                           << noteRow(70, QStringLiteral("NULL"), QStringLiteral("07:00 Sun, 06Dec2026"),
                                      QStringLiteral("orphan"), QStringLiteral("2026-12-06 07:00:00.000")));
        form->sgContents->setCurrentRow(form.rowOf(1));
        QCOMPARE(form.state().CurNoteId, 1);

        QTest::mouseClick(form->imgNew, Qt::LeftButton);
        QCOMPARE(form.state().ApplyMode, QStringLiteral("I"));
        QCOMPARE(form.memo(), QString());
        QVERIFY(!form.state().InBrowseMode);
        QTest::keyClicks(form->memoContent, QStringLiteral("it's new"));
        QTest::keyClick(form->memoContent, Qt::Key_Return, Qt::ControlModifier);

        // Ids of category 1 and of rows without a category do not count: 9 is the largest.
        QCOMPARE(form.rows(QStringLiteral("select id,group_id,isdone,create_time,content,account_id from notes_main "
                                          "where content like 'it%'"),
                           6),
                 QStringList{QStringLiteral("10|0|0|14:05 Sun, 06Dec2026|it's new|")});
        QVERIFY(form.state().InBrowseMode);
        QCOMPARE(form.state().ApplyMode, QStringLiteral("M"));
        QCOMPARE(form.state().CurNoteId, 1); // the new note stands on top, not selected
        QCOMPARE(form.tags().mid(0, 3), (QList<qint32>{60000, 10, 60000}));
        QCOMPARE(form->sgContents->currentRow(), form.rowOf(1));
    }

    void firstNoteGetsIdOne()
    {
        fixture::Form form({noteRow(60004, QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("copy"),
                                    QStringLiteral("2026-12-01 00:00:00.000")),
                            noteRow(12, QStringLiteral("NULL"), QStringLiteral("x"), QStringLiteral("loose"),
                                    QStringLiteral("2026-12-01 00:00:00.000"))});
        form->imgNewClick();
        form->memoContent->setPlainText(QStringLiteral("one"));
        form->imgApplyClick();
        QCOMPARE(form.rows(QStringLiteral("select id from notes_main where content='one'"), 1), QStringList{"1"});
    }

    void applyChangesTheShownNoteWithEitherEnter()
    {
        fixture::Form form(standardNotes());
        form->sgContents->setCurrentRow(form.rowOf(3));
        form->imgEditModeClick();
        form->memoContent->setPlainText(QStringLiteral("changed"));
        QTest::keyClick(form->memoContent, Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form.rows(QStringLiteral("select content from notes_main where id=3"), 1), QStringList{"changed"});
        QVERIFY(form.state().InBrowseMode);
        QCOMPARE(form->sgContents->currentRow(), form.rowOf(3));

        form->imgEditModeClick();
        form->memoContent->setPlainText(QStringLiteral("changed\nagain "));
        QTest::keyClick(form->memoContent, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(form.rows(QStringLiteral("select content from notes_main where id=3"), 1),
                 QStringList{"changed\nagain "});
        QCOMPARE(form.rows(QStringLiteral("select count(*) from notes_main"), 1), QStringList{"5"});
    }

    void plainEnterAndOtherKeysStayInTheMemo()
    {
        fixture::Form form(standardNotes());
        form->imgNewClick();
        QTest::keyClicks(form->memoContent, QStringLiteral("a"));
        QTest::keyClick(form->memoContent, Qt::Key_Return);
        QTest::keyClicks(form->memoContent, QStringLiteral("b"));
        QCOMPARE(form.memo(), QStringLiteral("a\nb"));
        QVERIFY(!form.state().InBrowseMode);
        // As the X server delivers it: with Ctrl held the key's text is a control character.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("\x01"));
        QApplication::sendEvent(form->memoContent, &press);
        QCOMPARE(form->memoContent->textCursor().selectedText(), QStringLiteral("a\u2029b"));
    }

    void applyWithEmptyMemoOnlyReturnsToBrowseMode()
    {
        fixture::Form form(standardNotes());
        form->imgNewClick();
        form->imgApplyClick();
        QVERIFY(form.state().InBrowseMode);
        QCOMPARE(form.rows(QStringLiteral("select count(*) from notes_main"), 1), QStringList{"5"});
    }

    // The update of a note that is not there (none shown since start-up, or deleted
    // meanwhile) must not drop what was typed.
    void applyToAMissingNoteKeepsTheTextAsANewNote_data()
    {
        QTest::addColumn<bool>("deletedMeanwhile");
        QTest::newRow("right after start-up") << false;
        QTest::newRow("note deleted meanwhile") << true;
    }
    void applyToAMissingNoteKeepsTheTextAsANewNote()
    {
        QFETCH(bool, deletedMeanwhile);
        fixture::Form form(standardNotes());
        if (deletedMeanwhile) {
            form->sgContents->setCurrentRow(form.rowOf(2));
            form.exec(QStringLiteral("delete from notes_main where id=2"));
        }
        QCOMPARE(form.state().ApplyMode, QStringLiteral("M"));
        form->imgEditModeClick();
        form->memoContent->setPlainText(QStringLiteral("typed"));
        form->imgApplyClick();
        QCOMPARE(form.rows(QStringLiteral("select id,group_id from notes_main where content='typed'"), 2),
                 QStringList{"10|0"});
        QCOMPARE(form.state().CurNoteId, 10);
        QCOMPARE(form->pnlStatus1->text(), QStringLiteral("Saved as a new note"));
        QCOMPARE(form->sgContents->currentRow(), form.rowOf(10));
        // A second Apply changes that note instead of making yet another.
        form->imgEditModeClick();
        form->memoContent->setPlainText(QStringLiteral("typed more"));
        form->imgApplyClick();
        QCOMPARE(form.rows(QStringLiteral("select id from notes_main where content like 'typed%'"), 1),
                 QStringList{"10"});
    }

    void newNoteIsNeverFiledInTheSearchCategory()
    {
        fixture::Form form(standardNotes());
        form->tabGroups->setTabIndex(form->tabGroups->tabs().indexOf(QStringLiteral("Search")));
        QCOMPARE(form.state().CurGroupId, 1);
        form->imgNewClick();
        form->memoContent->setPlainText(QStringLiteral("made while searching"));
        form->imgApplyClick();
        QCOMPARE(form.rows(QStringLiteral("select id,group_id from notes_main where content='made while searching'"), 2),
                 QStringList{"10|0"});
        QCOMPARE(form->pnlStatus1->text(), QStringLiteral("Saved as a new note in Default"));
    }

    void changeToASearchResultReachesItsSourceNote()
    {
        fixture::Form form(standardNotes());
        form->tabGroups->setTabIndex(form->tabGroups->tabs().indexOf(QStringLiteral("Search")));
        form->sgContents->setCurrentRow(form.rowOf(60001));
        form->imgEditModeClick();
        form->memoContent->setPlainText(QStringLiteral("first, edited"));
        form->imgApplyClick();
        QCOMPARE(form.rows(QStringLiteral("select id from notes_main where content='first, edited' order by id"), 1),
                 (QStringList{"1", "60001"}));
    }

    void changeToASearchResultWhoseSourceIsGoneBecomesANote()
    {
        fixture::Form form(standardNotes());
        form->tabGroups->setTabIndex(form->tabGroups->tabs().indexOf(QStringLiteral("Search")));
        form->sgContents->setCurrentRow(form.rowOf(60001));
        form.exec(QStringLiteral("delete from notes_main where id=1"));
        form->imgEditModeClick();
        form->memoContent->setPlainText(QStringLiteral("rescued"));
        form->imgApplyClick();
        QCOMPARE(form.rows(QStringLiteral("select id,group_id from notes_main where content='rescued' order by id"), 2),
                 (QStringList{"10|0", "60001|1"}));
    }

    void deleteRemovesTheCurrentNoteOnly()
    {
        fixture::Form form(standardNotes());
        form->sgContents->setCurrentRow(form.rowOf(1));
        form->sgContents->setCurrentRow(form.rowOf(2));
        form->imgDeleteClick();
        QCOMPARE(form.rows(QStringLiteral("select id from notes_main where id in (1,2,3)"), 1),
                 (QStringList{"1", "3"}));
        // CurNoteId (2) is gone: the memo shows the note the cursor ends on, the oldest.
        QCOMPARE(form.memo(), QStringLiteral("older"));
        QCOMPARE(form.state().CurNoteId, 2);

        form->sgContents->setCurrentRow(form.rowOf(1));
        form->sgContents->setCurrentRow(form.rowOf(3));
        form->imgDeleteClick();
        QCOMPARE(form.memo(), QStringLiteral("first")); // the only note left
    }

    void deleteOnSeparatorOrBlankRowDoesNothing()
    {
        QStringList notes = standardNotes();
        notes << noteRow(60000, QStringLiteral("5"), QStringLiteral("x"), QStringLiteral("tag-like id"),
                         QStringLiteral("2026-12-01 00:00:00.000"))
              << noteRow(0, QStringLiteral("5"), QStringLiteral("x"), QStringLiteral("id zero"),
                         QStringLiteral("2026-12-01 00:00:00.000"));
        fixture::Form form(notes);
        form->sgContents->setCurrentRow(form.rowOf(60000));
        QCOMPARE(form->sgContents->currentRow(), 0);
        form->imgDeleteClick();
        QCOMPARE(form.rows(QStringLiteral("select count(*) from notes_main"), 1), QStringList{"7"});

        form.exec(QStringLiteral("insert into clip_groups values (7,'Empty','')"));
        form->tabGroups->insertTab(form->tabGroups->count() - 1, QStringLiteral("Empty"));
        form->tabGroups->setTabIndex(form->tabGroups->tabs().indexOf(QStringLiteral("Empty")));
        QCOMPARE(form.tags(), QList<qint32>{0});
        form->imgDeleteClick();
        QCOMPARE(form.rows(QStringLiteral("select count(*) from notes_main"), 1), QStringList{"7"});
    }

    void copyPutsTheRowTextOnTheClipboard()
    {
        fixture::Form form(standardNotes());
        form->sgContents->setCurrentRow(0);
        form->Copy1Click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Mon, 07Dec2026"));
        form->sgContents->setCurrentRow(form.rowOf(1));
        form->Copy1Click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("first"));

        form.exec(QStringLiteral("insert into clip_groups values (7,'Empty','')"));
        form->tabGroups->insertTab(form->tabGroups->count() - 1, QStringLiteral("Empty"));
        form->tabGroups->setTabIndex(form->tabGroups->tabs().indexOf(QStringLiteral("Empty")));
        form->Copy1Click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }

    void doubleClickOpensTheNoteOrStartsANewOne()
    {
        fixture::Form form(standardNotes());
        QWidget* viewport = form->sgContents->viewport();
        const QPoint onNote = form->sgContents->cellRect(1, form.rowOf(3)).center();
        // A real double click starts with a press, which QTest's double click leaves out.
        QTest::mouseClick(viewport, Qt::LeftButton, {}, onNote);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, onNote);
        QCOMPARE(form.state().CurNoteId, 3);
        QCOMPARE(form.state().ApplyMode, QStringLiteral("M"));
        QCOMPARE(form.memo(), QStringLiteral("older"));
        QVERIFY(!form.state().InBrowseMode);
        QCOMPARE(form->pnlStatus1->text(), QStringLiteral("Press 'Ctrl + Enter' to apply changes"));

        form->imgBrowseModeClick();
        form->sgContents->setCurrentRow(0); // the Monday separator
        form->sgContentsDblClick();
        QCOMPARE(form.state().CurNoteId, 60000);
        QCOMPARE(form.state().ApplyMode, QStringLiteral("I"));
        QCOMPARE(form.memo(), QString());
        QVERIFY(!form.state().InBrowseMode);
        form->memoContent->setPlainText(QStringLiteral("from a separator"));
        form->imgApplyClick();
        QCOMPARE(form.rows(QStringLiteral("select id from notes_main where content='from a separator'"), 1),
                 QStringList{"10"});
        QCOMPARE(form->sgContents->currentRow(), 0); // the row search finds the first separator
    }

    void priorAndNextStopAtTheEndsAndKeepTheirFlags()
    {
        fixture::Form form(standardNotes());
        // Start-up did not find CurNoteId 0: the cursor is on the oldest note, at its end.
        form->imgNextClick();
        QCOMPARE(form.state().CurNoteId, 0);
        form->imgPreClick();
        QCOMPARE(form.state().CurNoteId, 1);
        QCOMPARE(form->pnlStatus1->text(), QStringLiteral("Created : 09:00 Mon, 07Dec2026"));
        QCOMPARE(form->sgContents->currentRow(), form.rowOf(1));
        form->imgPreClick();
        QCOMPARE(form.state().CurNoteId, 2);
        QCOMPARE(form->sgContents->currentRow(), form.rowOf(2));

        // At the newest note the first Prior shows it again; after that Prior changes
        // nothing, not even text typed into the memo meanwhile.
        form->imgPreClick();
        QCOMPARE(form.state().CurNoteId, 2);
        form->imgEditModeClick();
        form->memoContent->setPlainText(QStringLiteral("typing"));
        form->imgPreClick();
        QCOMPARE(form.memo(), QStringLiteral("typing"));
        QCOMPARE(form.state().CurNoteId, 2);

        // Next leaves the end and walks to the oldest note, across the separator.
        form->imgNextClick();
        QCOMPARE(form.state().CurNoteId, 1);
        form->imgNextClick();
        QCOMPARE(form.state().CurNoteId, 3);
        QCOMPARE(form->sgContents->currentRow(), form.rowOf(3));
        form->imgNextClick();
        QCOMPARE(form.memo(), QStringLiteral("older"));
        form->memoContent->setPlainText(QStringLiteral("typing"));
        form->imgNextClick();
        QCOMPARE(form.memo(), QStringLiteral("typing"));
    }

    void priorWhileTypingANewNoteTurnsApplyIntoAnUpdate()
    {
        fixture::Form form(standardNotes());
        form->imgNewClick();
        form->memoContent->setPlainText(QStringLiteral("lost"));
        form->imgPreClick();
        QCOMPARE(form.state().ApplyMode, QStringLiteral("M"));
        QCOMPARE(form.memo(), QStringLiteral("first"));
        QVERIFY(!form.state().InBrowseMode);
    }

    void popupShortcutsActOnlyWhileTheListHasTheFocus()
    {
        fixture::Form form(standardNotes());
        QVERIFY(QTest::qWaitForWindowActive(&*form));
        form->imgEditModeClick();
        form->memoContent->setPlainText(QStringLiteral("draft"));
        QTest::keyClick(form->memoContent, Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(form.state().ApplyMode, QStringLiteral("M"));
        QVERIFY(form.memo().contains(QStringLiteral("draft")));

        form->imgBrowseModeClick();
        form->sgContents->setFocus();
        form->sgContents->setCurrentRow(form.rowOf(1));
        QTest::keyClick(form->sgContents, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("first"));
        QTest::keyClick(form->sgContents, Qt::Key_Delete);
        QCOMPARE(form.rows(QStringLiteral("select count(*) from notes_main where id=1"), 1), QStringList{"0"});
        QTest::keyClick(form->sgContents, Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(form.state().ApplyMode, QStringLiteral("I"));
        QVERIFY(form->memoContent->hasFocus());

        // Ctrl+D works from the memo too.
        widgets::Modal::queueDialogAnswer([](QDialog&) { return int(QDialog::Rejected); });
        QTest::keyClick(form->memoContent, Qt::Key_D, Qt::ControlModifier);
        QVERIFY(!widgets::Modal::hasQueuedAnswers());
    }
};

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
