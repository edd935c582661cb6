// Editing and navigation: the two modes, the tool row and the note commands.
#include "app/MiniForm.h"

#include "app/MemoText.h"
#include "app/NoteGrid.h"
#include "store/Clock.h"
#include "store/CreationTime.h"
#include "store/NoteInsert.h"
#include "store/Statements.h"
#include "widgets/MouseEffectImage.h"
#include "widgets/TabSet.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>

namespace app {

namespace {

const QString kId = QStringLiteral("id");
const QString kCreateTime = QStringLiteral("create_time");
const QString kContent = QStringLiteral("content");

// Shows the record the list cursor stands on and makes it the note that Apply changes.
void showCursorNote(TMiniForm& form)
{
    const store::Query& list = form.AQclipQuery();
    form.pnlStatus1->setText(QStringLiteral("Created : ") + list.fieldAsString(kCreateTime));
    setMemoText(*form.memoContent, list.fieldAsString(kContent));
    form.state().CurNoteId = list.fieldAsInteger(kId);
    form.state().ApplyMode = QStringLiteral("M");
}

// Makes the first row that holds CurNoteId the current row. A row that is current already is
// left alone, as the grid leaves it: its selection handler would show the note again and
// undo what the cursor's at-begin and at-end flags keep.
void selectCurrentNoteRow(TMiniForm& form)
{
    NoteGrid& grid = *form.sgContents;
    for (int row = 0; row < grid.rowCount(); ++row) {
        if (grid.rowTag(row) == form.state().CurNoteId) {
            if (row != grid.currentRow())
                grid.setCurrentRow(row);
            return;
        }
    }
}

// Whether the row shows a note of the list (not a date separator, not the blank row of an
// empty list). Looks through the list's result without moving its cursor.
bool rowHoldsNote(TMiniForm& form, int row)
{
    const store::Query& list = form.AQclipQuery();
    const qint32 tag = form.sgContents->rowTag(row);
    const int idColumn = list.columnIndex(kId);
    if (!list.isOpen() || idColumn < 0)
        return false;
    for (int record = 0; record < list.recordCount(); ++record) {
        const store::Value& id = list.value(record, idColumn);
        if (id.type != store::Value::Type::Null && id.toInt() == tag)
            return true;
    }
    return false;
}

// The category a new note is filed under: never the Search category, whose rows the next
// search throws away.
qint32 categoryForNewNote(const SharedState& state)
{
    return state.CurGroupId == SearchGroupId ? 0 : state.CurGroupId;
}

qint32 insertNote(TMiniForm& form, const QString& text, qint32 groupId)
{
    return store::insertNewNote(form.database(), form.AQclipModify(), groupId,
                                store::formatCreationTime(store::Clock::now()), text);
}

// Runs the update of one note's text; returns whether it reached a row.
bool updateNote(TMiniForm& form, qint32 noteId, const QString& text)
{
    store::Query& modify = form.AQclipModify();
    modify.close();
    modify.clearSql();
    modify.addLine(store::sql::updateNoteContent(noteId));
    modify.setText(kContent, text);
    modify.execSql();
    return modify.rowsAffected() > 0;
}

// Applies the memo to the note it shows. A search result is a copy that the next search
// discards, so the note it was copied from takes the change too. When no note is left to
// take it (none was shown yet, or it was deleted meanwhile) the text becomes a new note
// rather than being dropped; the new note is then the current one. Returns a line for the
// status bar, empty when there is nothing to say.
QString applyChange(TMiniForm& form, const QString& text)
{
    SharedState& state = form.state();
    bool stored = updateNote(form, state.CurNoteId, text);
    if (state.CurGroupId == SearchGroupId && state.CurNoteId > SeparatorRowTag)
        stored = updateNote(form, state.CurNoteId - SeparatorRowTag, text);
    if (stored)
        return {};
    const qint32 groupId = categoryForNewNote(state);
    state.CurNoteId = insertNote(form, text, groupId);
    return groupId == state.CurGroupId ? QStringLiteral("Saved as a new note")
                                       : QStringLiteral("Saved as a new note in Default");
}

// Lets Ctrl+A and Ctrl+Enter reach the window's handler; the memo still gets every key.
class MemoKeys : public QObject {
public:
    explicit MemoKeys(TMiniForm& form) : QObject(&form), m_form(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            m_form.memoContentKeyDown(key->key(), key->modifiers());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TMiniForm& m_form;
};

} // namespace

void TMiniForm::imgEditModeClick()
{
    memoContent->raise();
    memoContent->setFocus();
    imgEditModeDis->raise();
    imgEditModeDis->show();
    imgEditMode->setEnabled(false);
    imgBrowseMode->setEnabled(true);
    imgBrowseModeDis->hide();
    pnlStatus2->setText(QStringLiteral("(mode:Edit)"));
    tabGroups->setEnabled(true);
    m_state.InBrowseMode = false;
    pnlStatus1->setText(QStringLiteral("Press 'Ctrl + Enter' to apply changes"));
}

void TMiniForm::imgBrowseModeClick()
{
    sgContents->raise();
    imgEditMode->setPicture(imgEditMode->downPicture());
    imgBrowseModeDis->raise();
    imgBrowseModeDis->show();
    imgBrowseMode->setEnabled(false);
    imgEditMode->setEnabled(true);
    imgEditModeDis->hide();
    pnlStatus2->setText(QStringLiteral("(mode:Browse)"));
    tabGroups->setEnabled(true);
    m_state.InBrowseMode = true;
}

void TMiniForm::imgNewClick()
{
    m_state.ApplyMode = QStringLiteral("I");
    setMemoText(*memoContent, QString());
    memoContent->raise();
    memoContent->setFocus();
    imgEditModeClick();
}

void TMiniForm::imgApplyClick()
{
    const QString text = memoContent->toPlainText();
    if (text.isEmpty()) {
        imgBrowseModeClick();
        return;
    }
    QString notice;
    const bool applied = guarded([&] {
        if (m_state.ApplyMode == QLatin1String("I")) {
            const qint32 groupId = categoryForNewNote(m_state);
            insertNote(*this, text, groupId);
            if (groupId != m_state.CurGroupId)
                notice = QStringLiteral("Saved as a new note in Default");
            sendReloadNoteList();
        } else if (m_state.ApplyMode == QLatin1String("M")) {
            notice = applyChange(*this, text);
            sendReloadNoteList();
        }
    });
    // A failed statement keeps the window as it was, the typed text still in the memo.
    if (!applied)
        return;
    imgBrowseModeClick();
    selectCurrentNoteRow(*this);
    if (!notice.isEmpty())
        pnlStatus1->setText(notice);
}

void TMiniForm::imgDeleteClick()
{
    const int row = sgContents->currentRow();
    // A separator row or the blank row of an empty list names no note: its tag is not an id.
    if (!rowHoldsNote(*this, row))
        return;
    const qint32 noteId = sgContents->rowTag(row);
    guarded([&] {
        store::Query& modify = AQclipModify();
        modify.close();
        modify.clearSql();
        modify.addLine(store::sql::deleteNote(noteId));
        modify.execSql();
        sendReloadNoteList();
        setMemoText(*memoContent, AQclipQuery().fieldAsString(kContent));
    });
}

void TMiniForm::imgPreClick()
{
    store::Query& list = AQclipQuery();
    if (!list.bof()) {
        list.prior();
        showCursorNote(*this);
    }
    selectCurrentNoteRow(*this);
}

void TMiniForm::imgNextClick()
{
    store::Query& list = AQclipQuery();
    if (!list.eof()) {
        list.next();
        showCursorNote(*this);
    }
    selectCurrentNoteRow(*this);
}

void TMiniForm::sgContentsDblClick()
{
    m_state.CurNoteId = sgContents->rowTag(sgContents->currentRow());
    store::Query& list = AQclipQuery();
    if (!list.isOpen() || !list.locate(kId, m_state.CurNoteId)) {
        imgNewClick();
        return;
    }
    pnlStatus1->setText(QStringLiteral("Created : ") + list.fieldAsString(kCreateTime));
    setMemoText(*memoContent, list.fieldAsString(kContent));
    m_state.ApplyMode = QStringLiteral("M");
    memoContent->raise();
    memoContent->setFocus();
    imgEditModeClick();
}

void TMiniForm::Copy1Click()
{
    QGuiApplication::clipboard()->setText(sgContents->cellText(1, sgContents->currentRow()));
}

void TMiniForm::Edit1Click()
{
    imgEditModeClick();
}
void TMiniForm::Deletenote1Click()
{
    imgDeleteClick();
}

void TMiniForm::memoContentKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!(modifiers & Qt::ControlModifier))
        return;
    if (key == Qt::Key_A)
        memoContent->selectAll();
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        imgApplyClick();
}

void TMiniForm::installMemoKeys()
{
    memoContent->installEventFilter(new MemoKeys(*this));
}

} // namespace app
