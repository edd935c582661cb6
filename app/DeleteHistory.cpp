// Undo delete and "Recently deleted...": notes and categories deleted come back, newest first.
#include "app/DeleteHistory.h"
#include "app/MiniForm.h"

#include "app/NoteGrid.h"
#include "dialogs/RecentlyDeletedForm.h"
#include "store/CountedText.h"
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

DeleteHistory::DeleteHistory(TMiniForm& form) : m_form(form) {}

void DeleteHistory::forgetAll()
{
    m_items = UndoDelete{};
    changed();
}

void DeleteHistory::addMenuEntries()
{
    actUndoDelete = new QAction(tr("Undo delete"), &m_form);
    actUndoDelete->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actUndoDelete->setShortcutContext(Qt::WidgetWithChildrenShortcut); // with the list focused only
    actUndoDelete->setEnabled(false);
    m_form.sgContents->addAction(actUndoDelete);
    // Next to "Delete note", before the first separator.
    const QList<QAction*> entries = m_form.popGrid->actions();
    QAction* before = nullptr;
    for (int i = 0; i < entries.size() && !before; ++i)
        if (entries[i]->isSeparator())
            before = entries[i];
    m_form.popGrid->insertAction(before, actUndoDelete);
    QObject::connect(actUndoDelete, &QAction::triggered, actUndoDelete, [this] { UndoDelete1Click(); });
    actRecentlyDeleted = new QAction(tr("Recently deleted..."), &m_form);
    m_form.popGrid->insertAction(before, actRecentlyDeleted);
    QObject::connect(actRecentlyDeleted, &QAction::triggered, actRecentlyDeleted, [this] { RecentlyDeleted1Click(); });
}

void DeleteHistory::changed()
{
    actUndoDelete->setEnabled(!m_items.isEmpty());
    actUndoDelete->setText(m_items.lastIsImport() ? tr("Undo import") : tr("Undo delete"));
}

void DeleteHistory::UndoDelete1Click()
{
    if (m_items.isEmpty() || !m_form.state().InBrowseMode)
        return;
    restore(m_items.size() - 1);
}

void DeleteHistory::load()
{
    for (store::KeptItem& kept : store::keptItems(m_form.notesFile().database(), m_form.notesFile().AQclipModify())) {
        if (auto* category = std::get_if<store::DeletedCategory>(&kept.item))
            m_items.push(UndoDelete::Category{*category, category->tabIndex});
        else
            m_items.push(std::get<store::DeletedNote>(kept.item));
    }
    changed();
}

void DeleteHistory::restore(size_t index)
{
    if (const auto* draft = std::get_if<UndoDelete::Draft>(&m_items.at(index))) {
        const QString text = draft->text;
        m_items.drop(index);
        changed();
        m_form.noteEditing().restoreDraft(text);
        return;
    }
    if (std::holds_alternative<UndoDelete::Import>(m_items.at(index))) {
        takeBackImport(index);
        return;
    }
    if (refuseDamaged(index))
        return;
    qint32 restoredNote = 0;
    store::sql::Side restoredSide = store::sql::Side::Real;
    QString notice;
    m_form.guarded([&] {
        const UndoDelete::Item& item = m_items.at(index);
        if (const auto* note = std::get_if<store::DeletedNote>(&item)) {
            restoredNote = store::restoreDeletedNote(m_form.notesFile().database(), m_form.notesFile().AQclipModify(),
                                                     *note, m_items.highestNoteId());
            restoredSide = note->side;
            m_items.drop(index);
        } else {
            const auto& category = std::get<UndoDelete::Category>(item);
            const store::RestoredCategory restored =
                store::restoreDeletedCategory(m_form.notesFile().database(), m_form.notesFile().AQclipModify(),
                                              category.category, m_items.highestGroupId());
            const int tab = std::clamp(category.tabIndex, 1, m_form.tabGroups->count() - 1);
            if (restored.name != category.category.name)
                notice = tr("Restored as %1").arg(restored.name);
            m_items.drop(index);
            m_form.tabGroups->insertTab(tab, restored.name);
        }
        changed();
        m_form.OpenDueReminders(); // a note's reminder came back with it
        // The list shows the note again, or (a category's notes going back) no longer.
        m_form.sendReloadNoteList();
    });
    if (!notice.isEmpty())
        m_form.pnlStatus1->setText(notice);
    const bool listsItsSide = (m_form.state().CurGroupId == SearchGroupId) == (restoredSide == store::sql::Side::Copy);
    if (restoredNote == 0 || !listsItsSide)
        return;
    for (int row = 0; row < m_form.sgContents->rowCount(); ++row) {
        if (m_form.sgContents->rowKind(row) == NoteGrid::RowKind::Note &&
            m_form.sgContents->rowTag(row) == restoredNote) {
            m_form.noteEditing().selectNoteRowFrom(row);
            return;
        }
    }
}

// The notes of an import go as a whole, each kept as a deleted note is, so that "Recently
// deleted..." and Undo can bring any of them back.
void DeleteHistory::takeBackImport(size_t index)
{
    const import::StoredImport stored = std::get<UndoDelete::Import>(m_items.at(index)).stored;
    std::vector<store::DeletedNote> taken;
    if (!m_form.guarded([&] { taken = import::takeBackImport(m_form.notesFile().database(), stored); }))
        return;
    m_items.drop(index);
    for (store::DeletedNote& note : taken)
        m_items.push(std::move(note));
    changed();
    m_form.guarded([this] {
        m_form.OpenDueReminders();
        m_form.sendReloadNoteList();
    });
    m_form.pnlStatus1->setText(store::countedText("DeleteHistory",
                                                  QT_TRANSLATE_N_NOOP("DeleteHistory", "Import undone: %n notes"),
                                                  "Import undone: 1 note", int(taken.size())));
}

// A kept item that another program made into something that cannot come back as it was is
// not put back anywhere: the status line says so and the item goes.
bool DeleteHistory::refuseDamaged(size_t index)
{
    const UndoDelete::Item& item = m_items.at(index);
    const auto* note = std::get_if<store::DeletedNote>(&item);
    const auto* category = std::get_if<UndoDelete::Category>(&item);
    const QString damage = note ? note->damage : category ? category->category.damage : QString();
    if (damage.isEmpty())
        return false;
    const qint64 key = note ? note->keptKey : category->category.keptKey;
    if (!m_form.guarded(
            [&] { store::dropKept(m_form.notesFile().database(), m_form.notesFile().AQclipModify(), key); }))
        return true;
    m_items.drop(index);
    changed();
    m_form.pnlStatus1->setText(damage);
    return true;
}

void DeleteHistory::RecentlyDeleted1Click()
{
    if (!m_form.state().InBrowseMode)
        return;
    // What later runs keep too: notes and categories, newest first (drafts and search copies
    // are Ctrl+Z's alone).
    std::vector<size_t> shown;
    QList<dialogs::DeletedEntry> entries;
    QHash<qint32, QString> categories; // a name read once, however many notes it held
    m_form.guarded([&] {
        for (size_t index = m_items.size(); index-- > 0;) {
            const UndoDelete::Item& item = m_items.at(index);
            dialogs::DeletedEntry entry;
            if (const auto* note = std::get_if<store::DeletedNote>(&item); note && note->keptKey != 0) {
                const qint32 groupId = columnOf(note->row, QStringLiteral("group_id")).toInt();
                if (!categories.contains(groupId))
                    categories.insert(groupId, categoryName(m_form.notesFile().AQclipModify(), groupId));
                entry.category = categories.value(groupId);
                entry.text = columnOf(note->row, QStringLiteral("content")).toString();
                entry.deletedAt = note->deletedAt;
            } else if (const auto* category = std::get_if<UndoDelete::Category>(&item)) {
                entry.category = tr("(a category)");
                entry.text = category->category.name;
                entry.deletedAt = category->category.deletedAt;
            } else {
                continue;
            }
            entries << entry;
            shown.push_back(index);
        }
    });
    const int chosen = dialogs::ShowRecentlyDeleted(entries, &m_form);
    if (chosen >= 0 && chosen < int(shown.size()))
        restore(shown[size_t(chosen)]);
}

} // namespace app
