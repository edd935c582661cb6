#pragma once

#include "store/StoreError.h"

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_value;

namespace store {

// One prepared statement on a connection, stepped and bound by position, for work that runs
// over every note (a merge of another machine's copy): prepared once, however many rows.
// Failures throw StoreError with the engine's message and what it means for `path`.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* handle, const QString& sql, const QString& path);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool step();  // true while there is a row
    void reset(); // also clears the bindings
    void run();   // step to the end, then reset

    void bind(int index, qint64 value);
    void bind(int index, const QString& text);
    void bindNull(int index);
    void bind(int index, sqlite3_value* value); // copied

    bool isNull(int column) const;
    qint64 integer(int column) const;
    QByteArray bytes(int column) const; // a copy of the text
    QString text(int column) const;
    sqlite3_value* value(int column) const; // valid until the next step or reset

private:
    void fail() const;

    sqlite3* m_handle;
    sqlite3_stmt* m_statement = nullptr;
    QString m_path;
};

} // namespace store
