// Categories: the tab change, new category, rename and delete.
#include "app/MiniForm.h"

#include "dialogs/CategoryManage.h"
#include "store/Statements.h"
#include "widgets/Modal.h"
#include "widgets/TabSet.h"

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

bool categoryNameTaken(store::Query& modify, const QString& name)
{
    modify.close();
    modify.clearSql();
    modify.addLine(store::sql::selectGroupNamed(name));
    modify.open();
    return modify.recordCount() >= 1;
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
        actNewCategoryExecute();
        return true;
    }
    if (!m_state.InBrowseMode)
        return false; // the memo may hold text that is not applied yet
    // A failed look-up or reload keeps the tab that was selected.
    return guarded([&] {
        store::Query& modify = AQclipModify();
        modify.close();
        modify.clearSql();
        modify.addLine(store::sql::selectGroupByName);
        modify.setText(kGroupName, caption);
        modify.open();
        m_state.CurGroupId = modify.fieldAsInteger(QStringLiteral("group_id"));
        tabGroups->setToolTip(modify.fieldAsString(kDescription));
        sendReloadNoteList();
    });
}

void TMiniForm::actNewCategoryExecute()
{
    dialogs::TCategoryRec record;
    if (!dialogs::ShowCategoryDialog(record, this))
        return;
    bool added = false;
    bool duplicate = false;
    guarded([&] {
        store::Query& modify = AQclipModify();
        // The check, the id and the insert in one transaction: a second program on the file
        // cannot slip the same name or id in between.
        store::Database::Transaction transaction(database());
        duplicate = categoryNameTaken(modify, record.name);
        modify.close();
        if (duplicate)
            return;
        modify.close();
        modify.clearSql();
        modify.addLine(store::sql::selectMaxGroupId);
        modify.open();
        const qint32 newId = modify.fieldAsInteger(QStringLiteral("max_id")) + 1;
        modify.close();
        modify.clearSql();
        modify.addLine(store::sql::insertGroup(newId, record.name, record.description));
        modify.execSql();
        transaction.commit();
        added = true;
    });
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
    store::Query& modify = AQclipModify();
    dialogs::TCategoryRec record;
    if (!guarded([&] {
            openCategoryRow(modify, caption);
            record.setName(modify.fieldAsString(kGroupName));
            record.setDescription(modify.fieldAsString(kDescription));
        }))
        return;
    const QString oldName = record.name;
    if (!dialogs::ShowCategoryDialog(record, this))
        return;
    bool renamed = false;
    bool duplicate = false;
    guarded([&] {
        store::Database::Transaction transaction(database());
        // A second category of one name could never be reached by its tab again.
        duplicate = record.name != oldName && categoryNameTaken(modify, record.name);
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
    if (duplicate)
        showDuplicateName(this);
    if (renamed)
        tabGroups->setCaption(tabGroups->tabIndex(), record.name);
}

void TMiniForm::Delete1Click()
{
    const int index = tabGroups->tabIndex();
    const QString caption = tabGroups->caption(index);
    if (caption.isEmpty() || caption == QLatin1String("Default") || caption == QLatin1String("Search"))
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
        modify.deleteRow();
        deleted = true;
    });
    if (!deleted)
        return;
    // The tab that moves into the place is selected without a change of category.
    tabGroups->removeTab(index);
    if (tabGroups->caption(tabGroups->tabIndex()) == kNewTab)
        tabGroups->setTabIndex(tabGroups->tabIndex() - 1);
}

} // namespace app
