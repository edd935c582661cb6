#pragma once

#include "widgets/Color.h"

#include <QRect>

class QPainter;
class QWidget;

namespace widgets {

// A frame of `width` one-pixel rings: the top and left edges of each ring in topColor, the
// right and bottom edges (including the top-right and bottom-left corner pixels) in
// bottomColor.
void DrawBevelFrame(QPainter& painter, QRect rect, TColor topColor, TColor bottomColor, int width,
                    const QPalette& palette = QPalette());

// Paints, into the painter whose origin is the control's top-left corner, what the
// control's parent shows behind it: the parent's background and its own painting, not
// its other children. Nothing without a parent.
void PaintParentBackground(QWidget* control, QPainter& painter);

} // namespace widgets
