#pragma once

#include "app/CommandLine.h"

#include <QByteArray>
#include <QString>
#include <cstdio>

namespace app {

// Where a note command reads its text and writes its answer: the process's own streams, or a
// test's.
struct CommandStreams {
    std::FILE* in = stdin;
    std::FILE* out = stdout;
    std::FILE* err = stderr;
};

// Runs a note command on the notes file at `path`, as the window would have made the same
// change: no window, no display, no single-instance lock. Writes what it found to `out` and a
// failure as one line "quibbet: ..." to `err`. Returns the exit status: 0 done, 1 nothing
// matched or the file could not be read or written, 2 bad input.
int runNoteCommand(const NoteCommand& command, const QString& path, const CommandStreams& streams = {});

// Writes "quibbet: " and `message` as one line, its own line ends turned into blanks.
void writeErrorLine(std::FILE* err, const QString& message);

// A note on one line, reversibly: \ becomes \\, LF \n, CR \r and a tab \t.
QByteArray noteOnOneLine(const QByteArray& utf8);

} // namespace app
