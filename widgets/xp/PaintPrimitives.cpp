#include "widgets/xp/PaintPrimitives.h"

#include "widgets/ColorMath.h"
#include "widgets/xp/ControlKinds.h"
#include "widgets/xp/ControlSubClass.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

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

namespace {

// How far row i of a corner `arc` pixels across lies inside the straight edge: a quarter
// circle of radius arc / 2 whose cut pixels are counted whole, so that a small arc still
// shows as a rounding (5 gives 2, 1, 0).
int cornerInset(int arc, int row)
{
    const int radius = arc / 2;
    if (row >= radius)
        return 0;
    const double dy = radius - row;
    const double inside = std::sqrt(double(radius) * radius - dy * dy);
    return int(std::ceil(radius - inside - 1e-9));
}

} // namespace

void roundRect(QPainter& painter, const QRect& rect, int arc, const QColor& pen, const QColor& brush)
{
    if (rect.width() < 1 || rect.height() < 1)
        return;
    // Drawn pixel by pixel from one corner shape mirrored four ways, so the corners match and
    // the outline stays closed at any scale (a pixel here is a square of device pixels).
    const int w = rect.width();
    const int h = rect.height();
    const int corner = std::min({arc / 2, (w - 1) / 2, (h - 1) / 2});
    const auto inset = [&](int row) {
        const int fromEdge = std::min(row, h - 1 - row);
        return fromEdge < corner ? cornerInset(2 * corner, fromEdge) : 0;
    };
    for (int row = 0; row < h; ++row) {
        const int y = rect.top() + row;
        const int in = inset(row);
        // The outline runs on until it meets the next row's (diagonals touch, no gap).
        const int next = std::max(row > 0 ? inset(row - 1) : in, row + 1 < h ? inset(row + 1) : in);
        const int run = std::max(1, next - in);
        const int left = rect.left() + in;
        const int right = rect.right() - in;
        if (row == 0 || row == h - 1) {
            painter.fillRect(QRect(left, y, right - left + 1, 1), pen);
            continue;
        }
        const int fillLeft = std::min(left + run, right + 1);
        const int fillRight = std::max(right - run, fillLeft - 1);
        painter.fillRect(QRect(left, y, fillLeft - left, 1), pen);
        painter.fillRect(QRect(fillRight + 1, y, right - fillRight, 1), pen);
        if (brush.isValid() && fillRight >= fillLeft)
            painter.fillRect(QRect(fillLeft, y, fillRight - fillLeft + 1, 1), brush);
    }
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
