#pragma once

#include "store/CategoryNames.h"

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace dialogs {

// What the category dialog is handed and hands back. The name holds at most 31 characters
// and the description at most 100: longer text is cut when it is put into the record.
struct TCategoryRec {
    static constexpr int kNameLength = store::kCategoryNameLength;
    static constexpr int kDescriptionLength = 100;

    QString name;
    QString description;

    void setName(const QString& text);
    void setDescription(const QString& text);
};

// The dialog in which a category's name and description are typed. OK stays unavailable
// until the name is first changed, and refuses to close while the name is empty.
class TCategoryManage : public QDialog {
    Q_OBJECT
public:
    explicit TCategoryManage(QWidget* parent = nullptr);

    QLineEdit* edtcatname = nullptr;
    QLineEdit* edtcatDescription = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    void edtcatnameChange();
    void btnOkClick();
};

// Fills the dialog from the record, runs it modally over the owner and copies the texts back
// into the record only when it closed with OK. Returns whether it did.
bool ShowCategoryDialog(TCategoryRec& record, QWidget* owner);

} // namespace dialogs
