// The list read in two parts: the first rows at once, the rest on a thread. Whatever the
// moment an action lands, the rows shown end up the file's, in order, under their days,
// with the texts the file holds now.
#include "ListAsStored.h"

#include "app/MiniForm.h"
#include "app/NoteGrid.h"
#include "tests/support/TestDatabase.h"
#include "widgets/Modal.h"
#include "widgets/TabSet.h"

#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <memory>

namespace {

// `count` notes, newest last, in runs of 1, 2, 3, ... notes per day, every fifth one in Work.
void addNotes(testing::TestDatabase& db, int count)
{
    QStringList values;
    int day = 1;
    int left = 1;
    int run = 1;
    for (int id = 1; id <= count; ++id) {
        if (left == 0) {
            ++day;
            left = ++run % 40 + 1;
        }
        --left;
        const QDate date = QDate(2024, 1, 1).addDays(day);
        const QString second = QStringLiteral("%1").arg(id % 60, 2, 10, QLatin1Char('0'));
        values << QStringLiteral("(%1,%2,'0','%3:%4 %5','note %1 of %6','','%6 00:00:%4.000')")
                      .arg(id)
                      .arg(id % 5 == 0 ? 2 : 0)
                      .arg(8 + id % 10)
                      .arg(second, date.toString(QStringLiteral("ddd, ddMMMyyyy")), date.toString(Qt::ISODate));
    }
    for (qsizetype from = 0; from < values.size(); from += 1000)
        db.exec(QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id,"
                               "record_time) values ") +
                values.mid(from, 1000).join(QLatin1Char(',')));
}

struct Window {
    testing::TestDatabase db;
    std::unique_ptr<app::TMiniForm> form;

    void open(int firstRows)
    {
        widgets::Modal::clearQueuedAnswers();
        widgets::Modal::clearShownMessages();
        db.exec(QStringLiteral("insert into clip_groups (group_id,group_name,description) values (2,'Work','')"));
        form = std::make_unique<app::TMiniForm>(db.path());
        form->notesFile().AQclipQuery().setFirstRows(firstRows);
        QVERIFY(form->FormCreate());
        form->show();
    }
    app::NoteGrid& grid() { return *form->sgContents; }
    QString difference() { return testing::differenceFromGrid(grid(), testing::listAsStored(db.database(), form->state().CurGroupId)); }
    // Draws the rows now on screen, so that their texts are kept.
    void draw()
    {
        QImage image(grid().viewport()->size(), QImage::Format_RGB32);
        grid().viewport()->render(&image);
    }
    int rowOf(qint32 id)
    {
        for (int row = 0; row < grid().rowCount(); ++row)
            if (grid().rowKind(row) == app::NoteGrid::RowKind::Note && grid().rowTag(row) == id)
                return row;
        return -1;
    }
    void write(const QString& text)
    {
        form->noteEditing().imgEditModeClick();
        form->memoContent->setPlainText(text);
        form->noteEditing().imgApplyClick();
    }
    void chooseTab(const QString& caption) { form->tabGroups->setTabIndex(int(form->tabGroups->tabs().indexOf(caption))); }
};

} // namespace

class TestLazyList : public QObject {
    Q_OBJECT

private slots:
    // Cut anywhere, inside a day's run or at its end, the list shows the first rows as they
    // will stay, and then the whole list with one separator per run.
    void theRestFollowsWithSeparatorsWhereverTheFirstRowsEnd_data()
    {
        QTest::addColumn<int>("firstRows");
        for (const int rows : {1, 2, 3, 4, 5, 9, 10, 11, 60, 95, 96, 97, 500})
            QTest::addRow("%d", rows) << rows;
    }
    void theRestFollowsWithSeparatorsWhereverTheFirstRowsEnd()
    {
        QFETCH(int, firstRows);
        Window w;
        addNotes(w.db, 120);
        w.open(firstRows);
        const auto stored = testing::listAsStored(w.db.database(), 0);
        const int shown = w.grid().rowCount();
        QVERIFY(shown <= stored.size());
        QCOMPARE(testing::differenceFromGrid(w.grid(), stored.mid(0, shown)), QString());
        QTRY_VERIFY(w.form->notesFile().AQclipQuery().complete()); // with nobody asking
        QCOMPARE(w.difference(), QString());
    }

    // Texts are read when drawn and kept: a change made here shows, wherever the note is.
    void keptTextsFollowChangesMadeHere()
    {
        Window w;
        addNotes(w.db, 300);
        w.open(10);
        w.form->noteListView().waitForNoteList();
        w.draw();
        const int deep = w.rowOf(37);
        w.grid().setCurrentRow(deep);
        w.draw();
        w.write(QStringLiteral("changed deep down"));
        QCOMPARE(w.grid().cellText(1, w.rowOf(37)), QStringLiteral("changed deep down"));
        QCOMPARE(w.difference(), QString());

        w.form->noteEditing().imgDeleteClick();
        QCOMPARE(w.rowOf(37), -1);
        QCOMPARE(w.difference(), QString());
        w.form->noteEditing().imgNewClick();
        w.write(QStringLiteral("a new one"));
        QCOMPARE(w.grid().cellText(1, 1), QStringLiteral("a new one"));
        QCOMPARE(w.difference(), QString());
        // Put back where its time puts it, deep in the list.
        w.form->deleteHistory().actUndoDelete->trigger();
        QVERIFY(w.rowOf(37) > 100);
        QCOMPARE(w.difference(), QString());
    }

    // Another program's changes show the next time the list is brought up to date.
    void changesByAnotherConnectionShowAtTheNextUpdate()
    {
        Window w;
        addNotes(w.db, 200);
        w.open(10);
        w.form->noteListView().waitForNoteList();
        w.draw(); // keeps the texts of the first screen
        w.db.exec(QStringLiteral("update notes_main set content='changed elsewhere' where id=199"));
        w.db.exec(QStringLiteral("delete from notes_main where id=198"));
        w.db.exec(QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id,"
                                 "record_time) values (500,0,'0','09:00 Fri, 01Jan2100','from a script','',"
                                 "'2100-01-01 09:00:00.000')"));
        w.form->noteEditing().imgNewClick();
        w.write(QStringLiteral("written here"));
        w.form->noteListView().waitForNoteList();
        QCOMPARE(w.difference(), QString());
        QVERIFY(w.rowOf(500) >= 0 && w.rowOf(198) < 0);
    }

    // Actions that land before the rest is in: the list they leave is the file's.
    void actionsWhileTheRestIsRead()
    {
        Window w;
        addNotes(w.db, 20000);
        w.open(5);
        w.write(QStringLiteral("applied at once"));
        w.form->noteListView().waitForNoteList();
        QCOMPARE(w.difference(), QString());

        w.chooseTab(QStringLiteral("Work"));
        w.chooseTab(QStringLiteral("Default")); // the read for Work is dropped half-way
        w.grid().setCurrentRow(w.grid().rowCount() - 1);
        QVERIFY(w.form->state().CurNoteId != 0);
        const qint32 last = w.form->state().CurNoteId;
        w.form->noteEditing().imgDeleteClick();
        w.form->noteListView().waitForNoteList();
        QCOMPARE(w.rowOf(last), -1);
        QCOMPARE(w.difference(), QString());

        // Next at the last of the first rows steps into the rest.
        w.chooseTab(QStringLiteral("Work"));
        w.chooseTab(QStringLiteral("Default"));
        const auto stored = testing::listAsStored(w.db.database(), 0);
        qint32 fifth = 0;
        int notes = 0;
        for (const auto& row : stored)
            if (row.kind == app::NoteGrid::RowKind::Note && ++notes == 5) {
                fifth = row.tag;
                break;
            }
        w.grid().setCurrentRow(w.rowOf(fifth));
        w.form->noteEditing().imgNextClick();
        QVERIFY(w.form->state().CurNoteId != fifth);
        int sixth = 0;
        notes = 0;
        for (const auto& row : stored)
            if (row.kind == app::NoteGrid::RowKind::Note && ++notes == 6)
                sixth = row.tag;
        QCOMPARE(w.form->state().CurNoteId, sixth);
        QCOMPARE(w.grid().currentRow(), w.rowOf(sixth));
        w.form->noteListView().waitForNoteList();
        QCOMPARE(w.difference(), QString());
    }

    // Going to the end before the rest is in goes to the end of the whole list.
    void theEndIsTheEndOfTheWholeList()
    {
        Window w;
        addNotes(w.db, 20000);
        w.open(5);
        const auto stored = testing::listAsStored(w.db.database(), 0);
        w.grid().setFocus();
        QTest::keyClick(&w.grid(), Qt::Key_End);
        QCOMPARE(w.grid().currentRow(), int(stored.size()) - 1);
        QCOMPARE(w.form->state().CurNoteId, stored.last().tag);

        w.chooseTab(QStringLiteral("Work"));
        w.chooseTab(QStringLiteral("Default"));
        QVERIFY(!w.form->notesFile().AQclipQuery().complete());
        QScrollBar* bar = w.grid().verticalScrollBar();
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QTRY_COMPARE(bar->value(), bar->maximum());
        QCOMPARE(w.grid().rowCount(), int(stored.size()));
        const QRect oldest = w.grid().cellRect(1, w.grid().rowCount() - 1);
        QVERIFY(oldest.top() >= 0 && oldest.bottom() < w.grid().viewport()->height()); // in sight
    }

    // A write the file refuses after the row went in (a trigger aborts it) leaves no row
    // behind in the list, and the typed text in the memo.
    void aWriteUndoneByTheFileLeavesTheListAsTheFile()
    {
        Window w;
        addNotes(w.db, 50);
        w.db.exec(QStringLiteral("create trigger refuse after insert on notes_main when new.content='refused' "
                                 "begin select raise(abort, 'refused by a trigger'); end"));
        w.open(4);
        w.form->noteEditing().imgNewClick();
        w.write(QStringLiteral("refused"));
        QCOMPARE(widgets::Modal::shownMessages().size(), 1);
        QCOMPARE(w.form->memoContent->toPlainText(), QStringLiteral("refused"));
        QVERIFY(!w.form->state().InBrowseMode);
        w.form->noteListView().waitForNoteList();
        QCOMPARE(w.form->memoContent->toPlainText(), QStringLiteral("refused"));
        QCOMPARE(w.difference(), QString());
        w.write(QStringLiteral("accepted"));
        QCOMPARE(w.difference(), QString());
    }
};

QTEST_MAIN(TestLazyList)
#include "tst_lazy_list.moc"
