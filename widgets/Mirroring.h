#pragma once

#include <QObject>
#include <QRect>

class QWidget;

namespace widgets {

// Widgets placed at fixed positions stay where they were put when the language reads from
// the right, where widgets in layouts change sides by themselves. This puts each placed
// widget of a window at the other side of its parent, once, when the window first shows;
// widgets that place their own parts (scroll areas, combo boxes, the toolkit's dialogs) are
// left to do so.
void mirrorPlacedWidgets(QWidget& window);

// Installed on the application under a right-to-left language: mirrors every window as it
// first shows, the main window, dialogs and message boxes alike.
class PlacedWidgetsMirror : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A rectangle of a painted widget laid out from the left, at the other side of `width` when
// the widget reads from the right.
inline QRect mirroredIn(const QRect& rect, int width, bool rightToLeft)
{
    return rightToLeft ? QRect(width - rect.x() - rect.width(), rect.y(), rect.width(), rect.height()) : rect;
}

} // namespace widgets
