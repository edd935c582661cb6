// Deleting a note and stepping through the list: the tool row's Delete, Prior and Next, and
// a double click on the list.
#include "app/MiniForm.h"
#include "app/NoteEditing.h"

#include "app/MemoText.h"
#include "app/NoteGrid.h"
#include "store/DeletedItems.h"
#include "store/Statements.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>
#include <optional>

namespace app {

namespace {

const QString kId = QStringLiteral("id");
const QString kCreateTime = QStringLiteral("create_time");
const QString kContent = QStringLiteral("content");

// Shows the record the list cursor stands on and makes it the note that Apply changes.
void showCursorNote(TMiniForm& form)
{
    const store::NoteList& list = form.notesFile().AQclipQuery();
    form.pnlStatus1->setText(NoteEditing::tr("Created : %1").arg(list.fieldAsString(kCreateTime)));
    form.noteEditing().showNoteInMemo(list.fieldAsString(kContent));
    form.state().CurNoteId = list.fieldAsInteger(kId);
    form.state().ApplyMode = QStringLiteral("M");
}

// The first note row at or after `row`, else the last one before it, passing by the rows of
// note `passedBy`; -1 when there is none.
int noteRowFrom(const NoteGrid& grid, int row, std::optional<qint32> passedBy = std::nullopt)
{
    const auto isNote = [&](int r) { return grid.rowKind(r) == NoteGrid::RowKind::Note && grid.rowTag(r) != passedBy; };
    for (int r = std::max(row, 0); r < grid.rowCount(); ++r)
        if (isNote(r))
            return r;
    for (int r = std::min(row, grid.rowCount() - 1); r >= 0; --r)
        if (isNote(r))
            return r;
    return -1;
}

// Another program changed the file: the list is read again, so that a step goes through the
// notes as they are now, not to one it deleted. Returns false when reading failed.
bool takeUpChangesElsewhere(TMiniForm& form)
{
    return !form.notesFile().AQclipQuery().changedElsewhere() || form.guarded([&form] { form.sendReloadNoteList(); });
}

} // namespace

// Makes the first row that holds CurNoteId the current row. A row that is current already is
// left alone, as the grid leaves it: its selection handler would show the note again and
// undo what the cursor's at-begin and at-end flags keep.
void NoteEditing::selectCurrentNoteRow()
{
    NoteGrid& grid = *m_form.sgContents;
    for (int row = 0; row < grid.rowCount(); ++row) {
        if (grid.rowKind(row) == NoteGrid::RowKind::Note && grid.rowTag(row) == m_form.state().CurNoteId) {
            if (row != grid.currentRow())
                grid.setCurrentRow(row);
            return;
        }
    }
}

void NoteEditing::imgDeleteClick()
{
    if (!m_form.state().InBrowseMode && m_form.state().ApplyMode != QLatin1String("M")) {
        // A draft of a new note: Delete puts the draft aside, where Undo finds it; nothing
        // stored changes.
        const QString draft = memoText(*m_form.memoContent);
        if (!draft.isEmpty()) {
            m_form.deleteHistory().push(UndoDelete::Draft{draft});
        }
        m_form.memoContent->document()->setModified(false);
        imgBrowseModeClick();
        // The list shown next is the file's as it is now, without notes deleted elsewhere.
        takeUpChangesElsewhere(m_form);
        selectNoteRowFrom(m_form.sgContents->currentRow());
        return;
    }
    deleteShownNote();
}

// Deletes the note on screen: in edit mode the one open in the memo, in browse mode the one
// of the selected row (a separator or the blank row names none). Then the note that took
// its place in the list is shown.
void NoteEditing::deleteShownNote()
{
    qint32 noteId = m_form.state().CurNoteId;
    int row = m_form.sgContents->currentRow();
    if (m_form.state().InBrowseMode) {
        if (m_form.sgContents->rowKind(row) != NoteGrid::RowKind::Note)
            return;
        noteId = m_form.sgContents->rowTag(row);
    } else {
        for (int r = 0; r < m_form.sgContents->rowCount(); ++r)
            if (m_form.sgContents->rowKind(r) == NoteGrid::RowKind::Note && m_form.sgContents->rowTag(r) == noteId)
                row = r;
    }
    // The note that takes its place is the next one in the list, else the one before: found
    // by id, since the rows move when a day's run goes with it.
    const int successorRow = noteRowFrom(*m_form.sgContents, row, noteId);
    const qint32 successor = successorRow < 0 ? 0 : m_form.sgContents->rowTag(successorRow);
    // The memo's note, opened before another file was put in place of the notes file: the id
    // is deleted only while it still holds the text the memo was filled with.
    const bool openedInAnotherFile =
        !m_form.state().InBrowseMode && m_form.state().OpenedIn != m_form.notesFile().database().replacements();
    const bool deleted = m_form.guarded([&] {
        auto note = store::deleteNoteKeeping(m_form.notesFile().database(), m_form.notesFile().AQclipModify(), noteId,
                                             shownSide(m_form.state()),
                                             openedInAnotherFile ? &m_form.state().OpenedText : nullptr);
        if (note) {
            m_form.deleteHistory().push(std::move(*note));
            m_form.OpenDueReminders(); // its reminder went with it
        }
        m_form.sendReloadNoteList();
    });
    if (!deleted)
        return;
    if (!m_form.state().InBrowseMode)
        imgBrowseModeClick();
    // It stands a row or two from where the deleted one stood: looked for from there, so a
    // million rows are not walked.
    for (int r = std::max(row - 2, 0); r < m_form.sgContents->rowCount() && successor != 0; ++r) {
        if (m_form.sgContents->rowKind(r) == NoteGrid::RowKind::Note && m_form.sgContents->rowTag(r) == successor) {
            row = r;
            break;
        }
    }
    selectNoteRowFrom(row);
}

// Shows the first note at or after the row, else the last one before it; with no note in
// the list, none.
void NoteEditing::selectNoteRowFrom(int row)
{
    NoteGrid& grid = *m_form.sgContents;
    const int chosen = noteRowFrom(grid, row);
    if (chosen < 0) {
        m_form.state().CurNoteId = 0;
        m_form.state().ApplyMode = QStringLiteral("I");
        setMemoText(*m_form.memoContent, QString());
        m_form.pnlStatus1->clear(); // the note it told of is gone
        return;
    }
    if (chosen == grid.currentRow()) {
        bool canSelect = true;
        m_form.noteListView().sgContentsSelectCell(1, chosen, canSelect); // the grid would not ask again
    } else {
        grid.setCurrentRow(chosen);
    }
}

void NoteEditing::imgPreClick()
{
    if (!keepTypedText())
        return;
    if (!takeUpChangesElsewhere(m_form))
        return;
    store::NoteList& list = m_form.notesFile().AQclipQuery();
    if (!list.bof()) {
        list.prior();
        showCursorNote(m_form);
    }
    selectCurrentNoteRow();
}

void NoteEditing::imgNextClick()
{
    if (!keepTypedText())
        return;
    if (!takeUpChangesElsewhere(m_form))
        return;
    store::NoteList& list = m_form.notesFile().AQclipQuery();
    if (!list.eof()) {
        // The last rows read so far may be followed by more: the step takes them in.
        const bool stepped = m_form.guarded([&] { list.next(); });
        m_form.noteListView().syncNoteGrid();
        if (!stepped)
            return;
        showCursorNote(m_form);
    }
    selectCurrentNoteRow();
}

void NoteEditing::sgContentsDblClick()
{
    const int row = m_form.sgContents->currentRow();
    store::NoteList& list = m_form.notesFile().AQclipQuery();
    if (m_form.sgContents->rowKind(row) != NoteGrid::RowKind::Note || !list.isOpen() ||
        !list.locateId(m_form.sgContents->rowTag(row))) {
        m_form.state().CurNoteId = 0; // a separator's tag is no note's id
        imgNewClick();
        return;
    }
    m_form.state().CurNoteId = m_form.sgContents->rowTag(row);
    m_form.pnlStatus1->setText(NoteEditing::tr("Created : %1").arg(list.fieldAsString(kCreateTime)));
    showNoteInMemo(list.fieldAsString(kContent));
    m_form.state().ApplyMode = QStringLiteral("M");
    imgEditModeClick();
}

} // namespace app
