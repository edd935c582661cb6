#include "store/NoteInsert.h"

#include "store/CategoryNames.h"
#include "store/NoteIdentity.h"
#include "store/Statements.h"

#include <algorithm>

namespace store {

qint32 nextNoteId(Query& modify, qint32 idsHeldUpTo)
{
    modify.close();
    modify.clearSql();
    modify.addLine(sql::selectMaxNoteId);
    modify.open();
    const qint32 newId = std::max(modify.fieldAsInteger(QStringLiteral("max_id")), idsHeldUpTo) + 1;
    modify.close();
    modify.clearSql();
    return newId;
}

bool noteWritten(Query& modify, const QString& createTime, const QString& content)
{
    modify.restart(sql::selectNoteWritten);
    modify.setText(QStringLiteral("create_time"), createTime);
    modify.setText(QStringLiteral("content"), content);
    modify.open();
    const bool written = modify.recordCount() > 0;
    modify.close();
    return written;
}

qint32 existingCategoryOr0(Query& modify, qint32 groupId)
{
    if (groupId == 0)
        return 0;
    modify.restart(sql::selectGroupById(groupId));
    modify.open();
    const bool exists = modify.recordCount() > 0;
    modify.close();
    return exists ? groupId : 0;
}

NewNote insertNoteInTransaction(Query& modify, const Filing& filing, const QString& createTime, const QString& content,
                                qint32 idsHeldUpTo, const std::function<void()>& idChosen)
{
    NewNote note;
    note.groupId = filing.categoryName ? sameCategoryOr0(modify, filing.groupId, *filing.categoryName)
                                       : existingCategoryOr0(modify, filing.groupId);
    note.id = nextNoteId(modify, idsHeldUpTo);
    if (idChosen)
        idChosen();
    modify.addLine(sql::insertNote(note.id, note.groupId));
    modify.setText(QStringLiteral("content"), content);
    modify.setText(QStringLiteral("create_time"), createTime);
    modify.execSql();
    identity::give(modify, note.id, createTime, content);
    return note;
}

NewNote insertNewNote(Database& database, Query& modify, const Filing& filing, const QString& createTime,
                      const QString& content, qint32 idsHeldUpTo, const std::function<void()>& idChosen)
{
    Database::Transaction transaction(database);
    const NewNote note = insertNoteInTransaction(modify, filing, createTime, content, idsHeldUpTo, idChosen);
    transaction.commit();
    return note;
}

} // namespace store
