#pragma once

#include "widgets/FontValue.h"

#include <QByteArray>
#include <QCoreApplication>
#include <Qt>

class QPainter;
class QPoint;
class QRect;

namespace store {
class NoteRows;
}

namespace app {

class TMiniForm;

// The note list on screen: the grid's rows made from the list of the shown category (a
// separator before each day's run, a row per note), the rows read later taken in without
// moving the user's place, the note of a selected row shown, the hints and the drawing.
class NoteListView {
    Q_DECLARE_TR_FUNCTIONS(NoteListView)

public:
    explicit NoteListView(TMiniForm& form);

    // Hands the grid its handlers and the list its hook for rows read on the thread.
    void connectGrid();
    void reloadNoteList();
    void fillNoteGrid();
    void syncNoteGrid();
    // Shows the rows read on the thread once the rest of the list is in.
    void takeRestOfNoteList();
    // Blocks until the list of the shown category has been read whole.
    void waitForNoteList();

    void sgContentsSelectCell(int column, int row, bool& canSelect);
    void sgContentsDrawCell(QPainter& painter, int column, int row, const QRect& rect);
    QByteArray sgContentsCellText(int column, int row) const;
    void sgContentsMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& point);
    void sgContentsMouseMove(Qt::KeyboardModifiers modifiers, const QPoint& point);
    // The font the list draws note text with: its face and character set, NoteFont's
    // colour, style and size for each text cell.
    widgets::FontValue& listFont() { return m_listFont; }

private:
    void appendNoteRows(const store::NoteRows& rows);
    void fitTextColumn();

    TMiniForm& m_form;
    widgets::FontValue m_listFont = widgets::FontValue::defaultFont();
    bool m_rebuildingList = false;
    int m_gridNotes = 0;   // notes of the list that the grid has rows for
    int m_gridLayout = -1; // the list's layout those rows were made from
    int m_hintRow = -1;
};

} // namespace app
