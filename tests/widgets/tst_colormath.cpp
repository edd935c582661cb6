// Colour arithmetic and picture effects, checked value by value.
#include "widgets/BitmapEffects.h"
#include "widgets/ColorMath.h"
#include "widgets/FlatPanelDrawing.h"

#include <QPainter>
#include <QTest>
#include <climits>

using namespace widgets;

class TestColorMath : public QObject {
    Q_OBJECT
private slots:
    void colorToHslOfKnownColors();
    void hslToColorRoundsTiesToEven();
    void lightnessSurvivesRoundTripOnWholeScale();
    void hueSurvivesRoundTripAtFullSaturation();
    void colorSurvivesRoundTripWithinQuantisation();
    void systemColorsAreResolvedBeforeConversion();
    void everySystemColourMapsToItsOwnPaletteRole();
    void deriveAdvColorKeepsColorAtZeroPercent();
    void deriveAdvColorMovesLightnessOnly();
    void lightenColor();
    void darkenColorStaysInRange();
    void grayColor();
    void grayAndDimBitmapKeepAlphaAndConvertEveryPixel();
    void drawShadowPaintsAllButTransparentPixels();
    void drawTickDrawsThreeStackedStrokes();
    void bevelFrameColoursEachEdge();
};

void TestColorMath::colorToHslOfKnownColors()
{
    QCOMPARE(ColorToHsl(0x0000FF), (Hsl{0, 240, 120}));   // red
    QCOMPARE(ColorToHsl(0x00FF00), (Hsl{80, 240, 120}));  // green: 2/6 of 239 = 79.67
    QCOMPARE(ColorToHsl(0xFF0000), (Hsl{159, 240, 120})); // blue: 4/6 of 239 = 159.33
    QCOMPARE(ColorToHsl(0xFFFFFF), (Hsl{0, 0, 240}));
    QCOMPARE(ColorToHsl(0x000000), (Hsl{0, 0, 0}));
    // The memo's flat colour (235, 234, 225): L = 0.90196, S = 0.2, H = 0.9 / 6.
    QCOMPARE(ColorToHsl(0xE1EAEB), (Hsl{36, 48, 216}));
    // Magenta: max is red and blue; the red branch gives a negative hue, wrapped by one turn.
    QCOMPARE(ColorToHsl(0xFF00FF), (Hsl{199, 240, 120}));
}

void TestColorMath::hslToColorRoundsTiesToEven()
{
    QCOMPARE(HslToColor(0, 0, 120), rgbColor(128, 128, 128)); // 127.5
    QCOMPARE(HslToColor(0, 0, 40), rgbColor(42, 42, 42));     // 42.5
    QCOMPARE(HslToColor(0, 0, 240), TColor(0xFFFFFF));
    QCOMPARE(HslToColor(0, 240, 120), TColor(0x0000FF));
    QCOMPARE(HslToColor(80, 240, 120), rgbColor(0, 255, 2)); // 80/239 is a little past green
    // Out of range is clamped, not wrapped.
    QCOMPARE(HslToColor(0, 0, 400), TColor(0xFFFFFF));
    QCOMPARE(HslToColor(0, 0, -5), TColor(0x000000));
}

void TestColorMath::lightnessSurvivesRoundTripOnWholeScale()
{
    for (int h = 0; h < 240; ++h) {
        for (int s = 0; s <= 240; ++s) {
            for (int l = 0; l <= 240; ++l) {
                const Hsl back = ColorToHsl(HslToColor(h, s, l));
                if (back.l != l)
                    QFAIL(qPrintable(
                        QStringLiteral("H %1 S %2 L %3 came back with L %4").arg(h).arg(s).arg(l).arg(back.l)));
                if (s == 0 && back != (Hsl{0, 0, l}))
                    QFAIL(qPrintable(QStringLiteral("gray L %1 did not come back").arg(l)));
            }
        }
    }
}

void TestColorMath::hueSurvivesRoundTripAtFullSaturation()
{
    for (int h = 0; h < 239; ++h)
        QCOMPARE(ColorToHsl(HslToColor(h, 240, 120)), (Hsl{h, 240, 120}));
    // 239 / 239 is a whole turn: red again.
    QCOMPARE(ColorToHsl(HslToColor(239, 240, 120)), (Hsl{0, 240, 120}));
}

void TestColorMath::colorSurvivesRoundTripWithinQuantisation()
{
    // 240 steps cannot hold 256 levels per channel; the error stays small.
    for (int c = 0; c < 0x1000000; c += 97) {
        const Hsl hsl = ColorToHsl(c);
        const TColor back = HslToColor(hsl.h, hsl.s, hsl.l);
        const int error = std::max({std::abs(redOf(back) - redOf(c)), std::abs(greenOf(back) - greenOf(c)),
                                    std::abs(blueOf(back) - blueOf(c))});
        if (error > 4)
            QFAIL(qPrintable(QStringLiteral("colour %1 came back off by %2").arg(c, 6, 16).arg(error)));
    }
}

void TestColorMath::systemColorsAreResolvedBeforeConversion()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(0, 0, 255));
    const TColor btnFace = TColor(0x8000000Fu);
    QCOMPARE(ColorToHsl(btnFace, palette), (Hsl{159, 240, 120}));
    QCOMPARE(LightenColor(btnFace, 0, palette), TColor(0xFF0000));
    QCOMPARE(DarkenColor(btnFace, 0, palette), TColor(0xFF0200));
}

void TestColorMath::everySystemColourMapsToItsOwnPaletteRole()
{
    // Every role a colour of its own, the window's unmistakable.
    QPalette palette;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        palette.setColor(QPalette::Active, QPalette::ColorRole(role), QColor(10 + role * 9, 255 - role * 9, 77));
    const QColor window = palette.color(QPalette::Active, QPalette::Window);
    const auto system = [](int index) { return TColor(0x80000000u | unsigned(index)); };
    for (int index = 0; index <= 30; ++index) {
        if (index == 25) // not a colour the system defines
            continue;
        QVERIFY2(toQColor(system(index), palette) != window, qPrintable(QStringLiteral("index %1").arg(index)));
    }
    QCOMPARE(toQColor(system(25), palette), window);
    const auto role = [&](QPalette::ColorRole r) { return palette.color(QPalette::Active, r); };
    QCOMPARE(toQColor(system(3), palette), role(QPalette::Dark));  // inactive caption, as button shadow
    QCOMPARE(toQColor(system(16), palette), role(QPalette::Dark)); // button shadow
    QCOMPARE(toQColor(system(5), palette), role(QPalette::Base));  // the window colour is an edit's background
    QCOMPARE(toQColor(system(15), palette), role(QPalette::Button));
    QCOMPARE(toQColor(system(13), palette), role(QPalette::Highlight));
    QCOMPARE(toQColor(system(24), palette), role(QPalette::ToolTipBase));
    // A stored plain colour is never taken for a system one.
    QCOMPARE(toQColor(TColor(0x00030201), palette), QColor(1, 2, 3));
}

void TestColorMath::deriveAdvColorKeepsColorAtZeroPercent()
{
    for (TColor base : {TColor(0x000000), TColor(0xFFFFFF), TColor(0x8396A0)}) {
        QCOMPARE(DeriveAdvColor(base, 0x123456, 0, false), TColor(0x123456));
        QCOMPARE(DeriveAdvColor(base, 0x123456, 0, true), TColor(0x123456));
    }
}

void TestColorMath::deriveAdvColorMovesLightnessOnly()
{
    const TColor gray = rgbColor(128, 128, 128); // L 120
    QCOMPARE(DeriveAdvColor(gray, 0, 10, false), HslToColor(0, 0, 140));
    QCOMPARE(DeriveAdvColor(gray, 0, 50, true), HslToColor(0, 0, 80));
    // Lighter never comes out darker, even from a light base; darker floors at black.
    QCOMPARE(DeriveAdvColor(0xFFFFFF, 0, 10, false), TColor(0xFFFFFF));
    QVERIFY(ColorToHsl(DeriveAdvColor(0xE1EAEB, 0, 10, false)).l >= ColorToHsl(0xE1EAEB).l);
    QCOMPARE(DeriveAdvColor(0x000000, 0xFFFFFF, 100, true), TColor(0x000000));
    const Hsl base = ColorToHsl(0x2060C0);
    const Hsl derived = ColorToHsl(DeriveAdvColor(0x2060C0, 0, 30, true));
    QCOMPARE(derived.l, base.l + 10 - 30);
    QVERIFY(std::abs(derived.h - base.h) <= 1);
}

void TestColorMath::lightenColor()
{
    for (TColor c : {TColor(0x000000), TColor(0x123456), TColor(0xFFFFFF), TColor(0x8396A0)}) {
        QCOMPARE(LightenColor(c, 100), TColor(0xFFFFFF));
        QCOMPARE(LightenColor(c, 250), TColor(0xFFFFFF)); // capped at 100
        QCOMPARE(LightenColor(c, 0), c);
    }
    QCOMPARE(LightenColor(0x000000, 50), rgbColor(128, 128, 128)); // 127.5 to even
    QCOMPARE(LightenColor(0x030303, 50), rgbColor(129, 129, 129)); // 3 + 126, no tie
    QCOMPARE(LightenColor(0x0A141E, 60), rgbColor(30 + 135, 20 + 141, 10 + 147));
}

void TestColorMath::darkenColorStaysInRange()
{
    QCOMPARE(DarkenColor(rgbColor(128, 128, 128), 10), rgbColor(118, 120, 118));
    QCOMPARE(DarkenColor(rgbColor(128, 128, 128), -40), rgbColor(168, 170, 168));
    QCOMPARE(DarkenColor(0x000000, 1), rgbColor(0, 1, 0));
    QCOMPARE(DarkenColor(0xFFFFFF, 255), rgbColor(0, 2, 0)); // green keeps its two
    // No shade wraps a channel around.
    for (int shade : {INT_MIN, -100000, -258, 258, 100000, INT_MAX}) {
        for (TColor c : {TColor(0x000000), TColor(0xFFFFFF), TColor(0x7F807F)})
            QCOMPARE(DarkenColor(c, shade), shade > 0 ? TColor(0x000000) : TColor(0xFFFFFF));
    }
}

void TestColorMath::grayColor()
{
    QCOMPARE(GrayColor(rgbColor(10, 20, 30), 10), rgbColor(30, 30, 30));
    QCOMPARE(GrayColor(rgbColor(10, 20, 31), 0), rgbColor(20, 20, 20)); // the average is truncated
    QCOMPARE(GrayColor(0xFFFFFF, 0), rgbColor(240, 240, 240));
    QCOMPARE(GrayColor(rgbColor(200, 200, 200), 100), rgbColor(240, 240, 240));
}

void TestColorMath::grayAndDimBitmapKeepAlphaAndConvertEveryPixel()
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 255));
    image.setPixel(1, 0, qRgba(200, 0, 0, 255));
    image.setPixel(2, 1, qRgba(0, 0, 0, 0));
    QImage gray = image;
    GrayBitmap(gray, 10);
    QCOMPARE(gray.pixel(0, 0), qRgba(30, 30, 30, 255));
    QCOMPARE(gray.pixel(1, 0), qRgba(76, 76, 76, 255));
    QCOMPARE(gray.pixel(2, 0), qRgba(30, 30, 30, 255)); // after a different pixel
    QCOMPARE(qAlpha(gray.pixel(2, 1)), 0);

    QImage dim = image;
    DimBitmap(dim, 100);
    QCOMPARE(dim.pixel(0, 1), qRgba(255, 255, 255, 255));
    DimBitmap(image, 30);
    QCOMPARE(image.pixel(1, 0), qRgba(200 + 16, 76, 76, 255)); // 16.5 and 76.5 to even
    QCOMPARE(image.pixel(0, 0), qRgba(10 + 74, 20 + 70, 30 + 68, 255));
}

void TestColorMath::drawShadowPaintsAllButTransparentPixels()
{
    QImage glyph(3, 3, QImage::Format_ARGB32);
    glyph.fill(qRgb(255, 0, 255)); // the bottom-left pixel names the transparent colour
    glyph.setPixel(0, 0, qRgb(1, 2, 3));
    glyph.setPixel(2, 1, qRgb(9, 9, 9));
    QImage canvas(8, 8, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        DrawShadow(painter, glyph, 2, 3, rgbColor(0, 128, 0));
    }
    int shadowed = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            shadowed += canvas.pixel(x, y) == qRgb(0, 128, 0);
    QCOMPARE(shadowed, 2);
    QCOMPARE(canvas.pixel(2, 3), qRgb(0, 128, 0));
    QCOMPARE(canvas.pixel(4, 4), qRgb(0, 128, 0));
}

void TestColorMath::drawTickDrawsThreeStackedStrokes()
{
    QImage canvas(20, 20, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        DrawTick(painter, 3, 15, Qt::black);
    }
    QRect box;
    int count = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            if (canvas.pixel(x, y) == qRgb(0, 0, 0)) {
                ++count;
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    QCOMPARE(count, 21); // seven pixels a stroke, the end pixels left out
    QCOMPARE(box, QRect(QPoint(3 + 2, 15 - 9), QPoint(3 + 8, 15 - 3)));
    QCOMPARE(canvas.pixel(3 + 4, 15 - 3), qRgb(0, 0, 0));       // the tick's lowest point
    QCOMPARE(canvas.pixel(3 + 9, 15 - 8), qRgb(255, 255, 255)); // a stroke's end
}

void TestColorMath::bevelFrameColoursEachEdge()
{
    QImage canvas(8, 7, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        DrawBevelFrame(painter, QRect(0, 0, 8, 7), 0x0000FF, 0xFF0000, 2);
    }
    const QRgb top = qRgb(255, 0, 0);
    const QRgb bottom = qRgb(0, 0, 255);
    // Outer ring: right column 7, bottom row 6.
    QCOMPARE(canvas.pixel(0, 0), top);
    QCOMPARE(canvas.pixel(6, 0), top);
    QCOMPARE(canvas.pixel(0, 5), top);
    QCOMPARE(canvas.pixel(7, 0), bottom); // top-right corner belongs to the shadow
    QCOMPARE(canvas.pixel(0, 6), bottom); // so does bottom-left
    QCOMPARE(canvas.pixel(7, 6), bottom);
    // Inner ring, one pixel in.
    QCOMPARE(canvas.pixel(1, 1), top);
    QCOMPARE(canvas.pixel(6, 1), bottom);
    QCOMPARE(canvas.pixel(1, 5), bottom);
    QCOMPARE(canvas.pixel(5, 1), top);
    // Inside both rings nothing is drawn.
    QCOMPARE(canvas.pixel(2, 2), qRgb(255, 255, 255));
    QCOMPARE(canvas.pixel(5, 4), qRgb(255, 255, 255));
}

QTEST_MAIN(TestColorMath)
#include "tst_colormath.moc"
