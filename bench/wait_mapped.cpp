// Waits until a top-level window named "Quibbet" is mapped on the X server of $DISPLAY and
// then exits; started before the program it watches, so no map goes unseen.
// Prints "ready" once it listens, so the caller knows when to start the program.
#include <cstdio>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace {
bool isQuibbet(xcb_connection_t* connection, xcb_window_t window)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 64);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &free);
    if (!reply)
        return false;
    const int length = xcb_get_property_value_length(reply.get());
    return length == 7 && std::memcmp(xcb_get_property_value(reply.get()), "Quibbet", 7) == 0;
}
} // namespace

int main()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 2;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    std::printf("ready\n");
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        const xcb_window_t window = mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
        free(event);
        if (mapped && isQuibbet(connection, window)) {
            xcb_disconnect(connection);
            return 0;
        }
    }
    return 1;
}
