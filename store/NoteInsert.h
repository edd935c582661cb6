#pragma once

#include "store/Database.h"
#include "store/Query.h"

namespace store {

// Makes a new note: the largest id outside the Search category plus one, and the insert
// that uses it, in one write transaction, so two processes on one file never hand out the
// same id. Returns the new id; throws StoreError (nothing written) when it fails.
qint32 insertNewNote(Database& database, Query& modify, qint32 groupId, const QString& createTime,
                     const QString& content);

} // namespace store
