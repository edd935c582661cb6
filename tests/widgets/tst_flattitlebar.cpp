// The title bar: its colours, the caption's place, activation, where it may be placed, and
// dragging the window by it.
#include "widgets/FlatTitlebar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using widgets::TFlatTitlebar;

namespace {

// A colour value with red in the low byte, as the bar takes it.
QColor bgr(widgets::TColor value)
{
    return widgets::toQColor(value);
}

// Columns of the image where some pixel has the given colour.
QList<int> columnsWith(const QImage& image, const QColor& color)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) == color) {
                columns << x;
                break;
            }
        }
    }
    return columns;
}

// Columns where the image is not plain background: where the caption is drawn.
QList<int> columnsNotOf(const QImage& image, const QColor& background)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) != background) {
                columns << x;
                break;
            }
        }
    }
    return columns;
}

struct Window {
    QWidget form;
    TFlatTitlebar* bar;

    Window() : bar(new TFlatTitlebar(&form))
    {
        form.setWindowFlag(Qt::FramelessWindowHint);
        form.resize(287, 200);
        bar->setGeometry(0, 0, 287, 25);
        bar->setTitlebarColor(0xFF8080);
        bar->setActiveTextColor(0x00FFFF); // yellow
        bar->setInactiveTextColor(0xFF00FF);
        bar->setCaption(QStringLiteral("Quibbet"));
    }
};

} // namespace

class FlatTitlebarTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsDefaults()
    {
        TFlatTitlebar bar;
        QCOMPARE(bar.size(), QSize(100, 19));
        QCOMPARE(bar.activeTextColor(), widgets::TColor(0xFFFFFF));
        QCOMPARE(bar.inactiveTextColor(), widgets::TColor(0x829AA2));
        QCOMPARE(bar.titlebarColor(), widgets::TColor(0));
        QVERIFY(!bar.isActive());
        QVERIFY(bar.caption().isEmpty());
    }

    void mayOnlySitOnAWindow()
    {
        QWidget form;
        QWidget panel(&form);
        try {
            TFlatTitlebar bar(&panel);
            QFAIL("a title bar was placed on a panel");
        } catch (const widgets::InvalidOperation& error) {
            QCOMPARE(QString::fromLatin1(error.what()),
                     QStringLiteral("TFlatTitlebar can only be placed on a descndant of a TCustomForm"));
        }
        TFlatTitlebar bar(&form);
        QCOMPARE(bar.parentWidget(), &form);
        QVERIFY_THROWS_EXCEPTION(widgets::InvalidOperation, bar.assignParent(&panel));
        QCOMPARE(bar.parentWidget(), &form); // left where it was
        QCOMPARE(bar.form(), &form);
        bar.assignParent(nullptr);
        QCOMPARE(bar.parentWidget(), nullptr);
    }

    void paintsTheStripAndCentresTheCaption()
    {
        Window w;
        const QImage shot = w.bar->grab().toImage();
        QCOMPARE(shot.pixelColor(0, 0), bgr(0xFF8080));
        QCOMPARE(shot.pixelColor(286, 24), bgr(0xFF8080));
        // Inactive until the window is first activated.
        const QList<int> text = columnsWith(shot, bgr(0xFF00FF));
        QVERIFY(!text.isEmpty());
        QVERIFY(columnsWith(shot, bgr(0x00FFFF)).isEmpty());
        const QList<int> drawn = columnsNotOf(shot, bgr(0xFF8080));
        const int left = drawn.first();
        const int right = 286 - drawn.last();
        QVERIFY2(qAbs(left - right) <= 3, qPrintable(QStringLiteral("margins %1 and %2").arg(left).arg(right)));
    }

    void aWideCaptionIsClippedOnBothSides()
    {
        Window w;
        w.bar->resize(100, 25);
        w.bar->setCaption(QString(60, QLatin1Char('W')));
        const QList<int> text = columnsNotOf(w.bar->grab().toImage(), bgr(0xFF8080));
        QCOMPARE(text.size(), 100); // glyphs in every column, cut at both ends
    }

    void captionAndFontChangesShow()
    {
        Window w;
        const QImage before = w.bar->grab().toImage();
        w.bar->setCaption(QStringLiteral("Other"));
        const QImage renamed = w.bar->grab().toImage();
        QVERIFY(renamed != before);
        QFont bigger = w.bar->font();
        bigger.setPointSize(bigger.pointSize() + 6);
        w.bar->setFont(bigger);
        QVERIFY(w.bar->grab().toImage() != renamed);
    }

    void followsTheWindowsActivation()
    {
        Window w;
        QSignalSpy activated(w.bar, &TFlatTitlebar::activated);
        QSignalSpy deactivated(w.bar, &TFlatTitlebar::deactivated);
        w.form.show();
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QTRY_VERIFY(w.bar->isActive());
        QCOMPARE(activated.count(), 1);
        QVERIFY(!columnsWith(w.bar->grab().toImage(), bgr(0x00FFFF)).isEmpty());

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_VERIFY(!w.bar->isActive());
        QCOMPARE(deactivated.count(), 1);
        QVERIFY(columnsWith(w.bar->grab().toImage(), bgr(0x00FFFF)).isEmpty());
    }

    void dragMovesTheWindow()
    {
        Window w;
        w.form.move(300, 200);
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        const QPoint start = w.form.pos();

        QTest::mousePress(w.bar, Qt::LeftButton, {}, QPoint(50, 10));
        QVERIFY(w.bar->isDragging());
        QTest::mouseMove(w.bar, QPoint(80, 30));
        QTRY_COMPARE(w.form.pos(), start + QPoint(30, 20));
        // The window moved with the pointer: the grab point is under it again.
        QTest::mouseMove(w.bar, QPoint(40, 10));
        QTRY_COMPARE(w.form.pos(), start + QPoint(20, 20));
        QTest::mouseRelease(w.bar, Qt::LeftButton, {}, QPoint(40, 10));
        QVERIFY(!w.bar->isDragging());
        QTest::mouseMove(w.bar, QPoint(90, 15));
        QTest::qWait(20);
        QCOMPARE(w.form.pos(), start + QPoint(20, 20));
    }

    void onlyTheLeftButtonDrags()
    {
        Window w;
        w.form.move(300, 200);
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        QTest::mousePress(w.bar, Qt::RightButton, {}, QPoint(50, 10));
        QVERIFY(!w.bar->isDragging());
        QTest::mouseMove(w.bar, QPoint(80, 30));
        QTest::qWait(20);
        QCOMPARE(w.form.pos(), QPoint(300, 200));
        QTest::mouseRelease(w.bar, Qt::RightButton, {}, QPoint(80, 30));
    }

    void theOwnerPlacesEachStepItself()
    {
        Window w;
        w.form.move(300, 200);
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        QList<QPoint> asked;
        w.bar->setMoveHandler([&asked](QPoint target) { asked << target; });
        QTest::mousePress(w.bar, Qt::LeftButton, {}, QPoint(50, 10));
        QTest::mouseMove(w.bar, QPoint(45, 4));
        QTest::mouseRelease(w.bar, Qt::LeftButton, {}, QPoint(45, 4));
        QCOMPARE(asked, QList<QPoint>{QPoint(295, 194)});
        QCOMPARE(w.form.pos(), QPoint(300, 200)); // the handler did not move it
    }

    // Where the window system ignores the program's moves, the pointer runs away from the
    // grab point while the window stays: after several asks over a while, the drag is
    // handed to the window system. Where the moves are carried out, it never is.
    void aDragTheWindowSystemIgnoresIsHandedOver()
    {
        for (const bool windowSystemMoves : {false, true}) {
            Window w;
            w.form.move(300, 200);
            w.form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w.form));
            int handedOver = 0;
            w.bar->setSystemMove([&handedOver] {
                ++handedOver;
                return true;
            });
            const QPoint grab(50, 10);
            const QPoint origin = w.form.pos();
            send(w.bar, QEvent::MouseButtonPress, grab, origin + grab, Qt::LeftButton);
            for (int step = 1; step <= 12; ++step) {
                const QPoint travelled(5 * step, 3 * step);
                // Events report the pointer against the window where the window system has it.
                const QPoint local = windowSystemMoves ? grab : grab + travelled;
                send(w.bar, QEvent::MouseMove, local, origin + grab + travelled, Qt::NoButton);
                QTest::qWait(30);
            }
            QCOMPARE(handedOver, windowSystemMoves ? 0 : 1);
            QCOMPARE(w.bar->isDragging(), windowSystemMoves);
            send(w.bar, QEvent::MouseButtonRelease, grab, origin + grab, Qt::LeftButton);
            // Once found out, the next drag goes to the window system at once.
            send(w.bar, QEvent::MouseButtonPress, grab, origin + grab, Qt::LeftButton);
            QCOMPARE(handedOver, windowSystemMoves ? 0 : 2);
            send(w.bar, QEvent::MouseButtonRelease, grab, origin + grab, Qt::LeftButton);
        }
    }

private:
    static void send(QWidget* bar, QEvent::Type type, QPoint local, QPoint global, Qt::MouseButton button)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(local), QPointF(global), button, held, Qt::NoModifier);
        QApplication::sendEvent(bar, &event);
    }
};

QTEST_MAIN(FlatTitlebarTest)
#include "tst_flattitlebar.moc"
