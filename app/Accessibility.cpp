#include "app/Accessibility.h"

#include "app/AccessibleItems.h"
#include "app/NoteGrid.h"
#include "widgets/MouseEffectImage.h"
#include "widgets/TabSet.h"

#include <QAccessible>

namespace app {

namespace {

// Assistive technology reads names aloud; a note of megabytes would stall it. The whole
// note is there to read in the memo.
constexpr int kLongestRowName = 4000;

class UnavailableButtonAccessible : public QAccessibleWidget {
public:
    explicit UnavailableButtonAccessible(QWidget* picture) : QAccessibleWidget(picture, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.disabled = true;
        state.focusable = false;
        return state;
    }
};

class ImageButtonAccessible : public QAccessibleWidget {
public:
    explicit ImageButtonAccessible(widgets::TMouseEffectImage* image) : QAccessibleWidget(image, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && widget()->isEnabled() && widget()->isVisible())
            emit static_cast<widgets::TMouseEffectImage*>(widget())->clicked();
    }
};

class NoteGridAccessible : public AccessibleItems {
public:
    explicit NoteGridAccessible(NoteGrid* grid) : AccessibleItems(grid, QAccessible::List, QAccessible::ListItem) {}

    int itemCount() const override { return grid()->rowCount(); }

    QString itemName(int row) const override
    {
        const QString text = grid()->cellText(1, row);
        return text.size() > kLongestRowName ? text.left(kLongestRowName) + QChar(0x2026) : text;
    }

    // The time column, so that a note is read first and its time after.
    QString itemDescription(int row) const override { return grid()->cellText(0, row).trimmed(); }

    QRect itemRect(int row) const override
    {
        const QRect text = grid()->cellRect(1, row); // in the viewport's coordinates
        const QPoint viewport = grid()->viewport()->pos();
        return QRect(viewport.x(), viewport.y() + text.top(), text.right() + 1, text.height());
    }

    int currentItem() const override { return grid()->currentRow(); }
    void activateItem(int row) override { grid()->setCurrentRow(row); }

    int itemAt(const QPoint& point) const override
    {
        int column = 0;
        int row = -1;
        const QPoint inViewport = point - grid()->viewport()->pos();
        if (grid()->viewport()->rect().contains(inViewport))
            grid()->mouseToCell(inViewport, column, row);
        return row;
    }

private:
    NoteGrid* grid() const { return static_cast<NoteGrid*>(widget()); }
};

class TabSetAccessible : public AccessibleItems {
public:
    explicit TabSetAccessible(widgets::TabSet* tabs)
        : AccessibleItems(tabs, QAccessible::PageTabList, QAccessible::PageTab)
    {
    }

    int itemCount() const override { return tabs()->count(); }
    QString itemName(int index) const override { return tabs()->caption(index); }
    QRect itemRect(int index) const override { return tabs()->tabRect(index); }
    int currentItem() const override { return tabs()->tabIndex(); }
    void activateItem(int index) override { tabs()->setTabIndex(index); }
    int itemAt(const QPoint& point) const override { return tabs()->tabAt(point); }

private:
    widgets::TabSet* tabs() const { return static_cast<widgets::TabSet*>(widget()); }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object)
{
    // A window of its own, with its own title bar: a frame, not a pane inside one.
    if (className == QLatin1String("app::TMiniForm"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("app::UnavailableButtonPicture"))
        return new UnavailableButtonAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("app::NoteGrid"))
        return new NoteGridAccessible(static_cast<NoteGrid*>(object));
    if (className == QLatin1String("widgets::TabSet"))
        return new TabSetAccessible(static_cast<widgets::TabSet*>(object));
    if (className == QLatin1String("widgets::TMouseEffectImage"))
        return new ImageButtonAccessible(static_cast<widgets::TMouseEffectImage*>(object));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(accessibleFactory);
}

} // namespace app
