#pragma once

#include "widgets/xp/XPColors.h"

#include <QRect>
#include <QSize>

class QFont;
class QPainter;
class QStyleOptionMenuItem;
class QWidget;

namespace widgets::xp {

// The popup frame: three rings.
constexpr int kMenuFrameWidth = 3;

// The size of a menu item: its caption (with room for the shortcut column when it has a
// shortcut) and the icon column beside it, or 4 pixels high for a separator.
QSize MeasureMenuItem(const QStyleOptionMenuItem& item, const QWidget* menu, const XPSettings& settings,
                      const QFont& font);

// A menu item: background and icon column, the selection, the check mark, the icon, and
// the caption (embossed for the default item) with its shortcut at the far side; or the
// separator line.
void DrawMenuItem(QPainter& painter, const QStyleOptionMenuItem& item, const QWidget* menu, const XPSettings& settings,
                  const QFont& font, const EffectiveColors& colors);

// A title on the menu bar, in the menu bar colour; the open one in the selection look.
void DrawMenuBarItem(QPainter& painter, const QStyleOptionMenuItem& item, const QFont& font,
                     const EffectiveColors& colors);

void paintMenuFrame(QPainter& painter, const QRect& rect, const XPSettings& settings, const EffectiveColors& colors);

// The parts of one menu item, by its rectangle.
struct MenuItemLayout {
    QRect column;  // the icon column
    QRect iconBox; // where the check mark goes
    QRect text;    // caption and shortcut
};
MenuItemLayout menuItemLayout(const QRect& rect, int iconWidth, const QSize& imageSize, bool rightToLeft);

} // namespace widgets::xp
