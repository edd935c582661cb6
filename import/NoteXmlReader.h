#pragma once

#include "import/PeerNote.h"

namespace import {

// The one-note-a-file XML format that three peers share (".note" files): the title as the
// note content's first line, the markup (bold, lists, links, sizes, and any the format grows
// later) reduced to its text, the notebook from the tag "system:notebook:NAME". Template
// notes ("system:template") are no notes of the user's and are left out.
ReadResult readNoteXmlFile(const QString& path);
ReadResult readNoteXmlFolder(const QString& folder);

} // namespace import
