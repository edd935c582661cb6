// Notes kept aside when the program ended with the notes file locked by another program, and
// stored by the next start as the exit would have stored them. Stored rather than put back in
// the memo: they are the user's on the disk at once, with nothing left for anyone to do, and
// they land where the exit would have put them (their category, the edited note).
#include "app/KeptDrafts.h"
#include "app/MemoText.h"
#include "app/MiniForm.h"

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
    return folder.isEmpty() ? KeptDrafts(form.database().path()) : KeptDrafts(form.database().path(), folder);
}

} // namespace

void TMiniForm::keepDraftAtExit(const QString& why)
{
    KeptDraft draft;
    draft.edit = m_state.ApplyMode == QLatin1String("M");
    draft.noteId = m_state.CurNoteId;
    draft.copy = m_state.CurGroupId == SearchGroupId;
    const store::Filing filing = categoryForNewNote(*this);
    draft.groupId = filing.groupId;
    draft.categoryName = filing.categoryName.value_or(QString());
    draft.openedText = m_state.OpenedText;
    draft.text = memoText(*memoContent);
    draft.createTime = store::formatCreationTime(store::Clock::now());
    QString error;
    const QString path = keptDraftsOf(*this, m_keptDraftsFolder).keep(draft, error);
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

void TMiniForm::forgetKeptDraft()
{
    if (m_keptDraftPath.isEmpty())
        return;
    KeptDrafts::forget(m_keptDraftPath);
    m_keptDraftPath.clear();
}

QString TMiniForm::storeKeptDrafts()
{
    int stored = 0;
    int waiting = 0;
    for (KeptDrafts::Entry& entry : keptDraftsOf(*this, m_keptDraftsFolder).list()) {
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
            if (!mayBeStored || !store::noteWritten(AQclipModify(), draft.createTime, draft.text)) {
                if (draft.edit) {
                    const store::OpenEdit edit{
                        draft.noteId, draft.copy ? store::sql::Side::Copy : store::sql::Side::Real, draft.openedText};
                    store::applyEdit(database(), AQclipModify(), edit, draft.text, filing, draft.createTime,
                                     m_deleteHistory->highestNoteId());
                } else {
                    store::insertNewNote(database(), AQclipModify(), filing, draft.createTime, draft.text,
                                         m_deleteHistory->highestNoteId());
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
        return QStringLiteral("Note kept at exit: not stored yet");
    return stored > 0 ? QStringLiteral("Note kept at last exit: stored") : QString();
}

} // namespace app
