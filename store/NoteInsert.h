#pragma once

#include "store/Database.h"
#include "store/Query.h"

#include <functional>

namespace store {

struct NewNote {
    qint32 id = 0;
    qint32 groupId = 0; // where it was filed: Default when its category was gone
};

// Makes a new note in `groupId`, or in Default when another program deleted that category
// meanwhile (a note filed under no category would be on no tab): the largest id among real
// notes plus one, and the insert that uses it, in one write transaction, so two processes on
// one file never hand out the same id. `idsHeldUpTo` keeps ids the caller still holds (notes
// it may put back) from being handed out. `idChosen`, when given, runs between choosing the
// id and inserting (tests hold two writers there at once). Throws StoreError (nothing
// written) when it fails.
NewNote insertNewNote(Database& database, Query& modify, qint32 groupId, const QString& createTime,
                      const QString& content, qint32 idsHeldUpTo = 0, const std::function<void()>& idChosen = {});

// The same inside a write transaction the caller holds.
NewNote insertNoteInTransaction(Query& modify, qint32 groupId, const QString& createTime, const QString& content,
                                qint32 idsHeldUpTo, const std::function<void()>& idChosen = {});

// The id a new real note gets now: above every real note and above `idsHeldUpTo`. Run it
// inside the write transaction that inserts the note.
qint32 nextNoteId(Query& modify, qint32 idsHeldUpTo);

// Whether a real note holds that creation text and that text: a note the program kept aside
// (when the file was busy as it ended) and then stored, but could not yet forget.
bool noteWritten(Query& modify, const QString& createTime, const QString& content);

// The category a new note can be filed under now: `groupId` when a category row holds it (or
// it is Default), else Default. Run it inside the write transaction that inserts the note.
qint32 existingCategoryOr0(Query& modify, qint32 groupId);

} // namespace store
