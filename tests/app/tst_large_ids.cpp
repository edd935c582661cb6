// Past 60,000 notes a search copy and a real note may carry one number: each action still
// reaches only the row on screen, and a real note 60000 is an ordinary note, drawn as one.
#include "FormFixture.h"
#include "ReminderAnswer.h"

#include "dialogs/FrmRemind.h"
#include "dialogs/FrmSearch.h"

#include <QAction>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kNotes = 70000;

// Notes 1..70000 in Default, "note <id>", the newest last.
QString manyNotes()
{
    return QStringLiteral(
               "with recursive n(i) as (select 1 union all select i+1 from n where i<%1) "
               "insert into notes_main (id,group_id,isdone,create_time,content,account_id,record_time) "
               "select i,0,'0','09:00 Mon, 07Dec2026','note '||i,'',printf('2026-12-07 00:00:00.%06d',i) from n")
        .arg(kNotes);
}

void answerSearch(const QString& text)
{
    widgets::Modal::queueDialogAnswer([text](QDialog& shown) {
        dynamic_cast<dialogs::TFrmSearch&>(shown).edt_for_search->setText(text);
        shown.accept();
        return shown.result();
    });
}


QColor bgr(unsigned value) { return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF)); }

// The colour of a row's text cell, away from its text.
QColor rowColour(fixture::Form& f, int row)
{
    const QImage image = f->sgContents->viewport()->grab().toImage();
    const QRect cell = f->sgContents->cellRect(1, row);
    return image.pixelColor(cell.right() - 3, cell.top() + 3);
}

} // namespace

class TestLargeIds : public QObject {
    Q_OBJECT

private:
    // The row of a note; a separator row carries 60000 too.
    static int rowOf(fixture::Form& f, qint32 id)
    {
        f->noteListView().waitForNoteList(); // the row may be further down than the first screen
        for (int row = 0; row < f->sgContents->rowCount(); ++row)
            if (f->sgContents->rowKind(row) == app::NoteGrid::RowKind::Note && f->sgContents->rowTag(row) == id)
                return row;
        return -1;
    }
    void select(fixture::Form& f, qint32 id)
    {
        const int row = rowOf(f, id);
        QVERIFY(row >= 0);
        QCOMPARE(f->sgContents->rowKind(row), app::NoteGrid::RowKind::Note);
        f->sgContents->setCurrentRow(row);
        QCOMPARE(f.state().CurNoteId, id);
    }
    void edit(fixture::Form& f, qint32 id, const QString& text)
    {
        select(f, id);
        f->noteEditing().imgEditModeClick();
        f->memoContent->setPlainText(text);
        f->noteEditing().imgApplyClick();
    }
    QString content(fixture::Form& f, const QString& where)
    {
        return f.rows(QStringLiteral("select group_concat(id||':'||content, ' ') from (select * from notes_main "
                                     "where %1 order by group_id=1, id)")
                          .arg(where),
                      1)
            .join(QString());
    }

private slots:
    void copiesAndRealNotesOfOneNumberStayApart()
    {
        fixture::Form f({manyNotes()});
        // 60000 is a note like any other, not a separator.
        select(f, 60000);
        QCOMPARE(f.memo(), QStringLiteral("note 60000"));
        const int row = rowOf(f, 60000);
        QCOMPARE(rowColour(f, row), bgr(0xFFE0E6)); // the current row's colour
        QCOMPARE(rowColour(f, row - 1), bgr(row % 2 ? 0xFFFAFD : 0xFFF3F5));

        answerSearch(QStringLiteral("1"));
        f->toolCommands().Search1Click();
        QCOMPARE(f.state().CurGroupId, 1);
        // The Search list drawn: its day on a separator, then notes.
        f->sgContents->setCurrentRow(0); // scrolled to the top; a separator shows nothing
        QCOMPARE(f->sgContents->rowKind(0), app::NoteGrid::RowKind::Separator);
        QCOMPARE(rowColour(f, 0), bgr(0xFF95A5));
        QCOMPARE(rowColour(f, 1), bgr(0xFFF3F5));
        QCOMPARE(rowColour(f, 2), bgr(0xFFFAFD));

        // The copy of note 1 is 60001, the copy of the real note 60001 is 120001.
        select(f, 60001);
        f->noteEditing().imgDeleteClick();
        QCOMPARE(content(f, "id in (1,60001,120001)"), QStringLiteral("1:note 1 60001:note 60001 120001:note 60001"));
        f->deleteHistory().actUndoDelete->trigger();
        QCOMPARE(content(f, "id=60001"), QStringLiteral("60001:note 60001 60001:note 1"));
        QCOMPARE(f.state().CurNoteId, 60001);
        edit(f, 120001, QStringLiteral("edited via copy"));
        QCOMPARE(content(f, "id in (1,60001,120001)"),
                 QStringLiteral("1:note 1 60001:edited via copy 60001:note 1 120001:edited via copy"));

        // A reminder on a copy is its source note's; one on the real note of the same number
        // is another row.
        select(f, 60015);
        queueReminderAnswer(QStringLiteral("for note 15"));
        f->Reminder1Click();
        f.chooseTab(QStringLiteral("Default"));
        select(f, 60015);
        queueReminderAnswer(QStringLiteral("for note 60015"));
        f->Reminder1Click();
        QCOMPARE(f.rows("select clip_id,remind_content from remind order by clip_id", 2),
                 (QStringList{"15|for note 15", "60015|for note 60015"}));

        // Real notes: changing or deleting one leaves the copy of that number alone; its own
        // copy (120001) takes the change, so that editing it later brings back no old text.
        edit(f, 60001, QStringLiteral("edited real"));
        select(f, 60001);
        f->noteEditing().imgDeleteClick();
        QCOMPARE(content(f, "id in (1,60001,120001)"),
                 QStringLiteral("1:note 1 60001:note 1 120001:edited real"));
        f->deleteHistory().actUndoDelete->trigger();
        QCOMPARE(content(f, "id=60001"), QStringLiteral("60001:edited real 60001:note 1"));

        f->noteEditing().imgNewClick();
        f->memoContent->setPlainText(QStringLiteral("newest"));
        f->noteEditing().imgApplyClick();
        QCOMPARE(f.state().CurNoteId, kNotes + 1);
        QCOMPARE(f.db.scalar("select count(*) from notes_main where group_id is null or group_id<>1"),
                 QString::number(kNotes + 1));
    }
};

QTEST_MAIN(TestLargeIds)
#include "tst_large_ids.moc"
