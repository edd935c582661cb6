#pragma once

#include "store/Database.h"
#include "store/Query.h"

#include <functional>
#include <optional>

namespace store {

// Where a new note is to go: a category id, and the name the user saw it under. Another
// program may delete the category and give its id to a new one meanwhile: with the name
// given, a row under that id with another name is not the category the note was written in.
struct Filing {
    Filing(qint32 id = 0) : groupId(id) {} // NOLINT: a bare id files by id alone
    Filing(qint32 id, QString name) : groupId(id), categoryName(std::move(name)) {}
    qint32 groupId = 0;
    std::optional<QString> categoryName;
};

struct NewNote {
    qint32 id = 0;
    qint32 groupId = 0; // where it was filed: Default when its category was gone
};

// Makes a new note in its category, or in Default when another program deleted that category
// meanwhile (a note filed under no category would be on no tab): the largest id among real
// notes plus one, and the insert that uses it, in one write transaction, so two processes on
// one file never hand out the same id. `idsHeldUpTo` keeps ids the caller still holds (notes
// it may put back) from being handed out. `idChosen`, when given, runs between choosing the
// id and inserting (tests hold two writers there at once). Throws StoreError (nothing
// written) when it fails.
NewNote insertNewNote(Database& database, Query& modify, const Filing& filing, const QString& createTime,
                      const QString& content, qint32 idsHeldUpTo = 0, const std::function<void()>& idChosen = {});

// The same inside a write transaction the caller holds.
NewNote insertNoteInTransaction(Query& modify, const Filing& filing, const QString& createTime, const QString& content,
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
