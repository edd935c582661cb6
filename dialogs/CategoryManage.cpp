#include "dialogs/CategoryManage.h"

#include "dialogs/BottomLineBevel.h"
#include "dialogs/DialogButtons.h"
#include "widgets/FontValue.h"
#include "widgets/Modal.h"
#include "widgets/xp/XPPainter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dialogs {

namespace {

// Cuts text to at most `length` characters without splitting a character that takes two
// UTF-16 units.
QString cut(const QString& text, int length)
{
    if (text.size() <= length)
        return text;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

QLabel* label(QWidget* parent, const QString& text, int left, int top)
{
    auto* result = new QLabel(text, parent);
    result->move(left, top);
    result->adjustSize();
    return result;
}

} // namespace

void TCategoryRec::setName(const QString& text)
{
    // Blanks at either end would make a name that looks like another one.
    name = cut(text.trimmed(), kNameLength).trimmed();
}

void TCategoryRec::setDescription(const QString& text)
{
    description = cut(text, kDescriptionLength);
}

TCategoryManage::TCategoryManage(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CategoryManage"));
    setWindowTitle(tr("Category manage"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(275, 165);
    QFont dialogFont(widgets::FontValue::defaultFace());
    dialogFont.setPointSize(8);
    setFont(dialogFont);

    label(this, tr("Category name(*):"), 24, 32)->setObjectName(QStringLiteral("Label1"));
    edtcatname = new QLineEdit(this);
    edtcatname->setObjectName(QStringLiteral("edtcatname"));
    edtcatname->setGeometry(120, 24, 121, 21);
    label(this, tr("Category Description:"), 24, 64)->setObjectName(QStringLiteral("Label2"));
    edtcatDescription = new QLineEdit(this);
    edtcatDescription->setObjectName(QStringLiteral("edtcatDescription"));
    edtcatDescription->setGeometry(24, 80, 217, 21);
    auto* bevel = new BottomLineBevel(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setGeometry(0, 96, 273, 18);
    bevel->lower(); // the description edit reaches into the bevel's box and stays usable

    btnOk = new QPushButton(tr("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(88, 129, 75, 25);
    btnOk->setDefault(true);
    btnOk->setEnabled(false);
    giveOkGlyph(btnOk);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(168, 129, 75, 25);
    giveCancelGlyph(btnCancel);

    setTabOrder(btnOk, btnCancel);
    setTabOrder(btnCancel, edtcatname);
    setTabOrder(edtcatname, edtcatDescription);
    // The name is what the dialog is for: typing starts there.
    edtcatname->setFocus();

    connect(edtcatname, &QLineEdit::textChanged, this, [this] { edtcatnameChange(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    widgets::TXPPainter::attachTo(this);
}

void TCategoryManage::edtcatnameChange()
{
    btnOk->setEnabled(true);
}

void TCategoryManage::btnOkClick()
{
    if (edtcatname->text().trimmed().isEmpty())
        return; // stays open, says nothing
    accept();
}

bool ShowCategoryDialog(TCategoryRec& record, QWidget* owner)
{
    TCategoryManage dialog(owner);
    if (!record.name.isEmpty()) {
        dialog.edtcatname->setText(record.name);
        dialog.edtcatDescription->setText(record.description);
    }
    dialog.raise();
    if (widgets::Modal::exec(dialog) != QDialog::Accepted)
        return false;
    record.setName(dialog.edtcatname->text());
    record.setDescription(dialog.edtcatDescription->text());
    return true;
}

} // namespace dialogs
