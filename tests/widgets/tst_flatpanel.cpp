// The flat panel: fill, frame edges, caption placement, the disabled emboss and the
// see-through mode, checked on rendered pixels.
#include "widgets/FlatPanel.h"

#include "../support/Pixels.h"

#include <QPainter>
#include <QTest>

using namespace widgets;

namespace {

// A parent whose painting is easy to recognise: left half yellow, right half cyan.
class StripedParent : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(0, 0, width() / 2, height(), Qt::yellow);
        painter.fillRect(width() / 2, 0, width() - width() / 2, height(), Qt::cyan);
    }
};

QFont crispFont()
{
    QFont font;
    font.setPixelSize(20);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

class TestFlatPanel : public QObject {
    Q_OBJECT
private slots:
    void newPanelDefaults();
    void fillsWithItsColourInsideTheFrame();
    void parentColorTakesTheParentsBackground();
    void captionFollowsAlignment();
    void disabledCaptionIsEmbossed();
    void transparentPanelShowsWhatItsParentPaints();
};

void TestFlatPanel::newPanelDefaults()
{
    TFlatPanel panel;
    QCOMPARE(panel.size(), QSize(185, 41));
    QCOMPARE(panel.colorHighLight(), TColor(0x8396A0));
    QCOMPARE(panel.colorShadow(), TColor(0x8396A0));
    QVERIFY(panel.parentColor());
    QVERIFY(!panel.transparent());
    QCOMPARE(TFlatPanel::captionFlags(Qt::AlignLeft), int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine));
    QCOMPARE(TFlatPanel::captionFlags(Qt::AlignRight), int(Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine));
    QCOMPARE(TFlatPanel::captionFlags(Qt::AlignHCenter), int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine));
}

void TestFlatPanel::fillsWithItsColourInsideTheFrame()
{
    TFlatPanel panel;
    panel.resize(40, 30);
    panel.setColor(0x102030);
    panel.setColorHighLight(0x0000FF);
    panel.setColorShadow(0xFF0000);
    QVERIFY(!panel.parentColor());
    const QImage image = panel.grab().toImage();
    QCOMPARE(image.pixel(0, 10), qRgb(255, 0, 0));  // left edge: highlight
    QCOMPARE(image.pixel(10, 0), qRgb(255, 0, 0));  // top edge
    QCOMPARE(image.pixel(39, 10), qRgb(0, 0, 255)); // right edge: shadow
    QCOMPARE(image.pixel(10, 29), qRgb(0, 0, 255)); // bottom edge
    QCOMPARE(image.pixel(39, 0), qRgb(0, 0, 255));  // top-right corner belongs to the shadow
    QCOMPARE(image.pixel(1, 1), qRgb(0x30, 0x20, 0x10));
    QCOMPARE(image.pixel(38, 28), qRgb(0x30, 0x20, 0x10));
}

void TestFlatPanel::parentColorTakesTheParentsBackground()
{
    QWidget parent;
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(200, 100, 50));
    parent.setPalette(palette);
    TFlatPanel panel(&parent);
    panel.setColorHighLight(0);
    panel.setColorShadow(0);
    const QImage image = panel.grab().toImage();
    QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(5, 5), qRgb(200, 100, 50));
}

void TestFlatPanel::captionFollowsAlignment()
{
    TFlatPanel panel;
    panel.resize(200, 40);
    panel.setColor(0xFFFFFF);
    panel.setFont(crispFont());
    QPalette palette = panel.palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    panel.setPalette(palette);
    panel.setCaption(QStringLiteral("Wide"));

    const QRect centred = testing::boxOfColour(panel.grab().toImage(), qRgb(0, 0, 0));
    QVERIFY(std::abs(centred.center().x() - 100) <= 2);
    QVERIFY(std::abs(centred.center().y() - 20) <= 3);
    panel.setAlignment(Qt::AlignLeft);
    QVERIFY(testing::boxOfColour(panel.grab().toImage(), qRgb(0, 0, 0)).left() < 6);
    panel.setAlignment(Qt::AlignRight);
    QVERIFY(testing::boxOfColour(panel.grab().toImage(), qRgb(0, 0, 0)).right() > 193);
}

void TestFlatPanel::disabledCaptionIsEmbossed()
{
    TFlatPanel panel;
    panel.resize(100, 40);
    panel.setColor(0xFFFFFF);
    panel.setFont(crispFont());
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Light, Qt::red); // button highlight
    palette.setColor(QPalette::Dark, Qt::blue); // button shadow
    palette.setColor(QPalette::WindowText, Qt::black);
    panel.setPalette(palette);
    panel.setCaption(QStringLiteral("I"));

    QVERIFY(testing::boxOfColour(panel.grab().toImage(), qRgb(255, 0, 0)).isNull());
    panel.setEnabled(false);
    const QImage image = panel.grab().toImage();
    const QRect shadow = testing::boxOfColour(image, qRgb(0, 0, 255));
    const QRect highlight = testing::boxOfColour(image, qRgb(255, 0, 0));
    QVERIFY(!shadow.isNull());
    QVERIFY(!highlight.isNull());
    QCOMPARE(highlight.right(), shadow.right() + 1);
    QCOMPARE(highlight.bottom(), shadow.bottom() + 1);
    QVERIFY(testing::boxOfColour(image, qRgb(0, 0, 0)).isNull());
}

void TestFlatPanel::transparentPanelShowsWhatItsParentPaints()
{
    StripedParent parent;
    parent.resize(100, 50);
    TFlatPanel panel(&parent);
    panel.setGeometry(30, 10, 40, 30); // across the yellow-cyan boundary at x = 50
    panel.setColor(0x000000);
    panel.setTransparent(true);
    const QImage image = panel.grab().toImage();
    QCOMPARE(image.pixel(5, 15), QColor(Qt::yellow).rgb());
    QCOMPARE(image.pixel(19, 15), QColor(Qt::yellow).rgb());
    QCOMPARE(image.pixel(20, 15), QColor(Qt::cyan).rgb());
    QCOMPARE(image.pixel(0, 15), toQColor(0x8396A0).rgb()); // the frame is drawn over it

    panel.setTransparent(false);
    QCOMPARE(panel.grab().toImage().pixel(5, 15), qRgb(0, 0, 0));
}

QTEST_MAIN(TestFlatPanel)
#include "tst_flatpanel.moc"
