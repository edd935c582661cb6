#include "widgets/BitmapEffects.h"

#include "widgets/ColorMath.h"

#include <QPainter>
#include <cstdlib>
#include <functional>

namespace widgets {

namespace {

QRgb withAlpha(TColor color, int alpha)
{
    return qRgba(redOf(color), greenOf(color), blueOf(color), alpha);
}

TColor colorOf(QRgb pixel)
{
    return rgbColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// Glyphs repeat long runs of one colour; a run costs a single conversion.
void mapPixels(QImage& image, const std::function<TColor(TColor)>& convert)
{
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    bool havePrevious = false;
    QRgb previousRgb = 0;
    TColor previousResult = 0;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = line[x] & RGB_MASK;
            if (!havePrevious || rgb != previousRgb) {
                previousRgb = rgb;
                previousResult = convert(colorOf(rgb));
                havePrevious = true;
            }
            line[x] = withAlpha(previousResult, qAlpha(line[x]));
        }
    }
}

} // namespace

void GrayBitmap(QImage& image, int level)
{
    mapPixels(image, [level](TColor c) { return GrayColor(c, level); });
}

void DimBitmap(QImage& image, int percent)
{
    mapPixels(image, [percent](TColor c) { return LightenColor(c, percent); });
}

void DrawShadow(QPainter& painter, const QImage& image, int x, int y, TColor color)
{
    if (image.isNull())
        return;
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = source.pixel(0, source.height() - 1);
    painter.save();
    painter.setPen(toQColor(color));
    for (int row = 0; row < source.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        for (int column = 0; column < source.width(); ++column) {
            if (line[column] != transparent)
                painter.drawPoint(x + column, y + row);
        }
    }
    painter.restore();
}

void drawLineExcludingEnd(QPainter& painter, QPoint from, QPoint to, const QColor& color)
{
    // Bresenham, stopping one pixel short, which is how the strokes were designed.
    painter.save();
    painter.setPen(QPen(color, 1));
    painter.setRenderHint(QPainter::Antialiasing, false);
    int x = from.x();
    int y = from.y();
    const int dx = std::abs(to.x() - x);
    const int dy = -std::abs(to.y() - y);
    const int stepX = x < to.x() ? 1 : -1;
    const int stepY = y < to.y() ? 1 : -1;
    int error = dx + dy;
    while (x != to.x() || y != to.y()) {
        painter.drawPoint(x, y);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
    painter.restore();
}

void DrawTick(QPainter& painter, int x, int y, const QColor& color)
{
    for (int i = 0; i < 3; ++i) {
        drawLineExcludingEnd(painter, {x + 2, y - i - 5}, {x + 4, y - i - 3}, color);
        drawLineExcludingEnd(painter, {x + 4, y - i - 3}, {x + 9, y - i - 8}, color);
    }
}

} // namespace widgets
