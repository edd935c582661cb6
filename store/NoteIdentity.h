#pragma once

#include "store/Query.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// A note's id is given per file (the largest plus one), so two machines that share the notes
// file through a sync engine give one id to two different notes. What tells a note on both
// is a random identity given when the note is made here, kept in a side table:
//
//   note_identity(id integer primary key, uid text, create_time text, versions text)
//
// `create_time` ties the row to the note of that id: a row whose note is gone, or whose id
// another program gave to a note of its own, no longer matches and counts as none. `versions`
// holds the short hashes of the texts the note has held here, oldest first, the present one
// last, so that a merge can tell which of two texts was written after the other (another
// program that changes a text writes no version: the present text counts as the last). Other
// programs and older versions pass the table by; their notes have no row and are recognised
// by creation text and text instead.
namespace store::identity {

inline const QString createTable = QStringLiteral(
    "create table if not exists note_identity (id integer primary key, uid text not null, create_time text, "
    "versions text)");

// How many texts a note's versions remember.
constexpr int kVersionsKept = 16;

struct Identity {
    QString uid;
    QStringList versions; // oldest first
};

// A new random identity.
QString newUid();

// The short, stable hash of a text that versions hold: 16 hex digits of a 64-bit FNV-1a over
// its UTF-8 bytes, the same on every machine.
quint64 textHash(QByteArrayView utf8, quint64 seed = 0xcbf29ce484222325ULL);
QString hashText(quint64 hash);
QString versionOf(const QString& text);

// `versions` with `text` added last, the oldest dropped past kVersionsKept; unchanged when
// `text` is the last already.
QStringList withVersion(QStringList versions, const QString& text);

// Whether the note whose versions are `later` was written from the one whose versions are
// `earlier`: the whole of `earlier` (or, where `later` forgot its oldest, as much as it
// remembers) begins `later`.
bool descendsFrom(const QStringList& later, const QStringList& earlier);

// A note made here: a new identity for it. Run inside the transaction that inserts it.
void give(Query& modify, qint32 noteId, const QString& createTime, const QString& text);
// An identity that came with a note (put back after a delete, or from another machine).
void put(Query& modify, qint32 noteId, const QString& createTime, const Identity& identity);
// A note's text changed here from `oldText`: the identity stays and the new text joins its
// versions; a note without one (made by another program) gets one that remembers both texts.
void recordChange(Query& modify, qint32 noteId, const QString& createTime, const QString& oldText,
                  const QString& newText);
// The identity of the note of that id and creation text; none when it has no row that fits.
std::optional<Identity> of(Query& modify, qint32 noteId, const QString& createTime);
void forget(Query& modify, qint32 noteId);

} // namespace store::identity
