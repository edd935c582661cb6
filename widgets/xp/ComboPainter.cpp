#include "widgets/xp/ComboPainter.h"

#include "widgets/ColorMath.h"
#include "widgets/xp/CheckBoxPainter.h"
#include "widgets/xp/PaintPrimitives.h"

#include <QPainter>
#include <QStyleOption>

namespace widgets::xp {

void paintCombo(QPainter& painter, const QStyleOptionComboBox& option, const QWidget* combo,
                const TControlSubClass& hook, const XPSettings& s, const EffectiveColors& colors)
{
    const PaintState state = paintStateOf(combo, hook, s);
    const bool droppedDown = option.state & QStyle::State_On;
    const QRect r = option.rect;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    TColor edge = resolveColor(clBtnShadow, option.palette);
    if (state.hot)
        edge = colors.selectionBorder;
    else if (state.focused)
        edge = LightenColor(colors.selectionBorder, 60);
    if (state.trueXp)
        edge = state.enabled ? s.BtnOutLineBorderColor : s.ControlDisabledBorderColor;
    painter.fillRect(r, option.palette.color(QPalette::Base));
    outlineRect(painter, r, toQColor(edge));

    // The drop button, as wide as a scroll-bar thumb, inside the frame.
    const bool rightToLeft = option.direction == Qt::RightToLeft;
    const int width = kScrollThumbWidth;
    QRect button = rightToLeft ? QRect(r.left() + 1, r.top() + 1, width, r.height() - 2)
                               : QRect(r.right() - width, r.top() + 1, width, r.height() - 2);
    painter.fillRect(button, toQColor(s.BtnSurfaceNormalColor));
    TColor face = s.BtnInnerBorderFocusColor;
    if (droppedDown)
        face = s.ComboDroppedDownColor;
    else if (state.mouseDown && state.hot)
        face = s.BtnSurfaceDownColor;
    else if (state.hot)
        face = s.ComboboxSurfaceMoveColor;
    if (state.trueXp)
        roundRect(painter, button.adjusted(1, 1, -1, -1), 3, toQColor(face), toQColor(AddToChannels(face, 12, 12, 12)));
    else
        painter.fillRect(button.adjusted(1, 1, -1, -1), toQColor(face));

    const QPoint centre = button.center();
    painter.setPen(Qt::NoPen);
    if (state.trueXp) {
        // A chevron eight pixels across and four deep, two pixels thick.
        const QColor chevron = toQColor(state.enabled ? s.ComboBoxChkColor : colors.disabledText);
        for (int i = 0; i < 4; ++i) {
            painter.fillRect(QRect(centre.x() - 4 + i, centre.y() - 2 + i, 2, 1), chevron);
            painter.fillRect(QRect(centre.x() + 3 - i, centre.y() - 2 + i, 2, 1), chevron);
        }
    } else {
        const QColor arrow =
            option.palette.color(state.enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
        for (int i = 0, w = 5; w > 0; ++i, w -= 2)
            painter.fillRect(QRect(centre.x() - w / 2, centre.y() - 1 + i, w, 1), arrow);
    }
    painter.restore();
}

} // namespace widgets::xp
