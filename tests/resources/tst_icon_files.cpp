// The icon files a desktop reads: the fixed sizes written at build time and the hand-written
// scalable one, which must show the same note pad as the code draws for the window and tray.
#include "app/WindowPictures.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {

QImage renderSvg(const QString& path, int side)
{
    QSvgRenderer renderer(path);
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (!renderer.isValid())
        return {};
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The mean difference per channel, alpha included, on a 0..255 scale.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_ARGB32);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32);
    qint64 sum = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) +
                   qAbs(qAlpha(p) - qAlpha(q));
        }
    }
    return double(sum) / (4.0 * left.width() * left.height());
}

} // namespace

class IconFilesTest : public QObject {
    Q_OBJECT

private slots:
    void eachThemeSizeHoldsThePadDrawnAtThatSize_data()
    {
        QTest::addColumn<int>("side");
        for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d", side) << side;
    }

    void eachThemeSizeHoldsThePadDrawnAtThatSize()
    {
        QFETCH(int, side);
        const QString path = QDir(QStringLiteral(QUIBBET_ICON_FOLDER))
                                 .filePath(QStringLiteral("%1x%1/apps/%2.png").arg(side).arg(QUIBBET_APP_ID));
        const QImage file(path);
        QVERIFY2(!file.isNull(), qPrintable(path));
        QCOMPARE(file.size(), QSize(side, side));
        QVERIFY(file.hasAlphaChannel());
        QCOMPARE(qAlpha(file.pixel(0, side - 1)), 0); // the slant leaves the corners clear
        QCOMPARE(file.convertToFormat(QImage::Format_ARGB32), app::notePadImage(side));
    }

    void scalableIconShowsTheSamePad_data()
    {
        QTest::addColumn<int>("side");
        QTest::newRow("48") << 48;
        QTest::newRow("256") << 256;
    }

    void scalableIconShowsTheSamePad()
    {
        QFETCH(int, side);
        const QImage svg = renderSvg(QStringLiteral(QUIBBET_SCALABLE_ICON), side);
        QVERIFY2(!svg.isNull(), "the scalable icon is not a valid SVG picture");
        const double difference = meanDifference(svg, app::notePadImage(side));
        // Both go through the same painter, so they agree to the pixel; a margin for edge
        // smoothing only. A line shifted by half a unit already costs more.
        QVERIFY2(difference < 0.5, qPrintable(QStringLiteral("mean difference %1").arg(difference)));
    }
};

QTEST_MAIN(IconFilesTest)
#include "tst_icon_files.moc"
