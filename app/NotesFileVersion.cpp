#include "app/NotesFileVersion.h"

#include "store/Database.h"

#include <sqlite3.h>

namespace app {

NotesFileVersion::NotesFileVersion(store::Database& database, QObject* parent) : QObject(parent), m_database(database)
{
}

std::optional<qint64> NotesFileVersion::current() const
{
    if (!m_database.isOpen())
        return std::nullopt; // never opened here: nothing was read that could be stale
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_database.handle(), "pragma data_version", -1, &statement, nullptr) != SQLITE_OK)
        return std::nullopt;
    std::optional<qint64> version;
    if (sqlite3_step(statement) == SQLITE_ROW)
        version = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    return version;
}

void NotesFileVersion::markRead()
{
    m_read = current();
    m_readReplacements = m_database.replacements();
}

bool NotesFileVersion::changedSinceRead() const
{
    // Versions are counted per connection: one of a file that was replaced says nothing.
    if (m_database.replacements() != m_readReplacements)
        return true;
    const std::optional<qint64> now = current();
    return now && m_read && *now != *m_read;
}

bool NotesFileVersion::takeChange()
{
    const bool replaced = m_database.replacements() != m_readReplacements;
    const std::optional<qint64> now = current();
    const bool changed = replaced || (now && m_read && *now != *m_read);
    m_read = now;
    m_readReplacements = m_database.replacements();
    return changed;
}

} // namespace app
