#pragma once

#include "widgets/xp/XPColors.h"

class QPainter;
class QStyleOptionComboBox;
class QWidget;

namespace widgets::xp {

class TControlSubClass;

// A combo box: three frame rings, the flat drop button with its chevron, and the current
// text as the standard style draws it.
void paintCombo(QPainter& painter, const QStyleOptionComboBox& option, const QWidget* combo,
                const TControlSubClass& hook, const XPSettings& settings, const EffectiveColors& colors);

} // namespace widgets::xp
