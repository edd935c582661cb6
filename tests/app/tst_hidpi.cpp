// At twice the density every picture of the main window is drawn for that density, so
// nothing on screen is a small picture blown up.
#include "app/MiniForm.h"
#include "tests/support/TestDatabase.h"
#include "widgets/MouseEffectImage.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

bool drawnForTwice(const QPixmap& pixmap, int side)
{
    return pixmap.devicePixelRatio() == 2.0 && pixmap.size() == QSize(2 * side, 2 * side);
}

} // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureHasPixelsForTheDensity()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        testing::TestDatabase db;
        app::TMiniForm form(db.path());
        QVERIFY(form.FormCreate());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowHandle()->devicePixelRatio(), 2.0);
        QCOMPARE(form.grab().size(), QSize(2 * 287, 2 * 325));

        for (auto* image : {form.imgPre, form.imgNext, form.imgNew, form.imgApply, form.imgDelete, form.imgBrowseMode,
                            form.imgEditMode}) {
            for (const QPixmap* picture :
                 {&image->picture(), &image->originPicture(), &image->overPicture(), &image->downPicture()})
                QVERIFY2(drawnForTwice(*picture, 24), qPrintable(image->objectName()));
        }
        for (QLabel* unavailable : {form.imgBrowseModeDis, form.imgEditModeDis})
            QVERIFY2(drawnForTwice(unavailable->pixmap(), 24), qPrintable(unavailable->objectName()));
        for (QWidget* button : {form.btnLock, form.btnKey, form.SpeedButton2}) {
            const QIcon icon = static_cast<QToolButton*>(button)->icon();
            QVERIFY2(drawnForTwice(icon.pixmap(QSize(16, 16), 2.0), 16), qPrintable(button->objectName()));
        }
        // The task bar and the window switcher ask for the icon at 32 and 64 pixels.
        QVERIFY(drawnForTwice(form.windowIcon().pixmap(QSize(32, 32), 2.0), 32));
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_hidpi.moc"
