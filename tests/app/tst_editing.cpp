// Editing and navigation through the real main window on a real notes file.
#include "FormFixture.h"

#include "app/LineEnds.h"
#include "store/Clock.h"
#include "widgets/MouseEffectImage.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTextBlock>

using fixture::note;

namespace {

// List order: separator, 2, 1, separator, 3. A Search copy of 1 and a note of category 5
// are not listed; the copy's id must not count for the next id.
QStringList notes()
{
    return {note(1, "0", "09:00 Mon, 07Dec2026", "first", "2026-12-07 09:00:00"),
            note(2, "0", "09:10 Mon, 07Dec2026", "second", "2026-12-07 09:10:00"),
            note(3, "NULL", "08:00 Sun, 06Dec2026", "older", "2026-12-06 08:00:00"),
            note(60001, "1", "09:00 Mon, 07Dec2026", "first", "2026-12-07 10:00:00"),
            note(9, "5", "07:00 Sun, 06Dec2026", "elsewhere", "2026-12-06 07:30:00"),
            QStringLiteral("insert into clip_groups (group_id, group_name, description) values (5, 'Five', '')")};
}

} // namespace

class TestEditing : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        store::Clock::setSource([] { return QDateTime(QDate(2026, 12, 6), QTime(14, 5, 30)); });
    }
    void cleanup() { store::Clock::setSource({}); }

    void modeSwitchesFollowTheModeTable()
    {
        fixture::Form f(notes());
        for (const bool browse : {false, true}) {
            QTest::mouseClick(browse ? f->imgBrowseMode : f->imgEditMode, Qt::LeftButton);
            QCOMPARE(f.state().InBrowseMode, browse);
            QCOMPARE(f->imgEditMode->isEnabled(), browse);
            QCOMPARE(f->imgBrowseMode->isEnabled(), !browse);
            QCOMPARE(f->pnlStatus2->text(), browse ? QStringLiteral("(mode:Browse)") : QStringLiteral("(mode:Edit)"));
            // Keys reach only what is in front: the memo in edit mode, the list in browse mode.
            QCOMPARE(f->memoContent->hasFocus(), !browse);
            QCOMPARE(f->sgContents->hasFocus(), browse);
            // In front is what a click reaches; the grey picture lies over the unusable button.
            QWidget* atCentre = f->pnlBackGround->childAt(140, 100);
            QCOMPARE(f->sgContents->isAncestorOf(atCentre), browse);
            QCOMPARE(f->pnlHeader->childAt(browse ? 225 : 257, 18), browse ? f->imgBrowseModeDis : f->imgEditModeDis);
            // The hint holds in edit mode only; back in the list the line says what it said.
            QCOMPARE(f->pnlStatus1->text(),
                     browse ? QString() : QStringLiteral("Press 'Ctrl + Enter' to apply changes"));
        }
        // Text typed and left for the list is not applied, and the line says so.
        QTest::mouseClick(f->imgEditMode, Qt::LeftButton);
        QTest::keyClicks(f->memoContent, QStringLiteral("typed"));
        QTest::mouseClick(f->imgBrowseMode, Qt::LeftButton);
        QCOMPARE(f->pnlStatus1->text(), QStringLiteral("Not applied: Edit mode resumes"));
    }

    void applyInsertsAndChanges()
    {
        fixture::Form f(notes());
        f->sgContents->setCurrentRow(f.rowOf(1));
        f->noteEditing().imgNewClick();
        QTest::keyClicks(f->memoContent, QStringLiteral("it's new"));
        QTest::keyClick(f->memoContent, Qt::Key_Return, Qt::ControlModifier);
        // 9 is the largest id outside category 1.
        QCOMPARE(f.rows("select id,group_id,isdone,create_time,content,account_id from notes_main where id=10", 6),
                 QStringList{"10|0|0|14:05 Sun, 06Dec2026|it's new|"});
        QVERIFY(f.state().InBrowseMode);
        QCOMPARE(f.state().ApplyMode, QStringLiteral("M"));
        QCOMPARE(f.state().CurNoteId, 10); // the new note is listed on top and selected
        QCOMPARE(f.tags().mid(0, 2), (QList<qint32>{60000, 10}));
        QCOMPARE(f->sgContents->currentRow(), f.rowOf(10));

        f->sgContents->setCurrentRow(f.rowOf(1));
        f->noteEditing().imgEditModeClick();
        f->memoContent->setPlainText(QStringLiteral("first, changed"));
        QTest::keyClick(f->memoContent, Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.rows("select content from notes_main where id=1", 1), QStringList{"first, changed"});

        f->noteEditing().imgNewClick(); // an empty memo stores nothing
        f->noteEditing().imgApplyClick();
        QVERIFY(f.state().InBrowseMode);
        QCOMPARE(f.db.scalar("select count(*) from notes_main"), QStringLiteral("6"));
    }

    // What was typed is stored once: an update that reaches no row stores a new note, a
    // new note never lands in the Search category, and a search copy's change reaches the
    // note it was copied from.
    void applyKeepsWhatWasTyped()
    {
        fixture::Form f(notes());
        f->noteEditing().imgEditModeClick(); // right after start-up no note is shown
        f->memoContent->setPlainText(QStringLiteral("typed"));
        f->noteEditing().imgApplyClick();
        QCOMPARE(f.rows("select id,group_id from notes_main where content='typed'", 2), QStringList{"10|0"});
        QCOMPARE(f.state().CurNoteId, 10);
        f->noteEditing().imgEditModeClick();
        f->memoContent->setPlainText(QStringLiteral("typed more")); // now an update of note 10
        f->noteEditing().imgApplyClick();
        QCOMPARE(f.rows("select id from notes_main where content like 'typed%'", 1), QStringList{"10"});
        f.db.exec("delete from notes_main where id=10"); // by another program
        f->noteEditing().imgEditModeClick();
        f->memoContent->setPlainText(QStringLiteral("typed again"));
        f->noteEditing().imgApplyClick();
        QCOMPARE(f.rows("select content from notes_main where content like 'typed%'", 1), QStringList{"typed again"});
        QCOMPARE(f->pnlStatus1->text(), QStringLiteral("Saved as a new note"));

        f.chooseTab(QStringLiteral("Search"));
        f->sgContents->setCurrentRow(f.rowOf(60001));
        f->noteEditing().imgEditModeClick();
        f->memoContent->setPlainText(QStringLiteral("first, edited"));
        f->noteEditing().imgApplyClick();
        QCOMPARE(f.rows("select id from notes_main where content='first, edited' order by id", 1),
                 (QStringList{"1", "60001"}));

        f->noteEditing().imgNewClick();
        f->memoContent->setPlainText(QStringLiteral("made while searching"));
        f->noteEditing().imgApplyClick();
        QCOMPARE(f.rows("select id,group_id from notes_main where content='made while searching'", 2),
                 QStringList{"11|0"});
        QCOMPARE(f->pnlStatus1->text(), QStringLiteral("Saved as a new note in Default"));
    }

    // An edited note keeps its own line ends: each line end the user left alone stays as it
    // was, and one the user types takes the kind the note uses most. Non-breaking blanks stay.
    void editingKeepsTheNotesOwnLineEnds()
    {
        fixture::Form f({note(1, "0", "09:00 Mon, 07Dec2026", "cr one\rcr two", "2026-12-07 09:00:00"),
                         note(2, "0", "09:10 Mon, 07Dec2026", "a\r\nb\nc\r\nd\u00A0e", "2026-12-07 09:10:00")});
        f->sgContents->setCurrentRow(f.rowOf(1));
        f->noteEditing().sgContentsDblClick();
        f->memoContent->moveCursor(QTextCursor::End);
        QTest::keyClicks(f->memoContent, QStringLiteral("X\rnew"));
        f->noteEditing().imgApplyClick();
        QCOMPARE(f.rows("select hex(content) from notes_main where id=1", 1),
                 QStringList{QString::fromLatin1(QByteArray("cr one\rcr twoX\rnew").toHex().toUpper())});

        f->sgContents->setCurrentRow(f.rowOf(2));
        f->noteEditing().sgContentsDblClick();
        QTextCursor cursor(f->memoContent->document()->findBlockByNumber(1));
        cursor.movePosition(QTextCursor::EndOfBlock);
        f->memoContent->setTextCursor(cursor);
        QTest::keyClicks(f->memoContent, QStringLiteral("Y"));
        f->memoContent->moveCursor(QTextCursor::End);
        QTest::keyClicks(f->memoContent, QStringLiteral("\rf"));
        f->noteEditing().imgApplyClick();
        QCOMPARE(f.rows("select content from notes_main where id=2", 1),
                 QStringList{QStringLiteral("a\r\nbY\nc\r\nd\u00A0e\r\nf")});

        // Lines taken out leave the lines kept with their ends; a line joined to the next ends
        // as the next did.
        QCOMPARE(app::withLineEndsOf(QStringLiteral("a\rb\nc\r\nd"), QStringLiteral("a\u2029d")),
                 QStringLiteral("a\rd"));
        QCOMPARE(app::withLineEndsOf(QStringLiteral("a\r\nb\nc"), QStringLiteral("ab\u2029c")),
                 QStringLiteral("ab\nc"));
        QCOMPARE(app::withLineEndsOf(QString(), QStringLiteral("new\u2029lines")), QStringLiteral("new\nlines"));
    }

    void separatorAndBlankRowsHoldNoNote()
    {
        // Notes elsewhere whose ids equal the tags of a separator row and of the blank row.
        fixture::Form f(notes() << note(60000, "5", "x", "tag-like", "2026-12-01 00:00:00")
                                << note(0, "5", "x", "zero", "2026-12-01 00:00:00"));
        f->sgContents->setCurrentRow(0); // the Monday separator
        f->noteEditing().imgDeleteClick();
        QCOMPARE(f.db.scalar("select count(*) from notes_main"), QStringLiteral("7"));
        f->noteEditing().Copy1Click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Mon, 07Dec2026"));
        f->noteEditing().sgContentsDblClick(); // starts a new note, which is selected once applied
        QCOMPARE(f.state().ApplyMode, QStringLiteral("I"));
        QVERIFY(!f.state().InBrowseMode);
        f->memoContent->setPlainText(QStringLiteral("from a separator"));
        f->noteEditing().imgApplyClick();
        QCOMPARE(f.state().CurNoteId, 60001); // above the real note 60000; the copy 60001 is another side
        QCOMPARE(f->sgContents->currentRow(), f.rowOf(60001));
        QCOMPARE(f.rows("select count(*) from notes_main where id=60001", 1), QStringList{"2"});

        f.db.exec("insert into clip_groups values (7,'Empty','')");
        f->tabGroups->insertTab(2, QStringLiteral("Empty"));
        f.chooseTab(QStringLiteral("Empty"));
        QCOMPARE(f.tags(), QList<qint32>{0});
        f->noteEditing().imgDeleteClick();
        QCOMPARE(f.db.scalar("select count(*) from notes_main"), QStringLiteral("8"));
        f->noteEditing().Copy1Click();
        QCOMPARE(QApplication::clipboard()->text(), QString());
    }

    void deleteAndDoubleClickActOnTheNoteRow()
    {
        fixture::Form f(notes());
        const QPoint onNote = f->sgContents->cellRect(1, f.rowOf(3)).center();
        QTest::mouseClick(f->sgContents->viewport(), Qt::LeftButton, {}, onNote); // QTest's double click has no press
        QTest::mouseDClick(f->sgContents->viewport(), Qt::LeftButton, {}, onNote);
        QCOMPARE(f.state().CurNoteId, 3);
        QCOMPARE(f.state().ApplyMode, QStringLiteral("M"));
        QVERIFY(!f.state().InBrowseMode);

        f->noteEditing().imgBrowseModeClick();
        f->sgContents->setCurrentRow(f.rowOf(2));
        f->noteEditing().imgDeleteClick();
        QCOMPARE(f.db.scalar("select count(*) from notes_main where id=2"), QStringLiteral("0"));
        // 2 is gone: the note that took its place in the list is shown.
        QCOMPARE(f.memo(), QStringLiteral("first"));
        QCOMPARE(f.state().CurNoteId, 1);
        QCOMPARE(f->sgContents->currentRow(), f.rowOf(1));
    }

    void priorAndNextStopAtTheEnds()
    {
        fixture::Form f(notes());
        f->noteEditing().imgNextClick(); // start-up found no CurNoteId: the cursor is on the oldest, at its end
        QCOMPARE(f.state().CurNoteId, 0);
        for (const qint32 expected : {1, 2, 2}) {
            f->noteEditing().imgPreClick();
            QCOMPARE(f.state().CurNoteId, expected);
            QCOMPARE(f->sgContents->currentRow(), f.rowOf(expected));
        }
        QCOMPARE(f->pnlStatus1->text(), QStringLiteral("Created : 09:10 Mon, 07Dec2026"));
        // At the newest note with at-begin set, Prior changes nothing, not even typed text.
        f->noteEditing().imgEditModeClick();
        f->memoContent->setPlainText(QStringLiteral("typing"));
        f->noteEditing().imgPreClick();
        QCOMPARE(f.memo(), QStringLiteral("typing"));

        for (const qint32 expected : {1, 3, 3}) {
            f->noteEditing().imgNextClick();
            QCOMPARE(f.state().CurNoteId, expected);
        }
        f->memoContent->setPlainText(QStringLiteral("typing"));
        f->noteEditing().imgNextClick();
        QCOMPARE(f.memo(), QStringLiteral("typing"));
    }

    void listShortcutsNeedTheListFocusButCtrlDDoesNot()
    {
        fixture::Form f(notes());
        f->sgContents->setCurrentRow(f.rowOf(1));
        f->noteEditing().imgEditModeClick();
        QTest::keyClick(f->memoContent, Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(f.state().ApplyMode, QStringLiteral("M"));
        widgets::Modal::queueDialogAnswer([](QDialog&) { return int(QDialog::Rejected); });
        QTest::keyClick(f->memoContent, Qt::Key_D, Qt::ControlModifier);
        QVERIFY(!widgets::Modal::hasQueuedAnswers());

        f->noteEditing().imgBrowseModeClick();
        f->sgContents->setFocus();
        f->sgContents->setCurrentRow(f.rowOf(1));
        QTest::keyClick(f->sgContents, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("first"));
        QTest::keyClick(f->sgContents, Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(f.state().ApplyMode, QStringLiteral("I"));
        QVERIFY(f->memoContent->hasFocus());
    }
};

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
