#pragma once

#include "app/CommandLine.h"
#include "app/NoteCommands.h"

#include <QString>

namespace app {

// quibbet --import: brings the notes of another program into the notes file at `path`.
// Returns the exit status, as runNoteCommand does.
int importNotes(const NoteCommand& command, const QString& path, const CommandStreams& streams);

} // namespace app
