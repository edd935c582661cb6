#include "store/NoteListReader.h"

#include "store/Database.h"
#include "store/StoreError.h"

#include <QFile>
#include <sqlite3.h>

namespace store {

namespace {

} // namespace

qint32 NoteListReader::idOf(sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return qint32(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return qint32(sqlite3_column_double(statement, column));
    case SQLITE_NULL:
        return 0;
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        return QByteArray(text, sqlite3_column_bytes(statement, column)).trimmed().toInt();
    }
    }
}

namespace {

void appendRow(NoteRows& rows, sqlite3_stmt* statement)
{
    const auto* createTime = reinterpret_cast<const char*>(sqlite3_column_text(statement, 2));
    rows.append(sqlite3_column_int64(statement, 0), NoteListReader::idOf(statement, 1),
                QByteArrayView(createTime, createTime ? sqlite3_column_bytes(statement, 2) : 0),
                sqlite3_column_type(statement, 1) == SQLITE_NULL);
}

} // namespace

NoteListReader::NoteListReader(QString databasePath) : m_path(std::move(databasePath)) {}

NoteListReader::~NoteListReader()
{
    cancel();
    closeConnection();
}

void NoteListReader::openConnection()
{
    if (m_handle)
        return;
    sqlite3* handle = nullptr;
    // Only reads: it never creates the file, and never writes to it.
    const int rc = sqlite3_open_v2(QFile::encodeName(m_path).constData(), &handle,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QStringLiteral("out of memory");
        sqlite3_close_v2(handle);
        throw StoreError(message);
    }
    sqlite3_busy_timeout(handle, Database::kBusyTimeoutMs);
    // The list is read once from end to end: a small cache does, and the memory is the list's.
    sqlite3_exec(handle, "pragma cache_size=-1024", nullptr, nullptr, nullptr);
    m_handle = handle;
}

void NoteListReader::closeConnection()
{
    cancel();
    sqlite3_close_v2(m_handle);
    m_handle = nullptr;
}

void NoteListReader::finishStatement()
{
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
}

NoteRows NoteListReader::start(const QString& sql, const QString& countSql, int firstRows,
                               std::function<void()> onDone)
{
    cancel();
    openConnection();
    m_rows = NoteRows();
    m_error.clear();
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_handle, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_handle));
        finishStatement();
        throw StoreError(message);
    }
    int rc = SQLITE_ROW;
    for (int row = 0; row < firstRows && (rc = sqlite3_step(m_statement)) == SQLITE_ROW; ++row)
        appendRow(m_rows, m_statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_handle));
        finishStatement();
        m_rows = NoteRows();
        throw StoreError(message);
    }
    NoteRows first = m_rows;
    if (rc == SQLITE_DONE) {
        finishStatement();
        return first;
    }
    m_stop = false;
    m_done = false;
    m_thread = std::thread([this, countSql, onDone = std::move(onDone)] {
        // Counted inside the read that is under way, so the count is that of its rows.
        sqlite3_stmt* count = nullptr;
        const QByteArray countText = countSql.toUtf8();
        if (sqlite3_prepare_v2(m_handle, countText.constData(), int(countText.size()), &count, nullptr) == SQLITE_OK &&
            sqlite3_step(count) == SQLITE_ROW)
            m_rows.reserve(int(sqlite3_column_int64(count, 0)));
        sqlite3_finalize(count);
        int step;
        while (!m_stop.load(std::memory_order_relaxed) && (step = sqlite3_step(m_statement)) == SQLITE_ROW)
            appendRow(m_rows, m_statement);
        if (!m_stop && step != SQLITE_DONE)
            m_error = QString::fromUtf8(sqlite3_errmsg(m_handle));
        // The file's lock goes as soon as the last row is read, not when the rows are taken,
        // and so do the pages read on the way.
        finishStatement();
        sqlite3_db_release_memory(m_handle);
        m_done = true;
        if (!m_stop && onDone)
            onDone();
    });
    return first;
}

NoteRows NoteListReader::take(QString* error)
{
    if (m_thread.joinable())
        m_thread.join();
    if (error)
        *error = m_error;
    m_error.clear();
    return std::exchange(m_rows, NoteRows());
}

void NoteListReader::cancel()
{
    m_stop = true;
    if (m_thread.joinable()) {
        // Ends the statement under way at once, even inside the count.
        if (!m_done)
            sqlite3_interrupt(m_handle);
        m_thread.join();
    }
    finishStatement();
    m_rows = NoteRows();
    m_error.clear();
}

} // namespace store
