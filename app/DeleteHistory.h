#pragma once

#include "app/UndoDelete.h"

#include <QCoreApplication>
#include <utility>

class QAction;

namespace app {

class TMiniForm;

// What the user deleted, for Undo (Ctrl+Z) and "Recently deleted...": the notes, categories
// and drafts of this run, and what earlier runs keep in the file for 30 days. New notes and
// categories get ids above those held here, so that each can come back under its own id.
class DeleteHistory {
    Q_DECLARE_TR_FUNCTIONS(DeleteHistory)

public:
    explicit DeleteHistory(TMiniForm& form);

    // "Undo delete" and "Recently deleted..." in the list's menu, next to "Delete note".
    void addMenuEntries();
    QAction* actUndoDelete = nullptr;
    QAction* actRecentlyDeleted = nullptr;

    // Puts back what was deleted last in this run: a note, a category or a draft; or takes back
    // the import made last.
    void UndoDelete1Click();
    // Lists the notes and categories deleted in the last 30 days, in this run or earlier ones,
    // and puts back the one chosen, by the rules of Undo.
    void RecentlyDeleted1Click();

    template <class T> void push(T&& item)
    {
        m_items.push(std::forward<T>(item));
        changed();
    }
    qint32 highestNoteId() const { return m_items.highestNoteId(); }
    qint32 highestGroupId() const { return m_items.highestGroupId(); }
    // What the file keeps from earlier runs; read before the list, so new ids stay above it.
    void load();
    // After a restore the file holds other things: what this run deleted may not be in it.
    void forgetAll();

private:
    void restore(size_t index);
    void takeBackImport(size_t index);
    bool refuseDamaged(size_t index);
    void changed();

    TMiniForm& m_form;
    UndoDelete m_items;
};

} // namespace app
