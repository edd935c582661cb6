#include "platform/WindowManagerFacts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace platform {

namespace {

constexpr std::uint32_t kWmStateIconic = 3; // ICCCM

xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, std::uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

xcb_window_t rootOf(xcb_connection_t* connection)
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    return screen ? screen->root : xcb_window_t(XCB_WINDOW_NONE);
}

// The window's top-left corner on the root window, in the server's pixels.
std::optional<QPoint> serverPosition(xcb_connection_t* connection, xcb_window_t window)
{
    const xcb_window_t root = rootOf(connection);
    if (root == XCB_WINDOW_NONE)
        return std::nullopt;
    xcb_translate_coordinates_reply_t* reply =
        xcb_translate_coordinates_reply(connection, xcb_translate_coordinates(connection, window, root, 0, 0), nullptr);
    if (!reply)
        return std::nullopt;
    const QPoint position(reply->dst_x, reply->dst_y);
    std::free(reply);
    return position;
}

} // namespace

bool WindowManagerFacts::isIconic(const QWindow& window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window.handle())
        return false;
    const xcb_atom_t wmState = atomNamed(connection, "WM_STATE");
    if (wmState == XCB_ATOM_NONE)
        return false;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, xcb_window_t(window.winId()), wmState, wmState, 0, 1), nullptr);
    const bool iconic = reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4 &&
                        *static_cast<const std::uint32_t*>(xcb_get_property_value(reply)) == kWmStateIconic;
    std::free(reply);
    return iconic;
}

std::optional<QPoint> WindowManagerFacts::shownPosition(const QWindow& window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window.handle() || !window.isExposed())
        return std::nullopt;
    const std::optional<QPoint> position = serverPosition(connection, xcb_window_t(window.winId()));
    if (!position)
        return std::nullopt;
    const qreal ratio = window.devicePixelRatio();
    return QPoint(qRound(position->x() / ratio), qRound(position->y() / ratio));
}

bool WindowManagerFacts::keepsWithdrawnInFrame(const QWindow& window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window.handle())
        return false;
    const auto id = xcb_window_t(window.winId());
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr);
    const bool framed = tree && tree->parent != tree->root;
    std::free(tree);
    if (!framed)
        return false;
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr);
    const bool inset = geometry && (geometry->x != 0 || geometry->y != 0);
    std::free(geometry);
    return inset;
}

bool WindowManagerFacts::reportsPointerLeaving()
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return true;
    // XWayland names its screens' outputs after itself; later versions also announce an
    // extension of that name.
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->name().startsWith(QLatin1String("XWAYLAND")))
            return false;
    }
    const char name[] = "XWAYLAND";
    xcb_query_extension_reply_t* reply = xcb_query_extension_reply(
        connection, xcb_query_extension(connection, std::uint16_t(std::strlen(name)), name), nullptr);
    const bool xwayland = reply && reply->present;
    std::free(reply);
    return !xwayland;
}

} // namespace platform
