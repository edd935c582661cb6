// The note list: rebuilding it from the store, selecting, hints and drawing.
#include "app/NoteListView.h"
#include "app/MiniForm.h"

#include "app/MemoText.h"
#include "app/NoteCellPainter.h"
#include "app/NoteGrid.h"
#include "store/CreationTime.h"
#include "store/Statements.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <algorithm>
#include <utility>

namespace app {

namespace {
constexpr int kSeparatorHeight = 22;
}

NoteListView::NoteListView(TMiniForm& form) : m_form(form) {}

void NoteListView::connectGrid()
{
    NoteGrid& grid = *m_form.sgContents;
    grid.onSelectCell = [this](int column, int row, bool& canSelect) { sgContentsSelectCell(column, row, canSelect); };
    grid.onDrawCell = [this](QPainter& painter, int column, int row, const QRect& rect) {
        sgContentsDrawCell(painter, column, row, rect);
    };
    grid.onMouseDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& point) {
        sgContentsMouseDown(button, modifiers, point);
    };
    grid.onMouseMove = [this](Qt::KeyboardModifiers modifiers, const QPoint& point) {
        sgContentsMouseMove(modifiers, point);
    };
    grid.cellSource = [this](int column, int row) { return sgContentsCellText(column, row); };
    // A list filled before the window was first shown measured the scroll bar against a
    // viewport not laid out yet: the bar that goes at the first showing gives its room back.
    QObject::connect(grid.verticalScrollBar(), &QScrollBar::rangeChanged, &m_form, [this] { fitTextColumn(); });
    grid.onWantsEnd = [this] {
        if (!m_rebuildingList)
            waitForNoteList();
    };
    // The rest of a list comes in on the reading thread; the window takes it on its own.
    m_form.notesFile().AQclipQuery().onRestRead = [this](int generation) {
        QMetaObject::invokeMethod(
            &m_form,
            [this, generation] {
                if (generation == m_form.notesFile().AQclipQuery().generation())
                    takeRestOfNoteList();
            },
            Qt::QueuedConnection);
    };
}

// The text column takes the width the time column and the scroll bar, when shown, leave.
void NoteListView::fitTextColumn()
{
    NoteGrid& grid = *m_form.sgContents;
    grid.setColWidth(1, grid.width() - grid.colWidth(0) - (grid.hasVerticalScrollBar() ? 18 : 0));
}

void NoteListView::reloadNoteList()
{
    store::NoteList& list = m_form.notesFile().AQclipQuery();
    try {
        list.refresh(m_form.state().CurGroupId);
    } catch (const store::StoreError&) {
        fillNoteGrid(); // the rows the list holds now, whatever the failure left
        throw;
    }
    fillNoteGrid();

    // The cursor starts again from the first row, as on a list read anew.
    const bool found = list.seekId(m_form.state().CurNoteId);
    syncNoteGrid(); // looking further may have taken in the rest of the list
    if (list.recordCount() > 0) {
        m_form.state().ApplyMode = QStringLiteral("M");
        if (found) {
            m_form.pnlStatus1->setText(tr("Created : %1").arg(list.fieldAsString(QStringLiteral("create_time"))));
            m_form.noteEditing().showNoteInMemo(list.fieldAsString(QStringLiteral("content")));
            return;
        }
    }
    // The note last shown is not in this list: nothing is shown, so the hidden memo holds no
    // text that a later Apply could put into a note the user does not see.
    m_form.state().CurNoteId = 0;
    m_form.state().ApplyMode = QStringLiteral("I");
    setMemoText(*m_form.memoContent, QString());
}

// One separator row before each day's run of notes, then a row per note; the texts are the
// list's, read when a row is drawn.
void NoteListView::fillNoteGrid()
{
    const store::NoteList& list = m_form.notesFile().AQclipQuery();
    const store::NoteRows& rows = list.rows();
    NoteGrid& grid = *m_form.sgContents;
    {
        m_rebuildingList = true;
        m_hintRow = -1;
        const auto done = qScopeGuard([this, &grid] {
            grid.endUpdate();
            m_rebuildingList = false;
        });
        grid.beginUpdate();
        grid.setRowCount(0); // one row is left, keeping its height
        grid.setRowTag(0, 0);
        grid.setRowKind(0, NoteGrid::RowKind::Blank);
        grid.reserveRows(rows.gridRowCount());
        m_gridNotes = 0;
        appendNoteRows(rows);
    }
    m_gridLayout = list.layout();

    // Whichever way the rebuild ends, the list opens on its current row, and the text
    // column clears the scroll bar the new rows may have brought.
    grid.showCurrentRow();
    fitTextColumn();
}

void NoteListView::appendNoteRows(const store::NoteRows& rows)
{
    NoteGrid& grid = *m_form.sgContents;
    int nextRun = m_gridNotes < rows.size() ? rows.runOf(m_gridNotes) : rows.runCount();
    if (nextRun >= 0 && nextRun < rows.runCount() && rows.runStart(nextRun) < m_gridNotes)
        ++nextRun; // that run's separator is in the grid already
    for (int note = m_gridNotes; note < rows.size(); ++note) {
        if (nextRun < rows.runCount() && rows.runStart(nextRun) == note) {
            ++nextRun;
            if (note == 0) {
                grid.setRowTag(0, SeparatorRowTag);
                grid.setRowKind(0, NoteGrid::RowKind::Separator);
                grid.setRowHeight(0, kSeparatorHeight);
            } else {
                grid.appendRow(SeparatorRowTag, NoteGrid::RowKind::Separator, kSeparatorHeight);
            }
        }
        grid.appendRow(rows.id(note), NoteGrid::RowKind::Note, grid.defaultRowHeight());
    }
    m_gridNotes = rows.size();
}

// Rows the list took in since the grid was filled are added below the others; the current
// row and the scroll position stay. When the rows moved instead (changes of this process
// taken up with the rest of a read), the grid is made again on the same note, and the memo,
// which may hold what the user is writing, is left alone.
void NoteListView::syncNoteGrid()
{
    store::NoteList& list = m_form.notesFile().AQclipQuery();
    NoteGrid& grid = *m_form.sgContents;
    if (list.layout() != m_gridLayout) {
        fillNoteGrid();
        bool found = false;
        try {
            found = list.locateId(m_form.state().CurNoteId); // the list is whole by now: no reading
        } catch (const store::StoreError&) {
        }
        if (!found)
            return;
        const int row = list.rows().gridRowOfNote(list.recNo());
        m_rebuildingList = true;
        grid.setCurrentRow(row);
        m_rebuildingList = false;
        return;
    }
    if (list.rows().size() == m_gridNotes)
        return;
    grid.beginUpdate();
    appendNoteRows(list.rows());
    grid.endUpdate();
    fitTextColumn();
}

void NoteListView::takeRestOfNoteList()
{
    m_form.guarded([this] {
        const auto sync = qScopeGuard([this] { syncNoteGrid(); });
        m_form.notesFile().AQclipQuery().takeRest();
    });
}

void NoteListView::waitForNoteList()
{
    if (!m_form.notesFile().AQclipQuery().complete())
        takeRestOfNoteList();
}

void NoteListView::sgContentsSelectCell(int, int row, bool&)
{
    // The rows the grid selects by itself while the list is rebuilt show nothing; every
    // row the user or a command selects shows its note.
    if (m_rebuildingList)
        return;
    store::NoteList& list = m_form.notesFile().AQclipQuery();
    if (m_form.sgContents->rowKind(row) != NoteGrid::RowKind::Note || !list.isOpen())
        return;
    const bool found = list.locateId(m_form.sgContents->rowTag(row));
    syncNoteGrid();
    if (!found)
        return;
    m_form.pnlStatus1->setText(tr("Created : %1").arg(list.fieldAsString(QStringLiteral("create_time"))));
    m_form.noteEditing().showNoteInMemo(list.fieldAsString(QStringLiteral("content")));
    m_form.state().CurNoteId = list.fieldAsInteger(QStringLiteral("id"));
    m_form.state().ApplyMode = QStringLiteral("M");
}

void NoteListView::sgContentsMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint& point)
{
    if (button != Qt::RightButton)
        return;
    int column = 0;
    int row = -1;
    m_form.sgContents->mouseToCell(point, column, row);
    if (row >= 0)
        m_form.sgContents->setCurrentRow(row);
}

void NoteListView::sgContentsMouseMove(Qt::KeyboardModifiers, const QPoint& point)
{
    int column = 0;
    int row = -1;
    m_form.sgContents->mouseToCell(point, column, row);
    if (row < 0 || row == m_hintRow)
        return; // below the last row the hint keeps its text
    m_hintRow = row;
    m_form.sgContents->setHint(m_form.sgContents->cellText(1, row));
}

QByteArray NoteListView::sgContentsCellText(int column, int row) const
{
    const store::NoteList& list = std::as_const(m_form.notesFile()).AQclipQuery();
    const store::NoteRows& rows = list.rows();
    int run = -1;
    const int note = rows.noteAtGridRow(row, &run);
    switch (m_form.sgContents->rowKind(row)) {
    case NoteGrid::RowKind::Separator:
        return column == 1 && run >= 0 ? rows.day(rows.runStart(run)) : QByteArray();
    case NoteGrid::RowKind::Note:
        if (note < 0)
            return {};
        return column == 0 ? store::timeOfCreateTime(list.createTime(note)) : list.content(note);
    case NoteGrid::RowKind::Blank:
        break;
    }
    return {};
}

void NoteListView::sgContentsDrawCell(QPainter& painter, int column, int row, const QRect& rect)
{
    const QByteArray text = sgContentsCellText(column, row);
    NoteCell cell;
    cell.column = column;
    cell.row = row;
    cell.current = row == m_form.sgContents->currentRow();
    cell.separator = m_form.sgContents->rowKind(row) == NoteGrid::RowKind::Separator;
    cell.text = &text;
    cell.shown = rect & m_form.sgContents->viewport()->rect();
    paintNoteCell(painter, rect, cell, m_listFont, m_form.state().NoteFont, m_form.palette());
}

} // namespace app
