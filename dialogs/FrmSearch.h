#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace dialogs {

// The dialog that asks for the text to find. It has no behaviour of its own: OK and Cancel
// close it with their results, Enter presses OK and Escape presses Cancel.
class TFrmSearch : public QDialog {
    Q_OBJECT
public:
    explicit TFrmSearch(QWidget* parent = nullptr);

    QLineEdit* edt_for_search = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
};

// Puts the text into the dialog, runs it modally in the middle of the screen and, when it
// closed with OK, hands the text back exactly as typed. The owner only keeps the dialog
// above it (the main window may stay on top); it does not place it.
bool ShowSearchDialog(QString& text, QWidget* owner);

} // namespace dialogs
