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

    // The virtual key number the key is reported with.
    static constexpr int kF9 = 0x78;

    // F9 without modifiers. Returns whether the key is (or, for asynchronous back ends,
    // is being) registered; failure is not reported to the user.
    virtual bool registerF9() = 0;
    virtual void unregister() = 0;
    // True once the key is known to reach the program from anywhere on the desktop.
    virtual bool isWorking() const = 0;

    // The right one for the platform the application runs on.
    static std::unique_ptr<GlobalHotKey> create();

signals:
    // The virtual key that was pressed (kF9).
    void activated(int virtualKey);
};

class NullHotKey final : public GlobalHotKey {
    Q_OBJECT
public:
    using GlobalHotKey::GlobalHotKey;
    bool registerF9() override { return false; }
    void unregister() override {}
    bool isWorking() const override { return false; }
};

} // namespace platform
