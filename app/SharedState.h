#pragma once

#include "widgets/FontValue.h"

#include <QString>

namespace app {

// What ties the main window's parts together for the whole run.
struct SharedState {
    qint32 CurGroupId = 0; // the category shown; 0 = Default
    qint32 CurNoteId = 0;  // the note last shown; 0 = none
    QString ApplyMode;     // "I": the next Apply inserts; "M": it changes CurNoteId
    bool InBrowseMode = false;
    // The stored text of CurNoteId when it was put into the memo: an Apply checks that the
    // note still holds it, so a change made meanwhile by another program is not overwritten.
    QString OpenedText;
    // The notes file's count of replaced files when the memo's note was opened: in a file put
    // in its place since, the id may be another note's.
    int OpenedIn = 0;
    widgets::FontValue NoteFont = widgets::FontValue::defaultFont();
};

// Row tag of a date separator row in the note list.
constexpr qint32 SeparatorRowTag = 60000;
// The Search category holds the copies made by the last search.
constexpr qint32 SearchGroupId = 1;

} // namespace app
