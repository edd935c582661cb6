// Undo delete: notes and categories deleted during the run come back, newest first.
#include "app/MiniForm.h"

#include "app/NoteGrid.h"
#include "widgets/TabSet.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace app {

void TMiniForm::buildUndoEntry()
{
    actUndoDelete = new QAction(QStringLiteral("Undo delete"), this);
    actUndoDelete->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actUndoDelete->setShortcutContext(Qt::WidgetWithChildrenShortcut); // with the list focused only
    actUndoDelete->setEnabled(false);
    sgContents->addAction(actUndoDelete);
    // Next to "Delete note", before the first separator.
    const QList<QAction*> entries = popGrid->actions();
    QAction* before = nullptr;
    for (int i = 0; i < entries.size() && !before; ++i)
        if (entries[i]->isSeparator())
            before = entries[i];
    popGrid->insertAction(before, actUndoDelete);
    connect(actUndoDelete, &QAction::triggered, this, [this] { UndoDelete1Click(); });
}

void TMiniForm::undoDeleteChanged()
{
    actUndoDelete->setEnabled(!m_undo.isEmpty());
}

void TMiniForm::UndoDelete1Click()
{
    if (m_undo.isEmpty() || !m_state.InBrowseMode)
        return;
    if (const auto* draft = std::get_if<UndoDelete::Draft>(&m_undo.last())) {
        const QString text = draft->text;
        m_undo.dropLast();
        undoDeleteChanged();
        restoreDraft(text);
        return;
    }
    qint32 restoredNote = 0;
    store::sql::Side restoredSide = store::sql::Side::Real;
    QString notice;
    guarded([&] {
        const UndoDelete::Item& item = m_undo.last();
        if (const auto* note = std::get_if<store::DeletedNote>(&item)) {
            restoredNote = store::restoreDeletedNote(database(), AQclipModify(), *note, m_undo.highestNoteId());
            restoredSide = note->side;
            m_undo.dropLast();
        } else {
            const auto& category = std::get<UndoDelete::Category>(item);
            const store::RestoredCategory restored =
                store::restoreDeletedCategory(database(), AQclipModify(), category.category, m_undo.highestGroupId());
            const int index = std::clamp(category.tabIndex, 1, tabGroups->count() - 1);
            if (restored.name != category.category.name)
                notice = QStringLiteral("Name taken: restored as ") + restored.name;
            m_undo.dropLast();
            tabGroups->insertTab(index, restored.name);
        }
        undoDeleteChanged();
        OpenDueReminders(); // a note's reminder came back with it
        // The list shows the note again, or (a category's notes going back) no longer.
        sendReloadNoteList();
    });
    if (!notice.isEmpty())
        pnlStatus1->setText(notice);
    const bool listsItsSide = (m_state.CurGroupId == SearchGroupId) == (restoredSide == store::sql::Side::Copy);
    if (restoredNote == 0 || !listsItsSide)
        return;
    for (int row = 0; row < sgContents->rowCount(); ++row) {
        if (sgContents->rowKind(row) == NoteGrid::RowKind::Note && sgContents->rowTag(row) == restoredNote) {
            selectNoteRowFrom(row);
            return;
        }
    }
}

} // namespace app
