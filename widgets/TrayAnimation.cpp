#include "widgets/TrayAnimation.h"

#include "widgets/TrayIcon.h"

#include <chrono>
#include <thread>

namespace widgets {

TrayAnimation::TrayAnimation(TTrayIcon& owner, TrayShell& shell, unsigned interval, bool paused)
    : m_owner(&owner), m_shell(&shell), m_interval(interval), m_paused(paused)
{
}

std::shared_ptr<TrayAnimation> TrayAnimation::start(TTrayIcon& owner, TrayShell& shell, unsigned interval, bool paused)
{
    std::shared_ptr<TrayAnimation> animation(new TrayAnimation(owner, shell, interval, paused));
    // The thread keeps its own reference and ends by itself.
    std::thread([animation] { animation->run(); }).detach();
    return animation;
}

void TrayAnimation::setInterval(unsigned milliseconds)
{
    std::lock_guard lock(m_mutex);
    m_interval = milliseconds;
}

void TrayAnimation::pause()
{
    std::lock_guard lock(m_mutex);
    m_paused = true;
}

void TrayAnimation::resume()
{
    {
        std::lock_guard lock(m_mutex);
        m_paused = false;
    }
    m_wake.notify_all();
}

bool TrayAnimation::isPaused() const
{
    std::lock_guard lock(m_mutex);
    return m_paused;
}

void TrayAnimation::detach()
{
    {
        std::lock_guard lock(m_mutex);
        m_owner = nullptr;
        m_shell = nullptr;
    }
    m_wake.notify_all();
}

void TrayAnimation::terminate()
{
    {
        std::lock_guard lock(m_mutex);
        m_terminated = true;
    }
    m_wake.notify_all();
}

void TrayAnimation::run()
{
    std::unique_lock lock(m_mutex);
    while (!m_terminated) {
        m_wake.wait(lock, [this] { return m_terminated || !m_paused; });
        if (m_terminated)
            break;
        // Detached, or the program is ending: no more sleeping or stepping, only waiting to
        // be told to terminate.
        if (!m_owner || m_shell->applicationTerminating()) {
            m_wake.wait(lock, [this] { return m_terminated; });
            break;
        }
        const auto interval = std::chrono::milliseconds(m_interval);
        const bool interrupted = m_wake.wait_for(lock, interval, [this] { return m_terminated || !m_owner; });
        if (interrupted || m_paused || m_shell->applicationTerminating())
            continue;
        // Handed over while holding the lock: the icon cannot detach between the check above
        // and the hand-over, and checks again on its own thread before the step.
        m_shell->runOnUiThread([self = shared_from_this()] { self->stepOnUiThread(); });
    }
}

void TrayAnimation::stepOnUiThread()
{
    TTrayIcon* owner = nullptr;
    {
        std::lock_guard lock(m_mutex);
        owner = m_owner;
    }
    if (owner)
        owner->advanceFrame();
}

} // namespace widgets
