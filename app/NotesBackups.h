#pragma once

#include "store/OnlineBackup.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace app {

class BackupSchedule;
class NotesFile;

// The backups of the notes file for the run: one a day on the schedule, what the status line
// hears of one skipped or failed, and putting one back. It shows nothing itself: it says what
// the window is to show, so that it runs without one.
class NotesBackups {
    Q_DECLARE_TR_FUNCTIONS(NotesBackups)

public:
    // How a restore ended. Failed: the store's error went to the notes file's reporter.
    struct Restore {
        enum class Kind { Restored, Refused, Failed };
        Kind kind = Kind::Failed;
        QString refusal; // for the user when Refused
    };

    explicit NotesBackups(NotesFile& file);
    ~NotesBackups();
    NotesBackups(const NotesBackups&) = delete;
    NotesBackups& operator=(const NotesBackups&) = delete;

    // Backs the notes file up into its folder under `folderRoot`, the first look after
    // `firstDelayMs`; what the status line should say of an ended backup goes to `showStatus`.
    // Once a run: a second call changes nothing.
    void start(const QString& folderRoot, int firstDelayMs, std::function<void(const QString&)> showStatus);
    bool started() const { return m_schedule != nullptr; }
    BackupSchedule& schedule() { return *m_schedule; }

    // What the status line says of a backup that ended: a skip or failure once, until a
    // backup is taken again; nothing else.
    std::optional<QString> noticeOf(const store::BackupOutcome& outcome);

    // While the user chooses a backup to restore, and until the restore ends.
    void pause();
    void resume();
    // The backups kept, newest first, each with the count of notes its file holds (-1: none).
    std::vector<store::BackupEntry> listWithCounts() const;
    static QString confirmationFor(const store::BackupEntry& backup);
    // Backs the notes as they are up first, then replaces them with the backup.
    Restore restore(const store::BackupEntry& backup);
    static QString restoredNotice(const store::BackupEntry& backup);

private:
    NotesFile& m_file;
    std::unique_ptr<BackupSchedule> m_schedule;
    std::function<void(const QString&)> m_showStatus;
    bool m_problemShown = false;
};

} // namespace app
