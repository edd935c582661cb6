#include "import/ImportStore.h"

#include "store/CategoryNames.h"
#include "store/Clock.h"
#include "store/CountedText.h"
#include "store/CreationTime.h"
#include "store/NoteIdentity.h"
#include "store/Query.h"
#include "store/RecentlyDeleted.h"
#include "store/SqliteStatement.h"
#include "store/Statements.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <map>
#include <memory>
#include <sqlite3.h>

namespace import {

namespace {

// What tells a note apart: its creation text and its text, as a conflict copy's notes are
// told apart.
quint64 noteKey(QByteArrayView createTime, QByteArrayView content)
{
    using store::identity::textHash;
    return textHash(content, textHash(QByteArrayView("\0", 1), textHash(createTime)));
}

// The current row of `statement` as the store keeps a deleted one: each column's value exactly.
store::StoredRow storedRow(const store::SqliteStatement& statement, const QStringList& columns)
{
    store::StoredRow row;
    for (int column = 0; column < columns.size(); ++column) {
        sqlite3_value* value = statement.value(column);
        store::Value kept;
        switch (sqlite3_value_type(value)) {
        case SQLITE_INTEGER:
            kept = {store::Value::Type::Integer, sqlite3_value_int64(value), 0, {}};
            break;
        case SQLITE_FLOAT:
            kept = {store::Value::Type::Real, 0, sqlite3_value_double(value), {}};
            break;
        case SQLITE_NULL:
            break;
        default:
            kept = {store::Value::Type::Text, 0, 0,
                    QByteArray(reinterpret_cast<const char*>(sqlite3_value_text(value)), sqlite3_value_bytes(value))};
        }
        row.emplace_back(columns[column], std::move(kept));
    }
    return row;
}

QString rowText(const store::StoredRow& row, int column)
{
    return QString::fromUtf8(row[size_t(column)].second.text);
}

// Marks a kept note as one an import's undo took back: a later import of the same source may
// bring it again, where a note the user deleted stays deleted.
constexpr const char* kUndoneImport = "undoneImport";

QString markedAsUndoneImport(const QString& payload)
{
    QJsonObject object = QJsonDocument::fromJson(payload.toUtf8()).object();
    object.insert(QLatin1String(kUndoneImport), true);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QString recordTime(const QDateTime& moment)
{
    return moment.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

class Storer {
public:
    Storer(store::Database& database, qint32 groupIdsHeldUpTo)
        : m_database(database), m_modify(database), m_groupIdsHeldUpTo(groupIdsHeldUpTo)
    {
    }

    void readFile()
    {
        store::SqliteStatement notes(m_database.handle(),
                                     QStringLiteral("select create_time,content from notes_main where group_id is "
                                                    "null or group_id<>1"),
                                     m_database.path());
        while (notes.step()) {
            m_keys.insert(noteKey(notes.bytes(0), notes.bytes(1)));
            m_texts.insert(noteKey({}, notes.bytes(1)));
        }
        store::SqliteStatement keptTable(
            m_database.handle(),
            QStringLiteral("select 1 from sqlite_master where type='table' and name='recently_deleted'"),
            m_database.path());
        if (keptTable.step()) {
            store::SqliteStatement kept(
                m_database.handle(),
                QStringLiteral("select json_extract(payload,'$.row.create_time[1]'),json_extract(payload,"
                               "'$.row.content[1]') from recently_deleted where kind='note' and "
                               "json_valid(payload) and json_extract(payload,'$.") +
                    QLatin1String(kUndoneImport) + QStringLiteral("') is null"),
                m_database.path());
            while (kept.step()) {
                m_keys.insert(noteKey(kept.bytes(0), kept.bytes(1)));
                m_texts.insert(noteKey({}, kept.bytes(1)));
            }
        }
        store::SqliteStatement groups(m_database.handle(), QStringLiteral("select group_id,group_name from clip_groups"),
                                      m_database.path());
        while (groups.step())
            if (!groups.isNull(0) && groups.integer(0) > 1)
                m_categories.emplace(store::categoryNameKey(groups.text(1)), qint32(groups.integer(0)));
    }

    // False when the file holds the note already: by creation text and text, or by text alone
    // for a note whose time is only its file's.
    bool isNew(const QString& createTime, const QString& text, bool timeFromFile)
    {
        const QByteArray utf8 = text.toUtf8();
        const quint64 key = noteKey(createTime.toUtf8(), utf8);
        const quint64 textKey = noteKey({}, utf8);
        if (m_keys.contains(key) || (timeFromFile && m_texts.contains(textKey)))
            return false;
        m_keys.insert(key);
        m_texts.insert(textKey);
        return true;
    }

    qint32 categoryOf(const QString& peerName, StoredImport& result)
    {
        const QString name = peerName.trimmed().left(store::kCategoryNameLength).trimmed();
        const QString key = store::categoryNameKey(name);
        if (key.isEmpty() || store::isReservedCategoryName(name))
            return 0;
        if (const auto found = m_categories.find(key); found != m_categories.end())
            return found->second;
        const qint32 id = store::nextGroupId(m_modify, m_groupIdsHeldUpTo);
        m_modify.restart(store::sql::insertGroup(id, name, QString()));
        m_modify.execSql();
        m_categories.emplace(key, id);
        ++result.categoriesAdded;
        return id;
    }

private:
    store::Database& m_database;
    store::Query m_modify;
    qint32 m_groupIdsHeldUpTo;
    QSet<quint64> m_keys;
    QSet<quint64> m_texts; // the texts alone
    std::map<QString, qint32> m_categories; // name key -> id
};

} // namespace

StoredImport storeImport(store::Database& database, const std::vector<PeerNote>& notes, qint32 idsHeldUpTo,
                         qint32 groupIdsHeldUpTo)
{
    StoredImport result;
    store::Database::Transaction transaction(database);
    store::SqliteStatement(database.handle(), store::identity::createTable, database.path()).run();
    Storer storer(database, groupIdsHeldUpTo);
    storer.readFile();
    store::SqliteStatement maxId(database.handle(),
                                 QStringLiteral("select max(id) from notes_main where group_id is null or group_id<>1"),
                                 database.path());
    qint32 nextId = std::max(maxId.step() ? qint32(maxId.integer(0)) : 0, idsHeldUpTo) + 1;
    store::SqliteStatement insert(
        database.handle(),
        QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id,record_time) "
                       "values (?1,?2,'0',?3,?4,'',?5)"),
        database.path());
    store::SqliteStatement identity(
        database.handle(),
        QStringLiteral("insert or replace into note_identity (id,uid,create_time,versions) values (?1,?2,?3,?4)"),
        database.path());
    const QDateTime now = store::Clock::now();
    QSet<QString> categoriesUsed;
    for (const PeerNote& note : notes) {
        const QDateTime created = note.created.isValid() ? note.created : note.changed.isValid() ? note.changed : now;
        const QDateTime changed = note.changed.isValid() ? note.changed : created;
        const QString createTime = store::formatCreationTime(created.toLocalTime());
        if (!storer.isNew(createTime, note.text, note.timeFromFile)) {
            ++result.skipped;
            continue;
        }
        const qint32 groupId = storer.categoryOf(note.category, result);
        categoriesUsed.insert(groupId == 0 ? QString() : store::categoryNameKey(note.category.left(store::kCategoryNameLength)));
        const qint32 id = nextId++;
        insert.bind(1, id);
        insert.bind(2, groupId);
        insert.bind(3, createTime);
        insert.bind(4, note.text);
        insert.bind(5, recordTime(changed));
        insert.run();
        const QString uid = store::identity::newUid();
        const QString version = store::identity::versionOf(note.text);
        identity.bind(1, id);
        identity.bind(2, uid);
        identity.bind(3, createTime);
        identity.bind(4, version);
        identity.run();
        result.notes.push_back({id, createTime, uid, version});
    }
    transaction.commit();
    result.categoryNames = QStringList(categoriesUsed.begin(), categoriesUsed.end());
    return result;
}

// Each note read, deleted and kept through statements prepared once: a hundred thousand notes
// in seconds. The same steps as deleting one note, with its reminders and its identity.
std::vector<store::DeletedNote> takeBackImport(store::Database& database, const StoredImport& stored)
{
    std::vector<store::DeletedNote> deleted;
    store::Database::Transaction transaction(database);
    sqlite3* handle = database.handle();
    const QString& path = database.path();
    const auto statement = [&](const QString& sql) { return std::make_unique<store::SqliteStatement>(handle, sql, path); };
    statement(store::sql::createKeptTable)->run();
    statement(store::identity::createTable)->run();
    const QString real = QStringLiteral(" and (group_id is null or group_id<>1)");
    const auto note = statement(QStringLiteral("select id,group_id,isdone,create_time,content,account_id,record_time "
                                               "from notes_main where id=?1") + real);
    const auto reminders =
        statement(QStringLiteral("select clip_id,remind_content,remind_time,type,flag from remind where clip_id=?1"));
    const auto identityOf = statement(QStringLiteral("select uid,create_time,versions from note_identity where id=?1"));
    const auto deleteNote = statement(QStringLiteral("delete from notes_main where id=?1") + real);
    const auto deleteReminders = statement(QStringLiteral("delete from remind where clip_id=?1"));
    const auto forget = statement(QStringLiteral("delete from note_identity where id=?1"));
    const auto keep = statement(
        QStringLiteral("insert into recently_deleted (deleted_at,kind,payload) values (?1,'note',?2)"));
    const QStringList noteColumns = {"id", "group_id", "isdone", "create_time", "content", "account_id", "record_time"};
    const QStringList reminderColumns = {"clip_id", "remind_content", "remind_time", "type", "flag"};
    const QDateTime now = store::Clock::now().toUTC();
    for (const StoredImport::Added& added : stored.notes) {
        note->bind(1, added.id);
        if (!note->step()) {
            note->reset();
            continue; // gone already
        }
        store::StoredRow row = storedRow(*note, noteColumns);
        note->reset();
        if (rowText(row, 3) != added.createTime)
            continue; // another program gave its id to a note of its own
        // Only the note the import made, and only while it holds the text it came with: a
        // note another writer put under the id meanwhile, or one the user has edited since,
        // stays.
        identityOf->bind(1, added.id);
        const bool same = identityOf->step() && identityOf->text(0) == added.uid &&
                          identityOf->text(2) == added.version;
        identityOf->reset();
        if (!same)
            continue;
        store::DeletedNote gone;
        gone.id = added.id;
        gone.deletedAt = now;
        gone.row = std::move(row);
        reminders->bind(1, added.id);
        while (reminders->step())
            gone.reminders.push_back(storedRow(*reminders, reminderColumns));
        reminders->reset();
        identityOf->bind(1, added.id);
        if (identityOf->step() && identityOf->text(1) == added.createTime)
            gone.identity = store::identity::Identity{
                identityOf->text(0), identityOf->text(2).split(QLatin1Char(' '), Qt::SkipEmptyParts)};
        identityOf->reset();
        for (store::SqliteStatement* remove : {deleteNote.get(), deleteReminders.get(), forget.get()}) {
            remove->bind(1, added.id);
            remove->run();
        }
        const store::KeptNoteRow kept = store::keptNoteRow(gone);
        keep->bind(1, kept.deletedAt);
        keep->bind(2, markedAsUndoneImport(kept.payload));
        keep->run();
        gone.keptKey = sqlite3_last_insert_rowid(handle);
        deleted.push_back(std::move(gone));
    }
    transaction.commit();
    return deleted;
}

QString importSummary(const StoredImport& stored)
{
    const int added = int(stored.notes.size());
    if (added == 0 && stored.skipped > 0)
        return store::countedText("import", QT_TRANSLATE_N_NOOP("import", "Nothing new: %n notes there already"),
                                  "Nothing new: the note is there already", stored.skipped);
    if (added == 0)
        return QCoreApplication::translate("import", "No notes found to import");
    // Notes that all went to Default went into one category: Default is one.
    const int categories = std::max(1, int(stored.categoryNames.size()));
    return QCoreApplication::translate("import", "%1 imported into %2")
        .arg(store::countedText("import", QT_TRANSLATE_N_NOOP("import", "%n notes"), "%n note", added),
             store::countedText("import", QT_TRANSLATE_N_NOOP("import", "%n categories"), "%n category", categories));
}

} // namespace import
