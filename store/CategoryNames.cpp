#include "store/CategoryNames.h"

#include "store/Statements.h"
#include "store/StoreError.h"

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
    QList<qint32> stray;
    qint32 after = 1; // Default and Search are no rows of their own
    for (;;) {
        modify.close();
        modify.clearSql();
        modify.addLine(sql::selectNextNamedGroup(after));
        modify.open();
        const bool found = modify.recordCount() > 0 && modify.value(0, 0).type != Value::Type::Null;
        const qint32 groupId = found ? modify.value(0, 0).toInt() : 0;
        modify.close();
        if (!found)
            break;
        modify.clearSql();
        modify.addLine(sql::selectGroupById(groupId));
        modify.open();
        if (modify.recordCount() == 0)
            stray << groupId;
        modify.close();
        after = groupId;
    }
    if (stray.isEmpty())
        return 0;
    try {
        Database::Transaction transaction(database);
        modify.clearSql();
        modify.addLine(sql::moveStrayNotes(stray));
        modify.execSql();
        const int moved = modify.rowsAffected();
        transaction.commit();
        return moved;
    } catch (const StoreError&) {
        return 0;
    }
}

} // namespace store
