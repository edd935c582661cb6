#pragma once

#include <QObject>
#include <memory>

namespace platform {

// A key that reaches the program wherever the focus is. One implementation per window
// system, chosen once at start-up; where none can be had, the null one does nothing.
class GlobalHotKey : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~GlobalHotKey() override = default;

    // F9 without modifiers. Returns whether the key is (or, for asynchronous back ends,
    // is being) registered; failure is not reported to the user.
    virtual bool registerF9() = 0;
    virtual void unregister() = 0;

    // The right one for the platform the application runs on.
    static std::unique_ptr<GlobalHotKey> create();

signals:
    // The virtual key that was pressed (0x78 for F9).
    void activated(int virtualKey);
};

class NullHotKey final : public GlobalHotKey {
    Q_OBJECT
public:
    using GlobalHotKey::GlobalHotKey;
    bool registerF9() override { return false; }
    void unregister() override {}
};

} // namespace platform
