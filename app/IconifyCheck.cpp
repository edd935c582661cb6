#include "app/IconifyCheck.h"

#include "platform/WindowManagerFacts.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace app {

IconifyCheck::IconifyCheck(QWidget& window, std::function<void()> ignored)
    : QObject(&window), m_window(window), m_ignored(std::move(ignored))
{
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(kDeadlineMs);
    connect(&m_deadline, &QTimer::timeout, this, &IconifyCheck::deadlinePassed);
}

void IconifyCheck::watch()
{
    QWindow* window = m_window.windowHandle();
    if (!window)
        return;
    m_taken = false;
    window->removeEventFilter(this);
    window->installEventFilter(this);
    m_deadline.start();
}

bool IconifyCheck::eventFilter(QObject* watched, QEvent* event)
{
    // The toolkit marks the window unexposed before it delivers the event.
    if (event->type() == QEvent::Expose && !static_cast<QWindow*>(watched)->isExposed()) {
        m_taken = true;
        m_deadline.stop();
        watched->removeEventFilter(this);
    }
    return false;
}

void IconifyCheck::deadlinePassed()
{
    QWindow* window = m_window.windowHandle();
    if (!window)
        return;
    window->removeEventFilter(this);
    // Restored or hidden meanwhile by other means: nothing was left undone. A window manager
    // may keep a minimised window mapped, and so exposed: its own word counts as well.
    if (!m_taken && window->isExposed() && m_window.isMinimized() && m_window.isVisible() &&
        !platform::WindowManagerFacts::isIconic(*window))
        m_ignored();
}

} // namespace app
