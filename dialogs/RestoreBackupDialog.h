#pragma once

#include "store/BackupFolder.h"

#include <QDialog>
#include <optional>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace dialogs {

// The backups of the notes file, newest first, each with the moment it was taken (local
// time) and its number of notes (none for a file that is no notes file); Restore hands back
// the one selected.
class RestoreBackupDialog : public QDialog {
    Q_OBJECT
public:
    RestoreBackupDialog(const std::vector<store::BackupEntry>& backups, QWidget* parent = nullptr);

    QTreeWidget* lstBackups = nullptr;
    QPushButton* btnRestore = nullptr;
    QPushButton* btnCancel = nullptr;

    // The row selected, or none.
    std::optional<int> chosen() const;
};

// Runs the dialog modally over the owner; the index of the backup to restore when the user
// pressed Restore with one selected.
std::optional<int> chooseBackup(const std::vector<store::BackupEntry>& backups, QWidget* owner);

} // namespace dialogs
