#include "store/CategoryNames.h"

#include "store/Statements.h"
#include "store/StoreError.h"

#include <sqlite3.h>

namespace store {

QString categoryNameKey(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

bool isReservedCategoryName(const QString& name)
{
    const QString key = categoryNameKey(name);
    return key == QLatin1String("default") || key == QLatin1String("search") || key == QLatin1String("*new");
}

bool categoryNameTaken(Query& modify, const QString& name, const QString& ownName)
{
    const QString key = categoryNameKey(name);
    modify.close();
    modify.clearSql();
    modify.addLine(sql::selectGroupNames);
    modify.open();
    bool taken = false;
    for (int row = 0; row < modify.recordCount() && !taken; ++row) {
        const QString stored = modify.value(row, 0).toString();
        taken = stored != ownName && categoryNameKey(stored) == key;
    }
    modify.close();
    return taken;
}

QString freeCategoryName(Query& modify, const QString& name)
{
    QString candidate = name;
    for (int number = 2; isReservedCategoryName(candidate) || categoryNameTaken(modify, candidate); ++number) {
        const QString suffix = QStringLiteral(" (%1)").arg(number);
        candidate = name.left(kCategoryNameLength - suffix.size()).trimmed() + suffix;
    }
    return candidate;
}

int moveStrayNotesToDefault(Database& database, Query& modify)
{
    // A file opened for reading only keeps them where they are (and may lack the index that
    // makes the look cheap).
    if (sqlite3_db_readonly(database.handle(), "main") == 1)
        return 0;
    // Looked for first: the write lock is taken only when there is something to move, so a
    // start never waits for another program's transaction for nothing.
    modify.close();
    modify.clearSql();
    modify.addLine(sql::selectAnyStrayNote);
    modify.open();
    const bool any = modify.recordCount() > 0;
    modify.close();
    if (!any)
        return 0;
    try {
        Database::Transaction transaction(database);
        modify.clearSql();
        modify.addLine(sql::moveStrayNotesToDefault);
        modify.execSql();
        const int moved = modify.rowsAffected();
        transaction.commit();
        return moved;
    } catch (const StoreError&) {
        return 0;
    }
}

qint32 sameCategoryOr0(Query& modify, qint32 groupId, const QString& name)
{
    if (groupId == 0)
        return 0;
    modify.restart(sql::selectGroupById(groupId));
    modify.open();
    bool same = false;
    for (int row = 0; row < modify.recordCount() && !same; ++row)
        same = modify.value(row, 1).toString() == name;
    modify.close();
    return same ? groupId : 0;
}

} // namespace store
