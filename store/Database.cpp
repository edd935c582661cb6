#include "store/Database.h"

#include "store/NoteIdentity.h"
#include "store/Schema.h"
#include "store/SqlFunctions.h"
#include "store/Statements.h"
#include "store/StoreMessages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QThread>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

Q_LOGGING_CATEGORY(lcStore, "quibbet.store")

namespace store {

namespace {

QString engineMessage(sqlite3* handle)
{
    return handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QStringLiteral("out of memory");
}

bool pathExists(const QString& path)
{
    struct stat info {};
    // lstat: a link that points nowhere still counts as something we must not replace.
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

void runAll(sqlite3* handle, const QString& sql, const QString& path)
{
    char* error = nullptr;
    if (sqlite3_exec(handle, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : sqlite3_errmsg(handle));
        sqlite3_free(error);
        throw StoreError(message, explainEngineError(path, sqlite3_extended_errcode(handle), message));
    }
}

sqlite3* openHandle(const QString& path, int flags)
{
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = engineMessage(handle);
        const int code = handle ? sqlite3_extended_errcode(handle) : rc;
        sqlite3_close(handle);
        throw StoreError(message, explainEngineError(path, code, message));
    }
    sqlite3_extended_result_codes(handle, 1);
    return handle;
}

bool ownerMayWrite(const QByteArray& path)
{
    struct stat info {};
    return ::stat(path.constData(), &info) == 0 && (info.st_mode & S_IWUSR) && ::access(path.constData(), W_OK) == 0;
}

// The file and its folder (where the journal goes) must both be writable.
bool isWritable(const QString& path)
{
    const QFileInfo info(path);
    return ownerMayWrite(QFile::encodeName(info.absoluteFilePath())) &&
           ownerMayWrite(QFile::encodeName(info.absolutePath()));
}

QString notNotesFile(const QString& path, const QString& engine)
{
    return engine + QStringLiteral("\n\n") +
           QCoreApplication::translate("Database",
                                       "%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet "
                                       "in another folder, or move the file away to begin a new one.")
               .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

// An empty file under `temporary`, readable by the owner alone, to be filled and then linked
// into place: a crash half-way never leaves a partial file under the real name.
void makePrivateFile(const QString& temporary, const QString& path)
{
    const QByteArray name = QFile::encodeName(temporary);
    ::unlink(name.constData());
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        throw StoreError(QStringLiteral("unable to open database file: cannot create %1 (%2)")
                             .arg(path, QString::fromLocal8Bit(strerror(errno))));
    ::close(fd);
}

// A file another process put at `path` meanwhile is left as it is.
void linkIntoPlace(const QString& temporary, const QString& path)
{
    const QByteArray name = QFile::encodeName(temporary);
    const bool linked = ::link(name.constData(), QFile::encodeName(path).constData()) == 0 || errno == EEXIST;
    const int error = errno;
    ::unlink(name.constData());
    if (!linked)
        throw StoreError(QStringLiteral("unable to open database file: cannot create %1 (%2)")
                             .arg(path, QString::fromLocal8Bit(strerror(error))));
}

} // namespace

Database::Database(QString path) : m_path(std::move(path)) {}

Database::~Database()
{
    if (m_handle)
        sqlite3_close_v2(m_handle);
}

void Database::setBusyTimeout(int milliseconds)
{
    m_busyTimeoutMs = milliseconds;
    if (m_handle)
        sqlite3_busy_timeout(m_handle, milliseconds);
}

sqlite3* Database::handle()
{
    if (!m_handle)
        open();
    return m_handle;
}

void Database::open()
{
    if (!pathExists(m_path))
        createFile();
    // A file or folder without write permission is opened for reading only, even by root,
    // so that the notes can still be read and every change is refused with a clear message.
    const int access = isWritable(m_path) ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
    sqlite3* handle = openHandle(m_path, access | SQLITE_OPEN_NOMUTEX);
    m_handle = handle;
    sqlite3_busy_timeout(m_handle, m_busyTimeoutMs);
    try {
        checkSchema();
        // A full sync on every commit: what a handler applied is on the disk when it returns.
        // The rollback journal (the default) keeps the file whole across a crash and writes
        // no lasting files beside it.
        runAll(m_handle, QStringLiteral("pragma synchronous=full"), m_path);
        registerSqlFunctions(m_handle);
        if (access == SQLITE_OPEN_READWRITE) {
            keepRollbackJournal();
            addMissingTablesAndIndexes();
        }
    } catch (...) {
        sqlite3_close_v2(m_handle);
        m_handle = nullptr;
        throw;
    }
}

// Without its index a list is sorted whole before its first row can be shown: at a
// million notes a second at every start. The index is made once, the first time such a
// file is opened; other programs that read or write the file go on working with it. So are
// the tables that keep deleted items for Undo, the reminders shown and the notes' identities,
// which a Delete, a reminder or a new note then need not make. A file that is busy or full
// keeps working without, and the next start tries again.
void Database::addMissingTablesAndIndexes()
{
    QStringList statements = schema::listIndexStatements();
    statements << sql::createKeptTable << sql::createShownReminders << identity::createTable;
    for (const QString& statement : statements) {
        // "create index|table if not exists NAME ..."
        const QString type = statement.section(QLatin1Char(' '), 1, 1);
        const QString name = statement.section(QLatin1Char(' '), 5, 5);
        const QByteArray check =
            QStringLiteral("select 1 from sqlite_master where type='%1' and name='%2'").arg(type, name).toUtf8();
        sqlite3_stmt* exists = nullptr;
        bool present = true;
        if (sqlite3_prepare_v2(m_handle, check.constData(), -1, &exists, nullptr) == SQLITE_OK)
            present = sqlite3_step(exists) == SQLITE_ROW;
        sqlite3_finalize(exists);
        if (present)
            continue;
        sqlite3_busy_timeout(m_handle, 0);
        const QByteArray create = statement.toUtf8();
        if (sqlite3_exec(m_handle, create.constData(), nullptr, nullptr, nullptr) == SQLITE_OK)
            qCInfo(lcStore) << "added the" << qPrintable(type) << name << "to" << m_path;
        else
            qCWarning(lcStore) << "could not add the" << qPrintable(type) << name << ":" << sqlite3_errmsg(m_handle);
        sqlite3_busy_timeout(m_handle, m_busyTimeoutMs);
    }
}

// A write-ahead log is a second file that lasts beside the notes file: a sync engine passes the
// two on apart, and the other machine gets a file without the changes held in the log. The
// mode is kept in the file, so another program may have switched it on; it goes back to the
// rollback journal, which lasts only while a write does. A file that another program holds
// open in that mode cannot switch now: it works as it is, and the next start tries again.
void Database::keepRollbackJournal()
{
    // The pragma answers with the mode in force afterwards: the old one when it could not change.
    const auto journalMode = [this](const char* pragma) {
        sqlite3_stmt* statement = nullptr;
        QString mode;
        if (sqlite3_prepare_v2(m_handle, pragma, -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            mode = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))).toLower();
        sqlite3_finalize(statement);
        return mode;
    };
    if (journalMode("pragma journal_mode") != QLatin1String("wal"))
        return;
    if (journalMode("pragma journal_mode=delete") == QLatin1String("delete"))
        qCInfo(lcStore) << "switched" << m_path << "from a write-ahead log back to the rollback journal";
    else
        qCWarning(lcStore) << "could not switch" << m_path
                           << "back to the rollback journal:" << sqlite3_errmsg(m_handle);
}

void Database::createFile()
{
    // Build the new file under a temporary name and link it into place, so that a crash
    // half-way or a second process starting at the same moment never leaves a file
    // without tables under the real name.
    const QString temporary = m_path + QStringLiteral(".new-") + QString::number(::getpid());
    makePrivateFile(temporary, m_path);
    sqlite3* handle = nullptr;
    try {
        handle = openHandle(temporary, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
        // The largest page the engine allows: the list of 100,000 notes is read in a
        // sixteenth of the reads that 4 kB pages take, which at start-up (a fresh process,
        // nothing cached in it) saves more than a third of the reading; an Apply still
        // writes in a couple of milliseconds. Files made before keep their page size.
        runAll(handle, QStringLiteral("pragma page_size=65536"), temporary);
        runAll(handle, QStringLiteral("begin"), temporary);
        for (const QString& statement : schema::creationStatements())
            runAll(handle, statement, temporary);
        runAll(handle, QStringLiteral("commit"), temporary);
        sqlite3_close_v2(handle);
        handle = nullptr;
        linkIntoPlace(temporary, m_path);
        qCInfo(lcStore) << "created" << m_path;
    } catch (...) {
        if (handle)
            sqlite3_close_v2(handle);
        QFile::remove(temporary);
        throw;
    }
}

void Database::checkSchema()
{
    for (const schema::RequiredTable& table : schema::requiredTables()) {
        sqlite3_stmt* statement = nullptr;
        const QByteArray sql = QStringLiteral("pragma table_info(%1)").arg(table.name).toUtf8();
        if (sqlite3_prepare_v2(m_handle, sql.constData(), -1, &statement, nullptr) != SQLITE_OK)
            throw engineError();
        QStringList present;
        int rc;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
            present << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1))).toLower();
        sqlite3_finalize(statement);
        if (rc != SQLITE_DONE)
            throw engineError();
        QString missing;
        if (present.isEmpty())
            missing = QStringLiteral("no such table: %1").arg(table.name);
        for (const QString& column : table.columns) {
            if (missing.isEmpty() && !present.contains(column))
                missing = QStringLiteral("no such column: %1.%2").arg(table.name, column);
        }
        if (!missing.isEmpty())
            throw StoreError(missing, notNotesFile(m_path, missing));
    }
}

StoreError Database::engineError() const
{
    const QString message = engineMessage(m_handle);
    return StoreError(message, explainEngineError(m_path, m_handle ? sqlite3_extended_errcode(m_handle) : 0, message));
}

// What tells one state of the file at the path from another: inode, size and time of change.
static QString fileState(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return QStringLiteral("%1:%2:%3.%4")
        .arg(info.st_ino)
        .arg(info.st_size)
        .arg(info.st_ctim.tv_sec)
        .arg(info.st_ctim.tv_nsec);
}

bool Database::followIfReplaced(bool evenIfGone)
{
    if (!m_handle || !sqlite3_get_autocommit(m_handle))
        return false;
    // The engine compares the file it holds open with the one now at the path.
    int moved = 0;
    if (sqlite3_file_control(m_handle, "main", SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK || !moved)
        return false;
    if (!pathExists(m_path)) {
        // Deleted, and nothing in its place: the connection holds the last of these notes.
        // A write puts them back at the path first, then goes there.
        if (!evenIfGone)
            return false;
        writeBackDeletedFile();
    }
    const QString state = fileState(m_path);
    if (state == m_unreadable.state) {
        if (evenIfGone)
            throw m_unreadable.error;
        return false;
    }
    qCInfo(lcStore) << m_path << "was replaced by another file: following it";
    // The new file is opened before the old one is let go: one that cannot be read (damaged,
    // caught half-written) leaves the notes shown as they were, and is tried again once the
    // file at the path changes.
    sqlite3* old = std::exchange(m_handle, nullptr);
    try {
        open();
    } catch (const StoreError& error) {
        m_handle = old;
        m_unreadable = {state, error};
        throw;
    }
    // Statements still prepared on the old connection keep it until they are finalized.
    sqlite3_close_v2(old);
    m_unreadable = {};
    ++m_replacements;
    if (onReplaced)
        onReplaced();
    return true;
}

void Database::writeBackDeletedFile()
{
    const QString temporary = m_path + QStringLiteral(".back-") + QString::number(::getpid());
    makePrivateFile(temporary, m_path);
    try {
        // The engine writes into an empty file it is given: this one keeps its mode.
        runAll(m_handle, QStringLiteral("vacuum into '%1'").arg(QString(temporary).replace(QLatin1Char('\''), "''")),
               m_path);
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
    linkIntoPlace(temporary, m_path);
    m_wroteBack = true;
    qCWarning(lcStore) << m_path << "was deleted while open: written again from the open connection";
}

void Database::execute(const QString& sql)
{
    runAll(handle(), sql, m_path);
}

void Database::beforeWrite()
{
    while (QDateTime::currentMSecsSinceEpoch() <= m_lastWriteMs)
        QThread::usleep(200);
}

void Database::afterWrite()
{
    // Taken after the statement ran, so it is no earlier than the time the engine stamped.
    m_lastWriteMs = QDateTime::currentMSecsSinceEpoch();
}

Database::Transaction::Transaction(Database& database) : m_database(database)
{
    m_database.followIfReplaced(true);
    m_database.execute(QStringLiteral("begin immediate"));
}

Database::Transaction::~Transaction()
{
    if (!m_done && m_database.m_handle)
        sqlite3_exec(m_database.m_handle, "rollback", nullptr, nullptr, nullptr);
}

void Database::Transaction::commit()
{
    m_database.execute(QStringLiteral("commit"));
    m_done = true;
}

} // namespace store
