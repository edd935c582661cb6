#pragma once

#include "import/ImportStore.h"
#include "store/DeletedItems.h"

#include <algorithm>
#include <variant>
#include <vector>

namespace app {

// What the user deleted during this run, newest last, so that Undo can put it back; and the
// imports of this run, so that Undo can take them back.
class UndoDelete {
public:
    struct Category {
        store::DeletedCategory category;
        int tabIndex = 0; // where its tab stood
    };
    // A new note's text that Delete threw away before it was ever applied.
    struct Draft {
        QString text;
    };
    // Notes an import brought: undone, they go as a whole and are kept as deleted notes.
    struct Import {
        import::StoredImport stored;
    };
    using Item = std::variant<store::DeletedNote, Category, Draft, Import>;

    bool lastIsImport() const { return !m_items.empty() && std::holds_alternative<Import>(m_items.back()); }
    bool isEmpty() const { return m_items.empty(); }
    size_t size() const { return m_items.size(); }
    // Made in place: moving a whole variant into the list trips GCC 12's maybe-uninitialized
    // warning about the alternatives it does not hold.
    template <class T> void push(T&& item)
    {
        m_items.emplace_back(std::in_place_type<std::decay_t<T>>, std::forward<T>(item));
    }
    const Item& at(size_t index) const { return m_items[index]; }
    void drop(size_t index) { m_items.erase(m_items.begin() + std::ptrdiff_t(index)); }

    // New notes and categories are given ids above these, so that what is held here can
    // come back under its own id.
    qint32 highestNoteId() const
    {
        qint32 highest = 0;
        for (const Item& item : m_items)
            if (const auto* note = std::get_if<store::DeletedNote>(&item); note && note->side == store::sql::Side::Real)
                highest = std::max(highest, note->id);
        return highest;
    }
    qint32 highestGroupId() const
    {
        qint32 highest = 0;
        for (const Item& item : m_items)
            if (const auto* category = std::get_if<Category>(&item))
                highest = std::max(highest, category->category.groupId.toInt());
        return highest;
    }

private:
    std::vector<Item> m_items;
};

} // namespace app
