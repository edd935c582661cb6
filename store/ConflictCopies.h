#pragma once

#include <QString>
#include <QStringList>

namespace store {

// The conflict copies that file sync engines leave beside a notes file when two machines
// changed it before one had passed the other's change on: each engine keeps both versions,
// the file and a copy under a name of its own. Returns their paths, in the order of their
// names. The notes file itself, its journal and a copy's journal are never listed.
QStringList findConflictCopies(const QString& notesPath);

// Whether a file name is one of those copies of the notes file named `notesName`.
bool isConflictCopyName(const QString& notesName, const QString& fileName);

} // namespace store
