#include "widgets/ColorMath.h"

#include <algorithm>
#include <cmath>

namespace widgets {

namespace {

int roundHalfEven(double value)
{
    return int(std::nearbyint(value)); // the default rounding mode breaks ties to even
}

// round(numerator / denominator) for non-negative integers, ties to even, without
// floating-point error.
int divideRoundHalfEven(int numerator, int denominator)
{
    int quotient = numerator / denominator;
    const int twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && (quotient & 1)))
        ++quotient;
    return quotient;
}

int clampChannel(int value)
{
    return std::clamp(value, 0, 255);
}

double channelValue(double m1, double m2, double h)
{
    if (h < 0)
        h += 1;
    else if (h > 1)
        h -= 1;
    if (6 * h < 1)
        return m1 + (m2 - m1) * 6 * h;
    if (2 * h < 1)
        return m2;
    if (3 * h < 2)
        return m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6;
    return m1;
}

} // namespace

TColor rgbColor(int red, int green, int blue)
{
    return TColor(std::uint32_t(clampChannel(red)) | (std::uint32_t(clampChannel(green)) << 8) |
                  (std::uint32_t(clampChannel(blue)) << 16));
}

TColor resolveColor(TColor color, const QPalette& palette)
{
    return isSystemColor(color) ? fromQColor(toQColor(color, palette)) : TColor(std::uint32_t(color) & 0xFFFFFF);
}

Hsl ColorToHsl(TColor color, const QPalette& palette)
{
    const TColor rgb = resolveColor(color, palette);
    const double r = redOf(rgb) / 255.0;
    const double g = greenOf(rgb) / 255.0;
    const double b = blueOf(rgb) / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double l = (max + min) / 2;
    double h = 0;
    double s = 0;
    if (max != min) {
        const double d = max - min;
        s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
        if (r == max)
            h = (g - b) / d;
        else if (g != max)
            h = 4 + (r - g) / d;
        else
            h = 2 + (b - r) / d;
        h /= 6;
        if (h < 0)
            h += 1;
    }
    return {roundHalfEven(h * 239), roundHalfEven(s * 240), roundHalfEven(l * 240)};
}

TColor HslToColor(int hue, int saturation, int lightness)
{
    const double h = std::clamp(hue, 0, 239) / 239.0;
    const double s = std::clamp(saturation, 0, 240) / 240.0;
    const double l = std::clamp(lightness, 0, 240) / 240.0;
    if (s == 0) {
        const int gray = roundHalfEven(l * 255);
        return rgbColor(gray, gray, gray);
    }
    const double m2 = l <= 0.5 ? l * (s + 1) : l + s - l * s;
    const double m1 = 2 * l - m2;
    return rgbColor(roundHalfEven(channelValue(m1, m2, h + 1.0 / 3) * 255),
                    roundHalfEven(channelValue(m1, m2, h) * 255),
                    roundHalfEven(channelValue(m1, m2, h - 1.0 / 3) * 255));
}

TColor DeriveAdvColor(TColor baseColor, TColor color, int percent, bool darken)
{
    if (percent == 0)
        return color;
    const Hsl base = ColorToHsl(baseColor);
    const int raised = base.l + 10;
    // The limits follow the 240-step scale: a cap at 100 would turn "lighter" darker for
    // every base colour lighter than 100.
    const int lightness = darken ? std::max(raised - percent, 0) : std::min(raised + percent, 240);
    return HslToColor(base.h, base.s, lightness);
}

TColor LightenColor(TColor color, int percent, const QPalette& palette)
{
    const TColor rgb = resolveColor(color, palette);
    const int p = std::clamp(percent, 0, 100);
    const auto lighten = [p](int c) { return c + divideRoundHalfEven((255 - c) * p, 100); };
    return rgbColor(lighten(redOf(rgb)), lighten(greenOf(rgb)), lighten(blueOf(rgb)));
}

TColor DarkenColor(TColor color, int shade, const QPalette& palette)
{
    const TColor rgb = resolveColor(color, palette);
    // Wide arithmetic, so that no shade can wrap a channel around.
    const auto darken = [shade](int c, int extra) {
        return int(std::clamp<long long>(c - (long long)shade + extra, 0, 255));
    };
    return rgbColor(darken(redOf(rgb), 0), darken(greenOf(rgb), 2), darken(blueOf(rgb), 0));
}

TColor GrayColor(TColor color, int level, const QPalette& palette)
{
    const TColor rgb = resolveColor(color, palette);
    const int gray = std::clamp((redOf(rgb) + greenOf(rgb) + blueOf(rgb)) / 3 + level, 0, 240);
    return rgbColor(gray, gray, gray);
}

TColor AddToChannels(TColor color, int red, int green, int blue)
{
    return rgbColor(redOf(color) + red, greenOf(color) + green, blueOf(color) + blue);
}

} // namespace widgets
