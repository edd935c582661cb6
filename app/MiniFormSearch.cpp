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
        modify.close();
        modify.clearSql();
        modify.addLine(store::sql::deleteSearchCopies);
        modify.execSql();

        modify.clearSql();
        modify.addLine(store::sql::copySearchMatches(text));
        try {
            modify.execSql();
        } catch (const store::StoreError&) {
            // The statement itself tells what could not be copied; the old copies are gone
            // either way, so the Search list is still worth showing.
            widgets::Modal::message(this, QMessageBox::NoIcon, QStringLiteral("Quibbet"), modify.sql());
        }

        const int searchTab = int(tabGroups->tabs().indexOf(QStringLiteral("Search")));
        if (searchTab < 0)
            return;
        if (searchTab != tabGroups->tabIndex())
            tabGroups->setTabIndex(searchTab);
        else if (m_state.InBrowseMode)
            // Already selected, so the tab set asks nothing; the list must not keep showing
            // the old results (nor, after a delete, another category's notes).
            showSelectedCategory();
    });
}

} // namespace app
