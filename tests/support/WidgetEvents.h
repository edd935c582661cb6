#pragma once

#include <QApplication>
#include <QEnterEvent>
#include <QPointF>
#include <QWidget>

namespace testing {

// The pointer coming onto a widget at a point of it, and going off it, as the window
// system would report them.
inline void pointerEnters(QWidget& widget, QPointF at = QPointF(5, 5))
{
    QEnterEvent event(at, at, widget.mapToGlobal(at));
    QApplication::sendEvent(&widget, &event);
}

inline void pointerLeaves(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

} // namespace testing
