#include "widgets/xp/XPStyle.h"

#include "widgets/xp/ButtonPainter.h"
#include "widgets/xp/CheckBoxPainter.h"
#include "widgets/xp/ComboPainter.h"
#include "widgets/xp/ContainerPainter.h"
#include "widgets/xp/ControlSubClass.h"
#include "widgets/xp/EditPainter.h"
#include "widgets/xp/MenuPainter.h"
#include "widgets/xp/XPPainter.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace widgets::xp {

namespace {
QStyle* copyOfApplicationStyle()
{
    QStyle* style = QStyleFactory::create(QApplication::style()->name());
    return style ? style : QStyleFactory::create(QStringLiteral("Fusion"));
}
} // namespace

XPStyle::XPStyle(TXPPainter* painter) : QProxyStyle(copyOfApplicationStyle()), m_painter(painter) {}

const TControlSubClass* XPStyle::paintable(const QWidget* widget) const
{
    if (!widget || !m_painter->isActive() || tagOf(widget) < 0)
        return nullptr;
    return m_painter->hookOf(widget);
}

void XPStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const
{
    const TControlSubClass* hook = paintable(widget);
    if (hook) {
        const XPSettings& settings = m_painter->settings();
        switch (element) {
        case CE_PushButton:
            if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
                paintButton(*painter, *button, widget, *hook, settings, m_painter->PrepareColors(*painter, widget));
                return;
            }
            break;
        case CE_CheckBox:
        case CE_RadioButton:
            if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
                paintCheckBox(*painter, *button, widget, *hook, settings, m_painter->PrepareColors(*painter, widget),
                              element == CE_RadioButton, this);
                return;
            }
            break;
        case CE_ShapedFrame:
            if (isEditKind(hook->kind())) {
                paintEditFrame(*painter, option->rect, widget, *hook, settings,
                               m_painter->PrepareColors(*painter, widget));
                return;
            }
            if (hook->kind() == ControlKind::Panel) {
                paintPanelFrame(*painter, option->rect, widget, settings, m_painter->PrepareColors(*painter, widget));
                return;
            }
            break;
        case CE_MenuItem:
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                const auto* menu = qobject_cast<const QMenu*>(widget);
                const QAction* action = menu ? menu->actionAt(item->rect.center()) : nullptr;
                if (tagOf(action) != kTagNeverHook) {
                    DrawMenuItem(*painter, *item, widget, m_painter->settings(), m_painter->effectiveFont(),
                                 m_painter->PrepareColors(*painter, widget));
                    return;
                }
            }
            break;
        case CE_MenuBarItem:
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                DrawMenuBarItem(*painter, *item, m_painter->effectiveFont(),
                                m_painter->PrepareColors(*painter, widget));
                return;
            }
            break;
        case CE_MenuBarEmptyArea:
            painter->fillRect(option->rect, toQColor(m_painter->PrepareColors(*painter, widget).menuBar));
            return;
        case CE_MenuEmptyArea:
            painter->fillRect(option->rect, toQColor(m_painter->PrepareColors(*painter, widget).menuBackground));
            return;
        default:
            break;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void XPStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const
{
    const TControlSubClass* hook = paintable(widget);
    if (hook) {
        switch (element) {
        case PE_PanelLineEdit:
            if (isEditKind(hook->kind())) {
                painter->fillRect(option->rect, option->palette.color(QPalette::Base));
                paintEditFrame(*painter, option->rect, widget, *hook, m_painter->settings(),
                               m_painter->PrepareColors(*painter, widget));
                return;
            }
            break;
        case PE_FrameLineEdit:
            if (isEditKind(hook->kind()))
                return; // drawn with the panel
            break;
        case PE_PanelMenu:
            if (hook->kind() == ControlKind::PopupMenu) {
                painter->fillRect(option->rect, toQColor(m_painter->PrepareColors(*painter, widget).menuBackground));
                return;
            }
            break;
        case PE_FrameMenu:
            if (hook->kind() == ControlKind::PopupMenu) {
                paintMenuFrame(*painter, option->rect, m_painter->settings(),
                               m_painter->PrepareColors(*painter, widget));
                return;
            }
            break;
        case PE_PanelMenuBar:
            painter->fillRect(option->rect, toQColor(m_painter->PrepareColors(*painter, widget).menuBar));
            return;
        default:
            break;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void XPStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                 const QWidget* widget) const
{
    const TControlSubClass* hook = paintable(widget);
    if (hook) {
        const XPSettings& settings = m_painter->settings();
        switch (control) {
        case CC_ComboBox:
            if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
                paintCombo(*painter, *combo, widget, *hook, settings, m_painter->PrepareColors(*painter, widget));
                return;
            }
            break;
        case CC_ToolButton:
            if (const auto* tool = qstyleoption_cast<const QStyleOptionToolButton*>(option)) {
                paintSpeedButton(*painter, *tool, widget, *hook, settings, m_painter->PrepareColors(*painter, widget));
                return;
            }
            break;
        case CC_GroupBox:
            if (const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
                paintGroupBox(*painter, *group, widget, settings, m_painter->PrepareColors(*painter, widget), this);
                return;
            }
            break;
        default:
            break;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QSize XPStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                const QWidget* widget) const
{
    if (type == CT_MenuItem && paintable(widget)) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
            return MeasureMenuItem(*item, widget, m_painter->settings(), m_painter->effectiveFont());
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int XPStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (const TControlSubClass* hook = paintable(widget)) {
        const bool trueXp = m_painter->settings().ControlUseTrueXPStyle && tagOf(widget) != kTagKeepOwnColors;
        switch (metric) {
        case PM_DefaultFrameWidth:
            if (isEditKind(hook->kind()) || hook->kind() == ControlKind::Panel)
                return 1;
            break;
        case PM_IndicatorWidth:
        case PM_ExclusiveIndicatorWidth:
            if (hook->kind() == ControlKind::CheckBox || hook->kind() == ControlKind::RadioButton)
                return checkBoxBoxWidth(trueXp);
            break;
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorHeight:
            if (hook->kind() == ControlKind::CheckBox || hook->kind() == ControlKind::RadioButton)
                return kScrollThumbWidth;
            break;
        case PM_MenuPanelWidth:
            return kMenuFrameWidth;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuBarPanelWidth:
        case PM_MenuBarHMargin:
        case PM_MenuBarVMargin:
            return 0;
        default:
            break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace widgets::xp
