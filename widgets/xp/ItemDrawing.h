#pragma once

#include "widgets/xp/XPColors.h"

#include <QImage>
#include <QRect>
#include <QString>

class QFont;
class QPainter;

namespace widgets::xp {

// Draws one line of text with its left edge at rect.left(), centred vertically on the
// height of "W", on a transparent background, with & marking the mnemonic. An embossed
// text (a default item) is first drawn four times around its place, each time in the
// background colour darkened by a little more, and then normally on top.
void DrawItemText(QPainter& painter, const QRect& rect, const QString& text, const QFont& font, TColor color,
                  bool embossed = false, TColor background = 0, bool rightToLeft = false);

// Where the text flags of DrawItemText put the text's top inside rect.
int itemTextTop(const QRect& rect, const QFont& font);
// Text width without the mnemonic marks.
int itemTextWidth(const QFont& font, const QString& text);

struct IconState {
    bool selected = false; // for a button: the pointer is over it
    bool checked = false;  // for a button: it has the focus
    bool enabled = true;
};

// Draws a glyph at (x, y): faded by DimLevel at rest, grayed when disabled, raised by one
// pixel above a shadow when selected.
void DrawItemIcon(QPainter& painter, const QImage& image, int x, int y, const IconState& state,
                  const XPSettings& settings, const EffectiveColors& colors);

// The check mark of a checked menu item inside its icon box.
void DrawCheckMark(QPainter& painter, const QRect& iconBox, bool radio, bool hasImage, bool selected, bool enabled,
                   const EffectiveColors& colors);

} // namespace widgets::xp
