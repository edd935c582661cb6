#include "store/SqliteStatement.h"

#include "store/StoreMessages.h"

#include <sqlite3.h>

namespace store {

SqliteStatement::SqliteStatement(sqlite3* handle, const QString& sql, const QString& path)
    : m_handle(handle), m_path(path)
{
    if (sqlite3_prepare_v2(m_handle, sql.toUtf8().constData(), -1, &m_statement, nullptr) != SQLITE_OK)
        fail();
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

void SqliteStatement::fail() const
{
    const QString message = QString::fromUtf8(sqlite3_errmsg(m_handle));
    throw StoreError(message, explainEngineError(m_path, sqlite3_extended_errcode(m_handle), message));
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        fail();
    return false;
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

void SqliteStatement::run()
{
    while (step()) {
    }
    reset();
}

void SqliteStatement::bind(int index, qint64 value)
{
    sqlite3_bind_int64(m_statement, index, value);
}

void SqliteStatement::bind(int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::bindNull(int index)
{
    sqlite3_bind_null(m_statement, index);
}

void SqliteStatement::bind(int index, sqlite3_value* value)
{
    sqlite3_bind_value(m_statement, index, value);
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

qint64 SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

QByteArray SqliteStatement::bytes(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return QByteArray(text, sqlite3_column_bytes(m_statement, column));
}

QString SqliteStatement::text(int column) const
{
    return QString::fromUtf8(bytes(column));
}

sqlite3_value* SqliteStatement::value(int column) const
{
    return sqlite3_column_value(m_statement, column);
}

} // namespace store
