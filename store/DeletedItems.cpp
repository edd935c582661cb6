#include "store/DeletedItems.h"

#include "store/CategoryNames.h"
#include "store/Clock.h"
#include "store/NoteInsert.h"
#include "store/RecentlyDeleted.h"

#include <algorithm>

namespace store {

namespace {

const QString kId = QStringLiteral("id");
const QString kGroupId = QStringLiteral("group_id");

QString columnOf(const StoredRow& row, QLatin1String name)
{
    for (const auto& [column, value] : row)
        if (column == name)
            return value.toString();
    return {};
}

QString createTimeOf(const StoredRow& row)
{
    return columnOf(row, QLatin1String("create_time"));
}

std::vector<StoredRow> readRows(Query& modify, const QString& statement)
{
    modify.restart(statement);
    modify.open();
    std::vector<StoredRow> rows;
    const QStringList columns = statement.section(QLatin1Char(' '), 1, 1).split(QLatin1Char(','));
    for (int record = 0; record < modify.recordCount(); ++record) {
        StoredRow row;
        for (const QString& column : columns) {
            Value value = modify.value(record, modify.columnIndex(column));
            // Read text is a view into the result, which goes when the query closes.
            value.text = QByteArray(value.text.constData(), value.text.size());
            row.emplace_back(column, std::move(value));
        }
        rows.push_back(std::move(row));
    }
    modify.close();
    return rows;
}

void insertRow(Query& modify, const QString& statement, const StoredRow& row, const QString& idColumn, qint32 id)
{
    modify.restart(statement);
    for (const auto& [column, value] : row) {
        if (column == idColumn) {
            modify.setInteger(column, id);
        } else {
            modify.setValue(column, value);
        }
    }
    modify.execSql();
}

bool noteIdTaken(Query& modify, qint32 noteId, sql::Side side)
{
    modify.restart(sql::selectNoteIdTaken(noteId, side));
    modify.open();
    const bool taken = modify.recordCount() > 0;
    modify.close();
    return taken;
}

// Whether the note of that id is the deleted one itself, come back meanwhile: a file from
// another machine that had not seen the delete. Known by its identity, else (a note of another
// program's) by its creation text and text.
bool cameBack(Query& modify, const DeletedNote& note, qint32 id)
{
    const std::vector<StoredRow> stored = readRows(modify, sql::selectWholeNote(id, sql::Side::Real));
    if (stored.empty())
        return false;
    const QString createTime = createTimeOf(stored.front());
    if (note.identity) {
        const std::optional<identity::Identity> present = identity::of(modify, id, createTime);
        if (present)
            return present->uid == note.identity->uid;
    }
    return createTime == createTimeOf(note.row) &&
           columnOf(stored.front(), QLatin1String("content")) == columnOf(note.row, QLatin1String("content"));
}

} // namespace

std::optional<DeletedNote> deleteNoteKeeping(Database& database, Query& modify, qint32 noteId, sql::Side side,
                                             const QString* onlyWithText)
{
    Database::Transaction transaction(database);
    std::vector<StoredRow> rows = readRows(modify, sql::selectWholeNote(noteId, side));
    if (rows.empty() || (onlyWithText && columnOf(rows.front(), QLatin1String("content")) != *onlyWithText))
        return std::nullopt;
    DeletedNote note;
    note.side = side;
    note.id = noteId;
    note.deletedAt = Clock::now().toUTC();
    note.row = std::move(rows.front());
    modify.restart(sql::deleteNote(noteId, side));
    modify.execSql();
    if (side == sql::Side::Real) {
        note.reminders = readRows(modify, sql::selectWholeReminders(noteId));
        modify.restart(sql::deleteRemindersOfNote(noteId));
        modify.execSql();
        // The kept item carries the identity, so that the note is known as deleted here.
        note.identity = identity::of(modify, noteId, createTimeOf(note.row));
        identity::forget(modify, noteId);
        note.keptKey = keepDeletedNote(modify, note);
    }
    transaction.commit();
    return note;
}

qint32 restoreDeletedNote(Database& database, Query& modify, const DeletedNote& note, qint32 idsHeldUpTo)
{
    Database::Transaction transaction(database);
    qint32 id = note.id;
    if (noteIdTaken(modify, id, note.side)) {
        if (note.side == sql::Side::Copy)
            return 0;
        // Put back a second time, it would be there twice.
        if (cameBack(modify, note, id)) {
            forgetKept(modify, note.keptKey);
            transaction.commit();
            return id;
        }
        id = nextNoteId(modify, idsHeldUpTo);
    }
    StoredRow row = note.row;
    for (auto& [column, value] : row) {
        // Its category may have gone meanwhile (another program deleted it): a note filed
        // under no category would be on no tab, so it comes back to Default.
        if (column == kGroupId && note.side == sql::Side::Real && value.type == Value::Type::Integer &&
            value.integer > 1 && existingCategoryOr0(modify, value.toInt()) == 0)
            value = Value{Value::Type::Integer, 0, 0, {}};
    }
    insertRow(modify, sql::restoreNote, row, kId, id);
    if (note.identity && note.side == sql::Side::Real)
        identity::put(modify, id, createTimeOf(row), *note.identity);
    for (const StoredRow& reminder : note.reminders)
        insertRow(modify, sql::restoreReminder, reminder, QStringLiteral("clip_id"), id);
    forgetKept(modify, note.keptKey);
    transaction.commit();
    return id;
}

DeletedCategory deleteCurrentCategoryRow(Database& database, Query& modify, int tabIndex)
{
    DeletedCategory category;
    category.tabIndex = tabIndex;
    category.deletedAt = Clock::now().toUTC();
    category.groupId = modify.field(kGroupId);
    category.name = modify.fieldAsString(QStringLiteral("group_name"));
    category.description = modify.fieldAsString(QStringLiteral("description"));
    Database::Transaction transaction(database);
    modify.deleteRow();
    const qint32 groupId = category.groupId.toInt();
    // Ids 0 and 1 are Default and Search, whose notes stay where they are.
    if (category.groupId.type != Value::Type::Null && groupId > 1) {
        for (const StoredRow& row : readRows(modify, sql::selectNotesOfGroup(groupId)))
            category.movedNoteIds << row.front().second.toInt();
        if (!category.movedNoteIds.isEmpty()) {
            modify.restart(sql::moveNotesToGroup(category.movedNoteIds, groupId, 0));
            modify.execSql();
        }
    }
    category.keptKey = keepDeletedCategory(modify, category);
    transaction.commit();
    return category;
}

qint32 nextGroupId(Query& modify, qint32 groupIdsHeldUpTo)
{
    modify.restart(sql::selectMaxGroupId);
    modify.open();
    const qint32 newId = std::max({modify.fieldAsInteger(QStringLiteral("max_id")), groupIdsHeldUpTo, 1}) + 1;
    modify.close();
    return newId;
}

RestoredCategory restoreDeletedCategory(Database& database, Query& modify, const DeletedCategory& category,
                                        qint32 groupIdsHeldUpTo)
{
    Database::Transaction transaction(database);
    qint32 id = category.groupId.toInt();
    bool taken = id <= 1;
    if (!taken) {
        modify.restart(sql::selectGroupById(id));
        modify.open();
        taken = modify.recordCount() > 0;
        modify.close();
    }
    if (taken)
        id = nextGroupId(modify, groupIdsHeldUpTo);
    // A second category of a look-alike name could never be told apart from the first.
    const QString name = freeCategoryName(modify, category.name);
    modify.restart(sql::insertGroup(id, name, category.description));
    modify.execSql();
    if (!category.movedNoteIds.isEmpty()) {
        modify.restart(sql::moveNotesToGroup(category.movedNoteIds, 0, id));
        modify.execSql();
    }
    forgetKept(modify, category.keptKey);
    transaction.commit();
    return {id, name};
}

} // namespace store
