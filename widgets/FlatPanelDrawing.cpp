#include "widgets/FlatPanelDrawing.h"

#include <QPainter>
#include <QWidget>

namespace widgets {

void DrawBevelFrame(QPainter& painter, QRect rect, TColor topColor, TColor bottomColor, int width,
                    const QPalette& palette)
{
    const QColor top = toQColor(topColor, palette);
    const QColor bottom = toQColor(bottomColor, palette);
    // Inclusive edges: the right and bottom are taken one pixel in.
    int left = rect.left();
    int upper = rect.top();
    int right = rect.right();
    int lower = rect.bottom();
    for (int ring = 0; ring < width && left <= right && upper <= lower; ++ring) {
        painter.fillRect(QRect(QPoint(left, upper), QPoint(left, lower - 1)), top);
        painter.fillRect(QRect(QPoint(left, upper), QPoint(right - 1, upper)), top);
        painter.fillRect(QRect(QPoint(right, upper), QPoint(right, lower)), bottom);
        painter.fillRect(QRect(QPoint(left, lower), QPoint(right, lower)), bottom);
        ++left;
        ++upper;
        --right;
        --lower;
    }
}

void PaintParentBackground(QWidget* control, QPainter& painter)
{
    QWidget* parent = control->parentWidget();
    if (!parent)
        return;
    painter.save();
    const QRect area = control->geometry().intersected(parent->rect());
    if (!area.isEmpty()) {
        // The area's top-left lands where the control's own top-left is, minus whatever
        // part of the control lies outside its parent.
        const QPoint offset = area.topLeft() - control->geometry().topLeft();
        parent->render(&painter, offset, QRegion(area), QWidget::DrawWindowBackground);
    }
    painter.restore();
}

} // namespace widgets
