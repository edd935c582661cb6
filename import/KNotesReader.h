#pragma once

#include "import/PeerNote.h"

namespace import {

// The notes of the desktop sticky-notes program of the K desktop, in its two forms:
//  - today's: a maildir folder, one RFC 822 message file per note in its "cur" and "new"
//    folders, the note's title in Subject, its text in the body, its time in Date; a maildir
//    nested inside (".Name.directory/Name") holds the notes of the category Name;
//  - the older one: a single iCalendar file, one VJOURNAL entry per note (SUMMARY the title,
//    DESCRIPTION the text, CREATED or DTSTART and LAST-MODIFIED the times, CATEGORIES the
//    category).
// The title becomes the first line of the text, unless the text begins with it already.
ReadResult readKNotesMaildir(const QString& folder);
ReadResult readKNotesCalendar(const QString& path);

} // namespace import
