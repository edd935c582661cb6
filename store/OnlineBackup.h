#pragma once

#include "store/BackupFolder.h"
#include "store/StoreError.h"

#include <QString>
#include <atomic>
#include <functional>
#include <optional>

struct sqlite3;

namespace store {

struct BackupOptions {
    // Pages copied while the notes file is held for reading: a writer waits at most that
    // long. At 64 kB pages, 16 pages take a few milliseconds.
    int pagesPerStep = 16;
    // The pause between steps, in which a writer gets the file: at least pauseMs, and
    // restPerStep times as long as the step took, so that the copy takes a bounded share of
    // the machine (its processor, the disk and the kernel's writing back) whatever the disk.
    int pauseMs = 1;
    int restPerStep = 3;
    // A file written so often that the copy starts over this many times is left for later.
    int maxRestarts = 50;
    // Free bytes of the folder's file system; tests stand in a short disk.
    std::function<qint64(const QString& folder)> freeBytes;
    // Applied to the backup's own connection before the copy; tests make it run out of room.
    QString destinationPragma;
    // Set from another thread to end the copy early (the program is closing).
    const std::atomic<bool>* cancel = nullptr;
};

struct BackupOutcome {
    enum class Kind { Taken, DiskShort, Failed, Cancelled };
    Kind kind = Kind::Failed;
    QString message;   // for the user when not Taken
    BackupEntry entry; // the backup made when Taken
};

// Room kept free beside a backup, so that the backup never takes the last of the disk.
qint64 backupMargin(qint64 fileBytes);

// Copies the notes file, page by page through the engine's online backup on connections of
// its own (safe on any thread), into a file of the folder; what another program writes
// meanwhile is either wholly in the copy or not at all. Written under a temporary name and
// renamed when complete, owner-only; nothing is left behind when it fails. Does not rotate.
BackupOutcome takeBackup(const BackupFolder& folder, const QDateTime& nowUtc, const BackupOptions& options = {});

// The number of notes a backup holds, read from the file itself (its name may tell anything:
// another program may have put a file of that name there); none when it is no notes file.
std::optional<qint64> notesInBackup(const QString& path);

// Replaces everything in the connection's database with the backup, in one transaction of
// the engine: another reader sees the file before or after, never half of it. Throws
// StoreError with the engine's message; the file is then as it was.
void restoreBackup(sqlite3* live, const QString& livePath, const QString& backupPath);

} // namespace store
