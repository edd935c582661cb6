#include "dialogs/FrmAbout.h"
#include "dialogs/JpegImage.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
bool near(QRgb actual, QRgb expected)
{
    return std::abs(qRed(actual) - qRed(expected)) <= 8 && std::abs(qGreen(actual) - qGreen(expected)) <= 8 &&
           std::abs(qBlue(actual) - qBlue(expected)) <= 8;
}

QByteArray pictureBytes()
{
    QFile file(QStringLiteral(":/quibbet/about.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void thePictureIsDecodedWithItsSizeAndColours()
    {
        const QImage picture = dialogs::decodeJpeg(pictureBytes());
        QCOMPARE(picture.size(), QSize(350, 200));
        QVERIFY2(near(picture.pixel(340, 50), qRgb(0xF4, 0xF1, 0xE6)), "the light upper band");
        QVERIFY2(near(picture.pixel(340, 130), qRgb(0x1F, 0x3F, 0x7A)), "the dark lower band");
        QCOMPARE(dialogs::TfrmAbout::picture().pixel(340, 130), picture.pixel(340, 130));
    }

    void damagedDataGivesNoPicture()
    {
        QVERIFY(dialogs::decodeJpeg({}).isNull());
        QVERIFY(dialogs::decodeJpeg("not a picture at all").isNull());
        const QByteArray header = pictureBytes().left(300); // the picture's data cut short
        const QImage truncated = dialogs::decodeJpeg(header);
        QVERIFY(truncated.isNull() || truncated.size() == QSize(350, 200));
    }

    void theBoxClosesOnlyThroughItsButton()
    {
        dialogs::TfrmAbout box;
        QCOMPARE(box.windowTitle(), QStringLiteral("Quibbet Standard  1.31"));
        QCOMPARE(box.size(), QSize(350, 200));
        const Qt::WindowFlags flags = box.windowFlags();
        QVERIFY(flags & Qt::WindowStaysOnTopHint);
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(!(flags & Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & Qt::WindowSystemMenuHint));
        QCOMPARE(box.s->pixmap().size(), QSize(350, 200));
        QCOMPARE(box.Label1->text(), QStringLiteral("Version 1.35"));
        QCOMPARE(box.Label1->pos(), QPoint(96, 48));
        QVERIFY(box.Label1->font().bold());
        QCOMPARE(box.btn_continue->text(), QStringLiteral("Close"));
        QCOMPARE(box.btn_continue->geometry(), QRect(112, 109, 56, 25));
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        // Escape and Enter, at the box and at its focused button, leave it open.
        for (QWidget* target : {static_cast<QWidget*>(&box), static_cast<QWidget*>(box.btn_continue)}) {
            for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
                QTest::keyClick(target, key);
                QVERIFY2(box.isVisible(), qPrintable(QStringLiteral("key %1").arg(key, 0, 16)));
            }
        }
        QTest::mouseClick(box.btn_continue, Qt::LeftButton);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QVERIFY(!box.isVisible());
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_about_box.moc"
