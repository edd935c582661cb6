#pragma once

#include "store/Database.h"
#include "store/LargeAllocator.h"
#include "store/RowCursor.h"
#include "store/TextArena.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3_stmt;

namespace store {

// One stored value as read: text is kept as the UTF-8 bytes the engine returned, shared
// (not copied) with whoever reads it, and turned into a QString only when shown.
struct Value {
    enum class Type : unsigned char { Null, Integer, Real, Text };
    Type type = Type::Null;
    qint64 integer = 0;
    double real = 0;
    QByteArray text;

    qint32 toInt() const;
    QString toString() const;
    const QByteArray& utf8() const { return text; }
    QDateTime toDateTime() const;
};

// A statement with its snapshot of rows and a cursor, after the query objects the windows
// were first written against: the text is built line by line, :name marks a parameter,
// Open fetches every row at once, and the cursor keeps two flags, at-begin and at-end.
// Edit, Insert, Post and Delete write to the one table the statement reads, addressing the
// exact row that was read.
class Query {
public:
    explicit Query(Database& database);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    void close();
    void clearSql();
    void addLine(const QString& line);
    // Close, clear and add one line: the start of every statement the store's helpers run.
    void restart(const QString& statement);
    QString sql() const { return m_lines.join(QLatin1Char('\n')); }

    // Parameter names compare without regard to case.
    void setText(const QString& name, const QString& value);
    void setInteger(const QString& name, qint32 value);
    void setByte(const QString& name, quint8 value);
    // Any stored value as read, NULL included, so that a row read can be written back as it was.
    void setValue(const QString& name, const Value& value);

    void open();    // throws StoreError; afterwards the object is closed
    void execSql(); // throws StoreError; nothing was changed
    // Rows the last execSql inserted, changed or deleted (0 when it failed).
    int rowsAffected() const { return m_rowsAffected; }

    bool isOpen() const { return m_open; }
    int recordCount() const { return int(m_rowCount); }
    int recNo() const { return int(m_cursor.row); } // 0-based, the current row
    bool bof() const { return m_cursor.bof; }
    bool eof() const { return m_cursor.eof; }

    void first();
    void next();
    void prior();
    bool locate(const QString& column, qint32 value);

    // Reading a column of the current row; NULL, an unknown column or an empty result give
    // 0 or the empty text. Column names compare without regard to case.
    qint32 fieldAsInteger(const QString& column) const;
    QString fieldAsString(const QString& column) const;
    QDateTime fieldAsDateTime(const QString& column) const;
    const Value& field(const QString& column) const;

    // Direct access by row and column.
    int columnIndex(const QString& column) const;
    const Value& value(int row, int column) const;

    void edit(); // on an empty result: starts a new row, as insert() does
    void insert();
    void setField(const QString& column, const QString& value);
    void setField(const QString& column, qint32 value);
    void setField(const QString& column, const QDateTime& value);
    void post();
    void deleteRow(); // throws "Cannot perform this operation on an empty dataset" when empty

private:
    struct Binding {
        enum class Kind { Text, Integer, Real, Null } kind;
        QString text;
        qint64 integer = 0;
        double real = 0;
    };
    enum class State { Browse, Edit, Insert };

    sqlite3_stmt* prepare(const QString& sql, bool withRowId);
    void bindAll(sqlite3_stmt* statement);
    void stepWrite(sqlite3_stmt* statement); // one step of a writing statement; throws on failure
    QString editableTable(sqlite3_stmt* statement) const;
    void refuseRowsOfAReplacedFile() const;
    void setPending(const QString& column, Value value);

    Database& m_database;
    QStringList m_lines;
    std::map<QString, Binding> m_bindings; // keyed by lower-case name

    bool m_open = false;
    int m_readFrom = 0; // the database's count of replaced files when the rows were read
    int m_rowsAffected = 0;
    QStringList m_columns;                              // lower-case result column names
    std::vector<Value, LargeAllocator<Value>> m_values; // row-major
    std::shared_ptr<TextArena> m_arena;
    std::vector<qint64, LargeAllocator<qint64>> m_rowIds;
    size_t m_rowCount = 0;
    RowCursor m_cursor;
    QString m_table; // the table that Edit, Insert, Post and Delete write to; empty when none

    State m_state = State::Browse;
    std::vector<std::pair<QString, Value>> m_pending;
};

} // namespace store
