#pragma once

#include <QString>
#include <QTextStream>

namespace import {

// `quibbet --import SOURCE`: SOURCE is a program's name (xpad, gnote, tomboy, tomboy-ng,
// knotes) or a path to a folder of text files, a program's folder or one of its files. The
// notes go into `notesFile` (also while a Quibbet window has it open: the window takes them up
// as another program's writes); one summary line goes to `out`, the files left out and a
// failure to `err`. Needs no display. Returns 0 when notes were stored or there was nothing
// new, 1 when they could not be stored, 2 when SOURCE names nothing that can be read.
int runImportCommand(const QString& source, const QString& notesFile, QTextStream& out, QTextStream& err);

} // namespace import
