#pragma once

#include "import/PeerNote.h"
#include "store/Database.h"
#include "store/DeletedItems.h"

#include <QString>
#include <vector>

namespace import {

// What an import did to the notes file.
struct StoredImport {
    struct Added {
        qint32 id = 0;
        QString createTime;
        QString uid;     // the identity it was given: the note is still the one imported
        QString version; // the hash of the text it came with: the note is unchanged since
    };
    std::vector<Added> notes; // in the order they were stored
    int categoriesAdded = 0;
    QStringList categoryNames; // the categories the notes went to, each once, Default included
    int skipped = 0;           // the file held them already (or the import held them twice)
};

// Stores the notes in one write transaction: each under a new id (above `idsHeldUpTo` too),
// with a creation text in the notes file's own layout from its creation time (else its last
// change, else now) and a record time from its last change (else its creation time, else now),
// in the category of its name, made when missing (above `groupIdsHeldUpTo`). A note without
// a category, or with a reserved name (Default, Search, *New), goes to Default: the Search
// category is the last search's and would lose it to the next. A note whose creation text
// and text a real note holds already is skipped, so that importing again adds nothing; so is
// one the user deleted and that is still kept among the recently deleted, so that it does not
// come back beside the one Undo or Restore can bring (notes an import's undo took back are
// not held against a later import of the same source).
// Throws StoreError (nothing stored) when the file cannot take the notes.
StoredImport storeImport(store::Database& database, const std::vector<PeerNote>& notes, qint32 idsHeldUpTo = 0,
                         qint32 groupIdsHeldUpTo = 0);

// Takes an import back in one write transaction: each of its notes that still holds its
// creation text is deleted and kept, as a deleted note is, so that it can come back.
// The categories it made stay (emptied, they cost a tab, never a word).
std::vector<store::DeletedNote> takeBackImport(store::Database& database, const StoredImport& stored);

// "214 notes imported into 6 categories"; with what was skipped, "nothing new: 12 notes were there already".
QString importSummary(const StoredImport& stored);

} // namespace import
