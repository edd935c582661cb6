// Editing and navigation: the two modes, the tool row and the note commands.
#include "app/MiniForm.h"

#include "app/MemoText.h"
#include "app/NoteGrid.h"
#include "app/Reminders.h"
#include "store/Clock.h"
#include "store/CreationTime.h"
#include "store/DeletedItems.h"
#include "store/NoteEdit.h"
#include "store/NoteInsert.h"
#include "store/Statements.h"
#include "widgets/MouseEffectImage.h"
#include "widgets/TabSet.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
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
const QString kApplyHint = QStringLiteral("Press 'Ctrl + Enter' to apply changes");

// Shows the record the list cursor stands on and makes it the note that Apply changes.
void showCursorNote(TMiniForm& form)
{
    const store::NoteList& list = form.AQclipQuery();
    form.pnlStatus1->setText(QStringLiteral("Created : ") + list.fieldAsString(kCreateTime));
    form.showNoteInMemo(list.fieldAsString(kContent));
    form.state().CurNoteId = list.fieldAsInteger(kId);
    form.state().ApplyMode = QStringLiteral("M");
}

// Makes the first row that holds CurNoteId the current row. A row that is current already is
// left alone, as the grid leaves it: its selection handler would show the note again and
// undo what the cursor's at-begin and at-end flags keep.
void selectCurrentNoteRow(TMiniForm& form)
{
    NoteGrid& grid = *form.sgContents;
    for (int row = 0; row < grid.rowCount(); ++row) {
        if (grid.rowKind(row) == NoteGrid::RowKind::Note && grid.rowTag(row) == form.state().CurNoteId) {
            if (row != grid.currentRow())
                grid.setCurrentRow(row);
            return;
        }
    }
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
    return !form.AQclipQuery().changedElsewhere() || form.guarded([&form] { form.sendReloadNoteList(); });
}

// The side of the notes the list shows: copies in the Search category, real notes elsewhere.
store::sql::Side shownSide(const SharedState& state)
{
    return state.CurGroupId == SearchGroupId ? store::sql::Side::Copy : store::sql::Side::Real;
}


// Stores the memo as a new note of the shown category, or of Default when that category was
// deleted meanwhile. Returns a line for the status bar, empty when there is nothing to say.
QString insertMemoNote(TMiniForm& form, const QString& text, qint32 idsHeldUpTo)
{
    SharedState& state = form.state();
    const store::Filing wanted = categoryForNewNote(form);
    const store::NewNote note = store::insertNewNote(form.database(), form.AQclipModify(), wanted,
                                                     store::formatCreationTime(store::Clock::now()), text, idsHeldUpTo);
    state.CurNoteId = note.id;
    if (note.groupId != wanted.groupId)
        return QStringLiteral("Category gone: saved in Default");
    return note.groupId == state.CurGroupId ? QString() : QStringLiteral("Saved as a new note in Default");
}

// Applies the memo to the note it shows (see store::applyEdit). When the note cannot take the
// text, because it was deleted or changed by another program since it was opened, the text
// becomes a new note, which is then the one on screen. Returns a line for the status bar,
// empty when there is nothing to say.
QString applyChange(TMiniForm& form, const QString& text, qint32 idsHeldUpTo)
{
    SharedState& state = form.state();
    const store::OpenEdit edit{state.CurNoteId, shownSide(state), state.OpenedText};
    const store::AppliedEdit applied =
        store::applyEdit(form.database(), form.AQclipModify(), edit, text, categoryForNewNote(form),
                         store::formatCreationTime(store::Clock::now()), idsHeldUpTo);
    state.CurNoteId = applied.noteId;
    using Outcome = store::AppliedEdit::Outcome;
    if (applied.outcome == Outcome::Stored)
        return {};
    const QString where = applied.groupId == 0 && state.CurGroupId != 0 ? QStringLiteral(" in Default") : QString();
    // The status line holds about 35 characters beside the mode.
    if (applied.outcome == Outcome::ChangedElsewhere)
        return where.isEmpty() ? QStringLiteral("Changed elsewhere: saved as new")
                               : QStringLiteral("Changed elsewhere: new in Default");
    return QStringLiteral("Saved as a new note") + where;
}

// Lets Ctrl+A and Ctrl+Enter reach the window's handler; the memo still gets every key.
class MemoKeys : public QObject {
public:
    explicit MemoKeys(TMiniForm& form) : QObject(&form), m_form(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            m_form.memoContentKeyDown(key->key(), key->modifiers());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TMiniForm& m_form;
};

} // namespace

// The category a new note is filed under: never the Search category, whose rows the next
// search throws away. It is the category of the tab the user writes under, known by its id
// and its name: another program may delete it and give the id to a category of its own.
store::Filing categoryForNewNote(TMiniForm& form)
{
    const SharedState& state = form.state();
    if (state.CurGroupId == SearchGroupId || state.CurGroupId == 0)
        return store::Filing(0);
    return store::Filing(state.CurGroupId, form.tabGroups->caption(form.tabGroups->tabIndex()));
}

void TMiniForm::imgEditModeClick()
{
    memoContent->setFocusPolicy(Qt::StrongFocus);
    memoContent->raise();
    memoContent->setFocus();
    imgEditModeDis->raise();
    imgEditModeDis->show();
    imgEditMode->setEnabled(false);
    imgBrowseMode->setEnabled(true);
    imgBrowseModeDis->hide();
    pnlStatus2->setText(QStringLiteral("(mode:Edit)"));
    tabGroups->setEnabled(true);
    if (m_state.InBrowseMode)
        m_statusBeforeEdit = pnlStatus1->text();
    m_state.InBrowseMode = false;
    pnlStatus1->setText(kApplyHint);
}

void TMiniForm::imgBrowseModeClick()
{
    sgContents->raise();
    // Keys go to what is in front: the memo behind the list must not take typing, Ctrl+Enter
    // or the focus chain's Tab.
    memoContent->setFocusPolicy(Qt::NoFocus);
    sgContents->setFocus();
    imgEditMode->setPicture(imgEditMode->downPicture());
    imgBrowseModeDis->raise();
    imgBrowseModeDis->show();
    imgBrowseMode->setEnabled(false);
    imgEditMode->setEnabled(true);
    imgEditModeDis->hide();
    pnlStatus2->setText(QStringLiteral("(mode:Browse)"));
    tabGroups->setEnabled(true);
    m_state.InBrowseMode = true;
    // The hint to press Ctrl+Enter no longer holds in browse mode: say what became of the
    // typed text, or what the line said before.
    if (pnlStatus1->text() == kApplyHint)
        pnlStatus1->setText(memoContent->document()->isModified() && !memoContent->toPlainText().isEmpty()
                                ? QStringLiteral("Not applied: Edit mode resumes")
                                : m_statusBeforeEdit);
}

void TMiniForm::imgNewClick()
{
    if (!keepTypedText())
        return;
    m_state.ApplyMode = QStringLiteral("I");
    m_state.CurNoteId = 0; // the note on screen is one not stored yet (a reminder set now has none)
    setMemoText(*memoContent, QString());
    imgEditModeClick();
}

void TMiniForm::imgApplyClick()
{
    // In browse mode the memo is hidden: what it holds is not what the user sees.
    if (m_state.InBrowseMode)
        return;
    if (memoContent->toPlainText().isEmpty()) {
        imgBrowseModeClick();
        return;
    }
    QString notice;
    // A failed statement keeps the window as it was, the typed text still in the memo.
    if (!storeMemo(notice))
        return;
    imgBrowseModeClick();
    selectCurrentNoteRow(*this);
    if (!notice.isEmpty())
        pnlStatus1->setText(notice);
}

// Stores the memo's text: a new note, or the change of the one shown. Returns false when a
// statement failed.
bool TMiniForm::storeMemo(QString& notice)
{
    return guarded([&] {
        const bool writes = m_state.ApplyMode == QLatin1String("I") || m_state.ApplyMode == QLatin1String("M");
        notice = writeMemo();
        if (writes)
            sendReloadNoteList();
    });
}

// The write of storeMemo, without the list: one statement's transaction, all or nothing.
QString TMiniForm::writeMemo()
{
    const QString text = memoText(*memoContent);
    QString notice;
    if (m_state.ApplyMode == QLatin1String("I")) {
        // The new note is the one on screen now: the next Apply changes it.
        notice = insertMemoNote(*this, text, m_deleteHistory->highestNoteId());
        m_state.ApplyMode = QStringLiteral("M");
        m_state.OpenedText = text;
    } else if (m_state.ApplyMode == QLatin1String("M")) {
        notice = applyChange(*this, text, m_deleteHistory->highestNoteId());
        m_state.OpenedText = text;
    } else {
        return notice;
    }
    // Kept aside earlier in this run (a logout that was called off): stored now, it must not
    // be stored a second time at the next start.
    forgetKeptDraft();
    return notice;
}

// Stepping to another note or starting a new one while writing would throw away what was typed since the memo
// was filled: it is stored first, as Apply would. Returns false when that failed, and the
// step must not happen.
bool TMiniForm::hasUnstoredText() const
{
    return !m_state.InBrowseMode && memoContent->document()->isModified() && !memoContent->toPlainText().isEmpty();
}

bool TMiniForm::keepTypedText()
{
    if (!hasUnstoredText())
        return true;
    QString notice;
    return storeMemo(notice);
}

void TMiniForm::imgDeleteClick()
{
    if (!m_state.InBrowseMode && m_state.ApplyMode != QLatin1String("M")) {
        // A draft of a new note: Delete puts the draft aside, where Undo finds it; nothing
        // stored changes.
        const QString draft = memoText(*memoContent);
        if (!draft.isEmpty()) {
            m_deleteHistory->push(UndoDelete::Draft{draft});
        }
        memoContent->document()->setModified(false);
        imgBrowseModeClick();
        // The list shown next is the file's as it is now, without notes deleted elsewhere.
        takeUpChangesElsewhere(*this);
        selectNoteRowFrom(sgContents->currentRow());
        return;
    }
    deleteShownNote();
}

// Deletes the note on screen: in edit mode the one open in the memo, in browse mode the one
// of the selected row (a separator or the blank row names none). Then the note that took
// its place in the list is shown.
void TMiniForm::deleteShownNote()
{
    qint32 noteId = m_state.CurNoteId;
    int row = sgContents->currentRow();
    if (m_state.InBrowseMode) {
        if (sgContents->rowKind(row) != NoteGrid::RowKind::Note)
            return;
        noteId = sgContents->rowTag(row);
    } else {
        for (int r = 0; r < sgContents->rowCount(); ++r)
            if (sgContents->rowKind(r) == NoteGrid::RowKind::Note && sgContents->rowTag(r) == noteId)
                row = r;
    }
    // The note that takes its place is the next one in the list, else the one before: found
    // by id, since the rows move when a day's run goes with it.
    const int successorRow = noteRowFrom(*sgContents, row, noteId);
    const qint32 successor = successorRow < 0 ? 0 : sgContents->rowTag(successorRow);
    const bool deleted = guarded([&] {
        auto note = store::deleteNoteKeeping(database(), AQclipModify(), noteId, shownSide(m_state));
        if (note) {
            m_deleteHistory->push(std::move(*note));
            OpenDueReminders(); // its reminder went with it
        }
        sendReloadNoteList();
    });
    if (!deleted)
        return;
    if (!m_state.InBrowseMode)
        imgBrowseModeClick();
    // It stands a row or two from where the deleted one stood: looked for from there, so a
    // million rows are not walked.
    for (int r = std::max(row - 2, 0); r < sgContents->rowCount() && successor != 0; ++r) {
        if (sgContents->rowKind(r) == NoteGrid::RowKind::Note && sgContents->rowTag(r) == successor) {
            row = r;
            break;
        }
    }
    selectNoteRowFrom(row);
}

// Shows the first note at or after the row, else the last one before it; with no note in
// the list, none.
void TMiniForm::selectNoteRowFrom(int row)
{
    NoteGrid& grid = *sgContents;
    const int chosen = noteRowFrom(grid, row);
    if (chosen < 0) {
        m_state.CurNoteId = 0;
        m_state.ApplyMode = QStringLiteral("I");
        setMemoText(*memoContent, QString());
        pnlStatus1->clear(); // the note it told of is gone
        return;
    }
    if (chosen == grid.currentRow()) {
        bool canSelect = true;
        m_noteListView->sgContentsSelectCell(1, chosen, canSelect); // the grid would not ask again
    } else {
        grid.setCurrentRow(chosen);
    }
}

qint32 TMiniForm::noteIdForReminder() const
{
    if (m_state.CurGroupId == SearchGroupId && m_state.CurNoteId > store::sql::kCopyIdOffset)
        return m_state.CurNoteId - store::sql::kCopyIdOffset;
    return m_state.CurNoteId;
}

void TMiniForm::imgPreClick()
{
    if (!keepTypedText())
        return;
    if (!takeUpChangesElsewhere(*this))
        return;
    store::NoteList& list = AQclipQuery();
    if (!list.bof()) {
        list.prior();
        showCursorNote(*this);
    }
    selectCurrentNoteRow(*this);
}

void TMiniForm::imgNextClick()
{
    if (!keepTypedText())
        return;
    if (!takeUpChangesElsewhere(*this))
        return;
    store::NoteList& list = AQclipQuery();
    if (!list.eof()) {
        // The last rows read so far may be followed by more: the step takes them in.
        const bool stepped = guarded([&] { list.next(); });
        m_noteListView->syncNoteGrid();
        if (!stepped)
            return;
        showCursorNote(*this);
    }
    selectCurrentNoteRow(*this);
}

void TMiniForm::sgContentsDblClick()
{
    const int row = sgContents->currentRow();
    store::NoteList& list = AQclipQuery();
    if (sgContents->rowKind(row) != NoteGrid::RowKind::Note || !list.isOpen() ||
        !list.locateId(sgContents->rowTag(row))) {
        m_state.CurNoteId = 0; // a separator's tag is no note's id
        imgNewClick();
        return;
    }
    m_state.CurNoteId = sgContents->rowTag(row);
    pnlStatus1->setText(QStringLiteral("Created : ") + list.fieldAsString(kCreateTime));
    showNoteInMemo(list.fieldAsString(kContent));
    m_state.ApplyMode = QStringLiteral("M");
    imgEditModeClick();
}

void TMiniForm::showNoteInMemo(const QString& text)
{
    setMemoText(*memoContent, text);
    m_state.OpenedText = text;
}

void TMiniForm::restoreDraft(const QString& text)
{
    imgNewClick();
    setMemoText(*memoContent, text);
    memoContent->document()->setModified(true);
    memoContent->moveCursor(QTextCursor::End);
}

void TMiniForm::storeBeforeExit()
{
    // On the way out nobody may be there to answer a message (a logout, SIGTERM): a file that
    // another program keeps locked is waited for a few seconds, then what was typed is kept
    // aside for the next start, which stores it.
    const int usualWait = database().busyTimeout();
    database().setBusyTimeout(m_exitWaitMs);
    if (hasUnstoredText()) {
        try {
            writeMemo();
        } catch (const store::StoreError& error) {
            keepDraftAtExit(error.message());
            m_fileBusyAtExit = true;
        }
        // Stored or kept: a second pass on the way out (closing, then quitting) has nothing to do.
        memoContent->document()->setModified(false);
    }
    // Closing the window and then quitting both come here: a file found busy once on the way
    // out is not waited for a second time.
    if (!m_fileBusyAtExit) {
        m_fileBusyAtExit = !m_reminders->keepCheckedAtExit();
    }
    database().setBusyTimeout(usualWait);
}

void TMiniForm::Copy1Click()
{
    QGuiApplication::clipboard()->setText(sgContents->cellText(1, sgContents->currentRow()));
}

void TMiniForm::Edit1Click()
{
    imgEditModeClick();
}
void TMiniForm::Deletenote1Click()
{
    imgDeleteClick();
}

void TMiniForm::memoContentKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!(modifiers & Qt::ControlModifier))
        return;
    if (key == Qt::Key_A)
        memoContent->selectAll();
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        imgApplyClick();
}

void TMiniForm::installMemoKeys()
{
    memoContent->installEventFilter(new MemoKeys(*this));
}

} // namespace app
