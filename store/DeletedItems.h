#pragma once

#include "store/Database.h"
#include "store/NoteIdentity.h"
#include "store/Query.h"
#include "store/Statements.h"

#include <QDateTime>
#include <QList>
#include <optional>
#include <utility>
#include <vector>

namespace store {

// A stored row as it was read: column names with their values.
using StoredRow = std::vector<std::pair<QString, Value>>;

// A note as it was before it was deleted, with its reminders, so that it can be put back.
struct DeletedNote {
    sql::Side side = sql::Side::Real;
    qint32 id = 0;
    StoredRow row;
    std::vector<StoredRow> reminders;
    // A real note's identity, which the kept item carries: the note is known as deleted here.
    std::optional<identity::Identity> identity;
    qint64 keptKey = 0;  // where the file keeps it for later runs; 0: this run only (a copy)
    QDateTime deletedAt; // UTC
    QString damage;      // why the kept item cannot come back (another program changed it); empty when it can
};

// A category as it was before it was deleted; its notes went to the Default category.
struct DeletedCategory {
    Value groupId;
    QString name;
    QString description;
    QList<qint32> movedNoteIds;
    int tabIndex = 0; // where its tab stood
    qint64 keptKey = 0;
    QDateTime deletedAt; // UTC
    QString damage;      // as DeletedNote::damage
};

// Deletes a note of one side in one transaction, and a real note's reminders with it.
// Returns what was deleted; nothing when no such note was stored.
// With `onlyWithText`, the note is deleted only while it holds that text.
std::optional<DeletedNote> deleteNoteKeeping(Database& database, Query& modify, qint32 noteId, sql::Side side,
                                             const QString* onlyWithText = nullptr);

// Puts a deleted note back with its category, texts, record time and reminders: under its
// own id when no note of its side holds it now, else a real note under a new id (ids up to
// `idsHeldUpTo` are not handed out) and a copy not at all, since a copy of the same note is
// listed already. Returns the id it came back under, 0 when it did not.
qint32 restoreDeletedNote(Database& database, Query& modify, const DeletedNote& note, qint32 idsHeldUpTo);

// Deletes the category row that `modify` stands on (opened by name) and moves its notes to
// the Default category, in one transaction.
DeletedCategory deleteCurrentCategoryRow(Database& database, Query& modify, int tabIndex);

struct RestoredCategory {
    qint32 id = 0;
    QString name; // its own, or "name (2)" when a category of a look-alike name came meanwhile
};

// Puts the category row back, under its id unless a category holds it now (then a new one
// above `groupIdsHeldUpTo`), and under its name unless that is taken now, and moves the notes
// that went to Default back into it.
RestoredCategory restoreDeletedCategory(Database& database, Query& modify, const DeletedCategory& category,
                                        qint32 groupIdsHeldUpTo);

// The id a new category gets: above every category, every category a note names, 1 (the
// Search category) and `groupIdsHeldUpTo`.
qint32 nextGroupId(Query& modify, qint32 groupIdsHeldUpTo);

} // namespace store
