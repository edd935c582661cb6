#include "app/WindowBehaviour.h"

#include "app/DockingStrip.h"
#include "app/HiddenWindows.h"
#include "app/IconifyCheck.h"
#include "app/MiniForm.h"
#include "app/WindowPictures.h"
#include "platform/DesktopSession.h"
#include "platform/GlobalHotKey.h"
#include "platform/WindowManagerFacts.h"
#include "widgets/FlatTitlebar.h"
#include "widgets/TrayIconShell.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace app {

WindowBehaviour::WindowBehaviour(TMiniForm& window, std::function<void()> recreateNativeWindow)
    : m_window(window), m_recreateNativeWindow(std::move(recreateNativeWindow))
{
    m_window.FlatTitlebar1->setMoveHandler([this](QPoint proposed) { m_dockingStrip->moveSnapped(proposed); });
    m_window.FlatTitlebar1->setUseSystemMove(!platform::DesktopSession::programPlacesWindows());

    setUpTray();

    m_hiddenWindows = std::make_unique<HiddenWindows>(&m_window);
    m_iconifyCheck = std::make_unique<IconifyCheck>(m_window, [this] { iconifyIgnored(); });
    m_dockingStrip = std::make_unique<DockingStrip>(m_window);
    m_dockingStrip->setPointerLeavingReported(platform::WindowManagerFacts::reportsPointerLeaving());

    // A menu of the window keeps a docked window unrolled while it is open; when it closes
    // with the pointer elsewhere, no leave event follows to roll the strip up.
    for (QMenu* menu : {m_window.popGrid, m_window.popCat, m_window.popTray}) {
        connect(menu, &QMenu::aboutToHide, this,
                [this] { QTimer::singleShot(0, this, [this] { m_dockingStrip->rollUpUnlessPointerOver(); }); });
    }

    // Drawing the note pad at six sizes and encoding it as an icon file takes a few
    // milliseconds: the window and the tray get it once the event loop runs, so the window
    // does not wait for it to appear (the window manager takes an icon set later as well).
    QTimer::singleShot(0, this, [this] { showIcons(); });
}

WindowBehaviour::~WindowBehaviour() = default;

void WindowBehaviour::setUpTray()
{
    m_trayShell = std::make_unique<widgets::QtTrayShell>();
    m_trayIcon = std::make_unique<widgets::TTrayIcon>(*m_trayShell);
    m_trayShell->setMessageHandler(
        [this](unsigned message, unsigned mouseMessage) { return m_trayIcon->handleMessage(message, mouseMessage); });
    // A tray may come up at any time after the program (a desktop still starting, a panel
    // restarted): the icon goes there as soon as the window system says so.
    m_trayShell->setTrayChangeHandler([this] { trayMayHaveAppeared(); });
    m_trayIcon->setHint(QStringLiteral("Quibbet Standard"));
    m_trayIcon->setPopupMenu(m_window.popTray);
    m_trayIcon->OnClick = [this](widgets::TrayButton button, unsigned, int, int) { TrayIcon1Click(button); };
}

void WindowBehaviour::showIcons()
{
    m_window.setWindowIcon(notePadIcon());
    const widgets::TIcon notePad = widgets::TIcon::fromImages(notePadImages());
    m_trayIcon->setIcon(notePad);
    m_trayIcon->icons().add(notePad);
    m_trayIcon->afterLoad();
}

void WindowBehaviour::trayMayHaveAppeared()
{
    if (!m_trayIcon->isAdded())
        m_trayIcon->refreshIcon(); // tries the add again
}

void WindowBehaviour::registerHotKey()
{
    m_hotKey = platform::GlobalHotKey::create();
    connect(m_hotKey.get(), &platform::GlobalHotKey::activated, this, &WindowBehaviour::hotKeyPressed);
    m_hotKey->registerF9(); // failure is not reported: the program runs without a hot key
}

void WindowBehaviour::unregisterHotKey()
{
    if (m_hotKey)
        m_hotKey->unregister();
}

void WindowBehaviour::hotKeyPressed(int virtualKey)
{
    if (virtualKey == platform::GlobalHotKey::kF9)
        showOrHide();
}

void WindowBehaviour::TrayIcon1Click(widgets::TrayButton)
{
    showOrHide();
}

bool WindowBehaviour::isStayOnTop() const
{
    return m_stayOnTop;
}

void WindowBehaviour::setStayOnTop(bool on)
{
    m_stayOnTop = on;
    Qt::WindowFlags flags = m_window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    if (QWindow* handle = m_window.windowHandle()) {
        // Workaround: QWidget::setWindowFlags re-creates a window that exists, which hides
        // it; the native window takes the changed flag in place.
        m_window.overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        m_window.setWindowFlags(flags);
    }
}

void WindowBehaviour::btnLockClick()
{
    auto* lock = static_cast<QToolButton*>(m_window.btnLock);
    auto* key = static_cast<QToolButton*>(m_window.btnKey);
    const QIcon kept = lock->icon();
    setStayOnTop(!m_stayOnTop);
    lock->setIcon(key->icon());
    key->setIcon(kept);
}

void WindowBehaviour::SpeedButton2Click()
{
    minimiseApplication();
}

bool WindowBehaviour::isApplicationMinimised() const
{
    return m_window.isHidden() || m_window.isMinimized();
}

// Hidden, the program can only come back through the tray icon or the hot key; with
// neither at hand it goes to the task bar instead, where the user can find it.
bool WindowBehaviour::hasWayBack() const
{
    const bool trayShown = m_trayIcon && m_trayIcon->isAdded() && m_trayShell->isShown();
    return trayShown || (m_hotKey && m_hotKey->isWorking());
}

void WindowBehaviour::minimiseApplication()
{
    // A window system that cannot give a minimised window back to its program (Wayland)
    // would leave --toggle nothing to undo: there the window hides wherever --toggle
    // reaches the program.
    const bool toggleCanUndoHiding = m_toggleAnswered && !platform::DesktopSession::programCanRestoreMinimised();
    if (hasWayBack() || toggleCanUndoHiding) {
        hideApplication();
    } else {
        m_window.showMinimized();
        m_iconifyCheck->watch();
    }
}

void WindowBehaviour::hideApplication()
{
    forgetPointer();
    m_hiddenWindows->hideAll(&m_window);
    if (const QWindow* window = m_window.windowHandle())
        m_placeWhenHidden = platform::WindowManagerFacts::shownPosition(*window);
    m_window.hide();
}

// The window comes back where it was shown, whatever the window manager did with it while it
// was hidden, and the toolkit takes that place for its own (a window manager's moves do not
// always reach it).
void WindowBehaviour::placeAsWhenHidden()
{
    const std::optional<QPoint> place = std::exchange(m_placeWhenHidden, std::nullopt);
    const QWindow* window = m_window.windowHandle();
    if (!place || !window || !m_window.isHidden())
        return;
    // Workaround: a window manager that would map the window again at its frame's corner
    // (Weston through XWayland) is given a new window instead, which it maps where it is made.
    if (platform::WindowManagerFacts::keepsWithdrawnInFrame(*window))
        m_recreateNativeWindow();
    if (m_window.pos() != *place)
        m_window.move(*place);
}

// The window system ignored the request to minimise (Weston through XWayland), so the window
// is still on the screen: it hides where --toggle can bring it back, as on Wayland, and
// otherwise stays as it is, no longer taken for minimised.
void WindowBehaviour::iconifyIgnored()
{
    m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    if (m_toggleAnswered)
        hideApplication();
}

// A window that goes away under the pointer gets no word that the pointer left it on every
// window system (not on Wayland): the button last under it would come back drawn hovered.
void WindowBehaviour::forgetPointer()
{
    if (QWindow* window = m_window.windowHandle()) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(window, &leave);
    }
}

void WindowBehaviour::showOrHide()
{
    if (isApplicationMinimised())
        restoreApplication();
    else
        minimiseApplication();
}

void WindowBehaviour::bringToFront()
{
    if (isApplicationMinimised()) {
        restoreApplication();
        return;
    }
    m_window.raise();
    m_window.activateWindow();
    if (QWidget* waiting = QApplication::activeModalWidget()) {
        waiting->raise();
        waiting->activateWindow();
    }
}

void WindowBehaviour::restoreApplication()
{
    placeAsWhenHidden();
    m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
    m_hiddenWindows->showAgain();
    takeBackActivation();
    m_dockingStrip->rollUpUnlessPointerOver();
}

// Workaround: Qt lets go of the active window as soon as it is hidden, but of its focus window
// only once the lost focus is confirmed, a moment later. Shown again before that (F9 pressed
// twice quickly), the focus that comes back is no change to Qt, and the window, focused on the
// screen, is never made active again: shortcuts and typing went nowhere until the next hide.
void WindowBehaviour::takeBackActivation()
{
    const QWindow* focused = QGuiApplication::focusWindow();
    if (!focused || QApplication::activeWindow())
        return;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowHandle() == focused && window->isVisible()) {
            QT_WARNING_PUSH
            QT_WARNING_DISABLE_DEPRECATED
            QApplication::setActiveWindow(window);
            QT_WARNING_POP
            return;
        }
    }
}

} // namespace app
