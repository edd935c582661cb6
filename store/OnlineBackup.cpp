#include "store/OnlineBackup.h"

#include "store/StoreMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QScopeGuard>
#include <QStorageInfo>
#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <sqlite3.h>
#include <thread>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcBackup, "quibbet.backup")

namespace store {

namespace {

// The notes a user counts: the Search category's copies are not notes of their own.
constexpr const char* kCountNotes = "select count(*) from notes_main where group_id is not 1";

// A page cache of 16 pages (1 MB at the 64 kB pages of our files), and no file mapped into
// memory (its pages would count as the program's own). Counted in pages, not in bytes: the
// copy takes the notes file's page size only once it began, and a cache sized in bytes for
// the new file's small pages would then hold sixteen times as much.
constexpr const char* kSmallCache = "pragma cache_size=16; pragma mmap_size=0; ";

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1) + QStringLiteral(" MB");
}

sqlite3* openConnection(const QString& path, int flags, QString& error)
{
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK) {
        error = handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QStringLiteral("out of memory");
        sqlite3_close(handle);
        return nullptr;
    }
    sqlite3_extended_result_codes(handle, 1);
    sqlite3_busy_timeout(handle, 5000);
    return handle;
}

bool syncPath(const QString& path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

BackupOutcome failed(BackupOutcome::Kind kind, const QString& message)
{
    BackupOutcome outcome;
    outcome.kind = kind;
    outcome.message = message;
    return outcome;
}

} // namespace

qint64 backupMargin(qint64 fileBytes)
{
    // A tenth of the file, and never under 64 MB: what the rest of the desktop needs to go on.
    return std::max<qint64>(fileBytes / 10, 64LL * 1024 * 1024);
}

BackupOutcome takeBackup(const BackupFolder& folder, const QDateTime& nowUtc, const BackupOptions& options)
{
    using Kind = BackupOutcome::Kind;
    const QFileInfo source(folder.notesPath());
    if (!source.isFile())
        return failed(Kind::Failed, QCoreApplication::translate("OnlineBackup", "There is no notes file %1 to back up.")
                                        .arg(folder.notesPath()));
    QString error;
    if (!folder.prepare(error))
        return failed(Kind::Failed, QCoreApplication::translate("OnlineBackup", "Backup failed: %1").arg(error));

    const qint64 size = source.size();
    const qint64 free =
        options.freeBytes ? options.freeBytes(folder.folder()) : QStorageInfo(folder.folder()).bytesAvailable();
    if (free >= 0 && free < size + backupMargin(size)) {
        // The status line holds about thirty characters; the figures go to the log.
        qCWarning(lcBackup) << "backup skipped:" << megabytes(free) << "free in" << folder.folder() << ","
                            << megabytes(size + backupMargin(size)) << "needed";
        return failed(Kind::DiskShort, QCoreApplication::translate("OnlineBackup", "Backup skipped: disk short"));
    }

    const QDateTime taken = folder.freeMoment(nowUtc);
    const QString temporary = folder.temporaryPath(taken);
    const QByteArray temporaryName = QFile::encodeName(temporary);
    ::unlink(temporaryName.constData());
    const int fd = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return failed(Kind::Failed, QCoreApplication::translate("OnlineBackup", "Backup failed: cannot create %1 (%2)")
                                        .arg(temporary, QString::fromLocal8Bit(strerror(errno))));
    ::close(fd);

    sqlite3* from = nullptr;
    sqlite3* to = nullptr;
    bool keep = false;
    const auto cleanUp = qScopeGuard([&] {
        sqlite3_close_v2(to);
        sqlite3_close_v2(from);
        if (!keep) {
            ::unlink(temporaryName.constData());
            ::unlink((temporaryName + "-journal").constData());
        }
    });
    // Read-only: a backup must never be the thing that changes the notes file.
    from = openConnection(folder.notesPath(), SQLITE_OPEN_READONLY, error);
    if (from)
        to = openConnection(temporary, SQLITE_OPEN_READWRITE, error);
    if (!to)
        return failed(Kind::Failed, QCoreApplication::translate("OnlineBackup", "Backup failed: %1").arg(error));
    // The copy is thrown away whole if anything goes wrong, so it needs no journal and no
    // syncs of its own; it is synced once, before it takes its name. Each page passes through
    // once and is never read again: a small cache on either side is enough, and keeps the
    // program's memory what it is without a backup, however large the file.
    QString pragmas = QString::fromLatin1(kSmallCache) +
                      QStringLiteral("pragma journal_mode=off; pragma synchronous=off; ") + options.destinationPragma;
    if (sqlite3_exec(from, kSmallCache, nullptr, nullptr, nullptr) != SQLITE_OK)
        return failed(Kind::Failed, QCoreApplication::translate("OnlineBackup", "Backup failed: %1")
                                        .arg(QString::fromUtf8(sqlite3_errmsg(from))));
    if (sqlite3_exec(to, pragmas.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return failed(Kind::Failed, QCoreApplication::translate("OnlineBackup", "Backup failed: %1")
                                        .arg(QString::fromUtf8(sqlite3_errmsg(to))));

    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        return failed(Kind::Failed, QCoreApplication::translate("OnlineBackup", "Backup failed: %1")
                                        .arg(QString::fromUtf8(sqlite3_errmsg(to))));
    int rc = SQLITE_OK;
    int restarts = 0;
    int lastRemaining = -1;
    while (true) {
        if (options.cancel && options.cancel->load()) {
            sqlite3_backup_finish(backup);
            return failed(Kind::Cancelled, QString());
        }
        const auto stepBegan = std::chrono::steady_clock::now();
        rc = sqlite3_backup_step(backup, std::max(options.pagesPerStep, 1));
        const auto stepTook = std::chrono::steady_clock::now() - stepBegan;
        if (rc == SQLITE_DONE)
            break;
        const int primary = rc & 0xFF;
        if (primary != SQLITE_OK && primary != SQLITE_BUSY && primary != SQLITE_LOCKED)
            break;
        if (primary == SQLITE_OK) {
            // Another connection wrote the file between two steps: the copy began again.
            const int remaining = sqlite3_backup_remaining(backup);
            if (lastRemaining >= 0 && remaining > lastRemaining && ++restarts > options.maxRestarts) {
                sqlite3_backup_finish(backup);
                // The status line holds about thirty characters; the next hourly look tries again.
                qCInfo(lcBackup) << "backup put off after" << restarts << "restarts: the file kept changing";
                return failed(Kind::Failed,
                              QCoreApplication::translate("OnlineBackup", "Backup later: file kept changing"));
            }
            lastRemaining = remaining;
        }
        std::this_thread::sleep_for(std::max<std::chrono::steady_clock::duration>(
            std::chrono::milliseconds(std::max(options.pauseMs, 0)), stepTook * std::max(options.restPerStep, 0)));
    }
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) {
        const QString message = QString::fromUtf8(sqlite3_errstr(rc));
        if ((rc & 0xFF) == SQLITE_FULL)
            return failed(Kind::DiskShort, QCoreApplication::translate("OnlineBackup", "Backup skipped: disk full"));
        return failed(Kind::Failed, QCoreApplication::translate("OnlineBackup", "Backup failed: %1").arg(message));
    }

    BackupOutcome outcome;
    sqlite3_stmt* count = nullptr;
    if (sqlite3_prepare_v2(to, kCountNotes, -1, &count, nullptr) == SQLITE_OK && sqlite3_step(count) == SQLITE_ROW)
        outcome.entry.notes = sqlite3_column_int64(count, 0);
    sqlite3_finalize(count);
    sqlite3_close_v2(to);
    to = nullptr;

    const QString finalPath = folder.finalPath(taken, outcome.entry.notes);
    if (!syncPath(temporary, O_RDONLY) || ::rename(temporaryName.constData(), QFile::encodeName(finalPath)) != 0)
        return failed(Kind::Failed, QCoreApplication::translate("OnlineBackup", "Backup failed: cannot write %1 (%2)")
                                        .arg(finalPath, QString::fromLocal8Bit(strerror(errno))));
    keep = true;
    syncPath(folder.folder(), O_RDONLY | O_DIRECTORY);
    outcome.kind = Kind::Taken;
    outcome.entry.filePath = finalPath;
    outcome.entry.taken = taken;
    outcome.entry.bytes = QFileInfo(finalPath).size();
    qCInfo(lcBackup) << "backed up" << folder.notesPath() << "to" << finalPath << "with" << outcome.entry.notes
                     << "notes," << restarts << "restarts";
    return outcome;
}

std::optional<qint64> notesInBackup(const QString& path)
{
    QString error;
    sqlite3* file = openConnection(path, SQLITE_OPEN_READONLY, error);
    if (!file)
        return std::nullopt;
    // All notes less the Search copies: two counts that read an index, not every note's text.
    sqlite3_stmt* count = nullptr;
    std::optional<qint64> notes;
    if (sqlite3_prepare_v2(file,
                           "select (select count(*) from notes_main) - "
                           "(select count(*) from notes_main where group_id = 1)",
                           -1, &count, nullptr) == SQLITE_OK &&
        sqlite3_step(count) == SQLITE_ROW)
        notes = sqlite3_column_int64(count, 0);
    sqlite3_finalize(count);
    sqlite3_close_v2(file);
    return notes;
}

void restoreBackup(sqlite3* live, const QString& livePath, const QString& backupPath)
{
    QString error;
    sqlite3* from = openConnection(backupPath, SQLITE_OPEN_READONLY, error);
    if (!from)
        throw StoreError(error, explainEngineError(backupPath, SQLITE_CANTOPEN, error));
    const auto closeBackup = qScopeGuard([from] { sqlite3_close_v2(from); });
    // Only a notes file is put in place of the notes file.
    sqlite3_stmt* check = nullptr;
    const int checked = sqlite3_prepare_v2(from, kCountNotes, -1, &check, nullptr);
    const int stepped = checked == SQLITE_OK ? sqlite3_step(check) : checked;
    sqlite3_finalize(check);
    if (stepped != SQLITE_ROW) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(from));
        throw StoreError(message, explainEngineError(backupPath, sqlite3_extended_errcode(from), message));
    }

    sqlite3_backup* backup = sqlite3_backup_init(live, "main", from, "main");
    if (!backup) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(live));
        throw StoreError(message, explainEngineError(livePath, sqlite3_extended_errcode(live), message));
    }
    // All pages in one step: one write transaction on the notes file, so a failure (a full
    // disk, a reader that will not let go) leaves it as it was.
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) {
        const QString message = QString::fromUtf8(sqlite3_errstr(rc));
        throw StoreError(message, explainEngineError(livePath, rc, message));
    }
    qCInfo(lcBackup) << "restored" << livePath << "from" << backupPath;
}

} // namespace store
