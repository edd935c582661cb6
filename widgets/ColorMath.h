#pragma once

#include "widgets/Color.h"

#include <QPalette>

namespace widgets {

// Hue, saturation and lightness on the 240-step scale: hue 0..239, the others 0..240.
struct Hsl {
    int h = 0;
    int s = 0;
    int l = 0;
    bool operator==(const Hsl&) const = default;
};

// System colours are resolved through the palette before conversion.
Hsl ColorToHsl(TColor color, const QPalette& palette = QPalette());
// Out-of-range inputs are clamped to the scale; rounding is to nearest, ties to even.
TColor HslToColor(int h, int s, int l);

// A colour lighter or darker than baseColor by percent lightness steps, hue and saturation
// kept. A percent of 0 hands back color untouched.
TColor DeriveAdvColor(TColor baseColor, TColor color, int percent, bool darken);

// Each channel moves towards 255 by percent (capped at 100) of the distance left.
TColor LightenColor(TColor color, int percent, const QPalette& palette = QPalette());
// Red and blue lose shade, green loses shade - 2; every channel is kept within 0..255.
TColor DarkenColor(TColor color, int shade, const QPalette& palette = QPalette());
// The channel average raised by level, at most 240, as a gray.
TColor GrayColor(TColor color, int level, const QPalette& palette = QPalette());

// Adds a value to each channel without carrying into the next one (saturates at 255).
TColor AddToChannels(TColor color, int red, int green, int blue);

inline int redOf(TColor color)
{
    return int(std::uint32_t(color) & 0xFF);
}
inline int greenOf(TColor color)
{
    return int((std::uint32_t(color) >> 8) & 0xFF);
}
inline int blueOf(TColor color)
{
    return int((std::uint32_t(color) >> 16) & 0xFF);
}
TColor rgbColor(int red, int green, int blue);

// The plain RGB value of a colour, resolving a system colour through the palette.
TColor resolveColor(TColor color, const QPalette& palette = QPalette());

} // namespace widgets
