#include "widgets/xp/MenuPainter.h"

#include "widgets/ColorMath.h"
#include "widgets/FlatPanelDrawing.h"
#include "widgets/xp/ItemDrawing.h"
#include "widgets/xp/PaintPrimitives.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QStyleOption>
#include <cmath>

namespace widgets::xp {

namespace {

constexpr int kSmallIcon = 16;

bool isSeparator(const QStyleOptionMenuItem& item)
{
    return item.menuItemType == QStyleOptionMenuItem::Separator || item.text == QLatin1String("-");
}

QString captionOf(const QStyleOptionMenuItem& item)
{
    const qsizetype tab = item.text.indexOf(u'\t');
    return tab < 0 ? item.text : item.text.left(tab);
}

QString shortcutOf(const QStyleOptionMenuItem& item)
{
    const qsizetype tab = item.text.indexOf(u'\t');
    return tab < 0 ? QString() : item.text.mid(tab + 1);
}

QSize imageSizeOf(const QStyleOptionMenuItem& item)
{
    if (item.icon.isNull())
        return {};
    const QList<QSize> sizes = item.icon.availableSizes();
    const QSize wanted(kSmallIcon, kSmallIcon);
    return sizes.isEmpty() ? wanted : item.icon.actualSize(wanted);
}

} // namespace

MenuItemLayout menuItemLayout(const QRect& rect, int iconWidth, const QSize& imageSize, bool rightToLeft)
{
    MenuItemLayout layout;
    layout.column = rightToLeft ? QRect(rect.right() + 1 - iconWidth, rect.top(), iconWidth, rect.height())
                                : QRect(rect.left(), rect.top(), iconWidth, rect.height());
    if (imageSize.isValid())
        layout.iconBox = layout.column.adjusted(rightToLeft ? 3 : 1, 2, rightToLeft ? -1 : -3, -2);
    else
        layout.iconBox = QRect(layout.column.center() - QPoint(4, 4), QSize(10, 10));
    const int indent = std::max(iconWidth, imageSize.isValid() ? imageSize.width() + 4 : 0);
    layout.text = rightToLeft ? QRect(rect.left(), rect.top(), rect.width() - indent, rect.height())
                              : QRect(rect.left() + indent, rect.top(), rect.width() - indent, rect.height());
    return layout;
}

QSize MeasureMenuItem(const QStyleOptionMenuItem& item, const QWidget*, const XPSettings& settings, const QFont& font)
{
    if (isSeparator(item))
        return {1, 4}; // one pixel wide, so that the menu does not drop it
    const QFontMetrics metrics(font);
    int width = itemTextWidth(font, captionOf(item)) + 5;
    // The menu adds the widest shortcut itself; "WWW" keeps the columns apart.
    if (!shortcutOf(item).isEmpty())
        width += metrics.horizontalAdvance(QStringLiteral("WWW"));
    const QSize image = imageSizeOf(item);
    width += std::max(image.isValid() ? image.width() : 0, settings.IconWidth);
    const int textHeight = metrics.height();
    const int height =
        std::max(textHeight + int(std::nearbyint(0.75 * textHeight)), image.isValid() ? image.height() + 6 : 0);
    return {width, height};
}

void DrawMenuItem(QPainter& painter, const QStyleOptionMenuItem& item, const QWidget*, const XPSettings& s,
                  const QFont& font, const EffectiveColors& colors)
{
    const bool separator = isSeparator(item);
    const bool rightToLeft = item.direction == Qt::RightToLeft;
    const bool enabled = item.state & QStyle::State_Enabled;
    const bool selected = item.state & QStyle::State_Selected;
    const bool checked = item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked;
    const QRect r = item.rect;
    const QSize imageSize = imageSizeOf(item);
    const MenuItemLayout layout = menuItemLayout(r, s.IconWidth, imageSize, rightToLeft);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (s.Gradient && colors.highColor) {
        // From the menu background at the far side into the icon column's colour.
        QLinearGradient gradient(rightToLeft ? r.topLeft() : r.topRight(), rightToLeft ? r.topRight() : r.topLeft());
        gradient.setColorAt(0, toQColor(colors.menuBackground));
        gradient.setColorAt(1, toQColor(colors.iconColumn));
        painter.fillRect(r.adjusted(0, 0, 0, 1), gradient);
    } else {
        painter.fillRect(r.adjusted(0, 0, 0, 1), toQColor(colors.menuBackground));
        painter.fillRect(layout.column.adjusted(0, 0, 0, 1), toQColor(colors.iconColumn));
    }

    TColor under = colors.menuBackground;
    if (selected && s.DrawSelect && enabled && !separator) {
        const QRect area = r.adjusted(0, 1, s.FlatMenu ? -1 : 0, 0);
        filledRect(painter, area, toQColor(colors.selectionBorder), toQColor(colors.selectionFill));
        under = colors.selectionFill;
    }

    if (checked && !separator)
        DrawCheckMark(painter, layout.iconBox, item.checkType == QStyleOptionMenuItem::Exclusive, imageSize.isValid(),
                      selected, enabled, colors);

    if (imageSize.isValid() && !separator) {
        const QImage image = item.icon.pixmap(imageSize).toImage();
        const int x = imageSize.width() < s.IconWidth ? layout.column.left() + (s.IconWidth - imageSize.width()) / 2 - 1
                                                      : layout.column.left() + 2;
        IconState state;
        state.selected = selected;
        state.checked = checked;
        state.enabled = enabled;
        DrawItemIcon(painter, image, x, layout.column.top() + 3, state, s, colors);
    }

    if (separator) {
        const int y = r.top() + r.height() / 2;
        const QRect line = rightToLeft ? QRect(QPoint(layout.text.left(), y), QPoint(layout.text.right() - 7, y))
                                       : QRect(QPoint(layout.text.left() + 7, y), QPoint(layout.text.right(), y));
        painter.fillRect(line, toQColor(colors.separator));
        painter.restore();
        return;
    }

    const TColor textColor = !enabled ? colors.disabledText : selected ? colors.selectedText : colors.fontColor;
    const bool isDefault = enabled && item.menuItemType == QStyleOptionMenuItem::DefaultItem;
    DrawItemText(painter, layout.text, QStringLiteral(" ") + captionOf(item), font, textColor, isDefault, under,
                 rightToLeft);

    const QString shortcut = shortcutOf(item);
    if (!shortcut.isEmpty()) {
        painter.setFont(font);
        painter.setPen(toQColor(colors.highColor ? DarkenColor(textColor, -40) : textColor));
        const QRect line(layout.text.left(), itemTextTop(layout.text, font), layout.text.width(),
                         QFontMetrics(font).height());
        const QRect far = rightToLeft ? line.adjusted(10, 0, 0, 0) : line.adjusted(0, 0, -10, 0);
        painter.drawText(far, Qt::TextSingleLine | Qt::AlignVCenter | (rightToLeft ? Qt::AlignLeft : Qt::AlignRight),
                         shortcut + QStringLiteral(" "));
    }

    if (item.menuItemType == QStyleOptionMenuItem::SubMenu) {
        // The arrow towards the submenu, four pixels deep.
        const int x = rightToLeft ? r.left() + 6 : r.right() - 9;
        const int y = r.top() + r.height() / 2;
        for (int i = 0; i < 4; ++i) {
            const int reach = 3 - i;
            painter.fillRect(QRect(rightToLeft ? x + 3 - i : x + i, y - reach, 1, 2 * reach + 1), toQColor(textColor));
        }
    }
    painter.restore();
}

void DrawMenuBarItem(QPainter& painter, const QStyleOptionMenuItem& item, const QFont& font,
                     const EffectiveColors& colors)
{
    const bool enabled = item.state & QStyle::State_Enabled;
    const bool open = enabled && (item.state & (QStyle::State_Selected | QStyle::State_Sunken));
    painter.save();
    painter.fillRect(item.rect, toQColor(colors.menuBar));
    if (open)
        filledRect(painter, item.rect.adjusted(0, 1, -1, -1), toQColor(colors.selectionBorder),
                   toQColor(colors.selectionFill));
    painter.setFont(font);
    painter.setPen(toQColor(!enabled ? colors.disabledText : open ? colors.selectedText : colors.fontColor));
    painter.drawText(item.rect, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, item.text);
    painter.restore();
}

void paintMenuFrame(QPainter& painter, const QRect& rect, const XPSettings& s, const EffectiveColors& colors)
{
    painter.save();
    if (s.FlatMenu) {
        outlineRect(painter, rect, toQColor(colors.popupFrameOuter));
        outlineRect(painter, rect.adjusted(1, 1, -1, -1), toQColor(colors.popupFrameInner));
    } else {
        DrawBevelFrame(painter, rect, clBtnFace, cl3DDkShadow, 1);
        DrawBevelFrame(painter, rect.adjusted(1, 1, -1, -1), clBtnHighlight, clBtnShadow, 1);
    }
    outlineRect(painter, rect.adjusted(2, 2, -2, -2), toQColor(colors.menuBackground));
    painter.restore();
}

} // namespace widgets::xp
