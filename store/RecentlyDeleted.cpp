#include "store/RecentlyDeleted.h"

#include "store/Clock.h"
#include "store/Statements.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcStore)

namespace store {

namespace {

// A value as its type and its text, so integers and texts come back exactly.
QJsonArray toJson(const Value& value)
{
    switch (value.type) {
    case Value::Type::Null:
        return {QStringLiteral("n")};
    case Value::Type::Integer:
        return {QStringLiteral("i"), QString::number(value.integer)};
    case Value::Type::Real:
        return {QStringLiteral("r"), QString::number(value.real, 'g', 17)};
    case Value::Type::Text:
        break;
    }
    return {QStringLiteral("t"), QString::fromUtf8(value.text)};
}

Value fromJson(const QJsonArray& json)
{
    const QString type = json.at(0).toString();
    const QString text = json.at(1).toString();
    if (type == QLatin1String("i"))
        return {Value::Type::Integer, text.toLongLong(), 0, {}};
    if (type == QLatin1String("r"))
        return {Value::Type::Real, 0, text.toDouble(), {}};
    if (type == QLatin1String("t"))
        return {Value::Type::Text, 0, 0, text.toUtf8()};
    return {};
}

QJsonObject toJson(const StoredRow& row)
{
    QJsonObject object;
    for (const auto& [column, value] : row)
        object.insert(column, toJson(value));
    return object;
}

StoredRow rowFromJson(const QJsonObject& object, const QStringList& columns)
{
    StoredRow row;
    for (const QString& column : columns)
        row.emplace_back(column, fromJson(object.value(column).toArray()));
    return row;
}

const QStringList kNoteColumns = {"id", "group_id", "isdone", "create_time", "content", "account_id", "record_time"};
const QStringList kReminderColumns = {"clip_id", "remind_content", "remind_time", "type", "flag"};

Value columnOf(const StoredRow& row, const QString& column)
{
    for (const auto& [name, value] : row)
        if (name == column)
            return value;
    return {};
}

// Whether a kept value stands for `id`, as the engine would store it in an integer column.
bool isId(const Value& value, qint64 id)
{
    return (value.type == Value::Type::Integer && value.integer == id) ||
           (value.type == Value::Type::Real && value.real == double(id)) ||
           (value.type == Value::Type::Text && value.text.trimmed() == QByteArray::number(id));
}

// A note comes back as a real note, never into the Search category (the next search would
// throw it away), under an id of its own and with the columns that make it a note.
QString noteDamage(const DeletedNote& note, const QJsonObject& columns)
{
    const bool inSearch = isId(columnOf(note.row, QStringLiteral("group_id")), 1);
    if (note.id <= 0 || inSearch || !columns.contains(QStringLiteral("content")) ||
        !columns.contains(QStringLiteral("record_time")))
        return QCoreApplication::translate("RecentlyDeleted", "Not restored: kept note is invalid");
    return {};
}

// A category comes back with a name, and claims back only notes it can have had: those of a
// category of its own (Default's and Search's notes never move when theirs is deleted).
QString categoryDamage(const DeletedCategory& category, bool idsWhole)
{
    const Value& id = category.groupId;
    const bool ownNotes = id.type == Value::Type::Integer && id.integer > 1;
    if (category.name.trimmed().isEmpty() || !idsWhole || (!ownNotes && !category.movedNoteIds.isEmpty()))
        return QCoreApplication::translate("RecentlyDeleted", "Not restored: kept category invalid");
    return {};
}

bool hasKeptTable(Query& modify)
{
    modify.restart(sql::selectKeptTable);
    modify.open();
    const bool present = modify.recordCount() > 0;
    modify.close();
    return present;
}

qint64 keep(Query& modify, const QString& kind, const QDateTime& deletedAt, const QJsonObject& payload)
{
    const auto insert = [&] {
        modify.restart(sql::insertKept);
        modify.setText(QStringLiteral("deleted_at"), deletedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        modify.setText(QStringLiteral("kind"), kind);
        modify.setText(QStringLiteral("payload"),
                       QString::fromUtf8(QJsonDocument(payload).toJson(QJsonDocument::Compact)));
        modify.execSql();
    };
    try {
        insert();
    } catch (const StoreError&) {
        // The table is made when the file is opened for writing; another program may have
        // dropped it since.
        if (hasKeptTable(modify))
            throw;
        modify.restart(sql::createKeptTable);
        modify.execSql();
        insert();
    }
    modify.restart(sql::selectLastKey);
    modify.open();
    const qint64 key = modify.value(0, 0).integer;
    modify.close();
    return key;
}

} // namespace

namespace {

QJsonObject notePayload(const DeletedNote& note)
{
    QJsonArray reminders;
    for (const StoredRow& reminder : note.reminders)
        reminders.append(toJson(reminder));
    QJsonObject payload{{QStringLiteral("id"), note.id},
                        {QStringLiteral("row"), toJson(note.row)},
                        {QStringLiteral("reminders"), reminders}};
    if (note.identity) {
        payload.insert(QStringLiteral("uid"), note.identity->uid);
        payload.insert(QStringLiteral("versions"), QJsonArray::fromStringList(note.identity->versions));
    }
    return payload;
}

} // namespace

qint64 keepDeletedNote(Query& modify, const DeletedNote& note)
{
    return keep(modify, QStringLiteral("note"), note.deletedAt, notePayload(note));
}

KeptNoteRow keptNoteRow(const DeletedNote& note)
{
    return {note.deletedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            QString::fromUtf8(QJsonDocument(notePayload(note)).toJson(QJsonDocument::Compact))};
}

qint64 keepDeletedCategory(Query& modify, const DeletedCategory& category)
{
    QJsonArray moved;
    for (qint32 id : category.movedNoteIds)
        moved.append(id);
    return keep(modify, QStringLiteral("category"), category.deletedAt,
                {{QStringLiteral("group_id"), toJson(category.groupId)},
                 {QStringLiteral("name"), category.name},
                 {QStringLiteral("description"), category.description},
                 {QStringLiteral("moved"), moved},
                 {QStringLiteral("tab"), category.tabIndex}});
}

void dropKept(Database& database, Query& modify, qint64 key)
{
    Database::Transaction transaction(database);
    forgetKept(modify, key);
    transaction.commit();
}

void forgetKept(Query& modify, qint64 key)
{
    if (key == 0)
        return;
    modify.restart(sql::deleteKept(key));
    modify.execSql();
}

std::vector<KeptItem> keptItems(Database& database, Query& modify)
{
    if (!hasKeptTable(modify))
        return {};
    const QString oldest = Clock::now().toUTC().addDays(-kKeptDays).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // Read first: a start-up would otherwise wait for the write lock (another program may
    // hold it for seconds) and fail on a read-only file, each time, for nothing to drop.
    modify.restart(sql::selectAnyKeptBefore(oldest));
    modify.open();
    const bool anyOld = modify.recordCount() > 0;
    modify.close();
    if (anyOld) {
        try {
            Database::Transaction transaction(database);
            modify.restart(sql::deleteKeptBefore(oldest));
            modify.execSql();
            transaction.commit();
        } catch (const StoreError&) {
            // A busy or read-only file keeps them a while longer.
        }
    }
    modify.restart(sql::selectKeptSince(oldest));
    modify.open();
    std::vector<KeptItem> items;
    for (int row = 0; row < modify.recordCount(); ++row) {
        KeptItem kept;
        kept.key = modify.value(row, 0).integer;
        kept.deletedAt = QDateTime::fromString(modify.value(row, 1).toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        kept.deletedAt.setTimeSpec(Qt::UTC);
        QJsonParseError parsed{};
        const QJsonDocument document = QJsonDocument::fromJson(modify.value(row, 3).utf8(), &parsed);
        const QJsonObject payload = document.object();
        const QString kind = modify.value(row, 2).toString();
        const QString unreadable =
            parsed.error != QJsonParseError::NoError || !document.isObject()
                ? QCoreApplication::translate("RecentlyDeleted", "Not restored: kept item unreadable")
                : QString();
        if (kind == QLatin1String("note")) {
            DeletedNote note;
            note.id = payload.value(QStringLiteral("id")).toInt();
            const QJsonObject columns = payload.value(QStringLiteral("row")).toObject();
            note.row = rowFromJson(columns, kNoteColumns);
            for (const QJsonValue& reminder : payload.value(QStringLiteral("reminders")).toArray())
                note.reminders.push_back(rowFromJson(reminder.toObject(), kReminderColumns));
            if (const QString uid = payload.value(QStringLiteral("uid")).toString(); !uid.isEmpty()) {
                QStringList versions;
                for (const QJsonValue& version : payload.value(QStringLiteral("versions")).toArray())
                    versions << version.toString();
                note.identity = identity::Identity{uid, versions};
            }
            note.keptKey = kept.key;
            note.deletedAt = kept.deletedAt;
            note.damage = unreadable.isEmpty() ? noteDamage(note, columns) : unreadable;
            kept.item = std::move(note);
        } else {
            DeletedCategory category;
            category.groupId = fromJson(payload.value(QStringLiteral("group_id")).toArray());
            category.name = payload.value(QStringLiteral("name")).toString();
            category.description = payload.value(QStringLiteral("description")).toString();
            bool idsWhole = true;
            for (const QJsonValue& id : payload.value(QStringLiteral("moved")).toArray()) {
                idsWhole = idsWhole && id.isDouble() && id.toInt() > 0;
                category.movedNoteIds << id.toInt();
            }
            category.tabIndex = payload.value(QStringLiteral("tab")).toInt();
            category.keptKey = kept.key;
            category.deletedAt = kept.deletedAt;
            if (kind != QLatin1String("category"))
                category.damage = QCoreApplication::translate("RecentlyDeleted", "Not restored: unknown kind of item");
            else if (!unreadable.isEmpty())
                category.damage = unreadable;
            else
                category.damage = categoryDamage(category, idsWhole);
            kept.item = std::move(category);
        }
        if (const QString& damage =
                std::visit([](const auto& item) -> const QString& { return item.damage; }, kept.item);
            !damage.isEmpty())
            qCWarning(lcStore) << "kept item" << kept.key << "cannot come back:" << damage;
        items.push_back(std::move(kept));
    }
    modify.close();
    return items;
}

std::pair<qint32, qint32> idsHeldByKeptItems(Database& database, Query& modify)
{
    qint32 noteIds = 0;
    qint32 groupIds = 0;
    for (const KeptItem& kept : keptItems(database, modify)) {
        if (const auto* note = std::get_if<DeletedNote>(&kept.item)) {
            if (note->side == sql::Side::Real)
                noteIds = std::max(noteIds, note->id);
        } else {
            groupIds = std::max(groupIds, std::get<DeletedCategory>(kept.item).groupId.toInt());
        }
    }
    return {noteIds, groupIds};
}

} // namespace store
