#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace widgets {

// A colour value as the program stores it: 0x00BBGGRR (red in the low byte), or, with the
// high bit set, a system colour index resolved through the palette.
using TColor = std::int32_t;

constexpr TColor kSystemColorBit = TColor(0x80000000u);
constexpr TColor clWindowText = TColor(0x80000008u);

constexpr bool isSystemColor(TColor value) { return (value & kSystemColorBit) != 0; }

QColor toQColor(TColor value, const QPalette& palette = QPalette());
TColor fromQColor(const QColor& color); // always a plain RGB value

} // namespace widgets
