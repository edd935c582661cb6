#pragma once

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>

class QPushButton;
class QTreeWidget;

namespace dialogs {

// One deleted note or category as the list shows it.
struct DeletedEntry {
    QDateTime deletedAt; // UTC; shown in local time
    QString category;
    QString text; // the note's text or the category's name; its first line is shown
};

// Lists what was deleted, newest first as given, with Restore and Close.
class TRecentlyDeletedForm : public QDialog {
    Q_OBJECT
public:
    explicit TRecentlyDeletedForm(const QList<DeletedEntry>& entries, QWidget* parent = nullptr);

    QTreeWidget* lvDeleted = nullptr;
    QPushButton* btnRestore = nullptr;
    QPushButton* btnClose = nullptr;
};

// Runs the list modally; the index of the entry to restore, or -1.
int ShowRecentlyDeleted(const QList<DeletedEntry>& entries, QWidget* owner);

} // namespace dialogs
