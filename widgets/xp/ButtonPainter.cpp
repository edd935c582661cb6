#include "widgets/xp/ButtonPainter.h"

#include "widgets/ColorMath.h"
#include "widgets/xp/ItemDrawing.h"
#include "widgets/xp/PaintPrimitives.h"

#include <QAbstractButton>
#include <QPainter>
#include <QStyleOption>

namespace widgets::xp {

namespace {

struct ButtonColors {
    TColor surface = 0;
    TColor edge = 0;
};

ButtonColors stateColors(const PaintState& state, const EffectiveColors& colors, const QPalette& palette)
{
    ButtonColors result;
    if (state.hot || state.spaceDown) {
        result.surface = LightenColor(clBtnFace, 60, palette);
        result.edge = LightenColor(colors.selectionBorder, 60);
    } else {
        result.surface = colors.iconColumn;
        result.edge = resolveColor(clBtnShadow, palette);
        if (state.focused)
            result.edge = LightenColor(colors.selectionBorder, 60);
    }
    return result;
}

// Steps shared by plain buttons and buttons with a glyph: background, surface, outline,
// rim or pressed surface. Returns the surface colour the caption lies on.
TColor paintFace(QPainter& painter, const QRect& r, const PaintState& state, const XPSettings& s,
                 const EffectiveColors& colors, const QPalette& palette, int classicArc)
{
    const ButtonColors c = stateColors(state, colors, palette);
    const int arc = s.BtnRoundArc;
    const bool pressed = state.mouseDown || state.spaceDown;
    painter.fillRect(r, toQColor(state.parentColor));
    TColor under = c.surface;
    if (state.trueXp) {
        roundRect(painter, r, arc, toQColor(LightenColor(c.edge, 30)), toQColor(s.BtnSurfaceNormalColor));
        under = s.BtnSurfaceNormalColor;
        if (state.enabled)
            roundRect(painter, r, arc, toQColor(s.BtnOutLineBorderColor));
        painter.fillRect(QRect(QPoint(r.left() + arc, r.bottom() - 1), QPoint(r.right() - arc, r.bottom() - 1)),
                         toQColor(s.BtnSurfaceBottomLineColor));
    } else {
        roundRect(painter, r, classicArc, toQColor(LightenColor(c.edge, 30)), toQColor(c.surface));
    }
    if (!state.enabled)
        return under;

    if (state.trueXp) {
        const auto rim = [&](TColor first, TColor second) {
            roundRect(painter, r.adjusted(1, 1, -1, -1), arc / 2, toQColor(first));
            roundRect(painter, r.adjusted(1, 1, -1, -2), arc / 2, toQColor(second));
        };
        if (pressed) {
            roundRect(painter, r, arc, toQColor(s.BtnOutLineBorderColor), toQColor(s.BtnSurfaceDownColor));
            painter.fillRect(QRect(QPoint(r.left() + arc, r.bottom() - 1), QPoint(r.right() - arc, r.bottom() - 1)),
                             toQColor(s.BtnSurfaceDownBottomLineColor));
            under = s.BtnSurfaceDownColor;
        } else if (state.hot) {
            rim(s.BtnInnerBorderMoveColor, AddToChannels(s.BtnInnerBorderMoveColor, 0, 2, 2));
        } else if (state.focused) {
            rim(s.BtnInnerBorderFocusColor, AddToChannels(s.BtnInnerBorderFocusColor, 2, 2, 2));
        }
    } else {
        const QColor shadow = toQColor(DarkenColor(c.edge, 50));
        const bool down = (state.mouseDown && state.hot) || state.spaceDown;
        if (down) {
            painter.fillRect(QRect(r.left() + 1, r.top() + 2, 1, r.height() - 4), shadow);
            painter.fillRect(QRect(r.left() + 2, r.top() + 1, r.width() - 4, 1), shadow);
        } else {
            painter.fillRect(QRect(r.right() - 1, r.top() + 2, 1, r.height() - 4), shadow);
            painter.fillRect(QRect(r.left() + 2, r.bottom() - 1, r.width() - 4, 1), shadow);
        }
    }
    return under;
}

void paintCaption(QPainter& painter, const QRect& area, const QString& text, const QStyleOptionButton& option,
                  const PaintState& state, const EffectiveColors& colors, TColor under)
{
    if (text.isEmpty())
        return;
    const TColor color =
        state.enabled ? fromQColor(option.palette.color(QPalette::Active, QPalette::ButtonText)) : colors.disabledText;
    const bool isDefault = state.enabled && (option.features & QStyleOptionButton::DefaultButton);
    DrawItemText(painter, area, text, painter.font(), color, isDefault, under, option.direction == Qt::RightToLeft);
}

QImage glyphOf(const QStyleOptionButton& option)
{
    if (option.icon.isNull())
        return {};
    return option.icon.pixmap(option.iconSize, QIcon::Normal, QIcon::Off).toImage();
}

} // namespace

void paintButton(QPainter& painter, const QStyleOptionButton& option, const QWidget* button,
                 const TControlSubClass& hook, const XPSettings& settings, const EffectiveColors& colors)
{
    const PaintState state = paintStateOf(button, hook, settings);
    const QRect r = option.rect;
    const QImage glyph = glyphOf(option);
    painter.save();
    painter.setFont(button->font());
    const TColor under =
        paintFace(painter, r, state, settings, colors, option.palette, glyph.isNull() ? settings.BtnRoundArc : 4);

    const QFont& font = button->font();
    const int textWidth = option.text.trimmed().isEmpty() ? 0 : itemTextWidth(font, option.text);
    if (glyph.isNull()) {
        const int left = r.left() + (r.width() - textWidth) / 2;
        paintCaption(painter, QRect(left, r.top(), r.right() - left + 1, r.height()), option.text, option, state,
                     colors, under);
        painter.restore();
        return;
    }

    // The glyph and caption as one block, centred along the layout's direction.
    const QSize glyphSize = glyph.deviceIndependentSize().toSize();
    const QString layout = button->property("layout").toString();
    const QVariant spacingValue = button->property("spacing");
    const int spacing = textWidth == 0 ? 0 : (spacingValue.isValid() ? spacingValue.toInt() : 4);
    const int textHeight = QFontMetrics(font).height();
    QPoint glyphAt;
    QRect textArea;
    if (layout == QLatin1String("top") || layout == QLatin1String("bottom")) {
        const int block = glyphSize.height() + spacing + (textWidth ? textHeight : 0);
        const int top = r.top() + (r.height() - block) / 2;
        const int glyphTop = layout == QLatin1String("top") ? top : top + block - glyphSize.height();
        const int textTop = layout == QLatin1String("top") ? top + glyphSize.height() + spacing : top;
        glyphAt = QPoint(r.left() + (r.width() - glyphSize.width()) / 2, glyphTop);
        const int left = r.left() + (r.width() - textWidth) / 2;
        textArea = QRect(left, textTop, r.right() - left + 1, textHeight);
    } else {
        bool glyphRight = layout == QLatin1String("right");
        if (option.direction == Qt::RightToLeft)
            glyphRight = !glyphRight;
        const int block = glyphSize.width() + spacing + textWidth;
        const int left = r.left() + (r.width() - block) / 2;
        const int glyphLeft = glyphRight ? left + textWidth + spacing : left;
        const int textLeft = glyphRight ? left : left + glyphSize.width() + spacing;
        glyphAt = QPoint(glyphLeft, r.top() + (r.height() - glyphSize.height()) / 2);
        textArea = QRect(textLeft, r.top(), r.right() - textLeft + 1, r.height());
    }
    IconState iconState;
    iconState.selected = state.hot;
    iconState.checked = state.focused;
    iconState.enabled = state.enabled;
    DrawItemIcon(painter, glyph, glyphAt.x(), glyphAt.y(), iconState, settings, colors);
    paintCaption(painter, textArea, option.text, option, state, colors, under);
    painter.restore();
}

void paintSpeedButton(QPainter& painter, const QStyleOptionToolButton& option, const QWidget* button,
                      const TControlSubClass& hook, const XPSettings& settings, const EffectiveColors& colors)
{
    const PaintState state = paintStateOf(button, hook, settings);
    const QRect r = option.rect;
    const auto* abstractButton = qobject_cast<const QAbstractButton*>(button);
    const bool down = (state.mouseDown && state.hot) || (abstractButton && abstractButton->isChecked());
    TColor under = state.parentColor;
    painter.fillRect(r, toQColor(state.parentColor));
    if (state.enabled && (state.hot || down)) {
        under = down ? colors.checkFillSelected : colors.selectionFill;
        filledRect(painter, r, toQColor(colors.selectionBorder), toQColor(under));
    }
    const QImage glyph =
        option.icon.isNull() ? QImage() : option.icon.pixmap(option.iconSize, QIcon::Normal, QIcon::Off).toImage();
    const QFont font = button->font();
    const int textWidth = option.text.isEmpty() || option.toolButtonStyle == Qt::ToolButtonIconOnly
                              ? 0
                              : itemTextWidth(font, option.text);
    const int glyphWidth = glyph.isNull() ? 0 : glyph.deviceIndependentSize().toSize().width();
    const int gap = glyphWidth && textWidth ? 4 : 0;
    int left = r.left() + (r.width() - glyphWidth - gap - textWidth) / 2;
    if (!glyph.isNull()) {
        IconState iconState;
        iconState.selected = state.hot && !down;
        iconState.checked = down;
        iconState.enabled = state.enabled;
        const int top = r.top() + (r.height() - glyph.deviceIndependentSize().toSize().height()) / 2;
        DrawItemIcon(painter, glyph, left, top, iconState, settings, colors);
        left += glyphWidth + gap;
    }
    if (textWidth) {
        const TColor color = state.enabled ? fromQColor(option.palette.color(QPalette::Active, QPalette::ButtonText))
                                           : colors.disabledText;
        DrawItemText(painter, QRect(left, r.top(), r.right() - left + 1, r.height()), option.text, font, color);
    }
}

} // namespace widgets::xp
