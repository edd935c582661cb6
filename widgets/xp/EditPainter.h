#pragma once

#include "widgets/xp/XPColors.h"

#include <QRect>

class QPainter;
class QWidget;

namespace widgets::xp {

class TControlSubClass;

// The one-pixel border of an edit or memo: light selection colour while the pointer is
// over it or it has the focus, the parent colour darkened at rest.
TColor editBorderColor(const QWidget* control, const TControlSubClass& hook, const XPSettings& settings,
                       const EffectiveColors& colors);
void paintEditFrame(QPainter& painter, const QRect& rect, const QWidget* control, const TControlSubClass& hook,
                    const XPSettings& settings, const EffectiveColors& colors);

} // namespace widgets::xp
