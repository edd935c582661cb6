#include "store/CategoryNames.h"

#include "store/Statements.h"

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

} // namespace store
