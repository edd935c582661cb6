#pragma once

#include <QFont>
#include <QStringList>
#include <functional>

class QPaintDevice;

namespace dialogs {

class PrinterPort;

// The lines of a note as printed: leading and trailing blanks and control characters
// removed, then split at every CR LF, CR or LF.
QStringList printLines(const QString& text);

// The name a print queue shows for the job: the note's first line, cut short.
QString printJobTitle(const QString& text);

// The font a page is printed in: the program's default face at 8 points.
QFont printFont();

// The distance between printed lines, in the device's units: the font's line spacing at
// the device's resolution.
int printLinePitch(const QFont& font, QPaintDevice& device);

// Starts a further page of the same job; false when the device cannot.
using NewPage = std::function<bool()>;

// Draws the lines from x = 20 and y = 20, in device units from the top left of the
// printable area, one pitch apart (more where a line needs it). A line wider than the page
// wraps at word boundaries, or anywhere where a word alone is wider; what does not fit
// above the foot of a page goes on to the next one. Painting on a printer starts its job
// and ending the painter sends it. False when the device could not be painted on or a page
// could not be started.
bool renderNote(QPaintDevice& device, const QStringList& lines, const NewPage& newPage,
                const QFont& font = printFont());

// Prints a note's text on the port's default printer, the job named after its first line.
// False with `error` set when no printer could be used or the job failed.
bool printNote(PrinterPort& port, const QString& text, QString& error);

} // namespace dialogs
