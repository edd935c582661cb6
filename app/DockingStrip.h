#pragma once

#include <QObject>
#include <QPoint>
#include <memory>

class QEnterEvent;
class QMoveEvent;
class QShowEvent;
class QWidget;
class QWindowStateChangeEvent;

namespace app {

class UnreportedLeave;

// The main window at the top of the screen: moves snap to the screen's edges, and a window
// docked at the top rolls up to a strip while the pointer is elsewhere and unrolls to its
// saved height when the pointer comes back. The window hands over the events that matter.
class DockingStrip : public QObject {
    Q_OBJECT
public:
    explicit DockingStrip(QWidget& window);
    ~DockingStrip() override;

    // Moves the window as its own drag does, snapped to the screen edges.
    void moveSnapped(QPoint proposed);
    bool DockedAtTop() const { return m_dockedAtTop; }
    // The height the strip unrolls to: the window's own, taken when it is made.
    int SavedHeight() const { return m_savedHeight; }
    void setSavedHeight(int height) { m_savedHeight = height; }
    // Whether the window system says when the pointer leaves the window (not XWayland, for
    // the desktop and Wayland windows); where it does not, the docked strip rolls up when the
    // window loses the focus or the pointer rests. Taken from the platform at start.
    void setPointerLeavingReported(bool reported);
    // The height of the strip a window docked at the top rolls up to.
    static constexpr int kStripHeight = 24;

    // A menu or dialog closed, or the window came back: with the pointer elsewhere, no leave
    // event follows to roll the strip up.
    void rollUpUnlessPointerOver();

    // The window's events, each before the toolkit's own handling of it.
    void moveEvent(const QMoveEvent& event);
    void enterEvent();
    void leaveEvent();
    void windowStateChanged(const QWindowStateChangeEvent& event);
    void showEvent(const QShowEvent& event);
    void FormShow();

private:
    void rollUpIfPointerGone();
    void unrollForPointer();

    QWidget& m_window;
    // Stands in for the pointer's leaving where the window system does not report it.
    std::unique_ptr<UnreportedLeave> m_unreportedLeave;
    int m_savedHeight = 0;
    bool m_dockedAtTop = false;
    bool m_shownBefore = false;
    bool m_snapCorrectionPending = false;
};

} // namespace app
