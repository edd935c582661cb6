// Backups of the notes file: one a day on a thread, and putting one of them back.
#include "app/MiniForm.h"

#include "app/BackupSchedule.h"
#include "app/Reminders.h"
#include "dialogs/RestoreBackupDialog.h"
#include "store/Clock.h"
#include "widgets/Modal.h"

#include <QApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QScopeGuard>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace app {

namespace {

// Long enough after start that the first reading of the list and the integrity check, which
// read the same file, are over: the backup adds nothing to start-up.
constexpr int kFirstBackupDelayMs = 30000;

QString shownMoment(const store::BackupEntry& backup)
{
    return backup.taken.toLocalTime().toString(QStringLiteral("ddd dd MMM yyyy hh:mm:ss"));
}

} // namespace

void TMiniForm::startBackups()
{
    if (m_backupSchedule)
        return;
    m_backupSchedule =
        new BackupSchedule(store::BackupFolder(store::BackupFolder::defaultFolder(), database().path()), this);
    connect(m_backupSchedule, &BackupSchedule::finished, this, [this](const store::BackupOutcome& outcome) {
        using Kind = store::BackupOutcome::Kind;
        if (outcome.kind == Kind::Taken) {
            m_backupProblemShown = false; // a later problem is news again
            return;
        }
        if (outcome.kind == Kind::Cancelled)
            return;
        qCWarning(lcApp) << outcome.message;
        // The hourly look tries again; the user hears of it once, not every hour.
        if (m_backupProblemShown)
            return;
        m_backupProblemShown = true;
        pnlStatus1->setText(outcome.message);
    });
    m_backupSchedule->startChecking(kFirstBackupDelayMs);
}

void TMiniForm::RestoreFromBackup1Click()
{
    // The memo may hold text not applied yet, which the restore would leave without a note.
    if (!m_state.InBrowseMode || !m_backupSchedule)
        return;
    // No backup may start, end or rotate the folder while the user chooses: the backup chosen
    // could go. A day's backup cut short here is taken at a later hourly look.
    m_backupSchedule->stopChecking();
    m_backupSchedule->cancel();
    const auto resumeChecking =
        qScopeGuard([this] { m_backupSchedule->startChecking(BackupSchedule::kCheckIntervalMs); });
    const store::BackupFolder& folder = m_backupSchedule->folder();
    std::vector<store::BackupEntry> backups = folder.list();
    for (store::BackupEntry& backup : backups)
        backup.notes = store::notesInBackup(backup.filePath).value_or(-1);
    if (backups.empty()) {
        widgets::Modal::message(this, QMessageBox::Information, QStringLiteral("Information"),
                                QStringLiteral("There is no backup of this notes file yet. Quibbet takes one "
                                               "a day while it runs."));
        return;
    }
    const std::optional<int> chosen = dialogs::chooseBackup(backups, this);
    if (!chosen)
        return;
    const store::BackupEntry backup = backups[size_t(*chosen)];
    const QString when = shownMoment(backup);
    const QString count = backup.notes < 0
                              ? QString()
                              : QStringLiteral(" (%1 %2)")
                                    .arg(QLocale().toString(backup.notes),
                                         backup.notes == 1 ? QStringLiteral("note") : QStringLiteral("notes"));
    const QString question = QStringLiteral("Replace all notes, categories, reminders and options with the backup "
                                            "of %1%2?\n\nYour notes as they are now are backed up first.")
                                 .arg(when, count);
    if (widgets::Modal::message(this, QMessageBox::Question, QStringLiteral("Confirmation"), question,
                                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    // It reads the file the restore replaces, and would hold it.
    waitForNoteList();
    // Restoring never destroys the file it replaces: the notes as they are go to a backup
    // first, and nothing happens when that fails. The user waits for this one: no rests.
    store::BackupOptions urgent = m_backupSchedule->options();
    urgent.cancel = nullptr;
    urgent.pauseMs = 0;
    urgent.restPerStep = 0;
    urgent.pagesPerStep = 256;
    const store::BackupOutcome before = store::takeBackup(folder, store::Clock::now().toUTC(), urgent);
    if (before.kind != store::BackupOutcome::Kind::Taken) {
        widgets::Modal::message(this, QMessageBox::Critical, QStringLiteral("Quibbet"),
                                before.message + QStringLiteral("\n\nYour notes have not been changed."));
        return;
    }
    const bool restored =
        guarded([&] { store::restoreBackup(database().handle(), database().path(), backup.filePath); });
    // Rotated only now: the backup chosen may have been the oldest of those kept.
    folder.keepNewest();
    if (!restored)
        return;

    // What this run deleted may not exist in the restored file, or exist as something else:
    // Undo holds what the restored file keeps.
    m_deleteHistory->forgetAll();
    guarded([this] {
        m_deleteHistory->load();
        refreshTabsFromFile();
        AQclipQuery().reread(m_state.CurGroupId);
        showSelectedCategory();
        OpenDueReminders();
        readNoteFont();
    });
    // The restored file keeps the minute of its backup: reminders this run showed since then
    // would show again at the next start.
    m_reminders->keepChecked();
    m_notesFile->version().markRead();
    // The status line holds about thirty characters beside the mode.
    pnlStatus1->setText(QStringLiteral("Restored: ") +
                        backup.taken.toLocalTime().toString(QStringLiteral("dd MMM yyyy hh:mm:ss")));
}

} // namespace app
