#pragma once

#include "platform/GlobalHotKey.h"

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <vector>

struct xcb_connection_t;

namespace platform {

// F9 grabbed on the X root window. The grab is taken once for each state of Caps Lock and
// Num Lock, since the server matches a grab against the exact modifier state, lock keys
// included; a key that another client has grabbed already is reported as a failure.
class X11HotKey final : public GlobalHotKey, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    X11HotKey(xcb_connection_t* connection, std::uint32_t rootWindow, QObject* parent = nullptr);
    ~X11HotKey() override;

    // The key on the application's own X connection; null when it has none.
    static std::unique_ptr<X11HotKey> forApplication();

    bool registerF9() override;
    void unregister() override;
    bool isWorking() const override { return m_registered; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Grab {
        std::uint8_t keycode;
        std::uint16_t modifiers;
    };
    std::vector<Grab> wantedGrabs() const;
    std::uint16_t numLockMask() const;
    void releaseGrabs(const std::vector<Grab>& grabs);

    xcb_connection_t* m_connection;
    std::uint32_t m_root;
    std::vector<Grab> m_grabs;
    std::uint16_t m_lockMask = 0; // the lock modifiers a press may carry
    bool m_registered = false;
};

} // namespace platform
