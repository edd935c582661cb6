// Window behaviour: stay on top, minimise and restore, the hot key, the tray icon, edge
// snapping, the docking strip, close and exit, and notes written by other processes.
#include "app/MiniForm.h"

#include "app/EdgeSnapping.h"
#include "app/HiddenWindows.h"
#include "app/IconifyCheck.h"
#include "app/UnreportedLeave.h"
#include "app/WindowPictures.h"
#include "platform/DesktopSession.h"
#include "platform/GlobalHotKey.h"
#include "platform/WindowManagerFacts.h"
#include "widgets/FlatTitlebar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QMenu>
#include <QMoveEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace app {

namespace {

int primaryScreenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

} // namespace

void TMiniForm::setUpWindowBehaviour()
{
    FlatTitlebar1->setMoveHandler([this](QPoint proposed) { moveSnapped(proposed); });
    FlatTitlebar1->setUseSystemMove(!platform::DesktopSession::programPlacesWindows());

    m_trayShell = std::make_unique<widgets::QtTrayShell>();
    m_trayIcon = std::make_unique<widgets::TTrayIcon>(*m_trayShell);
    TrayIcon1 = m_trayIcon.get();
    m_trayShell->setMessageHandler(
        [this](unsigned message, unsigned mouseMessage) { return TrayIcon1->handleMessage(message, mouseMessage); });
    // A tray may come up at any time after the program (a desktop still starting, a panel
    // restarted): the icon goes there as soon as the window system says so.
    m_trayShell->setTrayChangeHandler([this] { trayMayHaveAppeared(); });
    TrayIcon1->setHint(QStringLiteral("Quibbet Standard"));
    TrayIcon1->setPopupMenu(popTray);
    TrayIcon1->OnClick = [this](widgets::TrayButton button, unsigned, int, int) { TrayIcon1Click(button); };

    m_hiddenWindows = new HiddenWindows(this);
    m_iconifyCheck = new IconifyCheck(*this, [this] { iconifyIgnored(); });
    m_unreportedLeave = new UnreportedLeave(
        *this, [this] { rollUpIfPointerGone(); }, [this] { unrollForPointer(); });
    setPointerLeavingReported(platform::WindowManagerFacts::reportsPointerLeaving());

    // Help without a tray: F1 anywhere in the main window.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { Help1Click(); });

    // A menu of the window keeps a docked window unrolled while it is open; when it closes
    // with the pointer elsewhere, no leave event follows to roll the strip up.
    for (QMenu* menu : {popGrid, popCat, popTray}) {
        connect(menu, &QMenu::aboutToHide, this,
                [this] { QTimer::singleShot(0, this, [this] { rollUpUnlessPointerOver(); }); });
    }

    // Drawing the note pad at six sizes and encoding it as an icon file takes a few
    // milliseconds: the window and the tray get it once the event loop runs, so the window
    // does not wait for it to appear (the window manager takes an icon set later as well).
    QTimer::singleShot(0, this, [this] { showIcons(); });
}

void TMiniForm::showIcons()
{
    setWindowIcon(notePadIcon());
    const widgets::TIcon notePad = widgets::TIcon::fromImages(notePadImages());
    TrayIcon1->setIcon(notePad);
    TrayIcon1->icons().add(notePad);
    TrayIcon1->afterLoad();
}

void TMiniForm::trayMayHaveAppeared()
{
    if (!TrayIcon1->isAdded())
        TrayIcon1->refreshIcon(); // tries the add again
}

bool TMiniForm::isStayOnTop() const
{
    return m_stayOnTop;
}

void TMiniForm::setStayOnTop(bool on)
{
    m_stayOnTop = on;
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    if (QWindow* handle = windowHandle()) {
        // Workaround: QWidget::setWindowFlags re-creates a window that exists, which hides
        // it; the native window takes the changed flag in place.
        overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
}

void TMiniForm::btnLockClick()
{
    auto* lock = static_cast<QToolButton*>(btnLock);
    auto* key = static_cast<QToolButton*>(btnKey);
    const QIcon kept = lock->icon();
    setStayOnTop(!m_stayOnTop);
    lock->setIcon(key->icon());
    key->setIcon(kept);
}

void TMiniForm::SpeedButton2Click()
{
    minimiseApplication();
}

bool TMiniForm::isApplicationMinimised() const
{
    return isHidden() || isMinimized();
}

// Hidden, the program can only come back through the tray icon or the hot key; with
// neither at hand it goes to the task bar instead, where the user can find it.
bool TMiniForm::hasWayBack() const
{
    const bool trayShown = TrayIcon1 && TrayIcon1->isAdded() && m_trayShell->isShown();
    return trayShown || (m_hotKey && m_hotKey->isWorking());
}

void TMiniForm::minimiseApplication()
{
    // A window system that cannot give a minimised window back to its program (Wayland)
    // would leave --toggle nothing to undo: there the window hides wherever --toggle
    // reaches the program.
    const bool toggleCanUndoHiding = m_toggleAnswered && !platform::DesktopSession::programCanRestoreMinimised();
    if (hasWayBack() || toggleCanUndoHiding) {
        hideApplication();
    } else {
        showMinimized();
        m_iconifyCheck->watch();
    }
}

void TMiniForm::hideApplication()
{
    forgetPointer();
    m_hiddenWindows->hideAll(this);
    if (const QWindow* window = windowHandle())
        m_placeWhenHidden = platform::WindowManagerFacts::shownPosition(*window);
    hide();
}

// The window comes back where it was shown, whatever the window manager did with it while it
// was hidden, and the toolkit takes that place for its own (a window manager's moves do not
// always reach it).
void TMiniForm::placeAsWhenHidden()
{
    const std::optional<QPoint> place = std::exchange(m_placeWhenHidden, std::nullopt);
    const QWindow* window = windowHandle();
    if (!place || !window || !isHidden())
        return;
    // Workaround: a window manager that would map the window again at its frame's corner
    // (Weston through XWayland) is given a new window instead, which it maps where it is made.
    if (platform::WindowManagerFacts::keepsWithdrawnInFrame(*window))
        destroy();
    if (pos() != *place)
        move(*place);
}

// The window system ignored the request to minimise (Weston through XWayland), so the window
// is still on the screen: it hides where --toggle can bring it back, as on Wayland, and
// otherwise stays as it is, no longer taken for minimised.
void TMiniForm::iconifyIgnored()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    if (m_toggleAnswered)
        hideApplication();
}

// A window that goes away under the pointer gets no word that the pointer left it on every
// window system (not on Wayland): the button last under it would come back drawn hovered.
void TMiniForm::forgetPointer()
{
    if (QWindow* window = windowHandle()) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(window, &leave);
    }
}

void TMiniForm::showOrHide()
{
    if (isApplicationMinimised())
        restoreApplication();
    else
        minimiseApplication();
}

void TMiniForm::bringToFront()
{
    if (isApplicationMinimised()) {
        restoreApplication();
        return;
    }
    raise();
    activateWindow();
    if (QWidget* waiting = QApplication::activeModalWidget()) {
        waiting->raise();
        waiting->activateWindow();
    }
}

void TMiniForm::restoreApplication()
{
    placeAsWhenHidden();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    m_hiddenWindows->showAgain();
    takeBackActivation();
    rollUpUnlessPointerOver();
}

// Workaround: Qt lets go of the active window as soon as it is hidden, but of its focus window
// only once the lost focus is confirmed, a moment later. Shown again before that (F9 pressed
// twice quickly), the focus that comes back is no change to Qt, and the window, focused on the
// screen, is never made active again: shortcuts and typing went nowhere until the next hide.
void TMiniForm::takeBackActivation()
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

void TMiniForm::rollUpUnlessPointerOver()
{
    if (m_dockedAtTop && isVisible() && !frameGeometry().contains(QCursor::pos()))
        resize(width(), kStripHeight);
}

void TMiniForm::setPointerLeavingReported(bool reported)
{
    m_unreportedLeave->setEnabled(!reported);
}

// The pointer may have left without a word (XWayland). A window in use, one of the program's
// dialogs or menus included, stays unrolled until the user turns to another program; the
// pointer coming back over the strip unrolls it again.
void TMiniForm::rollUpIfPointerGone()
{
    if (m_dockedAtTop && isVisible() && height() != kStripHeight && !QApplication::activeWindow() &&
        !QApplication::activePopupWidget())
        resize(width(), kStripHeight);
}

// A strip rolled up under a resting pointer unrolls as soon as the pointer moves over it: with
// the pointer inside it all along, no word that it entered comes.
void TMiniForm::unrollForPointer()
{
    if (m_dockedAtTop && height() != m_savedHeight)
        resize(width(), m_savedHeight);
}

void TMiniForm::reloadIfFileChanged()
{
    // Only with the list in front: a rebuild in edit mode would take the memo's note as the
    // one an Apply changes. The change is taken up when the window next comes forward.
    if (!m_state.InBrowseMode)
        return;
    if (m_notesFile->version().changedSinceRead())
        guarded([this] {
            refreshTabsFromFile();
            sendReloadNoteList();
            OpenDueReminders();
        });
    m_notesFile->version().markRead();
}

void TMiniForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        reloadIfFileChanged();
    // Restored from the task bar, as after the program's own restore.
    if (event->type() == QEvent::WindowStateChange &&
        (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) && !isMinimized())
        QTimer::singleShot(0, this, [this] { rollUpUnlessPointerOver(); });
    QWidget::changeEvent(event);
}

void TMiniForm::TrayIcon1Click(widgets::TrayButton)
{
    showOrHide();
}

void TMiniForm::hotKeyPressed(int virtualKey)
{
    if (virtualKey == platform::GlobalHotKey::kF9)
        showOrHide();
}

void TMiniForm::moveSnapped(QPoint proposed)
{
    const SnappedPosition snapped = snapToEdges(proposed, y(), primaryScreenWidth(), width());
    m_dockedAtTop = snapped.dockedAtTop;
    move(snapped.position);
}

void TMiniForm::moveEvent(QMoveEvent* event)
{
    // Moves the program did not make itself (the window system's own keyboard or Alt-drag
    // moves) snap too. A window system that will not take the snapped place is not asked
    // twice, so the two never argue.
    const SnappedPosition snapped = snapToEdges(event->pos(), event->oldPos().y(), primaryScreenWidth(), width());
    m_dockedAtTop = snapped.dockedAtTop;
    if (m_snapCorrectionPending) {
        m_snapCorrectionPending = false;
    } else if (snapped.position != event->pos() && isVisible()) {
        m_snapCorrectionPending = true;
        move(snapped.position);
    }
    QWidget::moveEvent(event);
}

void TMiniForm::enterEvent(QEnterEvent* event)
{
    if (m_dockedAtTop)
        resize(width(), m_savedHeight);
    QWidget::enterEvent(event);
}

void TMiniForm::leaveEvent(QEvent* event)
{
    // Leaving for a part of the window that is not a child (a menu of its own) must not
    // roll it up while the pointer is still over it.
    if (m_dockedAtTop && !frameGeometry().contains(QCursor::pos()))
        resize(width(), kStripHeight);
    QWidget::leaveEvent(event);
}

void TMiniForm::FormShow()
{
    m_dockedAtTop = false;
}

void TMiniForm::showEvent(QShowEvent* event)
{
    // Coming back from hiding is not a new showing of the window.
    if (!m_shownBefore && !event->spontaneous()) {
        m_shownBefore = true;
        FormShow();
    }
    if (!event->spontaneous())
        reloadIfFileChanged();
    QWidget::showEvent(event);
}

void TMiniForm::FormClose()
{
    if (m_hotKey)
        m_hotKey->unregister();
}

void TMiniForm::closeEvent(QCloseEvent* event)
{
    storeBeforeExit();
    FormClose();
    event->accept();
    QApplication::quit();
}

void TMiniForm::Exit1Click()
{
    QApplication::quit();
}

} // namespace app
