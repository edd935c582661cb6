#include "dialogs/ShowRemindForm.h"

#include "dialogs/DialogButtons.h"
#include "widgets/Color.h"
#include "widgets/Modal.h"
#include "widgets/WrittenText.h"
#include "widgets/xp/XPPainter.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

namespace dialogs {

namespace {
constexpr widgets::TColor clMenu = widgets::TColor(0x80000004u);
}

TShowRemindForm::TShowRemindForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ShowRemindForm"));
    setWindowTitle(tr("Remind info"));
    setFixedSize(444, 312);
    move(192, 107);

    MemoContent = new QPlainTextEdit(this);
    MemoContent->setObjectName(QStringLiteral("MemoContent"));
    MemoContent->setGeometry(24, 16, 393, 225);
    MemoContent->setReadOnly(true);
    MemoContent->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = MemoContent->palette();
    palette.setColor(QPalette::Base, widgets::toQColor(clMenu, palette));
    MemoContent->setPalette(palette);
    widgets::showAsWritten(*MemoContent);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(8, 254, 428, 2);

    btnOk = new QPushButton(tr("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(264, 272, 75, 25);
    btnOk->setDefault(true);
    giveOkGlyph(btnOk);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(348, 272, 75, 25);
    btnCancel->setAutoDefault(false);
    giveCancelGlyph(btnCancel);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    widgets::TXPPainter::attachTo(this);
}

void TShowRemindForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TShowRemindForm::FormShow()
{
    MemoContent->setPlainText(RemindText);
}

void ShowRemindText(const QString& text, QWidget* owner)
{
    TShowRemindForm form(owner);
    form.RemindText = text;
    widgets::Modal::exec(form);
}

} // namespace dialogs
