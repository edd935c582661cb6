#pragma once

#include "widgets/Color.h"

#include <QImage>
#include <QPoint>

class QPainter;

namespace widgets {

// Picture effects for glyphs and menu icons. Images are worked on as ARGB32; alpha is kept.

// Every pixel becomes GrayColor(pixel, level).
void GrayBitmap(QImage& image, int level);
// Every pixel becomes LightenColor(pixel, percent), percent capped at 100.
void DimBitmap(QImage& image, int percent);
// Every pixel that differs from the image's bottom-left pixel (its transparent colour) is
// painted in color at (x + column, y + row).
void DrawShadow(QPainter& painter, const QImage& image, int x, int y, TColor color);
// The three-stroke tick of a check box whose box has its left at x and its bottom at y.
void DrawTick(QPainter& painter, int x, int y, const QColor& color);

// A one-pixel line from `from` towards `to`, the end pixel left out, so that joined
// segments draw each corner pixel once.
void drawLineExcludingEnd(QPainter& painter, QPoint from, QPoint to, const QColor& color);

} // namespace widgets
