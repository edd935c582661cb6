// Search: copies of the matching notes fill the Search category, which is then shown.
#include "app/MiniForm.h"

#include "dialogs/FrmSearch.h"
#include "store/Statements.h"
#include "widgets/Modal.h"
#include "widgets/TabSet.h"

namespace app {

void TMiniForm::Search1Click()
{
    QString text;
    if (!dialogs::ShowSearchDialog(text, this))
        return;
    guarded([&] {
        store::Query& modify = AQclipModify();
        bool copied = true;
        {
            // The old copies go and the new ones come in one transaction: one sync instead of
            // two, and a search that fails (a full disk) leaves the last results as they were.
            store::Database::Transaction transaction(database());
            modify.close();
            modify.clearSql();
            modify.addLine(store::sql::deleteSearchCopies);
            modify.execSql();
            modify.clearSql();
            modify.addLine(store::sql::copySearchMatches(text));
            try {
                modify.execSql();
                transaction.commit();
            } catch (const store::StoreError&) {
                copied = false;
            }
        }
        if (!copied)
            // The statement itself tells what could not be copied; the Search list still
            // holds the last results, so it is still worth showing.
            widgets::Modal::message(this, QMessageBox::NoIcon, QStringLiteral("Quibbet"), modify.sql());

        const int searchTab = int(tabGroups->tabs().indexOf(QStringLiteral("Search")));
        if (searchTab < 0)
            return;
        if (searchTab != tabGroups->tabIndex())
            tabGroups->setTabIndex(searchTab);
        else if (m_state.InBrowseMode)
            // Already selected, so the tab set asks nothing; the list must not keep showing
            // the old results (nor, after a delete, another category's notes).
            m_categoryTabs->showSelectedCategory();
    });
}

} // namespace app
