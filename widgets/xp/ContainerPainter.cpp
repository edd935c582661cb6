#include "widgets/xp/ContainerPainter.h"

#include "widgets/ColorMath.h"
#include "widgets/xp/PaintPrimitives.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace widgets::xp {

void paintPanelFrame(QPainter& painter, const QRect& rect, const QWidget* panel, const XPSettings&,
                     const EffectiveColors&)
{
    outlineRect(painter, rect, toQColor(DarkenColor(parentColorOf(panel), 60)));
}

void paintGroupBox(QPainter& painter, const QStyleOptionGroupBox& option, const QWidget* group,
                   const XPSettings& settings, const EffectiveColors& colors, const QStyle* style)
{
    const QRect frame = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, group);
    const QRect label = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    const TColor edge =
        group->isEnabled() ? DarkenColor(parentColorOf(group), 40) : settings.ControlDisabledBorderColor;
    painter.save();
    painter.setClipRegion(QRegion(option.rect).subtracted(QRegion(label.adjusted(-2, 0, 2, 0))));
    roundRect(painter, frame, settings.BtnRoundArc, toQColor(edge));
    painter.restore();
    if (!option.text.isEmpty()) {
        painter.save();
        painter.setPen(group->isEnabled() ? option.textColor : toQColor(colors.disabledText));
        painter.drawText(label, Qt::AlignCenter | Qt::TextShowMnemonic, option.text);
        painter.restore();
    }
}

} // namespace widgets::xp
