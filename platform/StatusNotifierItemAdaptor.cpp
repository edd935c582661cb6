#include "platform/StatusNotifierItemAdaptor.h"

#include "platform/StatusNotifierItem.h"

namespace platform {

namespace {

// After the method's answer: what the click sets off (a menu, a dialog) may take a while.
void later(StatusNotifierItem& item, void (StatusNotifierItem::*signal)(QPoint), QPoint at)
{
    QMetaObject::invokeMethod(
        &item, [&item, signal, at] { emit(item.*signal)(at); }, Qt::QueuedConnection);
}

} // namespace

StatusNotifierItemAdaptor::StatusNotifierItemAdaptor(StatusNotifierItem* item)
    : QDBusAbstractAdaptor(item), m_item(*item)
{
}

SniPixmapList StatusNotifierItemAdaptor::iconPixmap() const
{
    return m_item.pixmaps();
}

SniToolTip StatusNotifierItemAdaptor::toolTip() const
{
    return SniToolTip{QString(), {}, m_item.toolTip(), QString()};
}

QDBusObjectPath StatusNotifierItemAdaptor::menu() const
{
    return QDBusObjectPath(QString::fromLatin1(StatusNotifierItem::kMenuPath));
}

void StatusNotifierItemAdaptor::ContextMenu(int x, int y)
{
    later(m_item, &StatusNotifierItem::contextMenuRequested, QPoint(x, y));
}

void StatusNotifierItemAdaptor::Activate(int x, int y)
{
    later(m_item, &StatusNotifierItem::activated, QPoint(x, y));
}

void StatusNotifierItemAdaptor::SecondaryActivate(int x, int y)
{
    later(m_item, &StatusNotifierItem::secondaryActivated, QPoint(x, y));
}

} // namespace platform
