#include "platform/GlobalHotKey.h"

#include "platform/DesktopSession.h"
#include "platform/PortalHotKey.h"
#include "platform/X11HotKey.h"

#include <QDBusConnection>
#include <QGuiApplication>

namespace platform {

std::unique_ptr<GlobalHotKey> GlobalHotKey::create()
{
    // On a Wayland desktop an X11 grab would only see keys while one of its own windows has
    // the focus, so there only the desktop's own shortcut service counts.
    if (DesktopSession::isWaylandSession())
        return std::make_unique<PortalHotKey>(QDBusConnection::sessionBus());
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto key = X11HotKey::forApplication())
            return key;
    }
    return std::make_unique<NullHotKey>();
}

} // namespace platform
