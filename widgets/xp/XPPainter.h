#pragma once

#include "widgets/xp/ControlKinds.h"
#include "widgets/xp/XPColors.h"
#include "widgets/xp/XPSettings.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class QPainter;
class QWidget;

namespace widgets {

namespace xp {
class TControlSubClass;
class XPStyle;
} // namespace xp

// Paints the standard controls and menus of one dialog in a flat, light style: rounded
// buttons with a coloured inner rim on hover and focus, thin-bordered edits and memos,
// flat check boxes, and menus with an icon column. Switched on, it puts its style and a
// hook on every control of a kind it paints (XPControls) that sits on a container of a
// kind it serves (XPContainers); switched off, it gives them back their own look.
//
// The dynamic property "tag" of a widget or menu item steers it: 999 keeps it (and, on a
// container, its children) out; 1234567890 keeps its own background colours; a negative
// tag is hooked but keeps the standard painting.
class TXPPainter : public QObject {
    Q_OBJECT
public:
    // The container (a dialog) owns the painter.
    explicit TXPPainter(QWidget* container);
    ~TXPPainter() override;

    // Puts a painter named XPPainter1 with the settings the program's dialogs share on a
    // dialog whose controls exist, and switches it on.
    static TXPPainter* attachTo(QWidget* dialog);
    // The dialogs' settings: their humanist sans-serif menu font, every container, every control kind
    // but group boxes.
    void applyDialogSettings();

    QWidget* container() const { return m_container; }
    const xp::XPSettings& settings() const { return m_settings; }
    // The properties whose change only stores (sizes, levels and most colours).
    xp::XPSettings& settings() { return m_settings; }

    bool isActive() const { return m_active; }
    void setActive(bool on);
    void setXPControls(xp::TXPControls controls);
    void setXPContainers(xp::TXPContainers containers);
    void setOverrideOwnerDraw(bool on);
    void setFont(const QFont& font, TColor color);
    void setMenuBarColor(TColor color);
    void setUseSystemColors(bool on);
    void setAutoDetect(bool on);
    // On: brings back the true-XP colours and corner size. Off: changes no colour.
    void setControlUseTrueXPStyle(bool on);

    // The hook on a control or menu, or null when it is not hooked.
    xp::TControlSubClass* hookOf(const QWidget* widget) const { return m_hooks.value(widget); }
    int hookCount() const { return int(m_hooks.size()); }

    // The menu font in effect: the system's while UseSystemColors is on.
    QFont effectiveFont() const;
    xp::EffectiveColors PrepareColors(const QPainter& painter, const QWidget* widget) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void HookContainer(QWidget* container, bool enable, bool repaint);
    void hook(QWidget* widget, xp::ControlKind kind, bool repaint);
    void unhookAll();
    void repaintMenuBars();
    bool parentQualifies(const QWidget* widget) const;

    QWidget* m_container;
    xp::XPSettings m_settings;
    bool m_active = false;
    xp::XPStyle* m_style = nullptr;
    QHash<const QWidget*, xp::TControlSubClass*> m_hooks;
};

} // namespace widgets
