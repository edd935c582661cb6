#include "platform/X11HotKey.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <algorithm>
#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

Q_LOGGING_CATEGORY(lcHotKey, "quibbet.hotkey")

namespace platform {

namespace {

constexpr xcb_keysym_t kKeysymF9 = 0xffc6;
constexpr xcb_keysym_t kKeysymNumLock = 0xff7f;

// Keycodes producing a keysym, from the server's current keyboard map.
std::vector<xcb_keycode_t> keycodesFor(xcb_connection_t* connection, xcb_keysym_t keysym)
{
    std::vector<xcb_keycode_t> keycodes;
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);
    if (!symbols)
        return keycodes;
    if (xcb_keycode_t* found = xcb_key_symbols_get_keycode(symbols, keysym)) {
        for (xcb_keycode_t* code = found; *code != XCB_NO_SYMBOL; ++code)
            keycodes.push_back(*code);
        std::free(found);
    }
    xcb_key_symbols_free(symbols);
    return keycodes;
}

} // namespace

X11HotKey::X11HotKey(xcb_connection_t* connection, std::uint32_t rootWindow, QObject* parent)
    : GlobalHotKey(parent), m_connection(connection), m_root(rootWindow)
{
}

X11HotKey::~X11HotKey()
{
    unregister();
}

std::unique_ptr<X11HotKey> X11HotKey::forApplication()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return nullptr;
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return nullptr;
    return std::make_unique<X11HotKey>(connection, screen->root);
}

std::uint16_t X11HotKey::numLockMask() const
{
    const std::vector<xcb_keycode_t> numLockKeys = keycodesFor(m_connection, kKeysymNumLock);
    xcb_get_modifier_mapping_reply_t* reply =
        xcb_get_modifier_mapping_reply(m_connection, xcb_get_modifier_mapping(m_connection), nullptr);
    if (!reply)
        return 0;
    std::uint16_t mask = 0;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply);
    const int perModifier = reply->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8 && !mask; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            const xcb_keycode_t code = codes[modifier * perModifier + i];
            if (code != 0 && std::find(numLockKeys.begin(), numLockKeys.end(), code) != numLockKeys.end()) {
                mask = std::uint16_t(1u << modifier);
                break;
            }
        }
    }
    std::free(reply);
    return mask;
}

std::vector<X11HotKey::Grab> X11HotKey::wantedGrabs() const
{
    const std::uint16_t numLock = numLockMask();
    std::vector<std::uint16_t> lockStates{0, XCB_MOD_MASK_LOCK};
    if (numLock) {
        lockStates.push_back(numLock);
        lockStates.push_back(std::uint16_t(numLock | XCB_MOD_MASK_LOCK));
    }
    std::vector<Grab> grabs;
    for (xcb_keycode_t keycode : keycodesFor(m_connection, kKeysymF9)) {
        for (std::uint16_t modifiers : lockStates)
            grabs.push_back({keycode, modifiers});
    }
    return grabs;
}

bool X11HotKey::registerF9()
{
    if (m_registered)
        return true;
    const std::vector<Grab> grabs = wantedGrabs();
    if (grabs.empty()) {
        qCInfo(lcHotKey) << "no key on this keyboard produces F9";
        return false;
    }
    std::vector<xcb_void_cookie_t> cookies;
    for (const Grab& grab : grabs) {
        // Not owner-events: the press always arrives for the root window, even while one of
        // our own windows has the focus.
        cookies.push_back(xcb_grab_key_checked(m_connection, 0, m_root, grab.modifiers, grab.keycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    // Checking each request waits for the server's answer: another client's grab of the same
    // key comes back as an access error.
    bool failed = false;
    for (xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
            failed = true;
            std::free(error);
        }
    }
    if (failed) {
        qCInfo(lcHotKey) << "F9 is held by another program";
        releaseGrabs(grabs);
        return false;
    }
    m_grabs = grabs;
    m_lockMask = std::uint16_t(XCB_MOD_MASK_LOCK | numLockMask());
    m_registered = true;
    QCoreApplication::instance()->installNativeEventFilter(this);
    return true;
}

void X11HotKey::releaseGrabs(const std::vector<Grab>& grabs)
{
    for (const Grab& grab : grabs)
        xcb_ungrab_key(m_connection, grab.keycode, m_root, grab.modifiers);
    xcb_flush(m_connection);
}

void X11HotKey::unregister()
{
    if (!m_registered)
        return;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    releaseGrabs(m_grabs);
    m_grabs.clear();
    m_registered = false;
}

bool X11HotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    if (press->event != m_root || (press->state & ~m_lockMask) != 0)
        return false;
    for (const Grab& grab : m_grabs) {
        if (grab.keycode == press->detail) {
            emit activated(kF9);
            break;
        }
    }
    // Not swallowed: the toolkit still takes the press's time stamp, which the window needs
    // to be allowed to take the focus when it comes back.
    return false;
}

} // namespace platform
