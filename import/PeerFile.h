#pragma once

#include "import/PeerNote.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace import {

// A peer file larger than this is refused (with a line that says so) rather than read whole:
// no note of a desktop notes program comes near it, and reading a mistaken disk image would
// stop the import.
constexpr qint64 kLargestPeerFile = qint64(64) * 1024 * 1024;

// The bytes of a file, or the problem that kept it from being read (a folder it may not read
// into, a file it may not open, one too large).
std::optional<QByteArray> readPeerFile(const QString& path, ReadProblem& problem);

// Text in the peers' usual encoding, UTF-8 (a byte-order mark dropped); bytes that are not
// valid UTF-8 are read in the locale's 8-bit encoding, or Latin-1 where the locale's is UTF-8
// too, so that no byte is refused or dropped. UTF-8 that ends inside a character (a file the
// peer was still writing) stays UTF-8, ends in U+FFFD, and sets `cutShort`.
QString decodeText(const QByteArray& bytes, bool* cutShort = nullptr);

// Why a file that ends inside a character was taken in part.
QString cutShortReason();

// The note a plain-text file holds (a pad, a text or Markdown file): its text with "\n" line
// ends, less the end of its last line. Nothing, with the file named in `problems`, for a file
// that holds a NUL byte (no text) or ends inside a character (still being written: taken when
// it is whole, at the next import, rather than twice).
std::optional<QString> plainFileText(const QByteArray& bytes, const QString& path, QList<ReadProblem>& problems);

// Line ends as the notes keep them: "\r\n" and a lone "\r" become "\n".
QString unixLineEnds(QString text);

// An ISO 8601 time as the peers write it, with up to seven digits of fraction and an offset
// ("2026-12-07T09:00:00.1234560+01:00"); invalid when it is not one.
QDateTime parseIsoTime(const QString& text);

} // namespace import
