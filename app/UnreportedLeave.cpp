#include "app/UnreportedLeave.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace app {

UnreportedLeave::UnreportedLeave(QWidget& window, std::function<void()> pointerMayHaveGone,
                                 std::function<void()> pointerIsOver)
    : QObject(&window), m_window(window), m_pointerMayHaveGone(std::move(pointerMayHaveGone)),
      m_pointerIsOver(std::move(pointerIsOver))
{
    m_still.setSingleShot(true);
    m_still.setInterval(kStillMs);
    connect(&m_still, &QTimer::timeout, this, [this] { m_pointerMayHaveGone(); });
}

void UnreportedLeave::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    // The window's own native window may be made anew while the program runs: the moves are
    // looked for on their way to whichever it is.
    if (on) {
        QCoreApplication::instance()->installEventFilter(this);
    } else {
        QCoreApplication::instance()->removeEventFilter(this);
        m_still.stop();
    }
}

bool UnreportedLeave::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::Enter:
        if (watched == m_window.windowHandle()) {
            m_still.start();
            m_pointerIsOver();
        }
        break;
    case QEvent::WindowDeactivate:
        if (watched == &m_window)
            m_pointerMayHaveGone();
        break;
    default:
        break;
    }
    return false;
}

} // namespace app
