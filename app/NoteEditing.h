#pragma once

#include "app/SharedState.h"
#include "store/NoteInsert.h"
#include "store/Statements.h"

#include <QCoreApplication>
#include <QString>
#include <Qt>

namespace app {

class TMiniForm;

// The category a new note is filed under now: the selected tab's, known by id and name.
store::Filing categoryForNewNote(TMiniForm& form);

// The side of the notes the list shows: copies in the Search category, real notes elsewhere.
inline store::sql::Side shownSide(const SharedState& state)
{
    return state.CurGroupId == SearchGroupId ? store::sql::Side::Copy : store::sql::Side::Real;
}

// Writing notes: browse and edit mode, a new note, Apply, Delete, stepping through the list.
// Whatever the user does next, typed text is stored first, as Apply would store it; the one
// way to leave it unstored is "Browse mode". The state it works on (the note on screen, the
// apply mode, the text the note held when opened) is the window's SharedState.
class NoteEditing {
    Q_DECLARE_TR_FUNCTIONS(NoteEditing)

public:
    explicit NoteEditing(TMiniForm& form);

    void imgEditModeClick();
    void imgBrowseModeClick();
    void imgNewClick();
    void imgApplyClick();
    void imgDeleteClick();
    void imgPreClick();
    void imgNextClick();
    void sgContentsDblClick();
    void Copy1Click();
    void Edit1Click();
    void Deletenote1Click();
    void memoContentKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // Lets Ctrl+A and Ctrl+Enter in the memo reach memoContentKeyDown.
    void installMemoKeys();

    // Puts the stored text of the note on screen into the memo.
    void showNoteInMemo(const QString& text);
    // Shows the first note at or after the row, else the last one before it.
    void selectNoteRowFrom(int row);
    // A draft deleted earlier, back in the memo as a new note being written.
    void restoreDraft(const QString& text);
    // The note a reminder set now belongs to: a search copy's reminder is its source note's.
    qint32 noteIdForReminder() const;
    // Typed in the memo and neither applied nor given up with "Browse mode".
    bool hasUnstoredText() const;
    // The write of Apply without the list: one statement's transaction, all or nothing.
    // Returns a line for the status bar, empty when there is nothing to say.
    QString writeMemo();

private:
    bool storeMemo(QString& notice);
    bool keepTypedText();
    void deleteShownNote();
    // Makes the first row that holds the note on screen the current row.
    void selectCurrentNoteRow();

    TMiniForm& m_form;
    QString m_statusBeforeEdit; // what the status line said before edit mode asked for Ctrl+Enter
};

} // namespace app
