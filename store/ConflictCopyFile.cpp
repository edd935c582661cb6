#include "store/ConflictCopyFile.h"

#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <set>
#include <sqlite3.h>
#include <sys/stat.h>

namespace store {

namespace {

bool sameFile(const QString& a, const QString& b)
{
    struct stat first {
    }, second{};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

} // namespace

void ConflictCopyFile::ValueFree::operator()(sqlite3_value* value) const
{
    sqlite3_value_free(value);
}

ConflictCopyFile::ConflictCopyFile(const QString& path, const QString& notesPath) : m_path(path)
{
    try {
        check(notesPath);
        readCategoriesAndReminders();
    } catch (const StoreError& failure) {
        try {
            refuse(failure);
        } catch (const Refused&) {
            sqlite3_close_v2(m_handle);
            throw;
        }
    } catch (const Refused&) {
        sqlite3_close_v2(m_handle);
        throw;
    }
}

ConflictCopyFile::~ConflictCopyFile()
{
    m_noteRow.reset();
    m_identity.reset();
    sqlite3_exec(m_handle, "rollback", nullptr, nullptr, nullptr);
    sqlite3_close_v2(m_handle);
}

void ConflictCopyFile::refuse(const QString& reason) const
{
    throw Refused{QStringLiteral("%1 was not merged into your notes: %2. It is left where it is.")
                      .arg(QDir::toNativeSeparators(QFileInfo(m_path).absoluteFilePath()), reason)};
}

void ConflictCopyFile::refuse(const StoreError& failure) const
{
    const QString engine = failure.engineMessage();
    switch (m_handle ? sqlite3_extended_errcode(m_handle) & 0xFF : SQLITE_CANTOPEN) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        refuse(QStringLiteral("another program is writing it (%1); it is merged once that has finished").arg(engine));
    case SQLITE_READONLY:
        refuse(QStringLiteral("it was copied while it was being written (%1)").arg(engine));
    case SQLITE_NOTADB:
        refuse(QStringLiteral("it is not a notes file (%1)").arg(engine));
    case SQLITE_CORRUPT:
        refuse(QStringLiteral("it is damaged (%1)").arg(engine));
    default:
        refuse(QStringLiteral("it cannot be read (%1)").arg(engine));
    }
}

void ConflictCopyFile::check(const QString& notesPath)
{
    if (sameFile(m_path, notesPath))
        refuse(QStringLiteral("it is the notes file itself"));
    // What was being written to the file when the sync engine took it lies in its journal,
    // which the engine passed on apart (or not at all).
    for (const char* suffix : {"-journal", "-wal"}) {
        const QFileInfo journal(m_path + QLatin1String(suffix));
        if (journal.exists() && journal.size() > 0)
            refuse(
                QStringLiteral("it was copied while it was being written (%1 lies beside it)").arg(journal.fileName()));
    }
    if (sqlite3_open_v2(QFile::encodeName(m_path).constData(), &m_handle, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK)
        throw StoreError(QString::fromUtf8(m_handle ? sqlite3_errmsg(m_handle) : "out of memory"));
    sqlite3_extended_result_codes(m_handle, 1);
    sqlite3_busy_timeout(m_handle, 1000);
    // One read transaction from the first read to the last: the copy of one moment. Damage
    // shows as an error of the read that meets it, which refuses the copy; the notes file is
    // written only once the copy has been read through.
    statement(QStringLiteral("begin")).run();
    for (const schema::RequiredTable& table : schema::requiredTables()) {
        SqliteStatement columns = statement(QStringLiteral("pragma table_info(%1)").arg(table.name));
        QStringList present;
        while (columns.step())
            present << columns.text(1).toLower();
        for (const QString& column : table.columns)
            if (!present.contains(column))
                refuse(QStringLiteral("it is not a notes file (it has no %1.%2)").arg(table.name, column));
    }
    m_hasIdentities = statement(QStringLiteral("select 1 from sqlite_master where type='table' and "
                                               "name='note_identity'"))
                          .step();
}

void ConflictCopyFile::readCategoriesAndReminders()
{
    SqliteStatement groups = statement(QStringLiteral("select group_id,group_name,description from clip_groups"));
    while (groups.step())
        if (!groups.isNull(0))
            m_categories.push_back({groups.integer(0), groups.text(1), groups.text(2)});

    std::set<std::pair<qint64, QByteArray>> shown;
    if (statement(QStringLiteral("select 1 from sqlite_master where type='table' and name='reminders_shown'")).step()) {
        SqliteStatement rows = statement(QStringLiteral("select clip_id,remind_time from reminders_shown"));
        while (rows.step())
            shown.emplace(rows.integer(0), rows.bytes(1));
    }
    SqliteStatement reminders =
        statement(QStringLiteral("select clip_id,remind_content,remind_time,type,flag from remind where clip_id is "
                                 "not null"));
    while (reminders.step()) {
        Reminder reminder;
        reminder.noteId = reminders.integer(0);
        for (int column = 0; column < 4; ++column)
            reminder.values[column].reset(sqlite3_value_dup(reminders.value(column + 1)));
        reminder.shown = shown.count({reminder.noteId, reminders.bytes(2)}) > 0;
        m_reminders.push_back(std::move(reminder));
    }
}

SqliteStatement ConflictCopyFile::statement(const QString& sql)
{
    return SqliteStatement(m_handle, sql, m_path);
}

SqliteStatement& ConflictCopyFile::noteRow(qint64 rowId)
{
    try {
        if (!m_noteRow)
            m_noteRow = std::make_unique<SqliteStatement>(
                m_handle,
                QStringLiteral("select id,group_id,isdone,create_time,content,account_id,record_time from "
                               "notes_main where rowid=?1"),
                m_path);
        m_noteRow->reset();
        m_noteRow->bind(1, rowId);
        if (!m_noteRow->step())
            refuse(QStringLiteral("a note went from it while it was read"));
    } catch (const StoreError& failure) {
        refuse(failure);
    }
    return *m_noteRow;
}

std::optional<identity::Identity> ConflictCopyFile::identity(qint64 noteId, const QString& createTime)
{
    if (!m_hasIdentities)
        return std::nullopt;
    try {
        if (!m_identity)
            m_identity = std::make_unique<SqliteStatement>(
                m_handle, QStringLiteral("select uid,versions from note_identity where id=?1 and create_time is ?2"),
                m_path);
        m_identity->reset();
        m_identity->bind(1, noteId);
        m_identity->bind(2, createTime);
        if (!m_identity->step())
            return std::nullopt;
        return identity::Identity{m_identity->text(0), m_identity->text(1).split(QLatin1Char(' '), Qt::SkipEmptyParts)};
    } catch (const StoreError& failure) {
        refuse(failure);
    }
}

} // namespace store
