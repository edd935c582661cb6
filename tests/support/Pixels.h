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

} // namespace testing
