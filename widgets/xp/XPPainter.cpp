#include "widgets/xp/XPPainter.h"

#include "widgets/xp/ControlSubClass.h"
#include "widgets/xp/XPStyle.h"

#include <QApplication>
#include <QChildEvent>
#include <QFontDatabase>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>

namespace widgets {

using namespace xp;

namespace {

// The dialogs' face: a humanist sans-serif, open and legible at small sizes.
QString dialogFace()
{
    const QStringList families = QFontDatabase::families();
    for (const QString& candidate : {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}) {
        if (families.contains(candidate))
            return candidate;
    }
    return QApplication::font().family();
}

} // namespace

TXPPainter::TXPPainter(QWidget* container) : QObject(container), m_container(container)
{
    m_settings.Font = QApplication::font("QMenu");
    m_style = new XPStyle(this);
}

TXPPainter::~TXPPainter()
{
    unhookAll();
    delete m_style;
}

TXPPainter* TXPPainter::attachTo(QWidget* dialog)
{
    auto* painter = new TXPPainter(dialog);
    painter->setObjectName(QStringLiteral("XPPainter1"));
    painter->applyDialogSettings();
    painter->setActive(true);
    return painter;
}

void TXPPainter::applyDialogSettings()
{
    QFont font(dialogFace());
    font.setPixelSize(11); // a character height of 11 pixels: 8 points on a 96-dpi screen
    m_settings.Font = font;
    m_settings.FontColor = clMenuText;
    m_settings.SelectFontColor = clMenuText;
    setXPControls(kAllControls & ~xcGroupBox);
    setXPContainers(kAllContainers);
}

void TXPPainter::setActive(bool on)
{
    if (on == m_active)
        return;
    m_active = on;
    HookContainer(m_container, on, true);
    repaintMenuBars();
}

void TXPPainter::setXPControls(TXPControls controls)
{
    if (controls == m_settings.XPControls)
        return;
    if (!m_active) {
        m_settings.XPControls = controls;
        return;
    }
    HookContainer(m_container, false, false);
    m_settings.XPControls = controls;
    HookContainer(m_container, true, true);
}

void TXPPainter::setXPContainers(TXPContainers containers)
{
    if (containers == m_settings.XPContainers)
        return;
    if (!m_active) {
        m_settings.XPContainers = containers;
        return;
    }
    HookContainer(m_container, false, false);
    m_settings.XPContainers = containers;
    HookContainer(m_container, true, true);
}

void TXPPainter::setOverrideOwnerDraw(bool on)
{
    m_settings.OverrideOwnerDraw = on;
    if (m_active)
        HookContainer(m_container, true, true);
}

void TXPPainter::setFont(const QFont& font, TColor color)
{
    m_settings.Font = font;
    m_settings.FontColor = color;
    repaintMenuBars();
}

void TXPPainter::setMenuBarColor(TColor color)
{
    m_settings.MenuBarColor = color;
    repaintMenuBars();
}

void TXPPainter::setUseSystemColors(bool on)
{
    m_settings.UseSystemColors = on;
    repaintMenuBars();
}

void TXPPainter::setAutoDetect(bool on)
{
    m_settings.AutoDetect = on;
    if (on)
        m_container->installEventFilter(this);
    else
        m_container->removeEventFilter(this);
}

void TXPPainter::setControlUseTrueXPStyle(bool on)
{
    m_settings.ControlUseTrueXPStyle = on;
    if (on)
        m_settings.resetTrueXPColors();
}

QFont TXPPainter::effectiveFont() const
{
    return m_settings.UseSystemColors ? QApplication::font("QMenu") : m_settings.Font;
}

EffectiveColors TXPPainter::PrepareColors(const QPainter& painter, const QWidget* widget) const
{
    return xp::PrepareColors(m_settings, widget ? widget->palette() : QApplication::palette(), isHighColor(painter));
}

bool TXPPainter::parentQualifies(const QWidget* widget) const
{
    const QWidget* parent = widget->parentWidget();
    return (containerKindOf(parent, m_container) & m_settings.XPContainers) != 0;
}

void TXPPainter::HookContainer(QWidget* container, bool enable, bool repaint)
{
    if (!enable) {
        unhookAll();
        return;
    }
    const QList<QWidget*> widgets = container->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (m_hooks.contains(widget))
            continue;
        const ControlKind kind = kindOf(widget);
        if (kind == ControlKind::None || !(m_settings.XPControls & controlFlagOf(kind)))
            continue;
        if (tagOf(widget) == kTagNeverHook)
            continue;
        if (kind == ControlKind::MainMenu || kind == ControlKind::PopupMenu) {
            // A menu with a painting of its own keeps it unless told otherwise.
            if (widget->testAttribute(Qt::WA_SetStyle) && !m_settings.OverrideOwnerDraw)
                continue;
            hook(widget, kind, repaint);
            continue;
        }
        if (widget->isWindow() || tagOf(widget->parentWidget()) == kTagNeverHook || !parentQualifies(widget))
            continue;
        hook(widget, kind, repaint);
    }
}

void TXPPainter::hook(QWidget* widget, ControlKind kind, bool repaint)
{
    auto* subClass = new TControlSubClass(widget, kind, this, m_style);
    m_hooks.insert(widget, subClass);
    connect(widget, &QObject::destroyed, this, [this, widget] {
        if (TControlSubClass* gone = m_hooks.take(widget))
            gone->deleteLater();
    });
    if (repaint)
        widget->update();
}

void TXPPainter::unhookAll()
{
    const auto hooks = m_hooks;
    m_hooks.clear();
    for (auto it = hooks.begin(); it != hooks.end(); ++it) {
        if (QWidget* control = it.value()->control())
            disconnect(control, &QObject::destroyed, this, nullptr);
        it.value()->unhook();
        delete it.value();
    }
}

void TXPPainter::repaintMenuBars()
{
    for (QMenuBar* bar : m_container->findChildren<QMenuBar*>())
        bar->update();
}

bool TXPPainter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_container && event->type() == QEvent::ChildAdded && m_active && m_settings.AutoDetect) {
        // The new child is not finished yet; hook once it is.
        QTimer::singleShot(0, this, [this] {
            if (m_active)
                HookContainer(m_container, true, true);
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace widgets
