#pragma once

#include "widgets/TrayIconList.h"

#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

namespace widgets {

class TrayAnimation;

// The shell's mouse messages, as the notification area reports them for the icon.
namespace TrayMouseMessage {
constexpr unsigned Move = 0x200;
constexpr unsigned LeftDown = 0x201;
constexpr unsigned LeftUp = 0x202;
constexpr unsigned LeftDouble = 0x203;
constexpr unsigned RightDown = 0x204;
constexpr unsigned RightUp = 0x205;
constexpr unsigned RightDouble = 0x206;
constexpr unsigned MiddleDown = 0x207;
constexpr unsigned MiddleUp = 0x208;
constexpr unsigned MiddleDouble = 0x209;
} // namespace TrayMouseMessage

// The message number under which the shell reports mouse activity on the icon.
constexpr unsigned TrayCallbackMessage = 45140;

enum class TrayButton { Left, Right, Middle };

// Keys and buttons held during a tray mouse event.
namespace TrayShift {
constexpr unsigned Shift = 1;
constexpr unsigned Alt = 2;
constexpr unsigned Ctrl = 4;
constexpr unsigned Left = 8;
constexpr unsigned Right = 16;
constexpr unsigned Middle = 32;
constexpr unsigned Double = 64;
} // namespace TrayShift

// What is handed to the notification area for the entry.
struct TrayNotifyData {
    unsigned size = 88;
    unsigned id = 0;
    unsigned flags = 7; // message, icon and tip are set
    unsigned callbackMessage = TrayCallbackMessage;
    const TIcon* icon = nullptr; // none: the invalid handle
    QString tip;                 // at most 63 characters
};

// The notification area and the few window-system services the tray icon needs. The real
// one speaks to the desktop's tray; tests hand a fake.
class TrayShell {
public:
    virtual ~TrayShell() = default;
    // True when the entry now exists.
    virtual bool add(const TrayNotifyData& data) = 0;
    virtual void modify(const TrayNotifyData& data) = 0;
    virtual void remove(const TrayNotifyData& data) = 0;
    // The icon's menu changed (null: none). A tray that draws menus itself shows its entries.
    virtual void menuChanged(QMenu* menu) = 0;
    virtual QPoint cursorPos() const = 0;
    // The keyboard part of the shift state (shift, ctrl, alt).
    virtual unsigned keyboardShift() const = 0;
    // Around the popup menu: keep the icon's menu in front, end any mouse mode of the
    // program's windows, let pending messages through, then show the menu and wait for it.
    virtual void bringToForeground() = 0;
    virtual void cancelMouseMode() = 0;
    virtual void processPendingMessages() = 0;
    virtual void popupMenu(QMenu& menu, QPoint at) = 0;
    // The application's standard display of an error.
    virtual void showError(const QString& message) = 0;
    // Thread-safe: runs `step` later on the user-interface thread.
    virtual void runOnUiThread(std::function<void()> step) = 0;
    // Thread-safe.
    virtual bool applicationTerminating() const = 0;
};

// The program's entry in the notification area: adds, updates and removes it through the
// shell, turns the shell's mouse messages into events, pops up its menu on a right click,
// and can cycle through a list of icons.
class TTrayIcon {
public:
    using MouseEvent = std::function<void(TrayButton button, unsigned shift, int x, int y)>;
    using MoveEvent = std::function<void(unsigned shift, int x, int y)>;

    // The menu property that, set to false, keeps a menu from popping up by itself.
    static constexpr const char* kAutoPopupProperty = "autoPopup";

    explicit TTrayIcon(TrayShell& shell);
    ~TTrayIcon();
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    // Once the owner has set the properties up: shows the entry when Active. Until then
    // property changes add nothing.
    void afterLoad();

    bool active() const { return m_active; }
    void setActive(bool on);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool on) { m_enabled = on; }
    const QString& hint() const { return m_hint; }
    void setHint(const QString& hint);
    TIcon& icon() { return m_icon; }
    void setIcon(const TIcon& icon) { m_icon.assign(icon); }
    TIconList& icons() { return m_icons; }
    void setIcons(const TIconList& icons) { m_icons.copyFrom(&icons); }
    bool animated() const { return m_animated; }
    void setAnimated(bool on);
    unsigned interval() const { return m_interval; }
    void setInterval(unsigned milliseconds);
    QMenu* popupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu* menu);
    bool showDesign() const { return m_showDesign; } // kept for the stored layout only
    void setShowDesign(bool on) { m_showDesign = on; }

    MouseEvent OnClick;
    std::function<void()> OnDblClick;
    MoveEvent OnMouseMove;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;

    // The hidden window's message handler: true when the message was handled, false when it
    // belongs to the default handling.
    bool handleMessage(unsigned message, unsigned mouseMessage);

    void addIcon();
    void removeIcon();
    void refreshIcon();
    // The icon on show: the current frame while animating, otherwise Icon; may be null.
    const TIcon* currentIcon() const;
    // Returns whether the menu was shown.
    bool showTrayPopup(int x, int y);
    // Returns whether a default menu item was clicked.
    bool clickDefaultItem();

    bool isAdded() const { return m_added; }
    int frameIndex() const { return m_frameIndex; }
    const TrayNotifyData& notifyData() const { return m_notifyData; }
    // The hint up to its first "|".
    QString shortHint() const;

    // One animation step; runs on the user-interface thread.
    void advanceFrame();

protected:
    virtual void mouseDown(TrayButton button, unsigned shift, int x, int y);
    virtual void mouseUp(TrayButton button, unsigned shift, int x, int y);
    virtual void mouseMove(unsigned shift, int x, int y);
    virtual void handleClick(TrayButton button, unsigned shift, int x, int y);
    virtual void dblClick();
    virtual void fillNotifyData();

private:
    void translateMouseMessage(unsigned mouseMessage);

    static constexpr unsigned kClickedLeft = 1;
    static constexpr unsigned kClickedRight = 2;

    TrayShell& m_shell;
    bool m_active = true;
    bool m_added = false;
    bool m_animated = false;
    bool m_enabled = true;
    unsigned m_clicked = 0;
    int m_frameIndex = -1;
    unsigned m_interval = 150;
    TrayNotifyData m_notifyData;
    TIcon m_icon;
    TIconList m_icons;
    std::shared_ptr<TrayAnimation> m_animation;
    QString m_hint;
    bool m_showDesign = false;
    QPointer<QMenu> m_popupMenu;
    bool m_destroying = false;
    bool m_loaded = false;
};

} // namespace widgets
