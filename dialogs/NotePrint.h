#pragma once

#include <QFont>
#include <QStringList>

class QPaintDevice;

namespace dialogs {

// The lines of a note as printed: leading and trailing blanks and control characters
// removed, then split at every CR LF, CR or LF.
QStringList printLines(const QString& text);

// The font a page is printed in: the program's default face at 8 points.
QFont printFont();

// The distance between printed lines, in the device's units: the font's line spacing at
// the device's resolution.
int printLinePitch(const QFont& font, QPaintDevice& device);

// Draws the lines on one page of the device, line i at x = 20 and y = 20 + i * pitch from
// the top left of the printable area; nothing wraps and no second page is started, so
// what runs past the edges is cut off. Painting on a printer starts and sends its job.
// False when the device could not be painted on.
bool renderNotePage(QPaintDevice& device, const QStringList& lines, const QFont& font = printFont());

} // namespace dialogs
