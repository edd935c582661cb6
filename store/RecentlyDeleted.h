#pragma once

#include "store/DeletedItems.h"

#include <QDateTime>
#include <variant>
#include <utility>
#include <vector>

namespace store {

// Deleted notes and categories are kept for a while in a table of the notes file itself,
// written in the transaction of the delete and dropped in the transaction that puts the item
// back, so no crash can lose both or bring one back twice. Programs that do not know the
// table pass it by. Search copies are not kept: the next search makes them anew.
constexpr int kKeptDays = 30;

struct KeptItem {
    qint64 key = 0;
    QDateTime deletedAt; // UTC
    std::variant<DeletedNote, DeletedCategory> item;
};

// Run inside the delete's write transaction; returns the kept item's key.
qint64 keepDeletedNote(Query& modify, const DeletedNote& note);
qint64 keepDeletedCategory(Query& modify, const DeletedCategory& category);
// What keepDeletedNote() writes, for a caller that keeps many notes through a statement of its
// own: "insert into recently_deleted (deleted_at,kind,payload) values (deletedAt,'note',payload)".
struct KeptNoteRow {
    QString deletedAt;
    QString payload;
};
KeptNoteRow keptNoteRow(const DeletedNote& note);
// Run inside the transaction that puts the item back.
void forgetKept(Query& modify, qint64 key);
// Drops a kept item that cannot come back, in a transaction of its own.
void dropKept(Database& database, Query& modify, qint64 key);

// What was deleted in the last kKeptDays days, oldest first; older items are dropped from the
// file on the way (where it can be written). Another program may have written the table: an
// item that could not come back as it was kept (an unknown kind, a payload that is no item of
// ours, a note in the Search category, a category without a name or under the id of Default
// or Search) is read with its `damage` told.
std::vector<KeptItem> keptItems(Database& database, Query& modify);

// The highest note id and category id the kept items hold: a note or category made from
// outside the window (the command line, an import) takes an id above them, so that what is
// kept can come back under its own id and its notes into their own category.
std::pair<qint32, qint32> idsHeldByKeptItems(Database& database, Query& modify);

} // namespace store
