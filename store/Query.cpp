#include "store/Query.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <sqlite3.h>

namespace store {

namespace {

const Value kNullValue;
const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const char kRowIdColumn[] = "quibbet_row_id_";
const QRegularExpression leadingSelect(QStringLiteral("^\\s*select\\s+"), QRegularExpression::CaseInsensitiveOption);

QString quotedIdentifier(const QString& name)
{
    QString doubled = name;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

// Finalizes a prepared statement however the scope is left.
struct StatementGuard {
    sqlite3_stmt* statement;
    ~StatementGuard() { sqlite3_finalize(statement); }
};

void bindValue(sqlite3_stmt* statement, int index, const Value& value)
{
    switch (value.type) {
    case Value::Type::Null:
        sqlite3_bind_null(statement, index);
        break;
    case Value::Type::Integer:
        sqlite3_bind_int64(statement, index, value.integer);
        break;
    case Value::Type::Real:
        sqlite3_bind_double(statement, index, value.real);
        break;
    case Value::Type::Text:
        sqlite3_bind_text(statement, index, value.text.constData(), int(value.text.size()), SQLITE_TRANSIENT);
        break;
    }
}

Value readColumn(sqlite3_stmt* statement, int column, TextArena& arena)
{
    Value value;
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        value.type = Value::Type::Integer;
        value.integer = sqlite3_column_int64(statement, column);
        break;
    case SQLITE_FLOAT:
        value.type = Value::Type::Real;
        value.real = sqlite3_column_double(statement, column);
        break;
    case SQLITE_NULL:
        break;
    default: {
        value.type = Value::Type::Text;
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        value.text = arena.keep(text, sqlite3_column_bytes(statement, column));
        break;
    }
    }
    return value;
}

} // namespace

qint32 Value::toInt() const
{
    switch (type) {
    case Type::Integer:
        return qint32(integer);
    case Type::Real:
        return qint32(real);
    case Type::Text:
        return text.trimmed().toInt();
    case Type::Null:
        break;
    }
    return 0;
}

QString Value::toString() const
{
    switch (type) {
    case Type::Integer:
        return QString::number(integer);
    case Type::Real:
        return QString::number(real);
    case Type::Text:
        return QString::fromUtf8(text);
    case Type::Null:
        break;
    }
    return {};
}

QDateTime Value::toDateTime() const
{
    if (type != Type::Text)
        return {};
    const QString textValue = QString::fromUtf8(text);
    QDateTime parsed = QDateTime::fromString(textValue.left(19), kDateTimeFormat);
    if (!parsed.isValid())
        parsed = QDateTime::fromString(textValue, Qt::ISODate);
    return parsed;
}

Query::Query(Database& database) : m_database(database) {}

Query::~Query() = default;

void Query::close()
{
    m_open = false;
    m_columns.clear();
    m_values.clear();
    m_values.shrink_to_fit();
    m_arena.reset();
    m_rowIds.clear();
    m_rowCount = 0;
    m_cursor.row = 0;
    m_cursor.bof = m_cursor.eof = false;
    m_table.clear();
    m_state = State::Browse;
    m_pending.clear();
}

void Query::clearSql()
{
    m_lines.clear();
    m_bindings.clear();
}

void Query::addLine(const QString& line)
{
    m_lines << line;
}

void Query::restart(const QString& statement)
{
    close();
    clearSql();
    addLine(statement);
}

void Query::setText(const QString& name, const QString& value)
{
    m_bindings[name.toLower()] = Binding{Binding::Kind::Text, value, 0};
}

void Query::setInteger(const QString& name, qint32 value)
{
    m_bindings[name.toLower()] = Binding{Binding::Kind::Integer, {}, value};
}

void Query::setByte(const QString& name, quint8 value)
{
    m_bindings[name.toLower()] = Binding{Binding::Kind::Integer, {}, value};
}

void Query::setValue(const QString& name, const Value& value)
{
    Binding binding{Binding::Kind::Null, {}, 0};
    switch (value.type) {
    case Value::Type::Null:
        break;
    case Value::Type::Integer:
        binding = Binding{Binding::Kind::Integer, {}, value.integer};
        break;
    case Value::Type::Real:
        binding = Binding{Binding::Kind::Real, {}, 0, value.real};
        break;
    case Value::Type::Text:
        binding = Binding{Binding::Kind::Text, QString::fromUtf8(value.text), 0};
        break;
    }
    m_bindings[name.toLower()] = binding;
}

sqlite3_stmt* Query::prepare(const QString& sql, bool withRowId)
{
    sqlite3* handle = m_database.handle();
    QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK)
        throw m_database.engineError();
    if (!withRowId || !statement || sqlite3_stmt_readonly(statement) == 0)
        return statement;
    // A select whose every column comes from one table can be edited: read the row id too,
    // so that Post and Delete reach the very row that was read.
    const QString table = editableTable(statement);
    if (table.isEmpty())
        return statement;
    const QRegularExpressionMatch match = leadingSelect.match(sql);
    if (!match.hasMatch() || sql.mid(match.capturedEnd()).startsWith(QLatin1String("distinct"), Qt::CaseInsensitive))
        return statement;
    const QString withId = sql.left(match.capturedEnd()) + QStringLiteral("_rowid_ as ") + QLatin1String(kRowIdColumn) +
                           QStringLiteral(", ") + sql.mid(match.capturedEnd());
    text = withId.toUtf8();
    sqlite3_stmt* editable = nullptr;
    if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &editable, nullptr) != SQLITE_OK) {
        return statement; // not editable after all; reading still works
    }
    sqlite3_finalize(statement);
    return editable;
}

QString Query::editableTable(sqlite3_stmt* statement) const
{
    const int count = sqlite3_column_count(statement);
    QString table;
    for (int i = 0; i < count; ++i) {
        const char* origin = sqlite3_column_table_name(statement, i);
        if (!origin)
            return {};
        const QString name = QString::fromUtf8(origin);
        if (!table.isEmpty() && table != name)
            return {};
        table = name;
    }
    return table;
}

void Query::bindAll(sqlite3_stmt* statement)
{
    const int count = sqlite3_bind_parameter_count(statement);
    for (int i = 1; i <= count; ++i) {
        const char* rawName = sqlite3_bind_parameter_name(statement, i);
        if (!rawName)
            continue;
        const QString name = QString::fromUtf8(rawName + 1).toLower();
        const auto found = m_bindings.find(name);
        if (found == m_bindings.end())
            continue; // unbound reads as NULL
        const Binding& binding = found->second;
        if (binding.kind == Binding::Kind::Integer) {
            sqlite3_bind_int64(statement, i, binding.integer);
        } else if (binding.kind == Binding::Kind::Real) {
            sqlite3_bind_double(statement, i, binding.real);
        } else if (binding.kind == Binding::Kind::Null) {
            sqlite3_bind_null(statement, i);
        } else {
            const QByteArray utf8 = binding.text.toUtf8();
            sqlite3_bind_text(statement, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
    }
}

void Query::open()
{
    close();
    // What is read is the file at the path, not one another program replaced: a command
    // that reads and then writes meets one file.
    m_database.followIfReplaced(false);
    m_readFrom = m_database.replacements();
    sqlite3_stmt* statement = prepare(sql(), true);
    StatementGuard guard{statement};
    if (!statement)
        throw StoreError(QStringLiteral("the statement is empty"));
    bindAll(statement);

    const int count = sqlite3_column_count(statement);
    int firstColumn = 0;
    QStringList columns;
    for (int i = 0; i < count; ++i)
        columns << QString::fromUtf8(sqlite3_column_name(statement, i)).toLower();
    const bool hasRowId = count > 0 && columns.constFirst() == QLatin1String(kRowIdColumn);
    if (hasRowId) {
        firstColumn = 1;
        columns.removeFirst();
    }
    const int width = count - firstColumn;

    std::vector<Value, LargeAllocator<Value>> values;
    std::vector<qint64, LargeAllocator<qint64>> rowIds;
    auto arena = std::make_shared<TextArena>();
    size_t rows = 0;
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        if (hasRowId)
            rowIds.push_back(sqlite3_column_int64(statement, 0));
        for (int c = firstColumn; c < count; ++c)
            values.push_back(readColumn(statement, c, *arena));
        ++rows;
    }
    if (rc != SQLITE_DONE)
        throw m_database.engineError();

    m_columns = columns;
    m_values = std::move(values);
    m_arena = std::move(arena);
    m_rowIds = std::move(rowIds);
    m_rowCount = width > 0 ? rows : 0;
    m_table = hasRowId ? editableTable(statement) : QString();
    m_open = true;
    m_cursor.row = 0;
    m_cursor.bof = true;
    m_cursor.eof = m_rowCount == 0;
}

void Query::execSql()
{
    m_rowsAffected = 0;
    // A write must reach the file at the path, not one another program replaced.
    m_database.followIfReplaced(true);
    sqlite3_stmt* statement = prepare(sql(), false);
    StatementGuard guard{statement};
    if (!statement)
        return;
    bindAll(statement);
    if (sqlite3_stmt_readonly(statement) == 0)
        m_database.beforeWrite();
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
    }
    if (sqlite3_stmt_readonly(statement) == 0)
        m_database.afterWrite();
    if (rc != SQLITE_DONE)
        throw m_database.engineError();
    m_rowsAffected = sqlite3_changes(m_database.handle());
}

void Query::first()
{
    m_cursor.first(m_rowCount);
}

void Query::next()
{
    m_cursor.next(m_rowCount);
}

void Query::prior()
{
    m_cursor.prior();
}

bool Query::locate(const QString& column, qint32 value)
{
    const int index = columnIndex(column);
    if (index < 0)
        return false;
    for (size_t row = 0; row < m_rowCount; ++row) {
        const Value& cell = m_values[row * m_columns.size() + index];
        if (cell.type != Value::Type::Null && cell.toInt() == value) {
            m_cursor.row = row;
            m_cursor.bof = m_cursor.eof = false;
            return true;
        }
    }
    return false;
}

int Query::columnIndex(const QString& column) const
{
    return int(m_columns.indexOf(column.toLower()));
}

const Value& Query::value(int row, int column) const
{
    if (row < 0 || column < 0 || size_t(row) >= m_rowCount || column >= m_columns.size())
        return kNullValue;
    return m_values[size_t(row) * m_columns.size() + size_t(column)];
}

const Value& Query::field(const QString& column) const
{
    return value(int(m_cursor.row), columnIndex(column));
}

qint32 Query::fieldAsInteger(const QString& column) const
{
    return field(column).toInt();
}

QString Query::fieldAsString(const QString& column) const
{
    return field(column).toString();
}

QDateTime Query::fieldAsDateTime(const QString& column) const
{
    return field(column).toDateTime();
}

void Query::edit()
{
    if (m_rowCount == 0) {
        insert();
        return;
    }
    m_state = State::Edit;
    m_pending.clear();
}

void Query::insert()
{
    m_state = State::Insert;
    m_pending.clear();
}

void Query::setPending(const QString& column, Value value)
{
    if (m_state == State::Browse)
        throw StoreError(QCoreApplication::translate("Query", "Dataset not in edit or insert mode"));
    for (auto& pending : m_pending) {
        if (pending.first.compare(column, Qt::CaseInsensitive) == 0) {
            pending.second = std::move(value);
            return;
        }
    }
    m_pending.emplace_back(column, std::move(value));
}

void Query::setField(const QString& column, const QString& value)
{
    Value v;
    v.type = Value::Type::Text;
    v.text = value.toUtf8();
    setPending(column, std::move(v));
}

void Query::setField(const QString& column, qint32 value)
{
    Value v;
    v.type = Value::Type::Integer;
    v.integer = value;
    setPending(column, std::move(v));
}

void Query::setField(const QString& column, const QDateTime& value)
{
    Value v;
    v.type = Value::Type::Text;
    v.text = value.toString(kDateTimeFormat).toUtf8();
    setPending(column, std::move(v));
}

// Rows are changed by row id: in a file another program put in place since they were read, the
// id may be another row's.
void Query::refuseRowsOfAReplacedFile() const
{
    if (m_database.replacements() != m_readFrom)
        throw StoreError(QStringLiteral("the notes file was replaced"),
                         QCoreApplication::translate("Query",
                                                     "Another program put a new notes file in place of %1 while this "
                                                     "was open, so nothing was changed. Quibbet now shows the new "
                                                     "file: try again.")
                             .arg(m_database.path()));
}

void Query::post()
{
    if (m_state == State::Browse)
        return;
    if (m_state == State::Edit)
        refuseRowsOfAReplacedFile();
    if (m_table.isEmpty())
        throw StoreError(QCoreApplication::translate("Query", "Cannot modify a read-only dataset"));
    QStringList names;
    for (const auto& pending : m_pending)
        names << quotedIdentifier(pending.first);
    QString sqlText;
    if (m_state == State::Edit) {
        QStringList assignments;
        for (const QString& name : names)
            assignments << name + QStringLiteral("=?");
        if (assignments.isEmpty()) {
            m_state = State::Browse;
            return;
        }
        sqlText = QStringLiteral("update %1 set %2 where _rowid_=?")
                      .arg(quotedIdentifier(m_table), assignments.join(QLatin1Char(',')));
    } else if (names.isEmpty()) {
        sqlText = QStringLiteral("insert into %1 default values").arg(quotedIdentifier(m_table));
    } else {
        QStringList marks;
        for (qsizetype i = 0; i < names.size(); ++i)
            marks << QStringLiteral("?");
        sqlText = QStringLiteral("insert into %1 (%2) values (%3)")
                      .arg(quotedIdentifier(m_table), names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    }
    sqlite3_stmt* statement = prepare(sqlText, false);
    StatementGuard guard{statement};
    int index = 1;
    for (const auto& pending : m_pending)
        bindValue(statement, index++, pending.second);
    if (m_state == State::Edit)
        sqlite3_bind_int64(statement, index, m_rowIds[m_cursor.row]);
    stepWrite(statement);

    // Keep the snapshot in step with what was written.
    const size_t width = size_t(m_columns.size());
    if (m_state == State::Insert) {
        m_values.resize(m_values.size() + width);
        m_rowIds.push_back(sqlite3_last_insert_rowid(m_database.handle()));
        m_cursor.row = m_rowCount++;
        m_cursor.bof = m_cursor.eof = false;
    }
    for (const auto& pending : m_pending) {
        const int column = columnIndex(pending.first);
        if (column >= 0)
            m_values[m_cursor.row * width + size_t(column)] = pending.second;
    }
    m_pending.clear();
    m_state = State::Browse;
}

void Query::stepWrite(sqlite3_stmt* statement)
{
    m_database.beforeWrite();
    const int rc = sqlite3_step(statement);
    m_database.afterWrite();
    if (rc != SQLITE_DONE)
        throw m_database.engineError();
}

void Query::deleteRow()
{
    if (m_rowCount == 0)
        throw StoreError(QCoreApplication::translate("Query", "Cannot perform this operation on an empty dataset"));
    if (m_table.isEmpty())
        throw StoreError(QCoreApplication::translate("Query", "Cannot modify a read-only dataset"));
    refuseRowsOfAReplacedFile();
    sqlite3_stmt* statement =
        prepare(QStringLiteral("delete from %1 where _rowid_=?").arg(quotedIdentifier(m_table)), false);
    StatementGuard guard{statement};
    sqlite3_bind_int64(statement, 1, m_rowIds[m_cursor.row]);
    stepWrite(statement);
    const size_t width = size_t(m_columns.size());
    m_values.erase(m_values.begin() + std::ptrdiff_t(m_cursor.row * width),
                   m_values.begin() + std::ptrdiff_t((m_cursor.row + 1) * width));
    m_rowIds.erase(m_rowIds.begin() + std::ptrdiff_t(m_cursor.row));
    --m_rowCount;
    if (m_cursor.row >= m_rowCount && m_cursor.row > 0)
        m_cursor.row = m_rowCount - 1;
    m_cursor.eof = m_rowCount == 0;
    m_state = State::Browse;
}

} // namespace store
