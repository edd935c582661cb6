#include "widgets/TrayIconShell.h"

#include "platform/StatusNotifierItem.h"
#include "widgets/Modal.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace widgets {

namespace {

// The offscreen and minimal platforms have no desktop, hence no tray of any kind.
QDBusConnection desktopBus()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return QDBusConnection(QStringLiteral("quibbet-no-desktop-bus"));
    return QDBusConnection::sessionBus();
}

} // namespace

QtTrayShell::QtTrayShell(QObject* parent) : QtTrayShell(desktopBus(), parent) {}

QtTrayShell::QtTrayShell(QDBusConnection bus, QObject* parent)
    : QObject(parent), m_item(std::make_unique<platform::StatusNotifierItem>(std::move(bus)))
{
    if (QCoreApplication::instance()) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] { m_terminating = true; });
    }
    using Item = platform::StatusNotifierItem;
    connect(m_item.get(), &Item::activated, this,
            [this](QPoint at) { clickedOverBus(TrayMouseMessage::LeftDown, TrayMouseMessage::LeftUp, at); });
    connect(m_item.get(), &Item::secondaryActivated, this,
            [this](QPoint at) { clickedOverBus(TrayMouseMessage::MiddleDown, TrayMouseMessage::MiddleUp, at); });
    connect(m_item.get(), &Item::contextMenuRequested, this,
            [this](QPoint at) { clickedOverBus(TrayMouseMessage::RightDown, TrayMouseMessage::RightUp, at); });
    connect(m_item.get(), &Item::stateChanged, this, &QtTrayShell::trayMayHaveChanged);
    if (m_item->watcher() == Item::Watcher::Absent)
        xembedTray();
}

QtTrayShell::~QtTrayShell()
{
    if (m_tray)
        m_tray->hide();
}

// Made only once the bus has said that no D-Bus tray's watcher is there: Qt decides once per
// run, when the first tray icon is made or the first time it is asked whether a tray exists,
// to show every QSystemTrayIcon through a D-Bus tray if one is there then, and never through
// the XEmbed tray after that.
QSystemTrayIcon& QtTrayShell::xembedTray()
{
    if (m_tray)
        return *m_tray;
    m_tray = std::make_unique<QSystemTrayIcon>();
    m_tray->setIcon(m_icon);
    m_tray->setToolTip(m_tip);
    connect(m_tray.get(), &QSystemTrayIcon::activated, this, &QtTrayShell::activated);
    // The X11 platform follows the owner of the tray's selection and reports each change
    // through its native interface; it starts following once asked whether a tray exists.
    // The signal belongs to that platform alone, hence the connection by name.
    // (The interface is a QObject whose declaration is not public; it is its only base.)
    auto* native = reinterpret_cast<QObject*>(QGuiApplication::platformNativeInterface());
    if (native && native->metaObject()->indexOfSignal("systemTrayWindowChanged(QScreen*)") >= 0) {
        QSystemTrayIcon::isSystemTrayAvailable();
        connect(native, SIGNAL(systemTrayWindowChanged(QScreen*)), this, SLOT(trayWindowChanged()));
    }
    return *m_tray;
}

void QtTrayShell::trayWindowChanged()
{
    showXEmbedWhereNoDBusTray();
    // Qt docks its icon window again after this signal, in a window made anew.
    QTimer::singleShot(0, this, [this] { keepAnsweringWhileModal(); });
    if (m_trayChanged)
        m_trayChanged();
}

void QtTrayShell::trayMayHaveChanged()
{
    showXEmbedWhereNoDBusTray();
    if (m_trayChanged)
        m_trayChanged();
}

bool QtTrayShell::isShown() const
{
    return m_item->isShown() || (m_tray && m_tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable());
}

// Both kinds of tray are kept up to date; only one of them shows the entry.
void QtTrayShell::show(const TrayNotifyData& data)
{
    m_icon = data.icon ? data.icon->toQIcon() : QIcon();
    m_tip = data.tip;
    if (m_tray) {
        m_tray->setIcon(m_icon);
        m_tray->setToolTip(m_tip);
    }
    m_item->setIcon(data.icon ? data.icon->images() : QList<QImage>());
    m_item->setToolTip(data.tip);
}

bool QtTrayShell::add(const TrayNotifyData& data)
{
    show(data);
    m_wanted = true;
    followWanted();
    // A D-Bus tray takes the item a moment later; the tray change handler then says so.
    return isShown();
}

void QtTrayShell::modify(const TrayNotifyData& data)
{
    show(data);
}

void QtTrayShell::remove(const TrayNotifyData&)
{
    // The tray icon removes its entry before each add: the entry leaves the trays only if no
    // add follows before the event loop runs again, so neither tray sees it go and come.
    m_wanted = false;
    QTimer::singleShot(0, this, [this] { followWanted(); });
}

void QtTrayShell::followWanted()
{
    m_item->setWanted(m_wanted);
    showXEmbedWhereNoDBusTray();
}

void QtTrayShell::showXEmbedWhereNoDBusTray()
{
    // Not both: a desktop with both kinds (a proxy turns XEmbed icons into D-Bus items) would
    // show the icon twice. Until the bus has said whether a watcher is there, neither.
    if (m_item->watcher() == platform::StatusNotifierItem::Watcher::Absent)
        xembedTray();
    if (!m_tray)
        return;
    const bool wanted = m_wanted && m_item->watcher() == platform::StatusNotifierItem::Watcher::Absent &&
                        QSystemTrayIcon::isSystemTrayAvailable();
    if (wanted && !m_tray->isVisible()) {
        m_tray->show();
        keepAnsweringWhileModal();
    } else if (!wanted && m_tray->isVisible()) {
        m_tray->hide();
    }
}

// Workaround: while a modal dialog is open, Qt passes mouse input only to that dialog and to
// popups, so the XEmbed icon's window would ignore every click (F9 goes on working). The
// icon's window is marked as a popup, which modality never blocks, each time Qt makes it.
void QtTrayShell::keepAnsweringWhileModal()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        QWindow* window = widget->windowHandle();
        if (!window || window->objectName() != QLatin1String("QSystemTrayIconSysWindow"))
            continue;
        widget->removeEventFilter(this);
        widget->installEventFilter(this); // tells when the window is made anew
        if (window->type() != Qt::Popup)
            window->setFlags((window->flags() & ~Qt::WindowType_Mask) | Qt::Popup);
    }
}

bool QtTrayShell::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WinIdChange)
        keepAnsweringWhileModal();
    else if (watched == m_menu && (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionRemoved))
        QTimer::singleShot(0, this, [this] { exportMenu(); });
    return QObject::eventFilter(watched, event);
}

void QtTrayShell::menuChanged(QMenu* menu)
{
    if (m_menu)
        m_menu->removeEventFilter(this);
    m_menu = menu;
    if (m_menu)
        m_menu->installEventFilter(this);
    exportMenu();
}

// A D-Bus tray draws the menu itself from its entries; the painted menu is for the rest.
void QtTrayShell::exportMenu()
{
    m_item->setMenu(m_menu ? m_menu->actions() : QList<QAction*>());
}

QPoint QtTrayShell::cursorPos() const
{
    return m_clickAt.value_or(QCursor::pos());
}

unsigned QtTrayShell::keyboardShift() const
{
    const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    unsigned shift = 0;
    if (held & Qt::ShiftModifier)
        shift |= TrayShift::Shift;
    if (held & Qt::AltModifier)
        shift |= TrayShift::Alt;
    if (held & Qt::ControlModifier)
        shift |= TrayShift::Ctrl;
    return shift;
}

// The menu here is a window of the program itself and takes the focus on its own.
void QtTrayShell::bringToForeground() {}

void QtTrayShell::cancelMouseMode()
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

// Qt delivers what is pending before the menu's own loop starts.
void QtTrayShell::processPendingMessages() {}

void QtTrayShell::popupMenu(QMenu& menu, QPoint at)
{
    menu.exec(at);
}

void QtTrayShell::showError(const QString& message)
{
    Modal::message(nullptr, QMessageBox::Critical, QApplication::applicationName(), message);
}

void QtTrayShell::runOnUiThread(std::function<void()> step)
{
    QMetaObject::invokeMethod(this, std::move(step), Qt::QueuedConnection);
}

void QtTrayShell::send(unsigned mouseMessage)
{
    if (m_handler)
        m_handler(TrayCallbackMessage, mouseMessage);
}

void QtTrayShell::clickedOverBus(unsigned down, unsigned up, QPoint at)
{
    if (!at.isNull())
        m_clickAt = at;
    send(down);
    send(up);
    m_clickAt.reset();
}

void QtTrayShell::activated(QSystemTrayIcon::ActivationReason reason)
{
    using namespace TrayMouseMessage;
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        send(LeftDown);
        send(LeftUp);
        break;
    case QSystemTrayIcon::DoubleClick:
        send(LeftDouble);
        send(LeftUp);
        break;
    case QSystemTrayIcon::Context:
        send(RightDown);
        send(RightUp);
        break;
    case QSystemTrayIcon::MiddleClick:
        send(MiddleDown);
        send(MiddleUp);
        break;
    case QSystemTrayIcon::Unknown:
        break;
    }
}

} // namespace widgets
