// Categories: the tab change, new category, rename and delete.
#include "app/MiniForm.h"

#include "app/NoteGrid.h"
#include "dialogs/CategoryManage.h"
#include "store/CategoryNames.h"
#include "store/DeletedItems.h"
#include "store/Statements.h"
#include "widgets/Modal.h"
#include "widgets/TabSet.h"

#include <QLabel>
#include <QTimer>

namespace app {

namespace {

const QString kNewTab = QStringLiteral("*New");
const QString kGroupName = QStringLiteral("group_name");
const QString kDescription = QStringLiteral("description");

// Opens the category row that a tab caption names (at most one is used: the first).
void openCategoryRow(store::Query& modify, const QString& caption)
{
    modify.close();
    modify.clearSql();
    modify.addLine(store::sql::selectGroupForChange);
    modify.setText(kGroupName, caption);
    modify.open();
}

// The tabs that are no category of their own, or whose category the search finds by name:
// they are neither renamed nor deleted.
bool isBuiltInTab(const QString& caption)
{
    return caption == QLatin1String("Default") || caption == QLatin1String("Search") || caption == kNewTab;
}

void showDuplicateName(QWidget* owner)
{
    widgets::Modal::message(owner, QMessageBox::Warning, QStringLiteral("Information"),
                            QStringLiteral("Duplicate category name!"));
}

} // namespace

bool TMiniForm::tabGroupsChange(int newIndex)
{
    const QString caption = tabGroups->caption(newIndex);
    if (caption == kNewTab) {
        // "*New" is no category: the tab that stays selected is the one whose notes are
        // shown, or the new one when the dialog made it and the list now shows it.
        actNewCategoryExecute();
        return false;
    }
    if (!m_state.InBrowseMode)
        return false; // the memo may hold text that is not applied yet
    return showCategory(newIndex);
}

void TMiniForm::gatherStrayNotes()
{
    const int moved = store::moveStrayNotesToDefault(database(), AQclipModify());
    if (moved == 0)
        return;
    const QString notice = moved == 1 ? QStringLiteral("Category gone: 1 note in Default")
                                      : QStringLiteral("Category gone: %1 notes in Default").arg(moved);
    // After the list that follows has shown its note there.
    QTimer::singleShot(0, this, [this, notice] { pnlStatus1->setText(notice); });
}

void TMiniForm::refreshTabsFromFile()
{
    gatherStrayNotes();
    store::Query& modify = AQclipModify();
    modify.close();
    modify.clearSql();
    modify.addLine(store::sql::selectGroups);
    modify.open();
    QStringList names;
    QString shownName = m_state.CurGroupId == 0 ? QStringLiteral("Default") : QString();
    for (int row = 0; row < modify.recordCount(); ++row) {
        names << modify.value(row, 1).toString();
        if (modify.value(row, 0).toInt() == m_state.CurGroupId && m_state.CurGroupId != 0)
            shownName = names.back();
    }
    modify.close();
    // Tabs keep their places; those of categories gone go, new ones come before *New.
    QStringList captions{QStringLiteral("Default")};
    for (int index = 1; index < tabGroups->count() - 1; ++index)
        if (names.contains(tabGroups->caption(index)) && !captions.contains(tabGroups->caption(index)))
            captions << tabGroups->caption(index);
    for (const QString& name : names)
        if (!captions.contains(name))
            captions << name;
    captions << kNewTab;
    if (shownName.isEmpty()) {
        // The category shown was deleted: its notes went to Default, which is shown instead.
        tabGroups->setTabs(captions, 0);
        m_state.CurGroupId = 0;
        m_state.CurNoteId = 0;
        tabGroups->setToolTip(QString());
    } else {
        const int selected = int(captions.indexOf(shownName));
        if (captions != tabGroups->tabs() || selected != tabGroups->tabIndex())
            tabGroups->setTabs(captions, selected);
    }
}

bool TMiniForm::showSelectedCategory()
{
    return showCategory(tabGroups->tabIndex());
}

// Makes the tab's category the one the list shows; a failed look-up or reload keeps the tab
// that was selected.
bool TMiniForm::showCategory(int index)
{
    const QString caption = tabGroups->caption(index);
    bool tabsChanged = false;
    const bool shown = guarded([&] {
        store::Query& modify = AQclipModify();
        modify.close();
        modify.clearSql();
        modify.addLine(store::sql::selectGroupByName);
        modify.setText(kGroupName, caption);
        modify.open();
        if (modify.recordCount() == 0 && caption != QLatin1String("Default")) {
            // Another program deleted or renamed it: the tabs are brought up to date instead.
            modify.close();
            refreshTabsFromFile();
            sendReloadNoteList();
            tabsChanged = true;
            return;
        }
        m_state.CurGroupId = modify.fieldAsInteger(QStringLiteral("group_id"));
        tabGroups->setToolTip(modify.fieldAsString(kDescription));
        // A note of the category left is never the one shown in the next: ids of copies and
        // of real notes may be equal.
        m_state.CurNoteId = 0;
        sendReloadNoteList();
        // Keys go to the list, unless the user is choosing tabs from the keyboard.
        if (m_state.InBrowseMode && !tabGroups->hasFocus())
            sgContents->setFocus();
    });
    return shown && !tabsChanged; // the tab chosen may be gone: the one refreshTabsFromFile chose stays
}

void TMiniForm::actNewCategoryExecute()
{
    dialogs::TCategoryRec record;
    if (!dialogs::ShowCategoryDialog(record, this))
        return;
    bool added = false;
    bool duplicate = store::isReservedCategoryName(record.name);
    if (!duplicate) {
        guarded([&] {
            store::Query& modify = AQclipModify();
            // The check, the id and the insert in one transaction: a second program on the file
            // cannot slip the same name or id in between.
            store::Database::Transaction transaction(database());
            duplicate = store::categoryNameTaken(modify, record.name);
            modify.close();
            if (duplicate)
                return;
            const qint32 newId = store::nextGroupId(modify, m_undo.highestGroupId());
            modify.clearSql();
            modify.addLine(store::sql::insertGroup(newId, record.name, record.description));
            modify.execSql();
            transaction.commit();
            added = true;
        });
    }
    if (duplicate)
        showDuplicateName(this);
    if (!added)
        return;
    tabGroups->insertTab(tabGroups->count() - 1, record.name);
    tabGroups->setToolTip(record.description);
    tabGroups->setTabIndex(tabGroups->count() - 2);
}

void TMiniForm::Rename1Click()
{
    const QString caption = tabGroups->caption(tabGroups->tabIndex());
    // Default and *New have no row to rename, and the search finds its category by name.
    if (caption.isEmpty() || isBuiltInTab(caption))
        return;
    store::Query& modify = AQclipModify();
    dialogs::TCategoryRec record;
    bool found = false;
    if (!guarded([&] {
            openCategoryRow(modify, caption);
            found = modify.recordCount() > 0;
            record.setName(modify.fieldAsString(kGroupName));
            record.setDescription(modify.fieldAsString(kDescription));
        }) ||
        !found)
        return;
    const QString oldName = record.name;
    if (!dialogs::ShowCategoryDialog(record, this))
        return;
    bool renamed = false;
    bool duplicate = store::isReservedCategoryName(record.name);
    if (!duplicate) {
        guarded([&] {
            store::Database::Transaction transaction(database());
            // A second category of one name could never be reached by its tab again.
            duplicate = store::categoryNameTaken(modify, record.name, oldName);
            modify.close();
            if (duplicate)
                return;
            openCategoryRow(modify, caption);
            modify.edit();
            modify.setField(kGroupName, record.name);
            modify.setField(kDescription, record.description);
            modify.post();
            transaction.commit();
            renamed = true;
        });
    }
    if (duplicate)
        showDuplicateName(this);
    if (renamed)
        tabGroups->setCaption(tabGroups->tabIndex(), record.name);
}

void TMiniForm::Delete1Click()
{
    // Deleting the category shown changes what the list shows, which edit mode refuses.
    if (!m_state.InBrowseMode)
        return;
    const int index = tabGroups->tabIndex();
    const QString caption = tabGroups->caption(index);
    if (caption.isEmpty() || isBuiltInTab(caption))
        return;
    bool deleted = false;
    guarded([&] {
        store::Query& modify = AQclipModify();
        openCategoryRow(modify, caption);
        const auto answer = widgets::Modal::message(this, QMessageBox::Question, QStringLiteral("Confirmation"),
                                                    QStringLiteral("Are you sure you want to delete the category [") +
                                                        caption + QLatin1Char(']'),
                                                    QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
        if (modify.recordCount() == 0)
            modify.deleteRow(); // tells the user that there is no such category
        // Its notes go to Default, where they stay in reach; Undo puts them back.
        m_undo.push(UndoDelete::Category{store::deleteCurrentCategoryRow(database(), modify, index), index});
        undoDeleteChanged();
        deleted = true;
    });
    if (!deleted)
        return;
    // The tab that moves into the place is selected, and its notes are shown.
    tabGroups->removeTab(index);
    if (tabGroups->caption(tabGroups->tabIndex()) == kNewTab && tabGroups->tabIndex() > 0)
        tabGroups->setTabIndex(tabGroups->tabIndex() - 1);
    else
        showSelectedCategory();
}

} // namespace app
