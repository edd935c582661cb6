// Editing: the two modes, a new note, Apply, the memo's keys and the note commands that
// only show or copy.
#include "app/NoteEditing.h"
#include "app/MiniForm.h"

#include "app/MemoText.h"
#include "app/NoteGrid.h"
#include "app/WayOut.h"
#include "store/Clock.h"
#include "store/CreationTime.h"
#include "store/NoteEdit.h"
#include "store/NoteInsert.h"
#include "widgets/MouseEffectImage.h"
#include "widgets/TabSet.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace app {

namespace {

// Read again at each use: browse mode knows the hint by its text, in the language shown.
QString applyHint()
{
    return NoteEditing::tr("Press 'Ctrl + Enter' to apply changes");
}

// Stores the memo as a new note of the shown category, or of Default when that category was
// deleted meanwhile. Returns a line for the status bar, empty when there is nothing to say.
QString insertMemoNote(TMiniForm& form, const QString& text, qint32 idsHeldUpTo)
{
    SharedState& state = form.state();
    const store::Filing wanted = categoryForNewNote(form);
    const store::NewNote note =
        store::insertNewNote(form.notesFile().database(), form.notesFile().AQclipModify(), wanted,
                             store::formatCreationTime(store::Clock::now()), text, idsHeldUpTo);
    state.CurNoteId = note.id;
    if (note.groupId != wanted.groupId)
        return NoteEditing::tr("Category gone: saved in Default");
    return note.groupId == state.CurGroupId ? QString() : NoteEditing::tr("Saved as a new note in Default");
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
        store::applyEdit(form.notesFile().database(), form.notesFile().AQclipModify(), edit, text,
                         categoryForNewNote(form), store::formatCreationTime(store::Clock::now()), idsHeldUpTo);
    state.CurNoteId = applied.noteId;
    using Outcome = store::AppliedEdit::Outcome;
    if (applied.outcome == Outcome::Stored)
        return {};
    const bool toDefault = applied.groupId == 0 && state.CurGroupId != 0;
    // The status line holds about 35 characters beside the mode.
    if (applied.outcome == Outcome::ChangedElsewhere)
        return !toDefault ? NoteEditing::tr("Changed elsewhere: saved as new")
                          : NoteEditing::tr("Changed elsewhere: new in Default");
    return toDefault ? NoteEditing::tr("Saved as a new note in Default") : NoteEditing::tr("Saved as a new note");
}

// Lets Ctrl+A and Ctrl+Enter reach the window's handler; the memo still gets every key.
class MemoKeys : public QObject {
public:
    MemoKeys(NoteEditing& editing, QObject* parent) : QObject(parent), m_form(editing) {}

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
    NoteEditing& m_form;
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

NoteEditing::NoteEditing(TMiniForm& form) : m_form(form) {}

void NoteEditing::imgEditModeClick()
{
    m_form.memoContent->setFocusPolicy(Qt::StrongFocus);
    m_form.memoContent->raise();
    m_form.memoContent->setFocus();
    m_form.imgEditModeDis->raise();
    m_form.imgEditModeDis->show();
    m_form.imgEditMode->setEnabled(false);
    m_form.imgBrowseMode->setEnabled(true);
    m_form.imgBrowseModeDis->hide();
    m_form.pnlStatus2->setText(tr("(mode:Edit)"));
    m_form.tabGroups->setEnabled(true);
    if (m_form.state().InBrowseMode)
        m_statusBeforeEdit = m_form.pnlStatus1->text();
    m_form.state().InBrowseMode = false;
    m_form.pnlStatus1->setText(applyHint());
}

void NoteEditing::imgBrowseModeClick()
{
    m_form.sgContents->raise();
    // Keys go to what is in front: the memo behind the list must not take typing, Ctrl+Enter
    // or the focus chain's Tab.
    m_form.memoContent->setFocusPolicy(Qt::NoFocus);
    m_form.sgContents->setFocus();
    m_form.imgEditMode->setPicture(m_form.imgEditMode->downPicture());
    m_form.imgBrowseModeDis->raise();
    m_form.imgBrowseModeDis->show();
    m_form.imgBrowseMode->setEnabled(false);
    m_form.imgEditMode->setEnabled(true);
    m_form.imgEditModeDis->hide();
    m_form.pnlStatus2->setText(tr("(mode:Browse)"));
    m_form.tabGroups->setEnabled(true);
    m_form.state().InBrowseMode = true;
    // The hint to press Ctrl+Enter no longer holds in browse mode: say what became of the
    // typed text, or what the line said before.
    if (m_form.pnlStatus1->text() == applyHint())
        m_form.pnlStatus1->setText(m_form.memoContent->document()->isModified() &&
                                           !m_form.memoContent->toPlainText().isEmpty()
                                       ? tr("Not applied: Edit mode resumes")
                                       : m_statusBeforeEdit);
}

void NoteEditing::imgNewClick()
{
    if (!keepTypedText())
        return;
    m_form.state().ApplyMode = QStringLiteral("I");
    m_form.state().CurNoteId = 0; // the note on screen is one not stored yet (a reminder set now has none)
    setMemoText(*m_form.memoContent, QString());
    imgEditModeClick();
}

void NoteEditing::imgApplyClick()
{
    // In browse mode the memo is hidden: what it holds is not what the user sees.
    if (m_form.state().InBrowseMode)
        return;
    if (m_form.memoContent->toPlainText().isEmpty()) {
        imgBrowseModeClick();
        return;
    }
    QString notice;
    // A failed statement keeps the window as it was, the typed text still in the memo.
    if (!storeMemo(notice))
        return;
    imgBrowseModeClick();
    selectCurrentNoteRow();
    if (!notice.isEmpty())
        m_form.showOutcome(notice);
}

// Stores the memo's text: a new note, or the change of the one shown. Returns false when a
// statement failed.
bool NoteEditing::storeMemo(QString& notice)
{
    return m_form.guarded([&] {
        const bool writes =
            m_form.state().ApplyMode == QLatin1String("I") || m_form.state().ApplyMode == QLatin1String("M");
        notice = writeMemo();
        if (writes)
            m_form.sendReloadNoteList();
    });
}

// The write of storeMemo, without the list: one statement's transaction, all or nothing.
QString NoteEditing::writeMemo()
{
    const QString text = memoText(*m_form.memoContent);
    QString notice;
    if (m_form.state().ApplyMode == QLatin1String("I")) {
        // The new note is the one on screen now: the next Apply changes it.
        notice = insertMemoNote(m_form, text, m_form.deleteHistory().highestNoteId());
        m_form.state().ApplyMode = QStringLiteral("M");
        m_form.state().OpenedText = text;
    } else if (m_form.state().ApplyMode == QLatin1String("M")) {
        notice = applyChange(m_form, text, m_form.deleteHistory().highestNoteId());
        m_form.state().OpenedText = text;
    } else {
        return notice;
    }
    m_form.state().OpenedIn = m_form.notesFile().database().replacements();
    // Kept aside earlier in this run (a logout that was called off): stored now, it must not
    // be stored a second time at the next start.
    m_form.wayOut().forgetKeptDraft();
    return notice;
}

// Stepping to another note or starting a new one while writing would throw away what was typed since the memo
// was filled: it is stored first, as Apply would. Returns false when that failed, and the
// step must not happen.
bool NoteEditing::hasUnstoredText() const
{
    return !m_form.state().InBrowseMode && m_form.memoContent->document()->isModified() &&
           !m_form.memoContent->toPlainText().isEmpty();
}

bool NoteEditing::keepTypedText()
{
    if (!hasUnstoredText())
        return true;
    QString notice;
    return storeMemo(notice);
}

qint32 NoteEditing::noteIdForReminder() const
{
    if (m_form.state().CurGroupId == SearchGroupId && m_form.state().CurNoteId > store::sql::kCopyIdOffset)
        return m_form.state().CurNoteId - store::sql::kCopyIdOffset;
    return m_form.state().CurNoteId;
}

void NoteEditing::showNoteInMemo(const QString& text)
{
    setMemoText(*m_form.memoContent, text);
    m_form.state().OpenedText = text;
    m_form.state().OpenedIn = m_form.notesFile().database().replacements();
}

void NoteEditing::restoreDraft(const QString& text)
{
    imgNewClick();
    setMemoText(*m_form.memoContent, text);
    m_form.memoContent->document()->setModified(true);
    m_form.memoContent->moveCursor(QTextCursor::End);
}

void NoteEditing::Copy1Click()
{
    QGuiApplication::clipboard()->setText(m_form.sgContents->cellText(1, m_form.sgContents->currentRow()));
}

void NoteEditing::Edit1Click()
{
    imgEditModeClick();
}

void NoteEditing::Deletenote1Click()
{
    imgDeleteClick();
}

void NoteEditing::memoContentKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!(modifiers & Qt::ControlModifier))
        return;
    if (key == Qt::Key_A)
        m_form.memoContent->selectAll();
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        imgApplyClick();
}

void NoteEditing::installMemoKeys()
{
    m_form.memoContent->installEventFilter(new MemoKeys(*this, m_form.memoContent));
}

} // namespace app
