#pragma once

#include "store/BackupFolder.h"
#include "store/Database.h"

#include <QString>
#include <functional>
#include <vector>

namespace store {

// What one conflict copy brought into the notes file.
struct MergedCopy {
    QString copyPath;
    int notesAdded = 0;   // notes the file lacked, and the other machine's text of a note changed on both
    int notesUpdated = 0; // notes changed on the other machine alone, which now hold its text
    int categoriesAdded = 0;
    int remindersAdded = 0;
    // Why the copy was not merged (damaged, no notes file, being written): it is left where it
    // is and nothing came in. Empty when it was merged.
    QString refused;
    QString movedTo;  // where the merged copy went: the backups folder
    QString notMoved; // why a merged copy is still beside the notes file (merging it again changes nothing)

    bool merged() const { return refused.isEmpty(); }
    int notes() const { return notesAdded + notesUpdated; }
};

struct MergeOptions {
    QString backupFolder = BackupFolder::defaultFolder();
    // Runs inside the write transaction, everything written, before the commit (tests end the
    // process there).
    std::function<void()> beforeCommit;
};

// Merges a conflict copy of the notes file into it, in one write transaction: every note,
// category and reminder the copy holds and the file lacks comes in (a category is matched by
// name, and a note goes to the category of its name; a note keeps its id unless the file gave
// it away); a note changed on both machines keeps both texts (the file's stays, the copy's
// comes beside it as a new note), one changed on the other machine alone takes its text; what
// this side deleted stays deleted unless the other machine changed it since; Search copies
// never come in. Nothing is ever deleted, and merging a copy again changes nothing. Then the
// copy goes to the backups folder. Throws StoreError when the notes file cannot take the
// merge (busy, full, read-only): nothing came in and the copy stays.
MergedCopy mergeConflictCopy(Database& database, const QString& copyPath, const MergeOptions& options = {});

// Every conflict copy beside the notes file, merged one after another: what the window calls
// when it opens the file and when the file changed under it.
std::vector<MergedCopy> mergeConflictCopies(Database& database, const MergeOptions& options = {});

// The line to show once: "3 notes merged from another machine"; empty when nothing came in.
QString mergeSummary(const std::vector<MergedCopy>& merges);

} // namespace store
