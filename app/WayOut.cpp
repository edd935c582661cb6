// The way out: what was typed is stored before the program ends.
//
// Notes kept aside when the program ended with the notes file locked by another program, and
// stored by the next start as the exit would have stored them. Stored rather than put back in
// the memo: they are the user's on the disk at once, with nothing left for anyone to do, and
// they land where the exit would have put them (their category, the edited note).
#include "app/WayOut.h"
#include "app/KeptDrafts.h"
#include "app/MemoText.h"
#include "app/MiniForm.h"
#include "app/NoteEditing.h"
#include "app/Reminders.h"

#include "store/Clock.h"
#include "store/CreationTime.h"
#include "store/NoteEdit.h"
#include "store/NoteInsert.h"

#include <QLoggingCategory>
#include <QPlainTextEdit>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace app {

namespace {

KeptDrafts keptDraftsOf(TMiniForm& form, const QString& folder)
{
    return folder.isEmpty() ? KeptDrafts(form.notesFile().database().path())
                            : KeptDrafts(form.notesFile().database().path(), folder);
}

} // namespace

WayOut::WayOut(TMiniForm& form) : m_form(form) {}

void WayOut::storeBeforeExit()
{
    // On the way out nobody may be there to answer a message (a logout, SIGTERM): a file that
    // another program keeps locked is waited for a few seconds, then what was typed is kept
    // aside for the next start, which stores it.
    const int usualWait = m_form.notesFile().database().busyTimeout();
    m_form.notesFile().database().setBusyTimeout(m_exitWaitMs);
    if (m_form.noteEditing().hasUnstoredText()) {
        try {
            m_form.noteEditing().writeMemo();
        } catch (const store::StoreError& error) {
            keepDraftAtExit(error.message());
            m_fileBusyAtExit = true;
        }
        // Stored or kept: a second pass on the way out (closing, then quitting) has nothing to do.
        m_form.memoContent->document()->setModified(false);
    }
    // Closing the window and then quitting both come here: a file found busy once on the way
    // out is not waited for a second time.
    if (!m_fileBusyAtExit) {
        m_fileBusyAtExit = !m_form.reminders().keepCheckedAtExit();
    }
    m_form.notesFile().database().setBusyTimeout(usualWait);
}

void WayOut::keepDraftAtExit(const QString& why)
{
    KeptDraft draft;
    draft.edit = m_form.state().ApplyMode == QLatin1String("M");
    draft.noteId = m_form.state().CurNoteId;
    draft.copy = m_form.state().CurGroupId == SearchGroupId;
    const store::Filing filing = categoryForNewNote(m_form);
    draft.groupId = filing.groupId;
    draft.categoryName = filing.categoryName.value_or(QString());
    draft.openedText = m_form.state().OpenedText;
    draft.text = memoText(*m_form.memoContent);
    draft.createTime = store::formatCreationTime(store::Clock::now());
    QString error;
    const QString path = keptDraftsOf(m_form, m_keptDraftsFolder).keep(draft, error);
    if (path.isEmpty()) {
        // The last place left: the log, where the user can still find the text.
        qCCritical(lcApp).noquote() << "the notes file could not take the note being written (" << why
                                    << ") and it could not be kept aside (" << error << "); its text:" << draft.text;
        return;
    }
    forgetKeptDraft(); // one kept earlier in this run (a logout called off) is in this one
    m_keptDraftPath = path;
    qCWarning(lcApp).noquote() << "the notes file could not take the note being written (" << why << "); kept in"
                               << path << "for the next start to store";
}

void WayOut::forgetKeptDraft()
{
    if (m_keptDraftPath.isEmpty())
        return;
    KeptDrafts::forget(m_keptDraftPath);
    m_keptDraftPath.clear();
}

QString WayOut::storeKeptDrafts()
{
    int stored = 0;
    int waiting = 0;
    for (KeptDrafts::Entry& entry : keptDraftsOf(m_form, m_keptDraftsFolder).list()) {
        const KeptDraft& draft = entry.draft;
        const store::Filing filing = draft.categoryName.isEmpty() ? store::Filing(draft.groupId)
                                                                  : store::Filing(draft.groupId, draft.categoryName);
        // Taken up by a start that may have ended between storing it and forgetting it: not
        // stored a second time when a note holds it already.
        const bool mayBeStored = entry.beingStored;
        if (!KeptDrafts::markBeingStored(entry)) {
            ++waiting;
            continue;
        }
        try {
            if (!mayBeStored || !store::noteWritten(m_form.notesFile().AQclipModify(), draft.createTime, draft.text)) {
                if (draft.edit) {
                    const store::OpenEdit edit{
                        draft.noteId, draft.copy ? store::sql::Side::Copy : store::sql::Side::Real, draft.openedText};
                    store::applyEdit(m_form.notesFile().database(), m_form.notesFile().AQclipModify(), edit, draft.text,
                                     filing, draft.createTime, m_form.deleteHistory().highestNoteId());
                } else {
                    store::insertNewNote(m_form.notesFile().database(), m_form.notesFile().AQclipModify(), filing,
                                         draft.createTime, draft.text, m_form.deleteHistory().highestNoteId());
                }
            }
            KeptDrafts::forget(entry.path);
            ++stored;
        } catch (const store::StoreError& error) {
            if (!mayBeStored) // certainly not stored: the next start need not look
                KeptDrafts::unmark(entry);
            ++waiting;
            qCWarning(lcApp).noquote() << "the note kept in" << entry.path << "is not stored yet:" << error.message();
        }
    }
    if (waiting > 0)
        return tr("Note kept at exit: not stored yet");
    return stored > 0 ? tr("Note kept at last exit: stored") : QString();
}

} // namespace app
