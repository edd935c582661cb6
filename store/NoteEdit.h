#pragma once

#include "store/Database.h"
#include "store/NoteInsert.h"
#include "store/Query.h"
#include "store/Statements.h"

namespace store {

// The note an edit began from, as it was read then. The notes file is shared: another
// program may change or delete the note while the edit is open, and an Apply must not
// overwrite that change without trace.
struct OpenEdit {
    qint32 noteId = 0;
    sql::Side side = sql::Side::Real;
    QString textWhenOpened;
};

struct AppliedEdit {
    enum class Outcome {
        Stored,           // the note (and its copy or source) holds the text
        ChangedElsewhere, // the note had changed meanwhile: the text is a new note beside it
        NoteGone,         // the note was deleted meanwhile: the text is a new note
    };
    Outcome outcome = Outcome::Stored;
    qint32 noteId = 0;  // what the window shows now: the edited note, or what holds the text
    qint32 groupId = 0; // a new note's category
};

// Stores an edit in one write transaction. A search copy passes its text on to the note it
// was copied from; a copy whose note cannot take it (changed or gone) is tied to the new note
// instead, so that editing it again reaches the text the user wrote. A new note goes to
// `filing`'s category, or to Default when that category is gone, or the note's own category
// for a copy.
AppliedEdit applyEdit(Database& database, Query& modify, const OpenEdit& edit, const QString& text, Filing filing,
                      const QString& createTime, qint32 idsHeldUpTo);

} // namespace store
