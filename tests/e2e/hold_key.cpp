// Holds a global grab of F9 without modifiers on the root window, as another program that
// took the key first would, until it is killed. Prints "holding" once the grab is in place;
// exits with status 1 when the key could not be grabbed.
#include <cstdio>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

int main()
{
    constexpr xcb_keysym_t kF9 = 0xffc6;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);
    const xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, kF9);
    if (!codes || codes[0] == XCB_NO_SYMBOL)
        return 1;
    const xcb_void_cookie_t cookie =
        xcb_grab_key_checked(connection, 1, root, 0, codes[0], XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    if (xcb_request_check(connection, cookie))
        return 1;
    std::puts("holding");
    std::fflush(stdout);
    for (;;)
        pause();
}
