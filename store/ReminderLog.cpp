#include "store/ReminderLog.h"

#include "store/Statements.h"

namespace store::reminderlog {

namespace {

const QString kMinute = QStringLiteral("yyyy-MM-dd HH:mm");
const QString kSecond = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// The option's value, or an empty text when the file has no such row.
QString option(Query& modify, const QString& select)
{
    modify.restart(select);
    modify.open();
    const QString value = modify.recordCount() > 0 ? modify.fieldAsString(QStringLiteral("optionvalue")) : QString();
    modify.close();
    return value;
}

void bindShown(Query& modify, const Shown& reminder)
{
    if (reminder.note.isEmpty())
        modify.setValue(QStringLiteral("clip_id"), Value{});
    else
        modify.setText(QStringLiteral("clip_id"), QString::fromUtf8(reminder.note));
    modify.setText(QStringLiteral("remind_time"), QString::fromUtf8(reminder.time));
}

bool hasShownTable(Query& modify)
{
    modify.restart(sql::selectShownRemindersTable);
    modify.open();
    const bool present = modify.recordCount() > 0;
    modify.close();
    return present;
}

bool isLayout(const QString& text, const QString& layout)
{
    return text.size() == layout.size() && QDateTime::fromString(text, layout).isValid();
}

} // namespace

QByteArray noteKey(const Value& clipId)
{
    return clipId.type == Value::Type::Text ? clipId.text : clipId.toString().toUtf8();
}

QString checkedUpTo(Query& modify)
{
    const QString minute = option(modify, sql::selectRemindersChecked);
    if (!isLayout(minute, kMinute))
        return {}; // anything else is as good as none
    const QString second = option(modify, sql::selectRemindersCheckedAt);
    if (isLayout(second, kSecond) && second.startsWith(minute))
        return second;
    return minute + QStringLiteral(":59");
}

std::vector<Shown> shown(Query& modify)
{
    std::vector<Shown> result;
    if (hasShownTable(modify)) {
        modify.restart(sql::selectShownReminders);
        modify.open();
        for (int row = 0; row < modify.recordCount(); ++row)
            result.push_back({noteKey(modify.value(row, 0)), modify.value(row, 1).toString().toUtf8()});
    }
    modify.close();
    return result;
}

void forget(Query& modify, const Shown& reminder)
{
    if (!hasShownTable(modify))
        return;
    modify.restart(sql::deleteShownReminder);
    bindShown(modify, reminder);
    modify.execSql();
    modify.close();
}

void keep(Database& database, Query& modify, const QDateTime& checked, const std::vector<Shown>& shownReminders)
{
    Database::Transaction transaction(database);
    const auto setOption = [&](const QString& drop, const QString& insert, const QString& value) {
        modify.restart(drop);
        modify.execSql();
        modify.restart(insert);
        modify.setText(QStringLiteral("checked"), value);
        modify.execSql();
    };
    // The minute in the row programs before this one read, and the second beside it.
    setOption(sql::deleteRemindersChecked, sql::insertRemindersChecked, checked.toString(kMinute));
    setOption(sql::deleteRemindersCheckedAt, sql::insertRemindersCheckedAt, checked.toString(kSecond));
    if (!shownReminders.empty()) {
        modify.restart(sql::createShownReminders); // another program may have dropped it
        modify.execSql();
        for (const Shown& reminder : shownReminders) {
            modify.restart(sql::insertShownReminder);
            bindShown(modify, reminder);
            modify.execSql();
        }
        modify.restart(sql::deleteShownRemindersChanged);
        modify.execSql();
    }
    modify.close();
    transaction.commit();
}

} // namespace store::reminderlog
