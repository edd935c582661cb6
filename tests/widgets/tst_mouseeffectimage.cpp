// The picture button: which picture shows as the pointer enters, presses, releases and leaves.
#include "widgets/MouseEffectImage.h"

#include "../support/WidgetEvents.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using widgets::TMouseEffectImage;

namespace {

QPixmap filled(const QColor& color, int side = 24)
{
    QPixmap pixmap(side, side);
    pixmap.fill(color);
    return pixmap;
}

struct Button {
    TMouseEffectImage image;
    QPixmap origin = filled(Qt::gray);
    QPixmap over = filled(Qt::yellow);
    QPixmap down = filled(Qt::darkBlue);
    QStringList shownAtClick;

    Button()
    {
        image.setOriginPicture(origin);
        image.setOverPicture(over);
        image.setDownPicture(down);
        image.show();
        QObject::connect(&image, &TMouseEffectImage::clicked, &image, [this] { shownAtClick << showing(); });
    }
    QString showing() const
    {
        const qint64 key = image.picture().cacheKey();
        if (image.picture().isNull())
            return QStringLiteral("nothing");
        if (key == origin.cacheKey())
            return QStringLiteral("origin");
        if (key == over.cacheKey())
            return QStringLiteral("over");
        if (key == down.cacheKey())
            return QStringLiteral("down");
        return QStringLiteral("other");
    }
};

// The picture shown after each step of a click: pointer in, press, release, pointer out.
QStringList picturesThroughAClick(Button& b)
{
    QStringList seen;
    testing::pointerEnters(b.image);
    seen << b.showing();
    QTest::mousePress(&b.image, Qt::LeftButton, {}, QPoint(5, 5));
    seen << b.showing();
    QTest::mouseRelease(&b.image, Qt::LeftButton, {}, QPoint(5, 5));
    seen << b.showing();
    testing::pointerLeaves(b.image);
    seen << b.showing();
    return seen;
}

} // namespace

class MouseEffectImageTest : public QObject {
    Q_OBJECT

private slots:
    void settingTheRestPictureShowsIt()
    {
        TMouseEffectImage image;
        const QPixmap start = filled(Qt::red, 16);
        image.setPicture(start);
        QCOMPARE(image.size(), QSize(16, 16)); // it takes the size of what it shows
        image.setOverPicture(filled(Qt::green));
        image.setDownPicture(filled(Qt::blue));
        QCOMPARE(image.picture().cacheKey(), start.cacheKey());
        const QPixmap rest = filled(Qt::gray, 24);
        image.setOriginPicture(rest);
        QCOMPARE(image.picture().cacheKey(), rest.cacheKey());
        QCOMPARE(image.size(), QSize(24, 24));
    }

    void clickRevertsOnRelease()
    {
        Button b;
        QCOMPARE(picturesThroughAClick(b), (QStringList{"over", "down", "origin", "origin"}));
        // The click comes after the picture has changed back.
        QCOMPARE(b.shownAtClick, QStringList{"origin"});
    }

    void clickRevertsOnLeaveWhenAskedTo()
    {
        Button b;
        b.image.setRevertOnLeave(true);
        QCOMPARE(picturesThroughAClick(b), (QStringList{"over", "down", "down", "origin"}));
        QCOMPARE(b.shownAtClick, QStringList{"down"});
    }

    void otherButtonsChangeNothing()
    {
        Button b;
        testing::pointerEnters(b.image);
        QSignalSpy clicks(&b.image, &TMouseEffectImage::clicked);
        QTest::mousePress(&b.image, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(b.showing(), QStringLiteral("over"));
        QTest::mouseRelease(&b.image, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseClick(&b.image, Qt::MiddleButton, {}, QPoint(5, 5));
        QCOMPARE(b.showing(), QStringLiteral("over"));
        QCOMPARE(clicks.count(), 0);
    }

    void emptyPicturesShowNothing()
    {
        TMouseEffectImage image;
        image.setOriginPicture(filled(Qt::gray));
        image.show();
        testing::pointerEnters(image);
        QVERIFY(image.picture().isNull());
        QCOMPARE(image.size(), QSize(24, 24)); // nothing to size by: it keeps its size
        QImage shot = image.grab().toImage();
        QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(image.picture().isNull());
        QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!image.picture().isNull());
        QVERIFY(shot.pixelColor(5, 5) != QColor(Qt::gray)); // drew no picture while hovered
    }

    void doubleClickRunsTheCommandOnce()
    {
        Button b;
        QSignalSpy clicks(&b.image, &TMouseEffectImage::clicked);
        testing::pointerEnters(b.image);
        // What the window system delivers for a double click: press, release, double click,
        // release. The first pair clicks; the double click neither presses nor clicks.
        QStringList seen;
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                  QEvent::MouseButtonRelease}) {
            const bool down = type != QEvent::MouseButtonRelease;
            QMouseEvent event(type, QPointF(5, 5), b.image.mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                              down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&b.image, &event);
            seen << b.showing();
        }
        QCOMPARE(seen, (QStringList{"down", "origin", "origin", "origin"}));
        QCOMPARE(clicks.count(), 1);
    }

    void releaseOutsideDoesNotClick()
    {
        Button b;
        QSignalSpy clicks(&b.image, &TMouseEffectImage::clicked);
        QTest::mousePress(&b.image, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&b.image, Qt::LeftButton, {}, QPoint(60, 60));
        QCOMPARE(clicks.count(), 0);
    }
};

QTEST_MAIN(MouseEffectImageTest)
#include "tst_mouseeffectimage.moc"
