#include "widgets/xp/ItemDrawing.h"

#include "widgets/BitmapEffects.h"
#include "widgets/ColorMath.h"

#include <QFontMetrics>
#include <QPainter>

namespace widgets::xp {

namespace {
QString withoutMnemonics(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&' && i + 1 < text.size())
            ++i;
        plain.append(text.at(i));
    }
    return plain;
}
} // namespace

int itemTextTop(const QRect& rect, const QFont& font)
{
    return rect.top() + (rect.height() - QFontMetrics(font).height()) / 2;
}

int itemTextWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(withoutMnemonics(text));
}

void DrawItemText(QPainter& painter, const QRect& rect, const QString& text, const QFont& font, TColor color,
                  bool embossed, TColor background, bool rightToLeft)
{
    painter.save();
    painter.setFont(font);
    const QRect line(rect.left(), itemTextTop(rect, font), rect.width(), QFontMetrics(font).height());
    const int flags =
        Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::AlignVCenter | (rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    if (embossed) {
        struct Pass {
            QPoint offset;
            int shade;
        };
        for (const Pass& pass : {Pass{{1, 0}, 30}, Pass{{1, 2}, 30}, Pass{{0, 1}, 40}, Pass{{1, 1}, 60}}) {
            painter.setPen(toQColor(DarkenColor(background, pass.shade)));
            painter.drawText(line.translated(pass.offset), flags, text);
        }
    }
    painter.setPen(toQColor(color));
    painter.drawText(line, flags, text);
    painter.restore();
}

void DrawItemIcon(QPainter& painter, const QImage& image, int x, int y, const IconState& state,
                  const XPSettings& settings, const EffectiveColors& colors)
{
    if (image.isNull())
        return;
    QImage glyph = image.convertToFormat(QImage::Format_ARGB32);
    if (!state.enabled) {
        GrayBitmap(glyph, settings.GrayLevel);
        DimBitmap(glyph, 40);
    } else if (!state.checked && !state.selected && colors.highColor) {
        DimBitmap(glyph, settings.DimLevel);
    } else if (state.selected && !state.checked) {
        DrawShadow(painter, glyph, x + 2, y + 2, DarkenColor(colors.selectionFill, 50));
        x -= 1;
        y -= 1;
    }
    painter.drawImage(x, y, glyph);
}

void DrawCheckMark(QPainter& painter, const QRect& box, bool radio, bool hasImage, bool selected, bool enabled,
                   const EffectiveColors& colors)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor fill = toQColor(selected ? colors.checkFillSelected : colors.checkFillUnselected);
    const QColor pen = toQColor(!enabled              ? colors.disabledText
                                : (radio || hasImage) ? colors.selectionBorder
                                                      : colors.checked);
    painter.setPen(pen);
    painter.setBrush(fill);
    // The box as given is inclusive of its right and bottom edge pixels.
    const QRect outline(box.left(), box.top(), box.width() - 1, box.height() - 1);
    if (radio) {
        if (hasImage)
            painter.drawRoundedRect(outline, 3, 3);
        else
            painter.drawEllipse(outline);
    } else {
        painter.drawRect(outline);
        if (!hasImage) {
            const int l = box.left();
            const int t = box.top();
            const int r = box.left() + box.width();
            const int b = box.top() + box.height();
            const QColor tick = enabled ? QColor(Qt::black) : pen;
            drawLineExcludingEnd(painter, {l + 1, t + 5}, {l + 4, b - 2}, tick);
            drawLineExcludingEnd(painter, {l + 2, t + 5}, {l + 4, b - 3}, tick);
            drawLineExcludingEnd(painter, {l + 2, t + 4}, {l + 5, b - 3}, tick);
            drawLineExcludingEnd(painter, {l + 4, b - 3}, {r + 2, t - 1}, tick);
            drawLineExcludingEnd(painter, {l + 4, b - 2}, {r - 2, t + 3}, tick);
        }
    }
    painter.restore();
}

} // namespace widgets::xp
