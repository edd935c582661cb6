#include "dialogs/FrmAbout.h"

#include "dialogs/JpegImage.h"
#include "widgets/FontValue.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace dialogs {

QImage TfrmAbout::picture()
{
    QFile file(QStringLiteral(":/quibbet/about.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeJpeg(file.readAll());
}

TfrmAbout::TfrmAbout(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Quibbet Standard  1.31"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setFixedSize(kPictureWidth, kPictureHeight);

    s = new QLabel(this);
    s->setObjectName(QStringLiteral("s"));
    s->setGeometry(0, 0, kPictureWidth, kPictureHeight);
    const QImage image = picture();
    if (!image.isNull())
        s->setPixmap(QPixmap::fromImage(image));

    Label1 = new QLabel(tr("Version %1").arg(QStringLiteral("1.35")), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont labelFont(widgets::FontValue::defaultFace(), 10);
    labelFont.setBold(true);
    Label1->setFont(labelFont);
    QPalette labelPalette = Label1->palette();
    labelPalette.setColor(QPalette::WindowText, QColor(0, 128, 0));
    Label1->setPalette(labelPalette);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    Label1->move(96, 48);
    Label1->adjustSize();

    btn_continue = new QPushButton(tr("Close"), this);
    btn_continue->setObjectName(QStringLiteral("btn_continue"));
    btn_continue->setGeometry(112, 109, 56, 25);
    btn_continue->setFlat(true);
    btn_continue->setFont(QFont(widgets::FontValue::defaultFace(), 8));
    QPalette buttonPalette = btn_continue->palette();
    buttonPalette.setColor(QPalette::ButtonText, Qt::white);
    btn_continue->setPalette(buttonPalette);
    btn_continue->setAutoDefault(false); // Enter does not press it
    connect(btn_continue, &QPushButton::clicked, this, [this] { btn_continueClick(); });
}

void TfrmAbout::btn_continueClick()
{
    accept();
}

void TfrmAbout::closeEvent(QCloseEvent* event)
{
    if (event->spontaneous())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TfrmAbout::keyPressEvent(QKeyEvent* event)
{
    // Only the Close button closes the box: Escape and Enter leave it open.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace dialogs
