#pragma once

#include "widgets/TrayIcon.h"

#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>
#include <optional>

namespace platform {
class GlobalHotKey;
}
namespace widgets {
class QtTrayShell;
}

namespace app {

class DockingStrip;
class HiddenWindows;
class IconifyCheck;
class TMiniForm;

// How the main window behaves among the desktop's windows: it stays on top or not, it
// minimises (to the tray where there is a way back) and comes back with the tray icon, F9
// or `quibbet --toggle`, and it docks at the top of the screen (DockingStrip). The window
// owns one and calls it; the notes are none of its business.
class WindowBehaviour : public QObject {
    Q_OBJECT
public:
    // `recreateNativeWindow` drops the window's native window, so that the next showing makes
    // a new one (a protected act of the widget).
    WindowBehaviour(TMiniForm& window, std::function<void()> recreateNativeWindow);
    ~WindowBehaviour() override;

    void btnLockClick();
    void SpeedButton2Click();
    void TrayIcon1Click(widgets::TrayButton button);
    bool isStayOnTop() const;
    // The tray click, F9 and `quibbet --toggle`: brings a minimised program back to the
    // front, or minimises a shown one.
    void showOrHide();
    // A second start on the same notes file: shows the program as showOrHide() does, or,
    // shown already, brings it to the front; never hides it.
    void bringToFront();
    bool isApplicationMinimised() const;
    // Whether `quibbet --toggle` reaches this program: where the window system cannot give
    // a minimised window back (Wayland), minimising then hides instead.
    void setToggleAnswered(bool on) { m_toggleAnswered = on; }

    // F9 from anywhere on the desktop; a key that cannot be had is not reported.
    void registerHotKey();
    void unregisterHotKey();
    // The notification-area entry.
    widgets::TTrayIcon& trayIcon() { return *m_trayIcon; }
    DockingStrip& dockingStrip() { return *m_dockingStrip; }

private:
    void hotKeyPressed(int virtualKey);
    void setUpTray();
    void setStayOnTop(bool on);
    void minimiseApplication();
    void hideApplication();
    void restoreApplication();
    void placeAsWhenHidden();
    void iconifyIgnored();
    void forgetPointer();
    bool hasWayBack() const;
    void showIcons(); // the window's and the tray's
    void trayMayHaveAppeared();
    void takeBackActivation();

    TMiniForm& m_window;
    std::function<void()> m_recreateNativeWindow;
    std::unique_ptr<platform::GlobalHotKey> m_hotKey;
    // The shell outlives the icon that speaks to it.
    std::unique_ptr<widgets::QtTrayShell> m_trayShell;
    std::unique_ptr<widgets::TTrayIcon> m_trayIcon;
    // Dialogs hidden with the window, shown again with it.
    std::unique_ptr<HiddenWindows> m_hiddenWindows;
    // Tells when the window system ignored a request to minimise.
    std::unique_ptr<IconifyCheck> m_iconifyCheck;
    std::unique_ptr<DockingStrip> m_dockingStrip;
    bool m_stayOnTop = false;
    bool m_toggleAnswered = false;
    std::optional<QPoint> m_placeWhenHidden; // where the window was shown when it was hidden
};

} // namespace app
