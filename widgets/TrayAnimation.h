#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>

namespace widgets {

class TTrayIcon;
class TrayShell;

// The worker that steps a tray icon's animation: it sleeps the interval, then hands one frame
// step to the user-interface thread, where the icon's state lives. It frees itself once told
// to terminate; an icon that lets it go first detaches it, so a step already on its way to
// the user-interface thread finds no owner and does nothing.
class TrayAnimation : public std::enable_shared_from_this<TrayAnimation> {
public:
    static std::shared_ptr<TrayAnimation> start(TTrayIcon& owner, TrayShell& shell, unsigned interval, bool paused);

    void setInterval(unsigned milliseconds);
    void pause();
    void resume();
    bool isPaused() const;
    // Called on the user-interface thread: no step is taken for the icon after this.
    void detach();
    void terminate();

private:
    TrayAnimation(TTrayIcon& owner, TrayShell& shell, unsigned interval, bool paused);
    void run();
    void stepOnUiThread();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    TTrayIcon* m_owner;
    TrayShell* m_shell;
    unsigned m_interval;
    bool m_paused;
    bool m_terminated = false;
};

} // namespace widgets
