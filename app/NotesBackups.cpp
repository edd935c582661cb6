#include "app/NotesBackups.h"

#include "store/CountedText.h"
#include "app/BackupSchedule.h"
#include "app/NotesFile.h"
#include "store/Clock.h"

#include <QLocale>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace app {

namespace {

QString shownMoment(const store::BackupEntry& backup)
{
    return QLocale().toString(backup.taken.toLocalTime(), QStringLiteral("ddd dd MMM yyyy hh:mm:ss"));
}

} // namespace

NotesBackups::NotesBackups(NotesFile& file) : m_file(file) {}

// Here, where the schedule is whole: its end cancels a running backup.
NotesBackups::~NotesBackups() = default;

void NotesBackups::start(const QString& folderRoot, int firstDelayMs, std::function<void(const QString&)> showStatus)
{
    if (m_schedule)
        return;
    m_showStatus = std::move(showStatus);
    m_schedule = std::make_unique<BackupSchedule>(store::BackupFolder(folderRoot, m_file.path()));
    QObject::connect(m_schedule.get(), &BackupSchedule::finished, m_schedule.get(),
                     [this](const store::BackupOutcome& outcome) {
                         const std::optional<QString> notice = noticeOf(outcome);
                         if (notice && m_showStatus)
                             m_showStatus(*notice);
                     });
    m_schedule->startChecking(firstDelayMs);
}

std::optional<QString> NotesBackups::noticeOf(const store::BackupOutcome& outcome)
{
    using Kind = store::BackupOutcome::Kind;
    if (outcome.kind == Kind::Taken) {
        m_problemShown = false; // a later problem is news again
        return std::nullopt;
    }
    if (outcome.kind == Kind::Cancelled)
        return std::nullopt;
    qCWarning(lcApp) << outcome.message;
    // The hourly look tries again; the user hears of it once, not every hour.
    if (m_problemShown)
        return std::nullopt;
    m_problemShown = true;
    return outcome.message;
}

void NotesBackups::pause()
{
    // No backup may start, end or rotate the folder while the user chooses: the backup chosen
    // could go. A day's backup cut short here is taken at a later hourly look.
    m_schedule->stopChecking();
    m_schedule->cancel();
}

void NotesBackups::resume()
{
    m_schedule->startChecking(BackupSchedule::kCheckIntervalMs);
}

std::vector<store::BackupEntry> NotesBackups::listWithCounts() const
{
    std::vector<store::BackupEntry> backups = m_schedule->folder().list();
    for (store::BackupEntry& backup : backups)
        backup.notes = store::notesInBackup(backup.filePath).value_or(-1);
    return backups;
}

QString NotesBackups::confirmationFor(const store::BackupEntry& backup)
{
    const QString when = shownMoment(backup);
    const QString count = backup.notes < 0 ? QString() : store::countedText("NotesBackups", QT_TRANSLATE_N_NOOP("NotesBackups", " (%Ln notes)"), " (%Ln note)", backup.notes);
    return tr("Replace all notes, categories, reminders and options with the backup "
              "of %1%2?\n\nYour notes as they are now are backed up first.")
        .arg(when, count);
}

NotesBackups::Restore NotesBackups::restore(const store::BackupEntry& backup)
{
    const store::BackupFolder& folder = m_schedule->folder();
    // Restoring never destroys the file it replaces: the notes as they are go to a backup
    // first, and nothing happens when that fails. The user waits for this one: no rests.
    store::BackupOptions urgent = m_schedule->options();
    urgent.cancel = nullptr;
    urgent.pauseMs = 0;
    urgent.restPerStep = 0;
    urgent.pagesPerStep = 256;
    const store::BackupOutcome before = store::takeBackup(folder, store::Clock::now().toUTC(), urgent);
    if (before.kind != store::BackupOutcome::Kind::Taken)
        return {Restore::Kind::Refused,
                before.message + QStringLiteral("\n\n") + tr("Your notes have not been changed.")};
    const bool restored = m_file.guarded([&] {
        // Into the file at the path: one another program put there meanwhile is the one the
        // backup just taken holds.
        m_file.database().followIfReplaced(true);
        store::restoreBackup(m_file.database().handle(), m_file.database().path(), backup.filePath);
    });
    // Rotated only now: the backup chosen may have been the oldest of those kept.
    folder.keepNewest();
    return {restored ? Restore::Kind::Restored : Restore::Kind::Failed, QString()};
}

QString NotesBackups::restoredNotice(const store::BackupEntry& backup)
{
    // The status line holds about thirty characters beside the mode.
    return tr("Restored: %1").arg(QLocale().toString(backup.taken.toLocalTime(), QStringLiteral("dd MMM yyyy hh:mm:ss")));
}

} // namespace app
