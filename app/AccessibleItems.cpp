#include "app/AccessibleItems.h"

#include <QWidget>

namespace app {

namespace {

class AccessibleItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleItem(const AccessibleItems* items, int index) : m_items(items), m_index(index) {}

    bool belongsTo(const AccessibleItems* items) const { return m_items == items; }
    int index() const { return m_index; }

    bool isValid() const override { return m_items->isValid() && m_index < m_items->itemCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_items->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return const_cast<AccessibleItems*>(m_items); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        if (kind == QAccessible::Name)
            return m_items->itemName(m_index);
        if (kind == QAccessible::Description)
            return m_items->itemDescription(m_index);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = m_items->itemRect(m_index);
        return QRect(m_items->itemsWidget()->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override { return m_items->itemRole(); }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const QWidget* widget = m_items->itemsWidget();
        state.selectable = true;
        state.focusable = true;
        state.disabled = !widget->isEnabled();
        state.invisible = !widget->isVisible();
        state.offscreen = !widget->rect().intersects(m_items->itemRect(m_index));
        if (m_items->currentItem() == m_index) {
            state.selected = true;
            state.focused = widget->hasFocus();
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid() && m_items->itemsWidget()->isEnabled())
            const_cast<AccessibleItems*>(m_items)->activateItem(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const AccessibleItems* m_items;
    int m_index;
};

} // namespace

AccessibleItems::AccessibleItems(QWidget* widget, QAccessible::Role role, QAccessible::Role itemRole)
    : QAccessibleWidget(widget, role), m_itemRole(itemRole)
{
}

AccessibleItems::~AccessibleItems()
{
    for (QAccessible::Id id : std::as_const(m_children))
        QAccessible::deleteAccessibleInterface(id);
}

int AccessibleItems::childCount() const
{
    return isValid() ? itemCount() : 0;
}

QAccessibleInterface* AccessibleItems::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto found = m_children.constFind(index); found != m_children.cend())
        if (QAccessibleInterface* existing = QAccessible::accessibleInterface(*found))
            return existing;
    auto* item = new AccessibleItem(this, index);
    m_children.insert(index, QAccessible::registerAccessibleInterface(item));
    return item;
}

int AccessibleItems::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* item = dynamic_cast<const AccessibleItem*>(child);
    if (!item || !item->belongsTo(this) || item->index() >= childCount())
        return -1;
    return item->index();
}

QAccessibleInterface* AccessibleItems::childAt(int x, int y) const
{
    if (!isValid())
        return nullptr;
    const int index = itemAt(widget()->mapFromGlobal(QPoint(x, y)));
    return index >= 0 ? child(index) : nullptr;
}

QAccessibleInterface* AccessibleItems::focusChild() const
{
    if (!isValid() || !widget()->hasFocus())
        return nullptr;
    return child(currentItem());
}

} // namespace app
