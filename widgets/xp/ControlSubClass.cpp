#include "widgets/xp/ControlSubClass.h"

#include "widgets/xp/XPPainter.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QWidget>

namespace widgets::xp {

TControlSubClass::TControlSubClass(QWidget* control, ControlKind kind, TXPPainter* painter, QStyle* style)
    : QObject(painter), m_control(control), m_kind(kind), m_painter(painter)
{
    m_hadOwnStyle = control->testAttribute(Qt::WA_SetStyle);
    if (m_hadOwnStyle)
        m_savedStyle = control->style();
    applyTrueXPBackground();
    control->setStyle(style);
    control->installEventFilter(this);
    if (auto* button = qobject_cast<QAbstractButton*>(control); button && button->isCheckable()) {
        // Setting the check state takes the hot look away, as a click on a check box does.
        connect(button, &QAbstractButton::toggled, this, [this] {
            m_hot = false;
            repaint();
        });
    }
}

TControlSubClass::~TControlSubClass()
{
    unhook();
}

void TControlSubClass::applyTrueXPBackground()
{
    if (!isEditKind(m_kind) || m_kind == ControlKind::RichEdit)
        return;
    const XPSettings& settings = m_painter->settings();
    if (!settings.ControlUseTrueXPStyle || tagOf(m_control) == kTagKeepOwnColors || tagOf(m_control) < 0)
        return;
    m_hadOwnPalette = m_control->testAttribute(Qt::WA_SetPalette);
    m_savedPalette = m_control->palette();
    m_changedPalette = true;
    QPalette palette = m_control->palette();
    palette.setColor(QPalette::Base, toQColor(settings.BtnSurfaceNormalColor));
    m_control->setPalette(palette);
}

void TControlSubClass::unhook()
{
    if (!m_control)
        return;
    QWidget* control = m_control;
    m_control = nullptr;
    control->removeEventFilter(this);
    disconnect(control, nullptr, this, nullptr);
    control->setStyle(m_hadOwnStyle ? m_savedStyle.data() : nullptr);
    if (m_changedPalette)
        control->setPalette(m_hadOwnPalette ? m_savedPalette : QPalette());
    control->update();
}

void TControlSubClass::repaint()
{
    if (!m_control)
        return;
    ++m_stateRepaints;
    m_control->update();
}

bool TControlSubClass::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_control || !m_painter->isActive())
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        m_hot = true;
        repaint();
        break;
    case QEvent::FocusOut:
        m_hot = false;
        repaint();
        break;
    case QEvent::Enter:
    case QEvent::Leave:
        if (m_control->isEnabled()) {
            m_hot = event->type() == QEvent::Enter;
            repaint();
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // a double click is a second press
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_mouseDown = true;
            repaint();
        }
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_mouseDown = false;
            repaint();
        }
        break;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && !m_spaceDown) {
            // Held down, the key repeats; only the first press changes the look.
            m_spaceDown = true;
            repaint();
        }
        break;
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && !key->isAutoRepeat() && m_spaceDown) {
            m_spaceDown = false;
            repaint();
        }
        break;
    }
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
        repaint();
        break;
    default:
        break;
    }
    return false;
}

} // namespace widgets::xp
