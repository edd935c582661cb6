// The painter's rounded buttons, pixel by pixel at 1x and 2x: the four corners alike, the
// outline closed all round, in each state a button is drawn in.
#include "XPTestDialog.h"

#include "widgets/ColorMath.h"
#include "widgets/xp/ControlSubClass.h"
#include "widgets/xp/PaintPrimitives.h"
#include "widgets/xp/XPPainter.h"

#include "../support/Pixels.h"
#include "../support/WidgetEvents.h"

#include <QApplication>
#include <QTest>
#include <deque>

using namespace widgets;

namespace {

QImage render(QWidget* widget, int scale)
{
    QApplication::sendPostedEvents();
    QImage image(widget->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta);
    widget->render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

// Whether the four corner squares (side `side`) are mirror images of each other; with
// `vertical` false only left against right (the focus and hover rims are deeper at the
// bottom by design).
QString cornersDiffer(const QImage& image, int side, bool vertical)
{
    const int w = image.width();
    const int h = image.height();
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QRgb topLeft = image.pixel(x, y);
            if (image.pixel(w - 1 - x, y) != topLeft)
                return QStringLiteral("top right differs at %1,%2").arg(x).arg(y);
            if (image.pixel(x, h - 1 - y) != image.pixel(w - 1 - x, h - 1 - y))
                return QStringLiteral("bottom corners differ at %1,%2").arg(x).arg(y);
            if (vertical && image.pixel(x, h - 1 - y) != topLeft)
                return QStringLiteral("bottom left differs at %1,%2").arg(x).arg(y);
        }
    }
    return {};
}

// Whether the outside reaches the middle without crossing a pixel of the outline colour,
// stepping only up, down, left and right (so a diagonal joint counts as closed).
bool outlineLeaks(const QImage& image, QRgb outline)
{
    QImage seen(image.size(), QImage::Format_Mono);
    seen.fill(0);
    std::deque<QPoint> open{QPoint(0, 0)};
    seen.setPixel(0, 0, 1);
    const QPoint middle(image.width() / 2, image.height() / 2);
    while (!open.empty()) {
        const QPoint at = open.front();
        open.pop_front();
        if (at == middle)
            return true;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = at + step;
            if (!image.rect().contains(next) || seen.pixelIndex(next) || image.pixel(next) == outline)
                continue;
            seen.setPixel(next, 1);
            open.push_back(next);
        }
    }
    return false;
}

} // namespace

class TestButtonCorners : public QObject {
    Q_OBJECT
private slots:
    void cornersMatchAndTheOutlineIsClosedAtEveryScaleAndState()
    {
        XPTestDialog test;
        TXPPainter* painter = TXPPainter::attachTo(&test.dialog);
        test.dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&test.dialog));
        QPushButton* button = test.plain;
        const QRgb outline = testing::rgbOf(painter->settings().BtnOutLineBorderColor);
        const QRgb parent = testing::rgbOf(fromQColor(test.dialog.palette().color(QPalette::Window)));

        for (const int scale : {1, 2}) {
            test.edit->setFocus();        // the press below gives the button the focus
            QVERIFY(!button->hasFocus()); // no rim at rest
            const QString at = QStringLiteral("at %1x: ").arg(scale);
            const int side = 4 * scale;
            const QImage rest = render(button, scale);
            QVERIFY2(cornersDiffer(rest, side, true).isEmpty(), qPrintable(at + cornersDiffer(rest, side, true)));
            QVERIFY2(!outlineLeaks(rest, outline), qPrintable(at + "the outline has a gap"));
            // Rounded: two pixels cut along the edge at each corner, one on the diagonal.
            QCOMPARE(rest.pixel(2 * scale - 1, 0), parent);
            QCOMPARE(rest.pixel(2 * scale, 0), outline);
            QCOMPARE(rest.pixel(scale, scale), outline);
            QCOMPARE(rest.pixel(scale - 1, scale - 1), parent);

            testing::pointerEnters(*button);
            const QImage hot = render(button, scale);
            QVERIFY2(cornersDiffer(hot, side, false).isEmpty(), qPrintable(at + cornersDiffer(hot, side, false)));
            QVERIFY2(!outlineLeaks(hot, outline), qPrintable(at + "the hot outline has a gap"));
            QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
            const QImage pressed = render(button, scale);
            QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
            testing::pointerLeaves(*button);
            QVERIFY2(cornersDiffer(pressed, side, true).isEmpty(), qPrintable(at + cornersDiffer(pressed, side, true)));
            QVERIFY2(!outlineLeaks(pressed, outline), qPrintable(at + "the pressed outline has a gap"));
        }
    }

    void aSmallArcStillRoundsAndAnOddRectangleStaysSymmetric()
    {
        // Drawn straight onto an image: sizes the dialog's buttons never have.
        for (const QSize size : {QSize(7, 5), QSize(30, 12), QSize(3, 3)}) {
            for (const int arc : {2, 5, 9}) {
                QImage image(size, QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter painter(&image);
                xp::roundRect(painter, image.rect(), arc, Qt::black, Qt::gray);
                painter.end();
                const QString what = QStringLiteral("%1x%2 arc %3").arg(size.width()).arg(size.height()).arg(arc);
                const int side = std::min(size.width(), size.height()) / 2;
                QVERIFY2(cornersDiffer(image, side, true).isEmpty(), qPrintable(what));
                QVERIFY2(!outlineLeaks(image, qRgb(0, 0, 0)) || size == QSize(3, 3), qPrintable(what));
                QCOMPARE(image.pixel(0, 0) == qRgb(255, 255, 255), size.height() > 2 && size.width() > 2);
            }
        }
    }
};

QTEST_MAIN(TestButtonCorners)
#include "tst_button_corners.moc"
