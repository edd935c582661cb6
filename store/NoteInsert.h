#pragma once

#include "store/Database.h"
#include "store/Query.h"

#include <functional>

namespace store {

// Makes a new note: the largest id among real notes plus one, and the insert that uses it,
// in one write transaction, so two processes on one file never hand out the same id.
// `idsHeldUpTo` keeps ids the caller still holds (notes it may put back) from being handed
// out. `idChosen`, when given, runs between choosing the id and inserting (tests hold two
// writers there at once). Returns the new id; throws StoreError (nothing written) when it fails.
qint32 insertNewNote(Database& database, Query& modify, qint32 groupId, const QString& createTime,
                     const QString& content, qint32 idsHeldUpTo = 0, const std::function<void()>& idChosen = {});

// The id a new real note gets now: above every real note and above `idsHeldUpTo`. Run it
// inside the write transaction that inserts the note.
qint32 nextNoteId(Query& modify, qint32 idsHeldUpTo);

} // namespace store
