#pragma once

#include "widgets/FontValue.h"

#include <QByteArray>
#include <QPalette>
#include <QRect>

class QPainter;

namespace app {

struct NoteCell {
    int column = 0;
    int row = 0;
    bool current = false;
    bool separator = false;
    const QByteArray* text = nullptr; // UTF-8, as the store read it
    // The part of the cell inside the list, when the list shows only part of it; a text
    // line not wholly in there is left out, so that a row cut by the list's edge shows no
    // slivers of glyphs along that edge.
    QRect shown;
};

// Draws one cell of the note list: the background by row parity and current row, the
// separator look, the text word-wrapped without a partly visible last line, and the
// lines over the border between the two columns.
void paintNoteCell(QPainter& painter, const QRect& rect, const NoteCell& cell, const widgets::FontValue& listFont,
                   const widgets::FontValue& noteFont, const QPalette& palette);

// Draws text into a rectangle: breaks at word boundaries (inside a word only when it is
// longer than a line), takes CR LF, CR and LF as line ends, draws '&' as it is, and
// leaves out a last line that would not fit whole, in the rectangle or in `shown` (its part
// on screen; null for all of it). Each paragraph reads from the side of its own first letter
// (Arabic from the right) and stands at that side; one without such a letter follows the
// painter's direction. Only as much of a long text is laid out as can be seen. With
// `atPaintersSide`, every paragraph stands at the side the painter's lines start at, whatever
// its letters (a day header lines up with the notes under any language).
void drawWrappedText(QPainter& painter, const QRect& rect, const QByteArray& utf8, const QRect& shown = {},
                     bool atPaintersSide = false);

} // namespace app
