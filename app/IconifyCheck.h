#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace app {

// Whether the window system took a request to minimise the window. Some ignore it (Weston
// through XWayland): the window then stays mapped, and a minimise button would do nothing.
// A window minimised as asked stops being exposed, or the window manager says it holds it
// minimised; where neither has happened a short while after the request, the request was
// ignored, and the caller is told.
class IconifyCheck : public QObject {
    Q_OBJECT
public:
    explicit IconifyCheck(QWidget& window, std::function<void()> ignored);

    // To be called right after asking for the window to be minimised.
    void watch();
    // The time the window system has to take the request.
    static constexpr int kDeadlineMs = 500;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void deadlinePassed();

    QWidget& m_window;
    std::function<void()> m_ignored;
    QTimer m_deadline;
    bool m_taken = false;
};

} // namespace app
