#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace app {

// A widget whose parts are not widgets of their own (the note list's rows, the category
// tabs) shows them to assistive technology as children of this interface. The children
// read the widget live, so they never hold stale text; they are made on demand, because a
// list may hold 100,000 rows.
class AccessibleItems : public QAccessibleWidget {
public:
    AccessibleItems(QWidget* widget, QAccessible::Role role, QAccessible::Role itemRole);

    virtual int itemCount() const = 0;
    virtual QString itemName(int index) const = 0;
    virtual QString itemDescription(int) const { return {}; }
    virtual QRect itemRect(int index) const = 0;       // in the widget's coordinates
    virtual int currentItem() const = 0;               // -1 when none
    virtual void activateItem(int index) = 0;          // what a click on the item does
    virtual int itemAt(const QPoint& point) const = 0; // point in the widget's coordinates

    QAccessible::Role itemRole() const { return m_itemRole; }
    QWidget* itemsWidget() const { return widget(); }

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

protected:
    ~AccessibleItems() override;

private:
    QAccessible::Role m_itemRole;
    mutable QHash<int, QAccessible::Id> m_children;
};

} // namespace app
