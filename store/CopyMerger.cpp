#include "store/CopyMerger.h"

#include "store/CategoryNames.h"
#include "store/DeletedItems.h"
#include "store/RecentlyDeleted.h"
#include "store/Statements.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace store {

namespace {

constexpr int kRowsReadAtOnce = 5000;

const QString kRealSide = QStringLiteral("(group_id is null or group_id<>1)");

// What tells a note without an identity: its creation text and its text.
quint64 noteKey(QByteArrayView createTime, QByteArrayView content)
{
    return identity::textHash(content, identity::textHash(QByteArrayView("\0", 1), identity::textHash(createTime)));
}

quint64 uidKey(QByteArrayView uid)
{
    return identity::textHash(uid);
}

template <typename T, typename Key> auto findKey(const std::vector<T>& sorted, Key key)
{
    const auto found =
        std::lower_bound(sorted.begin(), sorted.end(), key, [](const T& item, Key k) { return item.first < k; });
    return found != sorted.end() && found->first == key ? found : sorted.end();
}

bool hasTable(sqlite3* handle, const QString& path, const QString& table)
{
    SqliteStatement statement(
        handle, QStringLiteral("select 1 from sqlite_master where type='table' and name='%1'").arg(table), path);
    return statement.step();
}

} // namespace

SqliteStatement& CopyMerger::prepared(std::unique_ptr<SqliteStatement>& slot, const QString& sql)
{
    if (!slot)
        slot = std::make_unique<SqliteStatement>(m_database.handle(), sql, m_path);
    slot->reset();
    return *slot;
}

void CopyMerger::readFile()
{
    m_file = {};
    Query modify(m_database);
    for (const KeptItem& kept : keptItems(m_database, modify)) {
        if (const auto* note = std::get_if<DeletedNote>(&kept.item)) {
            QByteArray createTime, content;
            for (const auto& [column, value] : note->row) {
                if (column == QLatin1String("create_time"))
                    createTime = value.utf8();
                else if (column == QLatin1String("content"))
                    content = value.utf8();
            }
            m_file.deletedTexts.emplace_back(noteKey(createTime, content), 0);
            m_file.keptIds.insert(note->id);
            if (note->identity)
                m_file.deletedIdentities.emplace_back(
                    uidKey(note->identity->uid.toUtf8()),
                    identity::withVersion(note->identity->versions, QString::fromUtf8(content)));
        } else {
            m_file.deletedCategories.insert(categoryNameKey(std::get<DeletedCategory>(kept.item).name));
        }
    }
    std::sort(m_file.deletedTexts.begin(), m_file.deletedTexts.end());
    std::sort(m_file.deletedIdentities.begin(), m_file.deletedIdentities.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });

    const bool identities = hasTable(m_database.handle(), m_path, QStringLiteral("note_identity"));
    // Read a stretch of rows at a time: while a read lasts, another program's write waits for
    // it at its commit, and a million notes take a second to read. A write between two stretches
    // is seen afterwards by the version of the file, and the reading is done again.
    SqliteStatement notes = fileStatement(
        (identities ? QStringLiteral("select n.rowid,n.id,n.create_time,n.content,i.uid from notes_main n left join "
                                     "note_identity i on i.id=n.id and i.create_time is n.create_time where ")
                    : QStringLiteral("select n.rowid,n.id,n.create_time,n.content,null from notes_main n where ")) +
        QStringLiteral("n.rowid>?1 and (n.group_id is null or n.group_id<>1) order by n.rowid limit %1")
            .arg(kRowsReadAtOnce));
    for (qint64 after = std::numeric_limits<qint64>::min(), read = kRowsReadAtOnce; read == kRowsReadAtOnce;) {
        notes.bind(1, after);
        for (read = 0; notes.step(); ++read) {
            after = notes.integer(0);
            const auto id = qint32(notes.integer(1));
            m_file.texts.emplace_back(noteKey(notes.bytes(2), notes.bytes(3)), id);
            if (!notes.isNull(4))
                m_file.identities.emplace_back(uidKey(notes.bytes(4)), id);
        }
        notes.reset();
    }
    std::sort(m_file.texts.begin(), m_file.texts.end());
    std::sort(m_file.identities.begin(), m_file.identities.end());

    SqliteStatement groups = fileStatement(QStringLiteral("select group_id,group_name from clip_groups"));
    while (groups.step())
        if (!groups.isNull(0))
            m_file.categories.emplace(categoryNameKey(groups.text(1)), qint32(groups.integer(0)));
}

// Decides, note by note, what the copy brings; the copy is read once, and only the notes that
// differ are held, by their row.
void CopyMerger::planNotes()
{
    m_candidates.clear();
    m_noteOf.clear();
    try {
        planFrom(m_copy.statement(
            m_copy.hasIdentities()
                ? QStringLiteral("select n.rowid,n.id,n.create_time,n.content,i.uid,i.versions from notes_main n "
                                 "left join note_identity i on i.id=n.id and i.create_time is n.create_time where "
                                 "n.group_id is null or n.group_id<>1")
                : QStringLiteral("select rowid,id,create_time,content,null,null from notes_main where ") + kRealSide));
    } catch (const StoreError& failure) {
        m_copy.refuse(failure);
    }
}

void CopyMerger::planFrom(SqliteStatement notes)
{
    while (notes.step()) {
        const qint64 copyId = notes.integer(1);
        const QByteArray content = notes.bytes(3);
        const quint64 key = noteKey(notes.bytes(2), content);
        if (const auto here = findKey(m_file.texts, key); here != m_file.texts.end()) {
            m_noteOf[copyId] = here->second;
            continue;
        }
        if (findKey(m_file.deletedTexts, key) != m_file.deletedTexts.end())
            continue; // deleted here as it is in the copy
        Candidate candidate{Candidate::Kind::Add, notes.integer(0), 0};
        if (!notes.isNull(4)) {
            const quint64 uid = uidKey(notes.bytes(4));
            if (const auto here = findKey(m_file.identities, uid); here != m_file.identities.end()) {
                candidate = {Candidate::Kind::Changed, candidate.copyRow, here->second};
                m_noteOf[copyId] = here->second;
            } else if (const auto gone = findKey(m_file.deletedIdentities, uid);
                       gone != m_file.deletedIdentities.end()) {
                // Deleted here: it stays deleted, unless the other machine wrote to it after the
                // text this side deleted.
                const QStringList copyVersions = identity::withVersion(
                    notes.text(5).split(QLatin1Char(' '), Qt::SkipEmptyParts), QString::fromUtf8(content));
                if (identity::descendsFrom(gone->second, copyVersions))
                    continue;
                candidate.kind = Candidate::Kind::AddBeside;
            }
        }
        m_candidates.push_back(candidate);
    }
}

void CopyMerger::mapCategories()
{
    m_groupOf.clear();
    Query modify(m_database);
    for (const ConflictCopyFile::Category& category : m_copy.categories()) {
        if (category.id <= 1 || m_groupOf.count(category.id))
            continue; // Default and Search are no rows of their own
        const QString key = categoryNameKey(category.name);
        qint32 id = 0;
        if (key.isEmpty() || isReservedCategoryName(category.name) || m_file.deletedCategories.contains(key)) {
            id = 0; // a category deleted here stays deleted; its notes go where its notes went
        } else if (const auto here = m_file.categories.find(key); here != m_file.categories.end()) {
            id = here->second;
        } else {
            id = nextGroupId(modify, 0);
            modify.restart(sql::insertGroup(id, category.name, category.description));
            modify.execSql();
            m_file.categories.emplace(key, id);
            ++m_result.categoriesAdded;
        }
        m_groupOf[category.id] = id;
    }
}

qint32 CopyMerger::freeId(qint32 wanted)
{
    if (wanted > 0 && !m_file.keptIds.contains(wanted)) {
        SqliteStatement& taken =
            prepared(m_taken, QStringLiteral("select 1 from notes_main where id=?1 and ") + kRealSide);
        taken.bind(1, wanted);
        if (!taken.step()) {
            m_nextId = std::max(m_nextId, wanted + 1);
            return wanted;
        }
    }
    return m_nextId++;
}

void CopyMerger::addNote(const Candidate& candidate, bool keepIdentity)
{
    SqliteStatement& row = m_copy.noteRow(candidate.copyRow);
    const qint64 copyId = row.integer(0);
    const qint64 copyGroup = row.isNull(1) ? 0 : row.integer(1);
    const qint32 id = freeId(qint32(copyId));
    SqliteStatement& insert =
        prepared(m_insert, QStringLiteral(
                               "insert into notes_main (id,group_id,isdone,create_time,content,account_id,record_time) "
                               "values (?1,?2,?3,?4,?5,?6,coalesce(?7,strftime('%Y-%m-%d %H:%M:%f','now')))"));
    insert.bind(1, id);
    const auto group = m_groupOf.find(copyGroup);
    insert.bind(2, group == m_groupOf.end() ? 0 : group->second);
    for (int column = 2; column <= 6; ++column)
        insert.bind(column + 1, row.value(column));
    insert.run();
    const QString createTime = row.text(3);
    const std::optional<identity::Identity> copied = keepIdentity ? m_copy.identity(copyId, createTime) : std::nullopt;
    putIdentity(id, createTime,
                copied ? *copied : identity::Identity{identity::newUid(), {identity::versionOf(row.text(4))}});
    m_noteOf[copyId] = id;
    ++m_result.notesAdded;
}

void CopyMerger::putIdentity(qint32 id, const QString& createTime, const identity::Identity& identity)
{
    SqliteStatement& put = prepared(m_identity, QStringLiteral("insert or replace into note_identity "
                                                               "(id,uid,create_time,versions) values (?1,?2,?3,?4)"));
    put.bind(1, id);
    put.bind(2, identity.uid);
    put.bind(3, createTime);
    put.bind(4, identity.versions.join(QLatin1Char(' ')));
    put.run();
}

void CopyMerger::resolveChanged(const Candidate& candidate)
{
    SqliteStatement& row = m_copy.noteRow(candidate.copyRow);
    const QString createTime = row.text(3);
    const QString text = row.text(4);
    Query modify(m_database);
    std::optional<identity::Identity> theirs = m_copy.identity(row.integer(0), createTime);
    std::optional<identity::Identity> ours = identity::of(modify, candidate.fileId, createTime);
    if (!theirs || !ours)
        return addNote(candidate, false);
    // Another program that changed a note wrote no version of it: its present text came after
    // every version kept.
    SqliteStatement present = fileStatement(
        QStringLiteral("select content from notes_main where id=%1 and %2").arg(candidate.fileId).arg(kRealSide));
    if (!present.step())
        return addNote(candidate, false);
    ours->versions = identity::withVersion(ours->versions, present.text(0));
    theirs->versions = identity::withVersion(theirs->versions, text);
    if (identity::descendsFrom(ours->versions, theirs->versions))
        return; // written here after the copy's text
    if (!identity::descendsFrom(theirs->versions, ours->versions))
        return addNote(candidate, false); // changed on both machines: both texts stay
    for (const QString& statement :
         {QStringLiteral("update notes_main set content=?1 where id=%1 and %2").arg(candidate.fileId).arg(kRealSide),
          // The search copy shows the text too, as after an edit here.
          QStringLiteral("update notes_main set content=?1 where id=%1 and group_id=1")
              .arg(qint64(candidate.fileId) + sql::kCopyIdOffset)}) {
        SqliteStatement update = fileStatement(statement);
        update.bind(1, text);
        update.run();
    }
    putIdentity(candidate.fileId, createTime, *theirs);
    ++m_result.notesUpdated;
}

void CopyMerger::addReminders()
{
    const std::vector<ConflictCopyFile::Reminder>& reminders = m_copy.reminders();
    if (reminders.empty())
        return;
    SqliteStatement exists = fileStatement(QStringLiteral("select 1 from remind where clip_id=?1"));
    SqliteStatement insert = fileStatement(
        QStringLiteral("insert into remind (clip_id,remind_content,remind_time,type,flag) values (?1,?2,?3,?4,?5)"));
    std::optional<SqliteStatement> shown;
    for (const ConflictCopyFile::Reminder& reminder : reminders) {
        const auto note = m_noteOf.find(reminder.noteId);
        if (note == m_noteOf.end())
            continue; // its note did not come in: deleted here, or a reminder of no note
        exists.bind(1, note->second);
        const bool has = exists.step();
        exists.reset();
        if (has)
            continue; // a note keeps one reminder, the one set here
        insert.bind(1, note->second);
        for (int column = 0; column < 4; ++column)
            insert.bind(column + 2, reminder.values[column].get());
        insert.run();
        ++m_result.remindersAdded;
        if (reminder.shown) {
            // Shown on the other machine already: it does not show again here.
            if (!shown) {
                fileStatement(sql::createShownReminders).run();
                shown.emplace(m_database.handle(),
                              QStringLiteral("insert or ignore into reminders_shown (clip_id,remind_time) "
                                             "values (?1,?2)"),
                              m_path);
            }
            shown->bind(1, note->second);
            shown->bind(2, reminder.values[1].get());
            shown->run();
        }
    }
}

void CopyMerger::write()
{
    fileStatement(identity::createTable).run();
    mapCategories();
    SqliteStatement maxId = fileStatement(QStringLiteral("select max(id) from notes_main where ") + kRealSide);
    m_nextId = maxId.step() ? qint32(maxId.integer(0)) + 1 : 1;
    for (const Candidate& candidate : m_candidates) {
        if (candidate.kind == Candidate::Kind::Changed)
            resolveChanged(candidate);
        else
            addNote(candidate, candidate.kind == Candidate::Kind::Add);
    }
    addReminders();
}

} // namespace store
