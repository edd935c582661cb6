#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace dialogs {

// "Remind info": shows the text of a reminder that has fallen due.
class TShowRemindForm : public QDialog {
    Q_OBJECT
public:
    explicit TShowRemindForm(QWidget* owner = nullptr);

    QString RemindText;

    QPlainTextEdit* MemoContent = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
};

// Shows one reminder's text modally; returns when the user closed the window.
void ShowRemindText(const QString& text, QWidget* owner);

} // namespace dialogs
