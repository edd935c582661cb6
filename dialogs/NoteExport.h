#pragma once

#include <QByteArray>
#include <QString>

namespace store {
class Query;
}

namespace dialogs {

// The export file's text for the rows of an open query with the columns create_time and
// content: per note its creation time, its content as stored and an empty line, every line
// ending in CR LF (whatever line breaks the note holds), in the locale's encoding without a
// byte-order mark.
QByteArray exportText(const store::Query& notes);

// Appends one note's block to `out`, both texts as UTF-8; every CR LF, CR or LF inside them
// is written as CR LF.
void appendExportBlock(QByteArray& out, const QByteArray& createTime, const QByteArray& content);

// Writes the file whole or not at all: an existing file stays as it was when writing fails.
// On failure returns false and sets `error` to "Cannot create file <name>".
bool writeExportFile(const QString& fileName, const QByteArray& bytes, QString& error);

// The save dialog's filter: one entry, "*.txt  (Text files)", matching *.txt.
QString exportFileFilter();

} // namespace dialogs
