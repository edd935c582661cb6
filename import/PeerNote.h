#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <vector>

namespace import {

// One note found in another notes program's files, as plain values.
struct PeerNote {
    QString text;      // plain text, title (where the program has one) as its first line
    QDateTime created; // invalid when the program keeps none
    QDateTime changed; // the last change; invalid when the program keeps none
    QString category;  // the notebook, group or folder; empty for none
    QString sourceKey; // where it came from: the file (and entry) it was read from
    // The program keeps no time of its own: `created` is its file's, which a copy, a sync or
    // the program saving again changes, so the note is known again by its text alone.
    bool timeFromFile = false;
};

// A file that could not be read, and why; the other files are read all the same.
struct ReadProblem {
    QString file;
    QString why;
};

struct ReadResult {
    std::vector<PeerNote> notes;
    QList<ReadProblem> problems;

    void add(ReadResult&& other)
    {
        notes.insert(notes.end(), std::make_move_iterator(other.notes.begin()),
                     std::make_move_iterator(other.notes.end()));
        problems += other.problems;
    }
};

} // namespace import
