// The grid under the note list: rows, heights, the row under a point, the current row.
#include "app/NoteCellPainter.h"
#include "app/NoteGrid.h"
#include "tests/support/Pixels.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <algorithm>

using app::NoteGrid;

class NoteGridTest : public QObject {
    Q_OBJECT

private slots:
    void rowCountKeepsHeightsAndNeverDropsBelowOne()
    {
        NoteGrid grid;
        grid.setDefaultRowHeight(50);
        grid.setRowCount(3);
        grid.setRowHeight(0, 22);
        grid.setRowCount(0);
        QCOMPARE(grid.rowCount(), 1);
        QCOMPARE(grid.rowHeight(0), 22); // the remaining row keeps its height
        grid.setRowCount(4);
        QCOMPARE(grid.rowHeight(3), 50); // new rows take the default
    }

    void shrinkingMovesTheCurrentRowThroughTheSelectHandler()
    {
        NoteGrid grid;
        grid.setRowCount(10);
        QList<int> asked;
        grid.onSelectCell = [&](int, int row, bool&) { asked << row; };
        grid.setCurrentRow(7);
        QCOMPARE(asked, QList<int>{7});
        grid.setRowCount(0);
        QCOMPARE(grid.currentRow(), 0);
        QCOMPARE(asked, (QList<int>{7, 0}));
    }

    void refusedSelectionKeepsTheCurrentRow()
    {
        NoteGrid grid;
        grid.setRowCount(5);
        grid.onSelectCell = [](int, int row, bool& canSelect) { canSelect = row != 3; };
        grid.setCurrentRow(2);
        grid.setCurrentRow(3);
        QCOMPARE(grid.currentRow(), 2);
    }

    void rowUnderAPointWithMixedHeights()
    {
        NoteGrid grid;
        grid.resize(300, 200);
        grid.setDefaultRowHeight(50);
        grid.beginUpdate();
        grid.setRowCount(100000);
        for (int row = 0; row < 100000; row += 7)
            grid.setRowHeight(row, 22);
        grid.endUpdate();
        // Row r starts at the sum of the heights before it plus one grid line per row.
        int column = 0;
        int row = 0;
        grid.mouseToCell(QPoint(10, 0), column, row);
        QCOMPARE(row, 0);
        grid.mouseToCell(QPoint(10, 22), column, row); // the grid line under row 0
        QCOMPARE(row, 0);
        grid.mouseToCell(QPoint(10, 23), column, row);
        QCOMPARE(row, 1);
        QCOMPARE(column, 0);
        grid.mouseToCell(QPoint(200, 23 + 51 + 50), column, row);
        QCOMPARE(row, 2);
        QCOMPARE(column, 1);

        grid.setCurrentRow(99999); // scrolls the last row into view
        const QRect last = grid.cellRect(1, 99999);
        QVERIFY(last.top() >= 0 && last.bottom() < grid.viewport()->height() + 1);
        grid.mouseToCell(last.center(), column, row);
        QCOMPARE(row, 99999);
        grid.mouseToCell(QPoint(10, last.bottom() + 5), column, row); // below the last row
        QCOMPARE(row, -1);
    }

    void keysMoveTheCurrentRow()
    {
        NoteGrid grid;
        grid.resize(300, 200);
        grid.setRowCount(20);
        grid.setCurrentRow(5);
        QTest::keyClick(&grid, Qt::Key_Down);
        QCOMPARE(grid.currentRow(), 6);
        QTest::keyClick(&grid, Qt::Key_Up);
        QTest::keyClick(&grid, Qt::Key_Up);
        QCOMPARE(grid.currentRow(), 4);
        QTest::keyClick(&grid, Qt::Key_End);
        QCOMPARE(grid.currentRow(), 19);
        QTest::keyClick(&grid, Qt::Key_Down);
        QCOMPARE(grid.currentRow(), 19);
        QTest::keyClick(&grid, Qt::Key_Home);
        QCOMPARE(grid.currentRow(), 0);
    }

    // Texts are asked for when drawn, for the rows on screen only, and shared, not copied.
    void textIsAskedForTheRowsDrawnOnly()
    {
        NoteGrid grid;
        grid.resize(200, 240);
        grid.setRowCount(100000);
        const QByteArray text(1 << 20, 'x');
        QSet<int> asked;
        grid.cellSource = [&](int, int row) {
            asked.insert(row);
            return text;
        };
        QCOMPARE(grid.cellUtf8(1, 0).constData(), text.constData());
        QCOMPARE(grid.cellText(1, 0).size(), text.size());
        QCOMPARE(grid.cellUtf8(1, 100000), QByteArray()); // past the last row: not asked
        asked.clear();
        grid.onDrawCell = [&](QPainter&, int column, int row, const QRect&) { grid.cellUtf8(column, row); };
        grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum() / 2);
        QImage image(grid.viewport()->size(), QImage::Format_RGB32);
        grid.viewport()->render(&image);
        QVERIFY(!asked.isEmpty());
        QVERIFY2(asked.size() <= 240 / grid.defaultRowHeight() + 2, qPrintable(QString::number(asked.size())));
        QVERIFY(*std::min_element(asked.begin(), asked.end()) >= grid.topRow());
    }

    // Under a language that reads from the right the time column stands at the right, and a
    // click lands in the column drawn under it.
    void rightToLeftPutsTheTimeColumnAtTheRight()
    {
        app::NoteGrid grid;
        grid.setLayoutDirection(Qt::RightToLeft);
        grid.resize(285, 229);
        grid.setRowCount(3);
        grid.setColWidth(0, 50);
        grid.setColWidth(1, 235);
        const QRect time = grid.cellRect(0, 1);
        QCOMPARE(time.right(), grid.viewport()->width() - 1);
        int column = -1;
        int row = -1;
        grid.mouseToCell(time.center(), column, row);
        QCOMPARE(column, 0);
        grid.mouseToCell(grid.cellRect(1, 1).center(), column, row);
        QCOMPARE(column, 1);
    }

    // A heart asked for in its emoji form (U+FE0F after it) is drawn in colour in a list
    // cell, not as the plain black glyph of the note's face.
    void emojiFormOfAHeartIsDrawnInColour()
    {
        if (!QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji")))
            QSKIP("no colour emoji face (Debian package fonts-noto-color-emoji) to draw the heart with");
        QImage image(120, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(QFont(QStringLiteral("Liberation Sans"), 20));
        app::drawWrappedText(painter, image.rect(), QByteArrayLiteral("ok \xE2\x9D\xA4\xEF\xB8\x8F"));
        painter.end();
        QVERIFY2(testing::clearRedPixels(image) > 20, "the heart is not drawn in colour");
    }

    // Each paragraph stands at the side its own first letter reads from: Arabic at the
    // right, down to the wrapped last line of a paragraph that goes on in Latin words; Latin
    // text at the left, in the same note.
    void eachParagraphStandsAtTheSideItsFirstLetterReadsFrom()
    {
        QImage image(200, 120, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(QFont(QStringLiteral("Liberation Sans"), 10));
        const QFontMetrics metrics(painter.font());
        app::drawWrappedText(painter, image.rect(), QStringLiteral("hello\nمرحبا بالعالم").toUtf8());
        painter.end();
        const QRect latin = testing::inkBox(image, QRect(0, 0, 200, metrics.height()));
        QVERIFY2(latin.left() <= 2 && latin.right() < 100, "the Latin paragraph is not at the left");
        const QRect arabic = testing::inkBox(image, QRect(0, metrics.height() + 1, 200, 120));
        QVERIFY2(arabic.right() >= 196 && arabic.left() > 100, "the Arabic paragraph is not at the right");

        image = QImage(100, 120, QImage::Format_RGB32);
        image.fill(Qt::white);
        painter.begin(&image);
        painter.setFont(QFont(QStringLiteral("Liberation Sans"), 10));
        app::drawWrappedText(painter, image.rect(), QStringLiteral("مرحبا بالعالم one two three four").toUtf8());
        painter.end();
        // The last line, "two three four": the bottom of its letters.
        const QRect last = testing::inkBox(image, QRect(0, testing::inkBox(image).bottom() - 2, 100, 3));
        QVERIFY2(last.right() >= 96 && last.left() > 5, "the wrapped last line is not at the right");

        // In the list the text column reaches past the list's edge: a Hebrew note's first
        // letter stays inside, clear of the edge.
        image = QImage(100, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        painter.begin(&image);
        const QByteArray hebrew = QStringLiteral("שלום עולם").toUtf8();
        app::NoteCell cell;
        cell.column = 1;
        cell.text = &hebrew;
        cell.shown = QRect(0, 0, 100, 40);
        widgets::FontValue font;
        font.face = widgets::FontValue::defaultFace();
        font.size = 10;
        app::paintNoteCell(painter, QRect(0, 0, 101, 40), cell, font, font, QPalette());
        painter.end();
        QVERIFY2(testing::inkBox(image).right() <= 97,
                 "the first letter of a right-to-left note touches the list's edge");
    }
};

QTEST_MAIN(NoteGridTest)
#include "tst_notegrid.moc"
