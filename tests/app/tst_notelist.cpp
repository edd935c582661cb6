// The note list: start-up, the rebuild into separator and note rows, selection, drawing.
#include "app/MiniForm.h"
#include "app/NoteGrid.h"
#include "store/Clock.h"
#include "tests/support/TestDatabase.h"
#include "widgets/Modal.h"
#include "widgets/TabSet.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

using app::TMiniForm;

namespace {

QColor bgr(unsigned value) { return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF)); }

struct Form {
    testing::TestDatabase db;
    std::unique_ptr<TMiniForm> form;

    bool start()
    {
        form = std::make_unique<TMiniForm>(db.path());
        return form->FormCreate();
    }
    app::NoteGrid& grid() { return *form->sgContents; }
    QList<qint32> tags()
    {
        QList<qint32> result;
        for (int row = 0; row < grid().rowCount(); ++row)
            result << grid().rowTag(row);
        return result;
    }
};

} // namespace

class NoteListTest : public QObject {
    Q_OBJECT

private slots:
    void init() { widgets::Modal::clearShownMessages(); }

    void startUpTabsFollowTheStoredCategories()
    {
        Form f;
        f.db.exec(QStringLiteral("delete from clip_groups"));
        QVERIFY(f.start());
        QCOMPARE(f.form->tabGroups->tabs(), (QStringList{QStringLiteral("Default"), QStringLiteral("*New")}));

        Form g;
        g.db.exec(QStringLiteral("insert into clip_groups values (2,'Work','w'),(3,'it''s','')"));
        QVERIFY(g.start());
        QCOMPARE(g.form->tabGroups->tabs(),
                 (QStringList{QStringLiteral("Default"), QStringLiteral("Search"), QStringLiteral("Work"),
                              QStringLiteral("it's"), QStringLiteral("*New")}));
        QCOMPARE(g.form->tabGroups->tabIndex(), 0);
        QCOMPARE(g.grid().rowHeight(0), 50); // the blank row keeps the height of the design state
        QCOMPARE(g.form->state().ApplyMode, QStringLiteral("I")); // empty list: the start value stays
        QVERIFY(g.form->state().InBrowseMode);
        QCOMPARE(g.form->pnlStatus2->text(), QStringLiteral("(mode:Browse)"));
    }

    void failedStartUpShowsTheEngineMessage()
    {
        Form f;
        f.db.exec(QStringLiteral("drop table clip_groups"));
        QVERIFY(!f.start());
        QCOMPARE(widgets::Modal::shownMessages().size(), size_t(1));
        const QString shown = widgets::Modal::shownMessages().back().text;
        QVERIFY(shown.startsWith(QStringLiteral("no such table: clip_groups\n")));
        QVERIFY(shown.contains(f.db.path()));
        QVERIFY(!f.form->state().InBrowseMode); // the steps after the failure did not run
    }

    void rebuildGroupsNotesUnderOneSeparatorPerDay()
    {
        Form f;
        // Newest first: three on Tuesday, two on Monday, then one more Tuesday note that
        // was inserted earlier still, so Tuesday comes again after Monday.
        f.db.addNote(7, QStringLiteral("0"), QStringLiteral("08:00 Tue, 08Dec2026"), QStringLiteral("old tue"));
        f.db.addNote(1, QStringLiteral("0"), QStringLiteral("09:00 Mon, 07Dec2026"), QStringLiteral("m1"));
        f.db.addNote(2, QStringLiteral("null"), QStringLiteral("10:00 Mon, 07Dec2026"), QStringLiteral("m2"));
        f.db.addNote(3, QStringLiteral("0"), QStringLiteral("09:00 Tue, 08Dec2026"), QStringLiteral("t1"));
        f.db.addNote(4, QStringLiteral("0"), QStringLiteral("10:00 Tue, 08Dec2026"), QStringLiteral("t2"));
        f.db.addNote(5, QStringLiteral("0"), QStringLiteral("11:00 Tue, 08Dec2026"), QStringLiteral("t3 & more"));
        f.db.addNote(6, QStringLiteral("2"), QStringLiteral("11:00 Tue, 08Dec2026"), QStringLiteral("other category"));
        f.db.exec(
            QStringLiteral("insert into clip_groups (group_id, group_name, description) values (2, 'Other', '')"));
        QVERIFY(f.start());

        QCOMPARE(f.tags(), (QList<qint32>{60000, 5, 4, 3, 60000, 2, 1, 60000, 7}));
        QCOMPARE(f.grid().rowHeight(0), 22);
        QCOMPARE(f.grid().rowHeight(1), 50);
        QCOMPARE(f.grid().rowHeight(4), 22);
        QCOMPARE(f.grid().cellText(1, 0), QStringLiteral("Tue, 08Dec2026"));
        QCOMPARE(f.grid().cellText(0, 0), QString());
        QCOMPARE(f.grid().cellText(0, 1), QStringLiteral("11:00 "));
        QCOMPARE(f.grid().cellText(1, 1), QStringLiteral("t3 & more"));
        QCOMPARE(f.grid().cellText(1, 4), QStringLiteral("Mon, 07Dec2026"));
        QCOMPARE(f.grid().currentRow(), 0);
        // CurNoteId 0 is not listed: no note is shown, so the next Apply makes a new one; the
        // cursor ends on the last note with at-end set.
        QCOMPARE(f.form->state().ApplyMode, QStringLiteral("I"));
        QVERIFY(f.form->notesFile().AQclipQuery().eof());
        QCOMPARE(f.form->notesFile().AQclipQuery().fieldAsInteger(QStringLiteral("id")), 7);
        QCOMPARE(f.grid().colWidth(1), f.grid().width() - 50 - (f.grid().hasVerticalScrollBar() ? 18 : 0));
    }

    void emptyCategoryKeepsOneBlankRowAndShowsNoNote()
    {
        Form f;
        f.db.addNote(1, QStringLiteral("0"), QStringLiteral("09:00 Mon, 07Dec2026"), QStringLiteral("only"));
        QVERIFY(f.start());
        // Filled before the first showing, the list gives the room of a scroll bar it does not
        // need back once shown.
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        QCOMPARE(f.grid().colWidth(1), f.grid().width() - 50);
        f.grid().setCurrentRow(1);
        QCOMPARE(f.form->memoContent->toPlainText(), QStringLiteral("only"));
        f.form->state().CurGroupId = 5;
        f.form->sendReloadNoteList();
        QCOMPARE(f.grid().rowCount(), 1);
        QCOMPARE(f.grid().rowTag(0), 0);
        QCOMPARE(f.grid().cellText(1, 0), QString());
        QCOMPARE(f.grid().rowHeight(0), 22); // the single row keeps its height
        // The hidden memo keeps no text of a note that is not listed.
        QCOMPARE(f.form->memoContent->toPlainText(), QString());
        QCOMPARE(f.form->state().CurNoteId, 0);
        QCOMPARE(f.form->state().ApplyMode, QStringLiteral("I"));
        QCOMPARE(f.form->pnlStatus1->text(), QStringLiteral("Created : 09:00 Mon, 07Dec2026"));
        QCOMPARE(f.grid().colWidth(1), f.grid().width() - 50);
    }

    void rebuildShowsTheCurrentNoteAgain()
    {
        Form f;
        for (int id = 1; id <= 3; ++id)
            f.db.addNote(id, QStringLiteral("0"), QStringLiteral("09:0%1 Mon, 07Dec2026").arg(id),
                         QStringLiteral("note %1").arg(id));
        QVERIFY(f.start());
        f.form->state().CurNoteId = 2;
        f.form->memoContent->setPlainText(QStringLiteral("stale"));
        f.form->sendReloadNoteList();
        QCOMPARE(f.form->memoContent->toPlainText(), QStringLiteral("note 2"));
        QCOMPARE(f.form->pnlStatus1->text(), QStringLiteral("Created : 09:02 Mon, 07Dec2026"));
        QCOMPARE(f.form->notesFile().AQclipQuery().recNo(), 1);
        QVERIFY(!f.form->notesFile().AQclipQuery().eof());
    }

    void everyRebuildOpensOnTheCurrentRowWithTextClearOfTheScrollBar()
    {
        Form f;
        for (int id = 1; id <= 8; ++id) {
            f.db.addNote(id, QStringLiteral("0"), QStringLiteral("09:0%1 Mon, 07Dec2026").arg(id),
                         QStringLiteral("note %1").arg(id));
            f.db.addNote(20 + id, QStringLiteral("2"), QStringLiteral("10:0%1 Mon, 07Dec2026").arg(id),
                         QStringLiteral("work %1").arg(id));
        }
        f.db.exec(QStringLiteral("insert into clip_groups values (2,'Work','')"));
        QVERIFY(f.start());
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        app::NoteGrid& grid = f.grid();
        QScrollBar& bar = *grid.verticalScrollBar();
        const auto reload = [&](int group, int note) {
            f.form->state().CurGroupId = group;
            f.form->state().CurNoteId = note;
            f.form->sendReloadNoteList();
            QCoreApplication::processEvents(); // the scroll bar comes and goes through the event loop
        };
        const auto textClearsTheBar = [&] { return grid.cellRect(1, 0).right() < grid.viewport()->width(); };
        QVERIFY(grid.hasVerticalScrollBar());
        QVERIFY(textClearsTheBar());

        // Scrolled to the oldest notes, another category opens on its newest.
        bar.setValue(bar.maximum());
        reload(2, 0);
        QCOMPARE(grid.currentRow(), 0);
        QCOMPARE(bar.value(), 0);
        bar.setValue(bar.maximum());
        reload(2, 21); // found on the last row: the rebuild still opens at the top
        QCOMPARE(f.form->memoContent->toPlainText(), QStringLiteral("work 1"));
        QCOMPARE(bar.value(), 0);

        // An empty category widens the text column; the next list with a scroll bar narrows
        // it again, though that rebuild finds the current note.
        reload(5, 21);
        QCOMPARE(grid.colWidth(1), grid.width() - 50);
        reload(0, 3);
        QCOMPARE(f.form->memoContent->toPlainText(), QStringLiteral("note 3"));
        QVERIFY(grid.hasVerticalScrollBar());
        QVERIFY(textClearsTheBar());
    }

    void aRowCutByTheListsEdgeShowsNoSliverOfText_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
    }

    void aRowCutByTheListsEdgeShowsNoSliverOfText()
    {
        QFETCH(qreal, ratio);
        Form f;
        for (int id = 1; id <= 8; ++id)
            f.db.addNote(id, QStringLiteral("0"), QStringLiteral("09:0%1 Mon, 07Dec2026").arg(id),
                         QStringLiteral("Ärger milk ÄÖÜ Ärger %1").arg(id));
        QVERIFY(f.start());
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        app::NoteGrid& grid = f.grid();
        QWidget& viewport = *grid.viewport();
        const auto render = [&](QWidget& widget) {
            QImage image(widget.size() * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            widget.render(&image);
            return image;
        };
        const auto inkIn = [&](const QImage& image, int top, int bottom) {
            for (int y = int(top * ratio); y < int(bottom * ratio); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 150)
                        return true;
            return false;
        };
        // Row 6 (separator, notes 8 to 3) with its top few pixels showing at the bottom edge:
        // the dots over its capitals would be all there is of it.
        const int cut = 6;
        const int top = grid.cellRect(1, 6).top();
        grid.verticalScrollBar()->setValue(top - (viewport.height() - cut));
        QCOMPARE(grid.cellRect(1, 6).top(), viewport.height() - cut);
        QVERIFY(!inkIn(render(viewport), viewport.height() - cut, viewport.height()));
        // Nor does the tab strip below the list show anything of it.
        const QImage window = render(*f.form);
        const QRect strip(f.form->tabGroups->mapTo(f.form.get(), QPoint(0, 0)) * ratio,
                          f.form->tabGroups->size() * ratio);
        QCOMPARE(window.copy(strip), render(*f.form->tabGroups).copy(QRect(QPoint(0, 0), strip.size())));

        // Wholly in view, the row shows its text.
        grid.verticalScrollBar()->setValue(top - viewport.height() + grid.rowHeight(6) + 1);
        const QRect row = grid.cellRect(1, 6);
        QVERIFY(row.bottom() < viewport.height());
        QVERIFY(inkIn(render(viewport), row.top(), row.bottom()));
    }

    void everyRowTheUserSelectsShowsItsNote()
    {
        Form f;
        for (int id = 1; id <= 3; ++id)
            f.db.addNote(id, QStringLiteral("0"), QStringLiteral("09:0%1 Mon, 07Dec2026").arg(id),
                         QStringLiteral("note %1").arg(id));
        QVERIFY(f.start());
        f.form->state().CurNoteId = 3; // the newest: the rebuild leaves at-begin set
        f.form->sendReloadNoteList();
        QVERIFY(f.form->notesFile().AQclipQuery().bof());
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        // Rows: separator, 3, 2, 1. A click on the row of note 1 must show note 1.
        const QRect cell = f.grid().cellRect(1, 3);
        QTest::mouseClick(f.grid().viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(f.grid().currentRow(), 3);
        QCOMPARE(f.form->state().CurNoteId, 1);
        QCOMPARE(f.form->memoContent->toPlainText(), QStringLiteral("note 1"));
        QCOMPARE(f.form->state().ApplyMode, QStringLiteral("M"));

        // A separator row is highlighted and changes nothing else.
        QTest::mouseClick(f.grid().viewport(), Qt::LeftButton, {}, f.grid().cellRect(1, 0).center());
        QCOMPARE(f.grid().currentRow(), 0);
        QCOMPARE(f.form->state().CurNoteId, 1);

        // A right click makes the row current before the menu would open; below the rows, nothing.
        f.form->noteListView().sgContentsMouseDown(Qt::RightButton, {}, f.grid().cellRect(0, 2).center());
        QCOMPARE(f.form->state().CurNoteId, 2);
        f.form->noteListView().sgContentsMouseDown(Qt::RightButton, {}, QPoint(100, f.grid().viewport()->height() - 2));
        QCOMPARE(f.grid().currentRow(), 2);

        // The hint follows the row under the pointer and stays below the last row.
        f.form->noteListView().sgContentsMouseMove({}, f.grid().cellRect(1, 0).center());
        QCOMPARE(f.grid().hint(), QStringLiteral("Mon, 07Dec2026"));
        f.form->noteListView().sgContentsMouseMove({}, QPoint(100, f.grid().viewport()->height() - 2));
        QCOMPARE(f.grid().hint(), QStringLiteral("Mon, 07Dec2026"));
    }

    void cellsAreDrawnInTheirColours()
    {
        Form f;
        f.db.addNote(1, QStringLiteral("0"), QStringLiteral("09:01 Mon, 07Dec2026"), QString());
        f.db.addNote(2, QStringLiteral("0"), QStringLiteral("09:02 Mon, 07Dec2026"), QString());
        f.db.addNote(3, QStringLiteral("0"), QStringLiteral("09:03 Mon, 07Dec2026"), QString());
        QVERIFY(f.start());
        f.grid().setCurrentRow(3); // rows: separator, 3, 2, 1 (current)
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        QImage image(f.grid().viewport()->size(), QImage::Format_RGB32);
        f.grid().viewport()->render(&image);

        const auto at = [&](int column, int row, int dx, int dy) {
            const QRect r = f.grid().cellRect(column, row);
            return image.pixelColor(r.left() + dx, r.top() + dy);
        };
        QCOMPARE(at(1, 0, 2, 2), bgr(0xFF95A5));          // separator row
        QCOMPARE(at(0, 0, 2, 2), bgr(0xFF95A5));
        QCOMPARE(at(0, 1, 10, 40), bgr(0xFFD0D7));         // odd row, time column
        QCOMPARE(at(1, 1, 100, 40), bgr(0xFFF3F5));        // odd row, text column
        QCOMPARE(at(0, 2, 10, 40), bgr(0xFFD9E0));         // even row
        QCOMPARE(at(1, 2, 100, 40), bgr(0xFFFAFD));
        QCOMPARE(at(0, 3, 10, 40), bgr(0xFFC9D2));         // current row
        QCOMPARE(at(1, 3, 100, 40), bgr(0xFFE0E6));
        // The border between the columns: white lines at its right edge and two to the left,
        // the separator's own colour on a separator row; silver lines between rows.
        const QRect time = f.grid().cellRect(0, 1);
        QCOMPARE(image.pixelColor(time.left() + time.width(), time.top() + 5), QColor(Qt::white));
        QCOMPARE(image.pixelColor(time.left() + time.width() - 2, time.top() + 5), QColor(Qt::white));
        QCOMPARE(image.pixelColor(time.left() + time.width() - 1, time.top() + 40), bgr(0xFFD0D7));
        const QRect separator = f.grid().cellRect(0, 0);
        QCOMPARE(image.pixelColor(separator.left() + separator.width(), separator.top() + 5), bgr(0xFF95A5));
        QCOMPARE(image.pixelColor(100, time.top() + time.height()), QColor(0xC0, 0xC0, 0xC0));
    }

    void longTextShowsOnlyWholeLines()
    {
        Form f;
        QString text;
        for (int i = 0; i < 200; ++i)
            text += QStringLiteral("word%1 ").arg(i);
        f.db.addNote(1, QStringLiteral("0"), QStringLiteral("09:01 Mon, 07Dec2026"), text);
        QVERIFY(f.start());
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        QImage image(f.grid().viewport()->size(), QImage::Format_RGB32);
        f.grid().viewport()->render(&image);
        const QRect cell = f.grid().cellRect(1, 1);
        // Somewhere in the text cell ink was drawn, and the bottom rows of the cell are clean:
        // no partly visible last line.
        bool ink = false;
        for (int y = cell.top(); y < cell.top() + 12 && !ink; ++y) {
            for (int x = cell.left(); x < cell.right(); ++x)
                ink = ink || image.pixelColor(x, y) != bgr(0xFFF3F5);
        }
        QVERIFY(ink);
        const QFontMetrics metrics(f.form->state().NoteFont.toQFont());
        const int wholeLines = cell.height() / metrics.lineSpacing();
        for (int y = cell.top() + wholeLines * metrics.lineSpacing() + 1; y < cell.bottom(); ++y) {
            for (int x = cell.left(); x < cell.right(); ++x)
                QCOMPARE(image.pixelColor(x, y), bgr(0xFFF3F5));
        }
    }
};

QTEST_MAIN(NoteListTest)
#include "tst_notelist.moc"
