#include "widgets/TrayIcon.h"

#include "widgets/TrayAnimation.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace widgets {

namespace {

constexpr int kMaxTipLength = 63;

QString cutTip(const QString& text)
{
    if (text.size() <= kMaxTipLength)
        return text;
    int length = kMaxTipLength;
    if (text.at(length - 1).isHighSurrogate())
        --length; // never half a character
    return text.left(length);
}

} // namespace

TTrayIcon::TTrayIcon(TrayShell& shell) : m_shell(shell)
{
    m_icon.onChange = [this] { refreshIcon(); };
    m_icons.onChange = [this] { refreshIcon(); };
}

TTrayIcon::~TTrayIcon()
{
    m_destroying = true;
    m_enabled = false;
    m_icon.onChange = nullptr;
    m_icons.onChange = nullptr;
    setAnimated(false);
    removeIcon();
}

void TTrayIcon::afterLoad()
{
    m_loaded = true;
    if (m_active)
        addIcon();
}

void TTrayIcon::setActive(bool on)
{
    if (on == m_active)
        return;
    m_active = on;
    if (!m_loaded)
        return;
    if (on)
        addIcon();
    else
        removeIcon();
}

void TTrayIcon::setPopupMenu(QMenu* menu)
{
    m_popupMenu = menu;
    m_shell.menuChanged(menu);
}

void TTrayIcon::setHint(const QString& hint)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    refreshIcon();
}

void TTrayIcon::setInterval(unsigned milliseconds)
{
    m_interval = milliseconds & 0xFFFF;
    if (m_animation)
        m_animation->setInterval(m_interval);
}

QString TTrayIcon::shortHint() const
{
    const qsizetype bar = m_hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? m_hint : m_hint.left(bar);
}

const TIcon* TTrayIcon::currentIcon() const
{
    if (m_icons.count() > 0 && m_animated) {
        int index = std::min(m_frameIndex, m_icons.count() - 1);
        index = std::max(index, 0);
        return m_icons.icon(index);
    }
    return &m_icon;
}

void TTrayIcon::fillNotifyData()
{
    m_notifyData = TrayNotifyData{};
    m_notifyData.icon = currentIcon();
    m_notifyData.tip = cutTip(shortHint());
}

void TTrayIcon::addIcon()
{
    removeIcon();
    const TIcon* icon = currentIcon();
    if (!icon || icon->isEmpty())
        return;
    m_clicked = 0;
    fillNotifyData();
    m_added = m_shell.add(m_notifyData);
    // Some shells show an empty tip only after a modify.
    if (shortHint().isEmpty() && m_added)
        m_shell.modify(m_notifyData);
    if (m_animated && m_animation)
        m_animation->resume();
}

void TTrayIcon::removeIcon()
{
    m_shell.remove(m_notifyData);
    m_added = false;
    m_clicked = 0;
    if (m_animated && m_animation)
        m_animation->pause();
}

void TTrayIcon::refreshIcon()
{
    if (m_icons.count() == 0)
        setAnimated(false);
    if (m_added) {
        const TIcon* icon = currentIcon();
        if (!icon || icon->isEmpty()) {
            removeIcon();
        } else {
            fillNotifyData();
            m_shell.modify(m_notifyData);
        }
    } else if (m_active && m_loaded) {
        addIcon(); // an earlier add may have failed; each change tries again
    }
}

void TTrayIcon::setAnimated(bool on)
{
    const bool effective = on && m_icons.count() > 0;
    if (effective == m_animated)
        return;
    if (effective) {
        m_animation = TrayAnimation::start(*this, m_shell, m_interval, !m_added);
        m_animated = true;
    } else {
        m_animated = false;
        if (m_animation) {
            m_animation->detach();
            m_animation->resume();
            m_animation->terminate();
            m_animation.reset();
        }
    }
    m_frameIndex = 0;
    if (!m_destroying)
        refreshIcon();
}

void TTrayIcon::advanceFrame()
{
    if (m_destroying || !m_animated)
        return;
    ++m_frameIndex;
    if (m_frameIndex >= m_icons.count())
        m_frameIndex = 0;
    refreshIcon();
}

bool TTrayIcon::handleMessage(unsigned message, unsigned mouseMessage)
{
    if (message != TrayCallbackMessage || !m_enabled)
        return false;
    try {
        translateMouseMessage(mouseMessage);
    } catch (const std::exception& error) {
        m_shell.showError(QString::fromStdString(error.what()));
    } catch (...) {
        m_shell.showError(QCoreApplication::translate("TrayIcon", "Unknown error"));
    }
    return true;
}

void TTrayIcon::translateMouseMessage(unsigned mouseMessage)
{
    using namespace TrayMouseMessage;
    const unsigned keys = m_shell.keyboardShift();
    const QPoint at = m_shell.cursorPos();
    const int x = at.x();
    const int y = at.y();
    switch (mouseMessage) {
    case Move:
        mouseMove(keys, x, y);
        break;
    case LeftDown:
        mouseDown(TrayButton::Left, keys | TrayShift::Left, x, y);
        m_clicked |= kClickedLeft;
        break;
    case LeftUp:
        if (m_clicked & kClickedLeft) {
            m_clicked &= ~kClickedLeft;
            handleClick(TrayButton::Left, keys | TrayShift::Left, x, y);
        }
        mouseUp(TrayButton::Left, keys | TrayShift::Left, x, y);
        break;
    case LeftDouble:
        dblClick();
        mouseDown(TrayButton::Left, keys | TrayShift::Double, x, y);
        break;
    case RightDown:
        mouseDown(TrayButton::Right, keys | TrayShift::Right, x, y);
        m_clicked |= kClickedRight;
        break;
    case RightUp:
        if (m_clicked & kClickedRight) {
            m_clicked &= ~kClickedRight;
            handleClick(TrayButton::Right, keys | TrayShift::Right, x, y);
        }
        mouseUp(TrayButton::Right, keys | TrayShift::Right, x, y);
        break;
    case RightDouble:
        mouseDown(TrayButton::Right, keys | TrayShift::Double, x, y);
        break;
    case MiddleDown:
        mouseDown(TrayButton::Middle, keys | TrayShift::Middle, x, y);
        break;
    case MiddleUp:
        mouseUp(TrayButton::Middle, keys | TrayShift::Middle, x, y);
        break;
    case MiddleDouble:
        mouseDown(TrayButton::Middle, keys | TrayShift::Double, x, y);
        break;
    default:
        break;
    }
}

void TTrayIcon::mouseDown(TrayButton button, unsigned shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(button, shift, x, y);
}

void TTrayIcon::mouseUp(TrayButton button, unsigned shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(button, shift, x, y);
}

void TTrayIcon::mouseMove(unsigned shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(shift, x, y);
}

void TTrayIcon::handleClick(TrayButton button, unsigned shift, int x, int y)
{
    if (button == TrayButton::Right && showTrayPopup(x, y))
        return;
    if (OnClick)
        OnClick(button, shift, x, y);
}

void TTrayIcon::dblClick()
{
    if (!clickDefaultItem() && OnDblClick)
        OnDblClick();
}

bool TTrayIcon::showTrayPopup(int x, int y)
{
    if (!m_active || !m_popupMenu)
        return false;
    const QVariant autoPopup = m_popupMenu->property(kAutoPopupProperty);
    if (autoPopup.isValid() && !autoPopup.toBool())
        return false;
    if (!m_destroying)
        m_shell.cancelMouseMode();
    m_shell.bringToForeground();
    m_shell.processPendingMessages();
    try {
        m_shell.popupMenu(*m_popupMenu, QPoint(x, y));
    } catch (...) {
        m_shell.bringToForeground();
        throw;
    }
    m_shell.bringToForeground();
    return true;
}

bool TTrayIcon::clickDefaultItem()
{
    if (!m_active || !m_popupMenu)
        return false;
    QAction* preferred = m_popupMenu->defaultAction();
    for (QAction* action : m_popupMenu->actions()) {
        if (action == preferred && action->isEnabled()) {
            action->trigger();
            return true;
        }
    }
    return false;
}

} // namespace widgets
