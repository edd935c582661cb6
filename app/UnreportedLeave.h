#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace app {

// Stands in for the word that the pointer left the window where the window system does not
// give it: XWayland says nothing when the pointer goes on to the desktop or to a Wayland
// window, and the pointer's last place stays inside the window. The pointer is then taken to
// have gone when the window loses the focus, and when no pointer move has come over the
// window for a moment; the caller decides what that means while the window is in use. A move
// over the window, on the other hand, is sure word that the pointer is there.
class UnreportedLeave : public QObject {
    Q_OBJECT
public:
    UnreportedLeave(QWidget& window, std::function<void()> pointerMayHaveGone, std::function<void()> pointerIsOver);

    // Off (the default) where the window system reports leaving: then nothing is watched.
    void setEnabled(bool on);

    // How long the pointer may rest over the window before it is taken to have gone.
    static constexpr int kStillMs = 1500;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    std::function<void()> m_pointerMayHaveGone;
    std::function<void()> m_pointerIsOver;
    QTimer m_still;
    bool m_enabled = false;
};

} // namespace app
