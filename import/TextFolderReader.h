#pragma once

#include "import/PeerNote.h"

namespace import {

// A folder of plain-text and Markdown files (.txt, .text, .md, .markdown), one note a file,
// the text as it is, the file's last change as the note's time. Files straight in the folder
// go to Default; those in a subfolder go to a category named after it, the subfolder at the
// first level (deeper folders count as theirs). Hidden files and folders are passed by.
ReadResult readTextFolder(const QString& folder);

// One such file, a note in Default.
ReadResult readTextFile(const QString& path);

// Whether a file's name marks it as one that readTextFolder() takes.
bool isTextNoteFile(const QString& fileName);

} // namespace import
