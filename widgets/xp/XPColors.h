#pragma once

#include "widgets/xp/XPSettings.h"

#include <QPalette>

class QPainter;

namespace widgets::xp {

// The colours in effect for one menu item or control, all resolved to plain RGB values.
struct EffectiveColors {
    TColor menuBackground = 0;
    TColor iconColumn = 0;
    TColor selectionFill = 0;
    TColor selectionBorder = 0;
    TColor selectedText = 0;
    TColor menuBar = 0;
    TColor disabledText = 0;
    TColor checked = 0;
    TColor separator = 0;
    TColor checkFillUnselected = 0;
    TColor checkFillSelected = 0;
    TColor popupFrameOuter = 0;
    TColor popupFrameInner = 0;
    TColor fontColor = 0;
    bool highColor = true;
};

// From the settings, the palette that resolves system colours and the depth of the device
// about to be drawn on (more than 15 bits per pixel is high colour).
EffectiveColors PrepareColors(const XPSettings& settings, const QPalette& palette, bool highColor);
bool isHighColor(const QPainter& painter);

} // namespace widgets::xp
