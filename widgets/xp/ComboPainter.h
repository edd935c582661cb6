#pragma once

#include "widgets/xp/XPColors.h"

class QPainter;
class QStyleOptionComboBox;
class QWidget;

namespace widgets::xp {

class TControlSubClass;

// A combo box: a one-pixel frame and the flat drop button with its chevron; the current
// text is the combo box's own label.
void paintCombo(QPainter& painter, const QStyleOptionComboBox& option, const QWidget* combo,
                const TControlSubClass& hook, const XPSettings& settings, const EffectiveColors& colors);

} // namespace widgets::xp
