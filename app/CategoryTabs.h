#pragma once

#include <QCoreApplication>

class QString;

namespace app {

class TMiniForm;

// The rules of the category tabs: Default first and "*New" last, Search and Default neither
// renamed nor deleted, no two categories of one name (nor of a reserved one), a deleted
// category's notes in Default where Undo finds them, and the tabs brought in line with the
// file when another program changed its categories.
class CategoryTabs {
    Q_DECLARE_TR_FUNCTIONS(CategoryTabs)

public:
    explicit CategoryTabs(TMiniForm& form);

    // The tabs of the categories the file holds, after those of Default and before "*New".
    void loadTabs();
    // The tab set asks before a tab is selected: false keeps the tab that was selected.
    bool tabGroupsChange(int newIndex);
    void actNewCategoryExecute();
    void Rename1Click();
    void Delete1Click();
    // Brings the tabs in line with the categories of the file, which another program may
    // have changed; the list is left to the caller.
    void refreshTabsFromFile();
    // Notes another program left under a category it deleted go to Default; the status line
    // says so once.
    void gatherStrayNotes();
    // Shows the notes of the selected tab's category, whatever was shown before.
    bool showSelectedCategory();

private:
    bool showCategory(int index);

    TMiniForm& m_form;
};

} // namespace app
