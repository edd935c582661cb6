#include "store/NoteEdit.h"

#include "store/NoteIdentity.h"
#include "store/NoteInsert.h"

#include <optional>

namespace store {

namespace {

const QString kContent = QStringLiteral("content");

struct StoredNote {
    QString text;
    qint32 groupId = 0;
    QString createTime;
};

std::optional<StoredNote> readNote(Query& modify, qint32 noteId, sql::Side side)
{
    modify.close();
    modify.clearSql();
    modify.addLine(sql::selectWholeNote(noteId, side));
    modify.open();
    std::optional<StoredNote> note;
    if (modify.recordCount() > 0)
        note = StoredNote{modify.fieldAsString(kContent), modify.fieldAsInteger(QStringLiteral("group_id")),
                          modify.fieldAsString(QStringLiteral("create_time"))};
    modify.close();
    return note;
}

void updateText(Query& modify, qint32 noteId, sql::Side side, const QString& text)
{
    modify.restart(sql::updateNoteContent(noteId, side));
    modify.setText(kContent, text);
    modify.execSql();
}

} // namespace

AppliedEdit applyEdit(Database& database, Query& modify, const OpenEdit& edit, const QString& text, Filing filing,
                      const QString& createTime, qint32 idsHeldUpTo)
{
    Database::Transaction transaction(database);
    AppliedEdit applied;
    applied.noteId = edit.noteId;
    const bool copy = edit.side == sql::Side::Copy;
    if (copy && edit.noteId <= sql::kCopyIdOffset) {
        // A copy of no note the program knows: only the copy can take the text.
        updateText(modify, edit.noteId, edit.side, text);
        transaction.commit();
        return applied;
    }
    const qint32 realId = copy ? edit.noteId - sql::kCopyIdOffset : edit.noteId;
    const std::optional<StoredNote> stored = readNote(modify, realId, sql::Side::Real);
    const bool unchanged = stored && (stored->text == edit.textWhenOpened || stored->text == text);
    if (unchanged) {
        updateText(modify, realId, sql::Side::Real, text);
        identity::recordChange(modify, realId, stored->createTime, stored->text, text);
        // The copy shows the text too: editing it later reaches this note and must never bring
        // back the text replaced here.
        updateText(modify, realId + sql::kCopyIdOffset, sql::Side::Copy, text);
        transaction.commit();
        return applied;
    }
    if (stored && text == edit.textWhenOpened) {
        // Applied unchanged: the other program's text stays, and there is nothing of the
        // user's to keep.
        transaction.commit();
        return applied;
    }
    applied.outcome = stored ? AppliedEdit::Outcome::ChangedElsewhere : AppliedEdit::Outcome::NoteGone;
    if (copy)
        filing = Filing(stored ? stored->groupId : 0);
    const NewNote note = insertNoteInTransaction(modify, filing, createTime, text, idsHeldUpTo);
    applied.groupId = note.groupId;
    applied.noteId = note.id;
    if (copy) {
        // The copy now stands for the new note; a stale copy under that id would be a second.
        const qint32 copyId = note.id + sql::kCopyIdOffset;
        if (copyId != edit.noteId) { // the new note may take the old one's id back
            modify.restart(sql::deleteNote(copyId, sql::Side::Copy));
            modify.execSql();
        }
        modify.restart(sql::retieCopy(edit.noteId, copyId));
        modify.setText(kContent, text);
        modify.execSql();
        applied.noteId = copyId;
    }
    transaction.commit();
    return applied;
}

} // namespace store
