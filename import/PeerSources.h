#pragma once

#include "import/PeerNote.h"

#include <QStringList>

namespace import {

enum class Format {
    Xpad,          // a folder of info and content files
    NoteXml,       // a folder of .note files
    NoteXmlFile,   // one .note file
    KNotesMaildir, // a maildir folder of message files
    KNotesCalendar, // one iCalendar file
    TextFolder,    // a folder of text and Markdown files
    TextFile,      // one text or Markdown file
};

// Where a program keeps its notes for this user.
struct PeerSource {
    QString program; // as the user knows it: "Gnote", "Tomboy", "Xpad" ...
    QString name;    // as the command line names it: "gnote", "tomboy", "xpad" ...
    Format format = Format::TextFolder;
    QString path;
};

// A source with what it holds.
struct FoundSource {
    PeerSource source;
    ReadResult read;
    QStringList categories() const; // sorted, each once; Default for notes of none
};

// The places each program keeps its notes for this user, today's first and then the older
// ones where it had them: under XDG_CONFIG_HOME and XDG_DATA_HOME (~/.config and
// ~/.local/share when unset or not absolute) and in the home folder.
QList<PeerSource> knownSources(const QString& home);

// The sources of knownSources() that exist, read.
QList<FoundSource> findSources(const QString& home);

// What the command line's SOURCE names: a program's name (its places in turn, the first that
// exists) or a path to a folder or file, whose format is told by what it holds. Nothing
// when it names neither.
std::optional<PeerSource> sourceNamed(const QString& argument, const QString& home);

// What a folder of text files holds, told from its listing alone, without reading a file: a
// count of the files readTextFolder() would take and their categories. Quick enough to show
// before an import of a hundred thousand files.
struct FolderSurvey {
    int files = 0;
    QStringList categories;
};
FolderSurvey surveyTextFolder(const QString& folder);

// The notes a source holds, with the problems of the files that could not be read.
ReadResult readSource(const PeerSource& source);

} // namespace import
