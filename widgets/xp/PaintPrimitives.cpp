#include "widgets/xp/PaintPrimitives.h"

#include "widgets/ColorMath.h"
#include "widgets/xp/ControlKinds.h"
#include "widgets/xp/ControlSubClass.h"

#include <QPainter>
#include <QWidget>

namespace widgets::xp {

TColor parentColorOf(const QWidget* control)
{
    const QWidget* source = control->parentWidget() ? control->parentWidget() : control;
    return fromQColor(source->palette().color(source->backgroundRole()));
}

PaintState paintStateOf(const QWidget* control, const TControlSubClass& hook, const XPSettings& settings)
{
    PaintState state;
    state.hot = hook.hot();
    state.mouseDown = hook.mouseDown();
    state.spaceDown = hook.spaceDown();
    state.focused = control->hasFocus();
    state.enabled = control->isEnabled();
    state.trueXp = settings.ControlUseTrueXPStyle && tagOf(control) != kTagKeepOwnColors;
    state.parentColor = parentColorOf(control);
    return state;
}

void roundRect(QPainter& painter, const QRect& rect, int arc, const QColor& pen, const QColor& brush)
{
    if (rect.width() < 1 || rect.height() < 1)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(pen, 0));
    painter.setBrush(brush.isValid() ? QBrush(brush) : QBrush(Qt::NoBrush));
    const qreal radius = arc / 2.0;
    painter.drawRoundedRect(QRectF(rect.x(), rect.y(), rect.width() - 1, rect.height() - 1), radius, radius);
    painter.restore();
}

void outlineRect(QPainter& painter, const QRect& rect, const QColor& pen)
{
    if (rect.width() < 1 || rect.height() < 1)
        return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), pen);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), pen);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), pen);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), pen);
}

void filledRect(QPainter& painter, const QRect& rect, const QColor& pen, const QColor& brush)
{
    painter.fillRect(rect.adjusted(1, 1, -1, -1), brush);
    outlineRect(painter, rect, pen);
}

} // namespace widgets::xp
