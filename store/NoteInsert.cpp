#include "store/NoteInsert.h"

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

qint32 insertNewNote(Database& database, Query& modify, qint32 groupId, const QString& createTime,
                     const QString& content, qint32 idsHeldUpTo, const std::function<void()>& idChosen)
{
    Database::Transaction transaction(database);
    const qint32 newId = nextNoteId(modify, idsHeldUpTo);
    if (idChosen)
        idChosen();
    modify.addLine(sql::insertNote(newId, groupId));
    modify.setText(QStringLiteral("content"), content);
    modify.setText(QStringLiteral("create_time"), createTime);
    modify.execSql();
    transaction.commit();
    return newId;
}

} // namespace store
