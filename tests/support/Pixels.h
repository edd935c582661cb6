#pragma once

#include "widgets/Color.h"

#include <QImage>
#include <QRect>

namespace testing {

// A stored colour as the widgets paint it, for comparing with pixels.
inline QRgb rgbOf(widgets::TColor color)
{
    return widgets::toQColor(color).rgb();
}

// The smallest rectangle holding every pixel of exactly this colour; null when there is none.
inline QRect boxOfColour(const QImage& image, QRgb colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The smallest rectangle holding every dark pixel (text ink on a light ground) within
// `area` (the whole image when null); null when there is none.
inline QRect inkBox(const QImage& image, QRect area = {})
{
    area = area.isNull() ? image.rect() : (area & image.rect());
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Pixels of a clear red, as a colour emoji heart has and no black text glyph does.
inline int clearRedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            count += colour.red() > 150 && colour.green() < 100 && colour.blue() < 100;
        }
    return count;
}

} // namespace testing
