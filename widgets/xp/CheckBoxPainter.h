#pragma once

#include "widgets/xp/XPColors.h"

class QPainter;
class QStyle;
class QStyleOptionButton;
class QWidget;

namespace widgets::xp {

class TControlSubClass;

// The width of a scroll-bar thumb on the classic desktop: the check box's box height.
constexpr int kScrollThumbWidth = 16;
// One narrower than high, square in the true-XP style.
int checkBoxBoxWidth(bool trueXp);

// A check box or radio button: the flat box (square or round) with the hover and pressed
// looks, the green tick or dot, and the standard label beside it.
void paintCheckBox(QPainter& painter, const QStyleOptionButton& option, const QWidget* control,
                   const TControlSubClass& hook, const XPSettings& settings, const EffectiveColors& colors, bool radio,
                   const QStyle* style);

// The box of a check box within its rectangle: centred vertically in the rectangle less 3
// pixels at top and bottom, at the left (the right for right-to-left reading).
QRect checkBoxBox(const QRect& rect, bool trueXp, bool rightToLeft);

} // namespace widgets::xp
