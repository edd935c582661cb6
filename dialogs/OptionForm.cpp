#include "dialogs/OptionForm.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/FontChooser.h"
#include "widgets/Modal.h"
#include "widgets/xp/XPPainter.h"

#include <QPushButton>
#include <QTabWidget>

namespace dialogs {

TOptionForm::TOptionForm(QWidget* owner) : QDialog(owner), EditFont(widgets::FontValue::defaultFont())
{
    setObjectName(QStringLiteral("OptionForm"));
    setWindowTitle(tr("Quibbet Options"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(306, 194);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 8, 290, 145);
    TabSheet4 = new QWidget;
    TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    PageControl1->addTab(TabSheet4, tr("Display"));

    Button1 = new QPushButton(tr("Change displaying font"), TabSheet4);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(16, 16, 160, 25);
    Button1->setAutoDefault(false);

    BitBtn1 = new QPushButton(tr("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(142, 161, 75, 25);
    BitBtn1->setDefault(true);
    giveOkGlyph(BitBtn1);
    BitBtn2 = new QPushButton(tr("Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(223, 161, 75, 25);
    BitBtn2->setAutoDefault(false);
    giveCancelGlyph(BitBtn2);

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject); // Escape presses it too
    widgets::TXPPainter::attachTo(this);
}

void TOptionForm::Button1Click()
{
    FontChooser::choose(this, EditFont);
}

bool ShowOptionsDialog(TOptionForm& form, widgets::FontValue& font)
{
    form.EditFont = font;
    if (widgets::Modal::exec(form) != QDialog::Accepted)
        return false;
    font = form.EditFont;
    return true;
}

} // namespace dialogs
