// Undo delete: notes and categories deleted during the run come back, newest first.
#include "app/MiniForm.h"

#include "app/NoteGrid.h"
#include "dialogs/RecentlyDeletedForm.h"
#include "store/RecentlyDeleted.h"
#include "widgets/TabSet.h"

#include <QAction>
#include <QHash>
#include <QLabel>
#include <QMenu>

namespace app {

namespace {

store::Value columnOf(const store::StoredRow& row, const QString& column)
{
    for (const auto& [name, value] : row)
        if (name == column)
            return value;
    return {};
}

QString categoryName(store::Query& modify, qint32 groupId)
{
    if (groupId == 0)
        return QStringLiteral("Default");
    modify.close();
    modify.clearSql();
    modify.addLine(store::sql::selectGroupById(groupId));
    modify.open();
    const QString name = modify.recordCount() > 0 ? modify.fieldAsString(QStringLiteral("group_name"))
                                                  : QStringLiteral("Default"); // where it would come back
    modify.close();
    return name;
}

} // namespace

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
    actRecentlyDeleted = new QAction(QStringLiteral("Recently deleted..."), this);
    popGrid->insertAction(before, actRecentlyDeleted);
    connect(actRecentlyDeleted, &QAction::triggered, this, [this] { RecentlyDeleted1Click(); });
}

void TMiniForm::undoDeleteChanged()
{
    actUndoDelete->setEnabled(!m_undo.isEmpty());
}

void TMiniForm::UndoDelete1Click()
{
    if (m_undo.isEmpty() || !m_state.InBrowseMode)
        return;
    restoreDeleted(m_undo.size() - 1);
}

void TMiniForm::loadRecentlyDeleted()
{
    for (store::KeptItem& kept : store::keptItems(database(), AQclipModify())) {
        if (auto* category = std::get_if<store::DeletedCategory>(&kept.item))
            m_undo.push(UndoDelete::Category{*category, category->tabIndex});
        else
            m_undo.push(std::get<store::DeletedNote>(kept.item));
    }
    undoDeleteChanged();
}

void TMiniForm::restoreDeleted(size_t index)
{
    if (const auto* draft = std::get_if<UndoDelete::Draft>(&m_undo.at(index))) {
        const QString text = draft->text;
        m_undo.drop(index);
        undoDeleteChanged();
        restoreDraft(text);
        return;
    }
    if (refuseDamagedItem(index))
        return;
    qint32 restoredNote = 0;
    store::sql::Side restoredSide = store::sql::Side::Real;
    QString notice;
    guarded([&] {
        const UndoDelete::Item& item = m_undo.at(index);
        if (const auto* note = std::get_if<store::DeletedNote>(&item)) {
            restoredNote = store::restoreDeletedNote(database(), AQclipModify(), *note, m_undo.highestNoteId());
            restoredSide = note->side;
            m_undo.drop(index);
        } else {
            const auto& category = std::get<UndoDelete::Category>(item);
            const store::RestoredCategory restored =
                store::restoreDeletedCategory(database(), AQclipModify(), category.category, m_undo.highestGroupId());
            const int tab = std::clamp(category.tabIndex, 1, tabGroups->count() - 1);
            if (restored.name != category.category.name)
                notice = QStringLiteral("Restored as ") + restored.name;
            m_undo.drop(index);
            tabGroups->insertTab(tab, restored.name);
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

// A kept item that another program made into something that cannot come back as it was is
// not put back anywhere: the status line says so and the item goes.
bool TMiniForm::refuseDamagedItem(size_t index)
{
    const UndoDelete::Item& item = m_undo.at(index);
    const auto* note = std::get_if<store::DeletedNote>(&item);
    const auto* category = std::get_if<UndoDelete::Category>(&item);
    const QString damage = note ? note->damage : category ? category->category.damage : QString();
    if (damage.isEmpty())
        return false;
    const qint64 key = note ? note->keptKey : category->category.keptKey;
    if (!guarded([&] { store::dropKept(database(), AQclipModify(), key); }))
        return true;
    m_undo.drop(index);
    undoDeleteChanged();
    pnlStatus1->setText(damage);
    return true;
}

void TMiniForm::RecentlyDeleted1Click()
{
    if (!m_state.InBrowseMode)
        return;
    // What later runs keep too: notes and categories, newest first (drafts and search copies
    // are Ctrl+Z's alone).
    std::vector<size_t> shown;
    QList<dialogs::DeletedEntry> entries;
    QHash<qint32, QString> categories; // a name read once, however many notes it held
    guarded([&] {
        for (size_t index = m_undo.size(); index-- > 0;) {
            const UndoDelete::Item& item = m_undo.at(index);
            dialogs::DeletedEntry entry;
            if (const auto* note = std::get_if<store::DeletedNote>(&item); note && note->keptKey != 0) {
                const qint32 groupId = columnOf(note->row, QStringLiteral("group_id")).toInt();
                if (!categories.contains(groupId))
                    categories.insert(groupId, categoryName(AQclipModify(), groupId));
                entry.category = categories.value(groupId);
                entry.text = columnOf(note->row, QStringLiteral("content")).toString();
                entry.deletedAt = note->deletedAt;
            } else if (const auto* category = std::get_if<UndoDelete::Category>(&item)) {
                entry.category = QStringLiteral("(a category)");
                entry.text = category->category.name;
                entry.deletedAt = category->category.deletedAt;
            } else {
                continue;
            }
            entries << entry;
            shown.push_back(index);
        }
    });
    const int chosen = dialogs::ShowRecentlyDeleted(entries, this);
    if (chosen >= 0 && chosen < int(shown.size()))
        restoreDeleted(shown[size_t(chosen)]);
}

} // namespace app
