#include "dialogs/FrmSearch.h"

#include "dialogs/BottomLineBevel.h"
#include "dialogs/DialogButtons.h"
#include "widgets/FontValue.h"
#include "widgets/Modal.h"
#include "widgets/xp/XPPainter.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace dialogs {

namespace {
// The window is 270 by 173 with its frame and caption; this is what lies inside them.
constexpr int kClientWidth = 262;
constexpr int kClientHeight = 146;
} // namespace

TFrmSearch::TFrmSearch(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmSearch"));
    setWindowTitle(tr("Search"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    QFont dialogFont(widgets::FontValue::defaultFace());
    dialogFont.setPointSize(8);
    setFont(dialogFont);

    auto* caption = new QLabel(tr("Text to find "), this);
    caption->setObjectName(QStringLiteral("Label1"));
    caption->move(30, 20);
    caption->adjustSize();
    edt_for_search = new QLineEdit(this);
    edt_for_search->setObjectName(QStringLiteral("edt_for_search"));
    edt_for_search->setGeometry(30, 38, 201, 21);
    auto* bevel = new BottomLineBevel(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setGeometry(0, 62, kClientWidth, 18);

    btnOk = new QPushButton(tr("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(76, 99, 75, 25);
    btnOk->setDefault(true);
    giveOkGlyph(btnOk);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(156, 99, 75, 25);
    giveCancelGlyph(btnCancel);

    setTabOrder(edt_for_search, btnOk);
    setTabOrder(btnOk, btnCancel);
    edt_for_search->setFocus();

    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    widgets::TXPPainter::attachTo(this);
}

bool ShowSearchDialog(QString& text, QWidget* owner)
{
    TFrmSearch dialog(owner);
    dialog.edt_for_search->setText(text);
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        // The frame is not known before the window manager has framed the window; the
        // inside is centred, which puts the frame within a few pixels of the middle.
        QRect inside(QPoint(), dialog.size());
        inside.moveCenter(screen->availableGeometry().center());
        dialog.setGeometry(inside);
    }
    if (widgets::Modal::exec(dialog) != QDialog::Accepted)
        return false;
    text = dialog.edt_for_search->text();
    return true;
}

} // namespace dialogs
