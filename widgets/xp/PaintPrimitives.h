#pragma once

#include "widgets/xp/XPSettings.h"

#include <QColor>
#include <QRect>

class QPainter;
class QWidget;

namespace widgets::xp {

class TControlSubClass;

// What a control's painting depends on, read at each paint.
struct PaintState {
    bool hot = false;
    bool mouseDown = false;
    bool spaceDown = false;
    bool focused = false;
    bool enabled = true;
    bool trueXp = true; // the true-XP style applies (on, and the tag does not keep own colours)
    TColor parentColor = 0;
};

PaintState paintStateOf(const QWidget* control, const TControlSubClass& hook, const XPSettings& settings);
// The background colour of the control's parent (the control's own when it has none).
TColor parentColorOf(const QWidget* control);

// A rounded rectangle in the bounds of `rect` (its right and bottom edge pixels
// included), corners `arc` pixels across, outlined in pen and filled with brush unless the
// brush is invalid.
void roundRect(QPainter& painter, const QRect& rect, int arc, const QColor& pen, const QColor& brush = QColor());
// A one-pixel outline along the inside of rect.
void outlineRect(QPainter& painter, const QRect& rect, const QColor& pen);
// A rectangle: outline in pen, the inside filled with brush.
void filledRect(QPainter& painter, const QRect& rect, const QColor& pen, const QColor& brush);

} // namespace widgets::xp
