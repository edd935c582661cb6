#include "widgets/Mirroring.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace widgets {

namespace {

const char* const kMirrored = "quibbetMirrored";

// These keep their parts where they belong whatever the direction, and would undo or
// fight a move at their next resize.
bool placesItsOwnParts(const QWidget& widget)
{
    return qobject_cast<const QAbstractScrollArea*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
           qobject_cast<const QAbstractSpinBox*>(&widget) || qobject_cast<const QLineEdit*>(&widget) ||
           qobject_cast<const QTabBar*>(&widget) || (widget.inherits("QFontDialog"));
}

void mirrorChildrenOf(QWidget& parent)
{
    const QLayout* layout = parent.layout();
    const bool parentPlacesThem = qobject_cast<const QTabWidget*>(&parent) != nullptr;
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        if (!parentPlacesThem && !(layout && layout->indexOf(child) >= 0))
            child->move(parent.width() - child->x() - child->width(), child->y());
        if (!placesItsOwnParts(*child))
            mirrorChildrenOf(*child);
    }
}

} // namespace

void mirrorPlacedWidgets(QWidget& window)
{
    if (!window.isRightToLeft() || window.property(kMirrored).toBool())
        return;
    window.setProperty(kMirrored, true);
    mirrorChildrenOf(window);
}

bool PlacedWidgetsMirror::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow())
            mirrorPlacedWidgets(*widget);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace widgets
