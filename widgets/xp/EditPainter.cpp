#include "widgets/xp/EditPainter.h"

#include "widgets/ColorMath.h"
#include "widgets/xp/PaintPrimitives.h"

#include <QFrame>
#include <QLineEdit>
#include <QPainter>

namespace widgets::xp {

namespace {
bool hasSingleBorder(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->hasFrame();
    if (const auto* frame = qobject_cast<const QFrame*>(control))
        return frame->frameShape() != QFrame::NoFrame;
    return true;
}
} // namespace

TColor editBorderColor(const QWidget* control, const TControlSubClass& hook, const XPSettings& settings,
                       const EffectiveColors& colors)
{
    const PaintState state = paintStateOf(control, hook, settings);
    const bool single = hasSingleBorder(control);
    if (state.hot || state.focused)
        return LightenColor(colors.selectionBorder, single ? 60 : 80);
    return single ? DarkenColor(state.parentColor, 60) : state.parentColor;
}

void paintEditFrame(QPainter& painter, const QRect& rect, const QWidget* control, const TControlSubClass& hook,
                    const XPSettings& settings, const EffectiveColors& colors)
{
    outlineRect(painter, rect, toQColor(editBorderColor(control, hook, settings, colors)));
}

} // namespace widgets::xp
