#include "platform/DesktopSession.h"

#include <QGuiApplication>
#include <QtGlobal>

namespace platform {

bool DesktopSession::isWaylandSession()
{
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool DesktopSession::preferX11WhereAvailable()
{
    if (!isWaylandSession() || qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

void DesktopSession::forgetPlatformChoice()
{
    qunsetenv("QT_QPA_PLATFORM");
}

bool DesktopSession::programPlacesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool DesktopSession::programCanRestoreMinimised()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace platform
