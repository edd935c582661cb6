#include "store/NoteInsert.h"

#include "store/Statements.h"

namespace store {

qint32 insertNewNote(Database& database, Query& modify, qint32 groupId, const QString& createTime,
                     const QString& content)
{
    Database::Transaction transaction(database);
    modify.close();
    modify.clearSql();
    modify.addLine(sql::selectMaxNoteId);
    modify.open();
    const qint32 newId = modify.fieldAsInteger(QStringLiteral("max_id")) + 1;
    modify.close();
    modify.clearSql();
    modify.addLine(sql::insertNote(newId, groupId));
    modify.setText(QStringLiteral("content"), content);
    modify.setText(QStringLiteral("create_time"), createTime);
    modify.execSql();
    transaction.commit();
    return newId;
}

} // namespace store
