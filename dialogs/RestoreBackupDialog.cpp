#include "dialogs/RestoreBackupDialog.h"

#include "dialogs/DialogButtons.h"
#include "widgets/FontValue.h"
#include "widgets/Modal.h"
#include "widgets/xp/XPPainter.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>

namespace dialogs {

RestoreBackupDialog::RestoreBackupDialog(const std::vector<store::BackupEntry>& backups, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RestoreBackup"));
    setWindowTitle(tr("Restore from backup"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(275, 230);
    QFont dialogFont(widgets::FontValue::defaultFace());
    dialogFont.setPointSize(8);
    setFont(dialogFont);

    auto* hint = new QLabel(tr("Your notes as they are now are backed up first."), this);
    hint->setObjectName(QStringLiteral("lblHint"));
    hint->setGeometry(12, 8, 251, 16);

    lstBackups = new QTreeWidget(this);
    lstBackups->setObjectName(QStringLiteral("lstBackups"));
    lstBackups->setGeometry(12, 28, 251, 156);
    lstBackups->setRootIsDecorated(false);
    lstBackups->setHeaderLabels({tr("Taken"), tr("Notes")});
    lstBackups->header()->setStretchLastSection(false);
    lstBackups->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lstBackups->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    const QLocale locale;
    for (const store::BackupEntry& backup : backups) {
        auto* item = new QTreeWidgetItem(lstBackups);
        item->setText(0, locale.toString(backup.taken.toLocalTime(), QStringLiteral("ddd dd MMM yyyy  hh:mm:ss")));
        if (backup.notes >= 0) // a file that is no notes file has no count to show
            item->setText(1, locale.toString(backup.notes));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (!backups.empty())
        lstBackups->setCurrentItem(lstBackups->topLevelItem(0));

    btnRestore = new QPushButton(tr("Restore"), this);
    btnRestore->setObjectName(QStringLiteral("btnRestore"));
    btnRestore->setGeometry(108, 196, 75, 25);
    btnRestore->setDefault(true);
    btnRestore->setEnabled(!backups.empty());
    giveOkGlyph(btnRestore);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(188, 196, 75, 25);
    giveCancelGlyph(btnCancel);
    lstBackups->setFocus();

    connect(btnRestore, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstBackups, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    widgets::TXPPainter::attachTo(this);
}

std::optional<int> RestoreBackupDialog::chosen() const
{
    const int row = lstBackups->indexOfTopLevelItem(lstBackups->currentItem());
    if (row < 0)
        return std::nullopt;
    return row;
}

std::optional<int> chooseBackup(const std::vector<store::BackupEntry>& backups, QWidget* owner)
{
    RestoreBackupDialog dialog(backups, owner);
    if (widgets::Modal::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

} // namespace dialogs
