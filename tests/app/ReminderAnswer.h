#pragma once
// Answers the next reminder dialog: due tomorrow with the given text, saved with OK.
#include "dialogs/FrmRemind.h"
#include "widgets/Modal.h"

#include <QDate>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>

inline void queueReminderAnswer(const QString& text)
{
    widgets::Modal::queueDialogAnswer([text](QDialog& shown) {
        auto& dialog = dynamic_cast<dialogs::TFrmRemind&>(shown);
        dialog.dtRemind->setDate(QDate::currentDate().addDays(1));
        dialog.memoRemind->setPlainText(text);
        dialog.btnOk->click();
        return dialog.result();
    });
}
