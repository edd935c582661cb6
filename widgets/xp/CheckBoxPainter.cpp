#include "widgets/xp/CheckBoxPainter.h"

#include "widgets/BitmapEffects.h"
#include "widgets/ColorMath.h"
#include "widgets/xp/PaintPrimitives.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace widgets::xp {

int checkBoxBoxWidth(bool trueXp)
{
    return trueXp ? kScrollThumbWidth : kScrollThumbWidth - 1;
}

QRect checkBoxBox(const QRect& rect, bool trueXp, bool rightToLeft)
{
    const QRect inner = rect.adjusted(0, 3, 0, -3);
    const int width = checkBoxBoxWidth(trueXp);
    const int top = inner.top() + (inner.height() - kScrollThumbWidth) / 2;
    const int left = rightToLeft ? rect.right() + 1 - width : rect.left();
    return QRect(left, top, width, kScrollThumbWidth);
}

void paintCheckBox(QPainter& painter, const QStyleOptionButton& option, const QWidget* control,
                   const TControlSubClass& hook, const XPSettings& s, const EffectiveColors& colors, bool radio,
                   const QStyle* style)
{
    const PaintState state = paintStateOf(control, hook, s);
    const bool pressed = state.mouseDown || state.spaceDown;
    const bool grayed = option.state & QStyle::State_NoChange;
    const bool checked = option.state & QStyle::State_On;

    TColor fill = colors.checkFillUnselected;
    TColor pen = colors.selectionBorder;
    if (state.hot || state.focused) {
        fill = colors.selectionFill;
    } else {
        fill = resolveColor(clWindow, option.palette);
        pen = resolveColor(clBtnShadow, option.palette);
    }
    if (pressed)
        fill = colors.checkFillSelected;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QRect box = checkBoxBox(option.rect, state.trueXp, option.direction == Qt::RightToLeft);
    painter.fillRect(box, control->palette().color(control->backgroundRole()));
    box.adjust(2, 2, -2, -2);
    if (grayed)
        fill = 0xC0C0C0;
    if (state.trueXp) {
        fill = state.mouseDown ? s.BtnSurfaceDownColor : s.BtnSurfaceNormalColor;
        pen = state.enabled ? s.BtnOutLineBorderColor : s.ControlDisabledBorderColor;
    }
    if (radio) {
        painter.setPen(QPen(toQColor(pen), 0));
        painter.setBrush(toQColor(fill));
        painter.drawEllipse(box.adjusted(0, 0, -1, -1));
        if (state.trueXp && state.hot) {
            painter.setPen(QPen(toQColor(s.BtnInnerBorderMoveColor), 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(box.adjusted(1, 1, -2, -2));
        }
    } else {
        filledRect(painter, box, toQColor(pen), toQColor(fill));
        if (state.trueXp && state.hot)
            outlineRect(painter, box.adjusted(1, 1, -1, -1), toQColor(s.BtnInnerBorderMoveColor));
    }

    const QPoint centre = box.center();
    if (checked || grayed) {
        TColor mark = pressed ? resolveColor(clWindow, option.palette) : grayed ? TColor(0x808080) : colors.checked;
        if (!state.enabled)
            mark = colors.disabledText;
        if (state.trueXp) {
            mark = s.RdoChkControlChkColor;
            box.adjust(1, 0, 0, 0);
        }
        const int right = box.left() + box.width(); // exclusive edges, as the strokes count them
        const int bottom = box.top() + box.height();
        if (radio) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(toQColor(mark));
            painter.drawEllipse(QRect(centre - QPoint(2, 2), QSize(5, 5)));
        } else if (grayed) {
            painter.fillRect(QRect(QPoint(box.left() + 2, box.top() + 3), QPoint(right - 4, bottom - 4)),
                             toQColor(s.RdoChkControlChkColor));
        } else {
            DrawTick(painter, box.left(), bottom, toQColor(mark));
        }
    }
    painter.restore();

    // The label and focus frame as the standard style places them beside the indicator.
    QStyleOptionButton label = option;
    label.rect =
        style->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, control);
    style->drawControl(radio ? QStyle::CE_RadioButtonLabel : QStyle::CE_CheckBoxLabel, &label, &painter, control);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style->subElementRect(radio ? QStyle::SE_RadioButtonFocusRect : QStyle::SE_CheckBoxFocusRect,
                                           &option, control);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, control);
    }
}

} // namespace widgets::xp
