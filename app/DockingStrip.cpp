#include "app/DockingStrip.h"

#include "app/EdgeSnapping.h"
#include "app/UnreportedLeave.h"

#include <QApplication>
#include <QCursor>
#include <QMoveEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWidget>

namespace app {

namespace {

int primaryScreenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

} // namespace

DockingStrip::DockingStrip(QWidget& window)
    : m_window(window), m_unreportedLeave(std::make_unique<UnreportedLeave>(
                            window, [this] { rollUpIfPointerGone(); }, [this] { unrollForPointer(); }))
{
}

DockingStrip::~DockingStrip() = default;

void DockingStrip::rollUpUnlessPointerOver()
{
    if (m_dockedAtTop && m_window.isVisible() && !m_window.frameGeometry().contains(QCursor::pos()))
        m_window.resize(m_window.width(), kStripHeight);
}

void DockingStrip::setPointerLeavingReported(bool reported)
{
    m_unreportedLeave->setEnabled(!reported);
}

// The pointer may have left without a word (XWayland). A window in use, one of the program's
// dialogs or menus included, stays unrolled until the user turns to another program; the
// pointer coming back over the strip unrolls it again.
void DockingStrip::rollUpIfPointerGone()
{
    if (m_dockedAtTop && m_window.isVisible() && m_window.height() != kStripHeight && !QApplication::activeWindow() &&
        !QApplication::activePopupWidget())
        m_window.resize(m_window.width(), kStripHeight);
}

// A strip rolled up under a resting pointer unrolls as soon as the pointer moves over it: with
// the pointer inside it all along, no word that it entered comes.
void DockingStrip::unrollForPointer()
{
    if (m_dockedAtTop && m_window.height() != m_savedHeight)
        m_window.resize(m_window.width(), m_savedHeight);
}

void DockingStrip::windowStateChanged(const QWindowStateChangeEvent& event)
{
    // Restored from the task bar, as after the program's own restore.
    if ((event.oldState() & Qt::WindowMinimized) && !m_window.isMinimized())
        QTimer::singleShot(0, this, [this] { rollUpUnlessPointerOver(); });
}

void DockingStrip::moveSnapped(QPoint proposed)
{
    const SnappedPosition snapped = snapToEdges(proposed, m_window.y(), primaryScreenWidth(), m_window.width());
    m_dockedAtTop = snapped.dockedAtTop;
    m_window.move(snapped.position);
}

void DockingStrip::moveEvent(const QMoveEvent& event)
{
    // Moves the program did not make itself (the window system's own keyboard or Alt-drag
    // moves) snap too. A window system that will not take the snapped place is not asked
    // twice, so the two never argue.
    const SnappedPosition snapped =
        snapToEdges(event.pos(), event.oldPos().y(), primaryScreenWidth(), m_window.width());
    m_dockedAtTop = snapped.dockedAtTop;
    if (m_snapCorrectionPending) {
        m_snapCorrectionPending = false;
    } else if (snapped.position != event.pos() && m_window.isVisible()) {
        m_snapCorrectionPending = true;
        m_window.move(snapped.position);
    }
}

void DockingStrip::enterEvent()
{
    if (m_dockedAtTop)
        m_window.resize(m_window.width(), m_savedHeight);
}

void DockingStrip::leaveEvent()
{
    // Leaving for a part of the window that is not a child (a menu of its own) must not
    // roll it up while the pointer is still over it.
    if (m_dockedAtTop && !m_window.frameGeometry().contains(QCursor::pos()))
        m_window.resize(m_window.width(), kStripHeight);
}

void DockingStrip::FormShow()
{
    m_dockedAtTop = false;
}

void DockingStrip::showEvent(const QShowEvent& event)
{
    // Coming back from hiding is not a new showing of the window.
    if (!m_shownBefore && !event.spontaneous()) {
        m_shownBefore = true;
        FormShow();
    }
}

} // namespace app
