#pragma once

#include "widgets/xp/XPColors.h"

#include <QRect>

class QPainter;
class QStyle;
class QStyleOptionGroupBox;
class QWidget;

namespace widgets::xp {

// A framed panel: one pixel in the parent colour darkened, as an edit at rest.
void paintPanelFrame(QPainter& painter, const QRect& rect, const QWidget* panel, const XPSettings& settings,
                     const EffectiveColors& colors);

// A group box: a rounded one-pixel frame broken by its title.
void paintGroupBox(QPainter& painter, const QStyleOptionGroupBox& option, const QWidget* group,
                   const XPSettings& settings, const EffectiveColors& colors, const QStyle* style);

} // namespace widgets::xp
