#include "import/ImportStore.h"

#include "store/CategoryNames.h"
#include "store/Clock.h"
#include "store/CountedText.h"
#include "store/CreationTime.h"
#include "store/NoteIdentity.h"
#include "store/Query.h"
#include "store/SqliteStatement.h"
#include "store/Statements.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>
#include <map>

namespace import {

namespace {

// What tells a note apart: its creation text and its text, as a conflict copy's notes are
// told apart.
quint64 noteKey(QByteArrayView createTime, QByteArrayView content)
{
    using store::identity::textHash;
    return textHash(content, textHash(QByteArrayView("\0", 1), textHash(createTime)));
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
        while (notes.step())
            m_keys.insert(noteKey(notes.bytes(0), notes.bytes(1)));
        store::SqliteStatement groups(m_database.handle(), QStringLiteral("select group_id,group_name from clip_groups"),
                                      m_database.path());
        while (groups.step())
            if (!groups.isNull(0) && groups.integer(0) > 1)
                m_categories.emplace(store::categoryNameKey(groups.text(1)), qint32(groups.integer(0)));
    }

    // False when the file holds the note already.
    bool isNew(const QString& createTime, const QString& text)
    {
        const quint64 key = noteKey(createTime.toUtf8(), text.toUtf8());
        if (m_keys.contains(key))
            return false;
        m_keys.insert(key);
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
        if (!storer.isNew(createTime, note.text)) {
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
        identity.bind(1, id);
        identity.bind(2, store::identity::newUid());
        identity.bind(3, createTime);
        identity.bind(4, store::identity::versionOf(note.text));
        identity.run();
        result.notes.push_back({id, createTime});
    }
    transaction.commit();
    result.categoryNames = QStringList(categoriesUsed.begin(), categoriesUsed.end());
    return result;
}

std::vector<store::DeletedNote> takeBackImport(store::Database& database, const StoredImport& stored)
{
    std::vector<store::DeletedNote> deleted;
    store::Query modify(database);
    const store::Database::UnspacedWrites unspaced(database);
    store::Database::Transaction transaction(database);
    for (const StoredImport::Added& note : stored.notes)
        if (std::optional<store::DeletedNote> gone =
                store::deleteNoteInTransaction(modify, note.id, store::sql::Side::Real, nullptr, &note.createTime))
            deleted.push_back(std::move(*gone));
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
