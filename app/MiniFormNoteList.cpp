// The note list: rebuilding it from the store, selecting, hints and drawing.
#include "app/MiniForm.h"

#include "app/NoteCellPainter.h"
#include "app/MemoText.h"
#include "app/NoteGrid.h"
#include "store/CreationTime.h"
#include "store/Statements.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <algorithm>

namespace app {

namespace {

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// Characters (not bytes) first..first+count-1 of a UTF-8 text, `ascii` telling whether it
// is all ASCII. ASCII, the usual case, is cut without converting or copying: the result is
// a view into the same bytes.
QByteArray characters(const QByteArray& utf8, int first, int count, bool ascii)
{
    if (ascii) {
        const qsizetype from = std::min<qsizetype>(first, utf8.size());
        return QByteArray::fromRawData(utf8.constData() + from, std::min<qsizetype>(count, utf8.size() - from));
    }
    return QString::fromUtf8(utf8).mid(first, count).toUtf8();
}

} // namespace

void TMiniForm::reloadNoteList()
{
    store::Query& query = AQclipQuery();
    query.close();
    query.clearSql();
    query.addLine(store::sql::listNotes(m_state.CurGroupId));
    // At start-up the early read has usually read this very statement already.
    if (!m_earlyRead || !m_earlyRead->handTo(query))
        query.open();
    m_earlyRead = nullptr;

    NoteGrid& grid = *sgContents;
    {
        m_rebuildingList = true;
        m_hintRow = -1;
        const auto done = qScopeGuard([this, &grid] {
            grid.endUpdate();
            m_rebuildingList = false;
        });
        grid.beginUpdate();
        for (int row = 0; row < grid.rowCount(); ++row) {
            grid.setRowTag(row, 0);
            grid.setRowKind(row, NoteGrid::RowKind::Blank);
            grid.setCell(0, row, QByteArray());
            grid.setCell(1, row, QByteArray());
        }
        grid.setRowCount(0);
        grid.setTextStorage(query.textStorage()); // the cells below are views into the snapshot
        // At most one separator per note: growing one row at a time never moves the list.
        grid.reserveRows(2 * query.recordCount() + 1);
        grid.setRowCount(query.recordCount());

        const int idColumn = query.columnIndex(QStringLiteral("id"));
        const int timeColumn = query.columnIndex(QStringLiteral("create_time"));
        const int contentColumn = query.columnIndex(QStringLiteral("content"));
        QByteArray previousDay;
        int r = 0;
        for (int note = 0; note < query.recordCount(); ++note) {
            const QByteArray& createTime = query.value(note, timeColumn).utf8();
            const bool ascii = isAscii(createTime);
            const QByteArray day = characters(createTime, 6, 249, ascii);
            if (day != previousDay) {
                grid.setCell(1, r, day);
                grid.setRowTag(r, SeparatorRowTag);
                grid.setRowKind(r, NoteGrid::RowKind::Separator);
                grid.setRowHeight(r, 22);
                grid.setRowCount(grid.rowCount() + 1);
                previousDay = day;
                ++r;
            }
            grid.setCell(0, r, characters(createTime, 0, 6, ascii));
            grid.setCell(1, r, query.value(note, contentColumn).utf8());
            grid.setRowTag(r, query.value(note, idColumn).toInt());
            grid.setRowKind(r, NoteGrid::RowKind::Note);
            ++r;
        }
    }

    // Whichever way the rebuild ends, the list opens on its current row, and the text
    // column clears the scroll bar the new rows may have brought.
    grid.showCurrentRow();
    grid.setColWidth(1, grid.width() - grid.colWidth(0) - (grid.hasVerticalScrollBar() ? 18 : 0));

    if (query.recordCount() > 0) {
        m_state.ApplyMode = QStringLiteral("M");
        query.first();
        while (true) {
            if (query.fieldAsInteger(QStringLiteral("id")) == m_state.CurNoteId) {
                pnlStatus1->setText(QStringLiteral("Created : ") + query.fieldAsString(QStringLiteral("create_time")));
                setMemoText(*memoContent, query.fieldAsString(QStringLiteral("content")));
                return;
            }
            query.next();
            if (query.eof())
                break;
        }
    }
    // The note last shown is not in this list: nothing is shown, so the hidden memo holds no
    // text that a later Apply could put into a note the user does not see.
    m_state.CurNoteId = 0;
    m_state.ApplyMode = QStringLiteral("I");
    setMemoText(*memoContent, QString());
}

void TMiniForm::sgContentsSelectCell(int, int row, bool&)
{
    // The rows the grid selects by itself while the list is rebuilt show nothing; every
    // row the user or a command selects shows its note.
    if (m_rebuildingList)
        return;
    store::Query& query = AQclipQuery();
    if (sgContents->rowKind(row) != NoteGrid::RowKind::Note || !query.isOpen() ||
        !query.locate(QStringLiteral("id"), sgContents->rowTag(row)))
        return;
    pnlStatus1->setText(QStringLiteral("Created : ") + query.fieldAsString(QStringLiteral("create_time")));
    setMemoText(*memoContent, query.fieldAsString(QStringLiteral("content")));
    m_state.CurNoteId = query.fieldAsInteger(QStringLiteral("id"));
    m_state.ApplyMode = QStringLiteral("M");
}

void TMiniForm::sgContentsMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint& point)
{
    if (button != Qt::RightButton)
        return;
    int column = 0;
    int row = -1;
    sgContents->mouseToCell(point, column, row);
    if (row >= 0)
        sgContents->setCurrentRow(row);
}

void TMiniForm::sgContentsMouseMove(Qt::KeyboardModifiers, const QPoint& point)
{
    int column = 0;
    int row = -1;
    sgContents->mouseToCell(point, column, row);
    if (row < 0 || row == m_hintRow)
        return; // below the last row the hint keeps its text
    m_hintRow = row;
    sgContents->setHint(sgContents->cellText(1, row));
}


void TMiniForm::sgContentsDrawCell(QPainter& painter, int column, int row, const QRect& rect)
{
    NoteCell cell;
    cell.column = column;
    cell.row = row;
    cell.current = row == sgContents->currentRow();
    cell.separator = sgContents->rowKind(row) == NoteGrid::RowKind::Separator;
    cell.text = &sgContents->cellUtf8(column, row);
    cell.shown = rect & sgContents->viewport()->rect();
    paintNoteCell(painter, rect, cell, m_listFont, m_state.NoteFont, palette());
}

} // namespace app
