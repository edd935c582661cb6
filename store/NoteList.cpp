#include "store/NoteList.h"

#include "store/Database.h"
#include "store/Statements.h"
#include "store/StoreError.h"

#include <QList>
#include <algorithm>
#include <memory>
#include <sqlite3.h>

namespace store {

namespace {

// More changes than this at once (a search's copies, a category's notes moving) are cheaper
// to take up by reading the list again.
constexpr int kMostChanges = 64;
// Texts kept for drawing: a few screens of long notes.
constexpr int kTextCacheBytes = 16 * 1024 * 1024;

struct Reset {
    sqlite3_stmt* statement;
    ~Reset() { sqlite3_reset(statement); }
};

QByteArray columnBytes(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? QByteArray(text, sqlite3_column_bytes(statement, column)) : QByteArray();
}

} // namespace

NoteList::NoteList(Database& database) : m_database(database), m_reader(database.path())
{
    m_texts.setMaxCost(kTextCacheBytes);
}

NoteList::~NoteList()
{
    m_reader.cancel();
    detach();
}

void NoteList::finalizeStatements() const
{
    for (sqlite3_stmt** slot : {&m_readTexts, &m_readRow, &m_compare, &m_version, &m_hasId}) {
        sqlite3_finalize(*slot);
        *slot = nullptr;
    }
}

void NoteList::detach()
{
    finalizeStatements();
    if (m_hooked && m_database.isOpen() && m_connection == m_database.replacements())
        sqlite3_update_hook(m_database.handle(), nullptr, nullptr);
    m_hooked = false;
}

void NoteList::attach()
{
    leaveReplacedConnection();
    if (m_hooked)
        return;
    sqlite3_update_hook(m_database.handle(), &NoteList::changed, this);
    m_hooked = true;
}

bool NoteList::changedElsewhere()
{
    try {
        m_database.followIfReplaced(false);
    } catch (const StoreError&) {
        return m_open; // the new file cannot be read: reading the list again says why
    }
    return m_open && (replacedSinceRead() || dataVersion() != m_dataVersion);
}

bool NoteList::replacedSinceRead() const
{
    return m_rowsConnection != m_database.replacements();
}

// Finalizing the statements lets the closed connection go; the hook went with it.
void NoteList::leaveReplacedConnection() const
{
    if (m_connection == m_database.replacements())
        return;
    finalizeStatements();
    m_hooked = false;
    m_connection = m_database.replacements();
}

void NoteList::changed(void* self, int, const char* database, const char* table, long long rowId)
{
    auto* list = static_cast<NoteList*>(self);
    if (qstrcmp(database, "main") != 0 || qstricmp(table, "notes_main") != 0 || list->m_tooManyChanges)
        return;
    if (list->m_changed.size() >= kMostChanges)
        list->m_tooManyChanges = true;
    else
        list->m_changed.insert(rowId, true);
}

qint64 NoteList::dataVersion()
{
    sqlite3_stmt* statement = prepared(m_version, QStringLiteral("pragma data_version"));
    Reset reset{statement};
    return sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
}

sqlite3_stmt* NoteList::prepared(sqlite3_stmt*& slot, const QString& sql) const
{
    leaveReplacedConnection();
    if (slot)
        return slot;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_database.handle(), text.constData(), int(text.size()), &slot, nullptr) != SQLITE_OK) {
        sqlite3_finalize(slot);
        slot = nullptr;
        throw m_database.engineError();
    }
    return slot;
}

void NoteList::refresh(qint32 groupId)
{
    m_database.followIfReplaced(false);
    attach();
    if (!m_open || groupId != m_groupId || m_tooManyChanges || replacedSinceRead() || dataVersion() != m_dataVersion) {
        reread(groupId);
        return;
    }
    if (m_reader.pending()) {
        // The rows still being read are the file's as it is, unless this process changed
        // some since; those changes wait for the last rows.
        if (!m_changed.isEmpty())
            takeRest();
        return;
    }
    applyChanges();
}

void NoteList::reread(qint32 groupId)
{
    m_database.followIfReplaced(false);
    attach();
    m_reader.cancel();
    if (replacedSinceRead()) {
        // The reader's connection still reads the file that was replaced.
        m_reader.closeConnection();
        m_rowsConnection = m_database.replacements();
    }
    m_open = false;
    if (groupId != m_groupId) {
        for (sqlite3_stmt** slot : {&m_readRow, &m_hasId}) {
            sqlite3_finalize(*slot);
            *slot = nullptr;
        }
    }
    m_groupId = groupId;
    m_changed.clear();
    m_tooManyChanges = false;
    m_texts.clear();
    m_dataVersion = dataVersion();
    const int generation = ++m_generation;
    NoteRows first =
        m_reader.start(sql::listNoteRows(groupId),
                       QStringLiteral("select count(*) from notes_main where ") + sql::listCondition(groupId),
                       m_firstRows, [this, generation] {
                           if (onRestRead)
                               onRestRead(generation);
                       });
    m_rows = std::move(first);
    m_rows.finishRuns();
    ++m_layout;
    m_open = true;
    m_cursor.first(size_t(m_rows.size()));
}

bool NoteList::takeRest()
{
    if (!m_reader.pending())
        return false;
    QString error;
    NoteRows rows = m_reader.take(&error);
    // The first rows are the same in both: the reader read them for this list.
    m_rows = std::move(rows);
    m_rows.finishRuns();
    if (!error.isEmpty()) {
        m_changed.clear();
        throw StoreError(error);
    }
    applyChanges();
    return true;
}

void NoteList::applyChanges()
{
    if (m_changed.isEmpty())
        return;
    const QHash<qint64, bool> changed = std::exchange(m_changed, {});
    ++m_layout;
    // Each changed row leaves the list, and goes back in where the order puts it if it
    // still belongs there: an insert, a delete, an update or one rolled back all end right.
    m_rows.removeRowIds(changed);
    QList<qint64> rowIds = changed.keys();
    std::sort(rowIds.begin(), rowIds.end());
    sqlite3_stmt* read = prepared(m_readRow, QStringLiteral("select id,create_time,(") + sql::listCondition(m_groupId) +
                                                 QStringLiteral(") from notes_main where _rowid_=?"));
    for (const qint64 rowId : rowIds) {
        m_texts.remove(rowId);
        Reset reset{read};
        sqlite3_bind_int64(read, 1, rowId);
        const int rc = sqlite3_step(read);
        if (rc == SQLITE_DONE)
            continue;
        if (rc != SQLITE_ROW) {
            m_tooManyChanges = true; // read the whole list at the next refresh
            throw m_database.engineError();
        }
        if (sqlite3_column_int(read, 2) == 0)
            continue;
        const QByteArray createTime = columnBytes(read, 1);
        m_rows.insert(positionFor(rowId), rowId, NoteListReader::idOf(read, 0), createTime,
                      sqlite3_column_type(read, 0) == SQLITE_NULL);
    }
    m_rows.finishRuns();
}

int NoteList::positionFor(qint64 rowId) const
{
    // Whether the listed row comes before the new one: newer first, then by row id;
    // the engine compares, so that any stored value sorts as the list's statement sorts it.
    sqlite3_stmt* before = prepared(
        m_compare,
        QStringLiteral("select case when p.record_time is null then n.record_time is null and p._rowid_<n._rowid_ "
                       "when n.record_time is null then 1 "
                       "when p.record_time=n.record_time then p._rowid_<n._rowid_ "
                       "else p.record_time>n.record_time end "
                       "from notes_main p, notes_main n where p._rowid_=?1 and n._rowid_=?2"));
    int low = 0;
    int high = m_rows.size();
    while (low < high) {
        const int middle = (low + high) / 2;
        Reset reset{before};
        sqlite3_bind_int64(before, 1, m_rows.rowId(middle));
        sqlite3_bind_int64(before, 2, rowId);
        const bool listedFirst = sqlite3_step(before) != SQLITE_ROW || sqlite3_column_int(before, 0) != 0;
        if (listedFirst)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

void NoteList::first()
{
    m_cursor.first(size_t(m_rows.size()));
}

void NoteList::next()
{
    // Past the rows read so far, the rest is needed now.
    if (!m_cursor.eof && int(m_cursor.row) + 1 >= m_rows.size() && m_reader.pending())
        takeRest();
    m_cursor.next(size_t(m_rows.size()));
}

void NoteList::prior()
{
    m_cursor.prior();
}

int NoteList::indexOfId(qint32 id)
{
    for (int pass = 0; pass < 2; ++pass) {
        for (int note = 0; note < m_rows.size(); ++note) {
            if (m_rows.id(note) == id && !m_rows.idIsNull(note))
                return note;
        }
        // Not among the rows read so far: wait for the rest only when the file has the id.
        if (pass > 0 || !m_reader.pending() || !idInList(id))
            break;
        takeRest();
    }
    return -1;
}

bool NoteList::idInList(qint32 id)
{
    sqlite3_stmt* statement = prepared(m_hasId, QStringLiteral("select 1 from notes_main where id=?1 and (") +
                                                    sql::listCondition(m_groupId) + QStringLiteral(") limit 1"));
    Reset reset{statement};
    sqlite3_bind_int(statement, 1, id);
    return sqlite3_step(statement) == SQLITE_ROW;
}

bool NoteList::locateId(qint32 id)
{
    const int note = indexOfId(id);
    if (note < 0)
        return false;
    m_cursor.row = size_t(note);
    m_cursor.bof = m_cursor.eof = false;
    return true;
}

bool NoteList::seekId(qint32 id)
{
    first();
    if (m_rows.empty())
        return false;
    const int note = indexOfId(id);
    if (note == 0)
        return true;
    m_cursor.bof = false;
    if (note > 0) {
        m_cursor.row = size_t(note);
        m_cursor.eof = false;
        return true;
    }
    m_cursor.row = size_t(m_rows.size() - 1);
    m_cursor.eof = true;
    return false;
}

const NoteList::Texts& NoteList::texts(int note) const
{
    static const Texts kNone;
    if (note < 0 || note >= m_rows.size())
        return kNone;
    const qint64 rowId = m_rows.rowId(note);
    if (const Texts* kept = m_texts.object(rowId))
        return *kept;
    auto fresh = std::make_unique<Texts>();
    // Drawing never fails: a text that cannot be read now (the file busy or damaged) shows
    // empty and is read again the next time the row is drawn.
    try {
        sqlite3_stmt* read =
            prepared(m_readTexts, QStringLiteral("select create_time,content from notes_main where _rowid_=?"));
        Reset reset{read};
        sqlite3_bind_int64(read, 1, rowId);
        const int rc = sqlite3_step(read);
        if (rc == SQLITE_ROW) {
            fresh->createTime = columnBytes(read, 0);
            fresh->content = columnBytes(read, 1);
        } else if (rc != SQLITE_DONE) {
            return kNone;
        }
    } catch (const StoreError&) {
        return kNone;
    }
    const qsizetype cost = fresh->createTime.size() + fresh->content.size() + 64;
    if (cost > m_texts.maxCost()) {
        // Too big to keep among the others: kept alone, until the next such note.
        m_uncached = std::move(*fresh);
        return m_uncached;
    }
    Texts* kept = fresh.release();
    m_texts.insert(rowId, kept, cost);
    return *kept;
}

QByteArray NoteList::createTime(int note) const
{
    return texts(note).createTime;
}

QByteArray NoteList::content(int note) const
{
    return texts(note).content;
}

qint32 NoteList::fieldAsInteger(const QString& column) const
{
    if (!m_open || m_rows.empty() || column.compare(QLatin1String("id"), Qt::CaseInsensitive) != 0)
        return 0;
    return m_rows.id(int(m_cursor.row));
}

QString NoteList::fieldAsString(const QString& column) const
{
    if (!m_open || m_rows.empty())
        return {};
    if (column.compare(QLatin1String("id"), Qt::CaseInsensitive) == 0)
        return QString::number(m_rows.id(int(m_cursor.row)));
    if (column.compare(QLatin1String("create_time"), Qt::CaseInsensitive) == 0)
        return QString::fromUtf8(createTime(int(m_cursor.row)));
    if (column.compare(QLatin1String("content"), Qt::CaseInsensitive) == 0)
        return QString::fromUtf8(content(int(m_cursor.row)));
    return {};
}

} // namespace store
