// Backups of the notes file: one a day on a thread, and putting one of them back. NotesBackups
// decides; the window shows its dialogs and, after a restore, reads everything again.
#include "app/MiniForm.h"

#include "app/NotesBackups.h"
#include "app/Reminders.h"
#include "dialogs/RestoreBackupDialog.h"
#include "widgets/Modal.h"

#include <QApplication>
#include <QLabel>
#include <QScopeGuard>

namespace app {

namespace {

// Long enough after start that the first reading of the list and the integrity check, which
// read the same file, are over: the backup adds nothing to start-up.
constexpr int kFirstBackupDelayMs = 30000;

} // namespace

void TMiniForm::startBackups()
{
    m_notesBackups->start(store::BackupFolder::defaultFolder(), kFirstBackupDelayMs,
                          [this](const QString& notice) { pnlStatus1->setText(notice); });
}

void TMiniForm::RestoreFromBackup1Click()
{
    // The memo may hold text not applied yet, which the restore would leave without a note.
    if (!m_state.InBrowseMode || !m_notesBackups->started())
        return;
    NotesBackups& backups = *m_notesBackups;
    backups.pause();
    const auto resumeChecking = qScopeGuard([&backups] { backups.resume(); });
    const std::vector<store::BackupEntry> listed = backups.listWithCounts();
    if (listed.empty()) {
        widgets::Modal::message(this, QMessageBox::Information, tr("Information"),
                                tr("There is no backup of this notes file yet. Quibbet takes one "
                                   "a day while it runs."));
        return;
    }
    const std::optional<int> chosen = dialogs::chooseBackup(listed, this);
    if (!chosen)
        return;
    const store::BackupEntry backup = listed[size_t(*chosen)];
    if (widgets::Modal::message(this, QMessageBox::Question, tr("Confirmation"), NotesBackups::confirmationFor(backup),
                                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    // It reads the file the restore replaces, and would hold it.
    m_noteListView->waitForNoteList();
    const NotesBackups::Restore restore = backups.restore(backup);
    if (restore.kind == NotesBackups::Restore::Kind::Refused) {
        widgets::Modal::message(this, QMessageBox::Critical, QStringLiteral("Quibbet"), restore.refusal);
        return;
    }
    if (restore.kind != NotesBackups::Restore::Kind::Restored)
        return;

    // What this run deleted may not exist in the restored file, or exist as something else:
    // Undo holds what the restored file keeps.
    m_deleteHistory->forgetAll();
    guarded([this] {
        m_deleteHistory->load();
        m_categoryTabs->refreshTabsFromFile();
        m_notesFile->AQclipQuery().reread(m_state.CurGroupId);
        m_categoryTabs->showSelectedCategory();
        OpenDueReminders();
        m_toolCommands->readNoteFont();
    });
    // The restored file keeps the minute of its backup: reminders this run showed since then
    // would show again at the next start.
    m_reminders->keepChecked();
    m_notesFile->version().markRead();
    pnlStatus1->setText(NotesBackups::restoredNotice(backup));
}

} // namespace app
