#pragma once

#include "widgets/xp/XPColors.h"

class QPainter;
class QStyleOptionButton;
class QStyleOptionToolButton;
class QWidget;

namespace widgets::xp {

class TControlSubClass;

// Push buttons: the rounded light surface with its outline and bottom line, the inner rim
// on hover (orange) and focus (blue), the pressed surface, and the caption; buttons with
// an icon also get their glyph, placed by the dynamic properties "layout" ("left",
// "right", "top", "bottom") and "spacing" (4 unless set).
void paintButton(QPainter& painter, const QStyleOptionButton& option, const QWidget* button,
                 const TControlSubClass& hook, const XPSettings& settings, const EffectiveColors& colors);

// Tool buttons: flat at rest, the selection look under the pointer, the checked fill
// while pressed.
void paintSpeedButton(QPainter& painter, const QStyleOptionToolButton& option, const QWidget* button,
                      const TControlSubClass& hook, const XPSettings& settings, const EffectiveColors& colors);

} // namespace widgets::xp
