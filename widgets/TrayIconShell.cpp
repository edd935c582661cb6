#include "widgets/TrayIconShell.h"

#include "widgets/Modal.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QWidget>

namespace widgets {

QtTrayShell::QtTrayShell(QObject* parent) : QObject(parent)
{
    connect(&m_tray, &QSystemTrayIcon::activated, this, &QtTrayShell::activated);
    if (QCoreApplication::instance()) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] { m_terminating = true; });
    }
    // The X11 platform follows the owner of the tray's selection and reports each change
    // through its native interface; it starts following once asked whether a tray exists.
    // The signal belongs to that platform alone, hence the connection by name.
    // (The interface is a QObject whose declaration is not public; it is its only base.)
    auto* native = reinterpret_cast<QObject*>(QGuiApplication::platformNativeInterface());
    if (native && native->metaObject()->indexOfSignal("systemTrayWindowChanged(QScreen*)") >= 0) {
        QSystemTrayIcon::isSystemTrayAvailable();
        connect(native, SIGNAL(systemTrayWindowChanged(QScreen*)), this, SLOT(trayWindowChanged()));
    }
}

void QtTrayShell::trayWindowChanged()
{
    if (m_trayChanged)
        m_trayChanged();
}

QtTrayShell::~QtTrayShell()
{
    m_tray.hide();
}

bool QtTrayShell::isShown() const
{
    return m_tray.isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayShell::show(const TrayNotifyData& data)
{
    m_tray.setIcon(data.icon ? data.icon->toQIcon() : QIcon());
    m_tray.setToolTip(data.tip);
}

bool QtTrayShell::add(const TrayNotifyData& data)
{
    // No tray on this desktop (yet): the add fails, and a later refresh tries again.
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    show(data);
    m_tray.show();
    return m_tray.isVisible();
}

void QtTrayShell::modify(const TrayNotifyData& data)
{
    show(data);
}

void QtTrayShell::remove(const TrayNotifyData&)
{
    m_tray.hide();
}

QPoint QtTrayShell::cursorPos() const
{
    return QCursor::pos();
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
