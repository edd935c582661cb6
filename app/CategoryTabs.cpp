// The category tabs: choosing one, new category, rename and delete, and following the
// categories another program changed.
#include "app/CategoryTabs.h"
#include "app/MiniForm.h"

#include "app/NoteGrid.h"
#include "dialogs/CategoryManage.h"
#include "store/CategoryNames.h"
#include "store/CountedText.h"
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
    widgets::Modal::message(owner, QMessageBox::Warning, CategoryTabs::tr("Information"),
                            CategoryTabs::tr("Duplicate category name!"));
}

} // namespace

CategoryTabs::CategoryTabs(TMiniForm& form) : m_form(form) {}

void CategoryTabs::loadTabs()
{
    gatherStrayNotes();
    store::Query& query = m_form.notesFile().AQclipModify();
    query.restart(store::sql::selectGroupNames);
    query.open();
    for (int row = 0; row < query.recordCount(); ++row)
        m_form.tabGroups->insertTab(m_form.tabGroups->count() - 1, query.value(row, 0).toString());
    query.close();
}

bool CategoryTabs::tabGroupsChange(int newIndex)
{
    const QString caption = m_form.tabGroups->caption(newIndex);
    if (caption == kNewTab) {
        // "*New" is no category: the tab that stays selected is the one whose notes are
        // shown, or the new one when the dialog made it and the list now shows it.
        actNewCategoryExecute();
        return false;
    }
    if (!m_form.state().InBrowseMode)
        return false; // the memo may hold text that is not applied yet
    return showCategory(newIndex);
}

void CategoryTabs::gatherStrayNotes()
{
    const int moved = store::moveStrayNotesToDefault(m_form.notesFile().database(), m_form.notesFile().AQclipModify());
    if (moved == 0)
        return;
    const QString notice =
        store::countedText("CategoryTabs", QT_TRANSLATE_N_NOOP("CategoryTabs", "Category gone: %n notes in Default"),
                           "Category gone: %n note in Default", moved);
    // After the list that follows has shown its note there.
    QTimer::singleShot(0, &m_form, [this, notice] { m_form.pnlStatus1->setText(notice); });
}

void CategoryTabs::refreshTabsFromFile()
{
    gatherStrayNotes();
    store::Query& modify = m_form.notesFile().AQclipModify();
    modify.close();
    modify.clearSql();
    modify.addLine(store::sql::selectGroups);
    modify.open();
    QStringList names;
    QString shownName = m_form.state().CurGroupId == 0 ? QStringLiteral("Default") : QString();
    for (int row = 0; row < modify.recordCount(); ++row) {
        names << modify.value(row, 1).toString();
        if (modify.value(row, 0).toInt() == m_form.state().CurGroupId && m_form.state().CurGroupId != 0)
            shownName = names.back();
    }
    modify.close();
    // Tabs keep their places; those of categories gone go, new ones come before *New.
    QStringList captions{QStringLiteral("Default")};
    for (int index = 1; index < m_form.tabGroups->count() - 1; ++index)
        if (names.contains(m_form.tabGroups->caption(index)) && !captions.contains(m_form.tabGroups->caption(index)))
            captions << m_form.tabGroups->caption(index);
    for (const QString& name : names)
        if (!captions.contains(name))
            captions << name;
    captions << kNewTab;
    if (shownName.isEmpty()) {
        // The category shown was deleted: its notes went to Default, which is shown instead.
        m_form.tabGroups->setTabs(captions, 0);
        m_form.state().CurGroupId = 0;
        m_form.state().CurNoteId = 0;
        m_form.tabGroups->setToolTip(QString());
    } else {
        const int selected = int(captions.indexOf(shownName));
        if (captions != m_form.tabGroups->tabs() || selected != m_form.tabGroups->tabIndex())
            m_form.tabGroups->setTabs(captions, selected);
    }
}

bool CategoryTabs::showSelectedCategory()
{
    return showCategory(m_form.tabGroups->tabIndex());
}

// Makes the tab's category the one the list shows; a failed look-up or reload keeps the tab
// that was selected.
bool CategoryTabs::showCategory(int index)
{
    const QString caption = m_form.tabGroups->caption(index);
    bool tabsChanged = false;
    const bool shown = m_form.guarded([&] {
        store::Query& modify = m_form.notesFile().AQclipModify();
        modify.close();
        modify.clearSql();
        modify.addLine(store::sql::selectGroupByName);
        modify.setText(kGroupName, caption);
        modify.open();
        if (modify.recordCount() == 0 && caption != QLatin1String("Default")) {
            // Another program deleted or renamed it: the tabs are brought up to date instead.
            modify.close();
            refreshTabsFromFile();
            m_form.sendReloadNoteList();
            tabsChanged = true;
            return;
        }
        m_form.state().CurGroupId = modify.fieldAsInteger(QStringLiteral("group_id"));
        m_form.tabGroups->setToolTip(modify.fieldAsString(kDescription));
        // A note of the category left is never the one shown in the next: ids of copies and
        // of real notes may be equal.
        m_form.state().CurNoteId = 0;
        m_form.sendReloadNoteList();
        // Keys go to the list, unless the user is choosing tabs from the keyboard.
        if (m_form.state().InBrowseMode && !m_form.tabGroups->hasFocus())
            m_form.sgContents->setFocus();
    });
    return shown && !tabsChanged; // the tab chosen may be gone: the one refreshTabsFromFile chose stays
}

void CategoryTabs::actNewCategoryExecute()
{
    dialogs::TCategoryRec record;
    if (!dialogs::ShowCategoryDialog(record, &m_form))
        return;
    bool added = false;
    bool duplicate = store::isReservedCategoryName(record.name);
    if (!duplicate) {
        m_form.guarded([&] {
            store::Query& modify = m_form.notesFile().AQclipModify();
            // The check, the id and the insert in one transaction: a second program on the file
            // cannot slip the same name or id in between.
            store::Database::Transaction transaction(m_form.notesFile().database());
            duplicate = store::categoryNameTaken(modify, record.name);
            modify.close();
            if (duplicate)
                return;
            const qint32 newId = store::nextGroupId(modify, m_form.deleteHistory().highestGroupId());
            modify.clearSql();
            modify.addLine(store::sql::insertGroup(newId, record.name, record.description));
            modify.execSql();
            transaction.commit();
            added = true;
        });
    }
    if (duplicate)
        showDuplicateName(&m_form);
    if (!added)
        return;
    m_form.tabGroups->insertTab(m_form.tabGroups->count() - 1, record.name);
    m_form.tabGroups->setToolTip(record.description);
    m_form.tabGroups->setTabIndex(m_form.tabGroups->count() - 2);
}

void CategoryTabs::Rename1Click()
{
    const QString caption = m_form.tabGroups->caption(m_form.tabGroups->tabIndex());
    // Default and *New have no row to rename, and the search finds its category by name.
    if (caption.isEmpty() || isBuiltInTab(caption))
        return;
    store::Query& modify = m_form.notesFile().AQclipModify();
    dialogs::TCategoryRec record;
    bool found = false;
    if (!m_form.guarded([&] {
            openCategoryRow(modify, caption);
            found = modify.recordCount() > 0;
            record.setName(modify.fieldAsString(kGroupName));
            record.setDescription(modify.fieldAsString(kDescription));
        }) ||
        !found)
        return;
    const QString oldName = record.name;
    if (!dialogs::ShowCategoryDialog(record, &m_form))
        return;
    bool renamed = false;
    bool gone = false;
    bool duplicate = store::isReservedCategoryName(record.name);
    if (!duplicate) {
        m_form.guarded([&] {
            store::Database::Transaction transaction(m_form.notesFile().database());
            // A second category of one name could never be reached by its tab again.
            duplicate = store::categoryNameTaken(modify, record.name, oldName);
            modify.close();
            if (duplicate)
                return;
            openCategoryRow(modify, caption);
            // Another program deleted it while the dialog was open: an edit of no row would
            // add a category without an id.
            gone = modify.recordCount() == 0;
            if (gone)
                return;
            modify.edit();
            modify.setField(kGroupName, record.name);
            modify.setField(kDescription, record.description);
            modify.post();
            transaction.commit();
            renamed = true;
        });
    }
    if (duplicate)
        showDuplicateName(&m_form);
    if (renamed)
        m_form.tabGroups->setCaption(m_form.tabGroups->tabIndex(), record.name);
    // Its tab goes when the window takes up the other program's change.
    if (gone)
        m_form.showOutcome(tr("Category gone: not renamed"));
}

void CategoryTabs::Delete1Click()
{
    // Deleting the category shown changes what the list shows, which edit mode refuses.
    if (!m_form.state().InBrowseMode)
        return;
    const int index = m_form.tabGroups->tabIndex();
    const QString caption = m_form.tabGroups->caption(index);
    if (caption.isEmpty() || isBuiltInTab(caption))
        return;
    bool deleted = false;
    m_form.guarded([&] {
        store::Query& modify = m_form.notesFile().AQclipModify();
        openCategoryRow(modify, caption);
        const auto answer = widgets::Modal::message(
            &m_form, QMessageBox::Question, tr("Confirmation"),
            tr("Are you sure you want to delete the category [%1]").arg(caption), QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
        if (modify.recordCount() == 0)
            modify.deleteRow(); // tells the user that there is no such category
        // Its notes go to Default, where they stay in reach; Undo puts them back.
        m_form.deleteHistory().push(
            UndoDelete::Category{store::deleteCurrentCategoryRow(m_form.notesFile().database(), modify, index), index});
        deleted = true;
    });
    if (!deleted)
        return;
    // The tab that moves into the place is selected, and its notes are shown.
    m_form.tabGroups->removeTab(index);
    if (m_form.tabGroups->caption(m_form.tabGroups->tabIndex()) == kNewTab && m_form.tabGroups->tabIndex() > 0)
        m_form.tabGroups->setTabIndex(m_form.tabGroups->tabIndex() - 1);
    else
        showSelectedCategory();
}

} // namespace app
