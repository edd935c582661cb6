#include "widgets/xp/ControlKinds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace widgets::xp {

namespace {
bool isPlainHolder(const QWidget* widget)
{
    // Exactly a QWidget or a QFrame: the widgets dialogs use to group controls. Subclasses
    // are controls in their own right, and their insides are their own business.
    const QMetaObject* meta = widget->metaObject();
    return meta == &QWidget::staticMetaObject || meta == &QFrame::staticMetaObject;
}
} // namespace

int tagOf(const QObject* object)
{
    return object ? object->property("tag").toInt() : 0;
}

bool isEditKind(ControlKind kind)
{
    return kind == ControlKind::Edit || kind == ControlKind::MaskEdit || kind == ControlKind::Memo ||
           kind == ControlKind::RichEdit;
}

ControlKind kindOf(const QWidget* widget)
{
    if (!widget)
        return ControlKind::None;
    if (qobject_cast<const QMenuBar*>(widget))
        return ControlKind::MainMenu;
    if (qobject_cast<const QMenu*>(widget))
        return ControlKind::PopupMenu;
    if (qobject_cast<const QToolBar*>(widget))
        return ControlKind::Toolbar;
    if (qobject_cast<const QComboBox*>(widget))
        return ControlKind::Combo;
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->inputMask().isEmpty() ? ControlKind::Edit : ControlKind::MaskEdit;
    if (qobject_cast<const QPlainTextEdit*>(widget))
        return widget->inherits("widgets::TFlatMemo") ? ControlKind::None : ControlKind::Memo;
    if (const auto* text = qobject_cast<const QTextEdit*>(widget))
        return text->acceptRichText() ? ControlKind::RichEdit : ControlKind::Memo;
    if (qobject_cast<const QCheckBox*>(widget))
        return ControlKind::CheckBox;
    if (qobject_cast<const QRadioButton*>(widget))
        return ControlKind::RadioButton;
    if (const auto* button = qobject_cast<const QPushButton*>(widget))
        return button->icon().isNull() ? ControlKind::Button : ControlKind::BitBtn;
    if (qobject_cast<const QToolButton*>(widget))
        return ControlKind::SpeedButton;
    if (qobject_cast<const QGroupBox*>(widget))
        return ControlKind::GroupBox;
    if (widget->metaObject() == &QFrame::staticMetaObject) {
        // A framed box is a panel; a line is a bevel, which nothing paints over.
        const QFrame::Shape shape = static_cast<const QFrame*>(widget)->frameShape();
        if (shape == QFrame::Box || shape == QFrame::Panel || shape == QFrame::StyledPanel || shape == QFrame::WinPanel)
            return ControlKind::Panel;
    }
    return ControlKind::None;
}

TXPControl controlFlagOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::MainMenu:
        return xcMainMenu;
    case ControlKind::PopupMenu:
        return xcPopupMenu;
    case ControlKind::Toolbar:
        return xcToolbar;
    case ControlKind::Combo:
        return xcCombo;
    case ControlKind::Edit:
        return xcEdit;
    case ControlKind::MaskEdit:
        return xcMaskEdit;
    case ControlKind::Memo:
        return xcMemo;
    case ControlKind::RichEdit:
        return xcRichEdit;
    case ControlKind::CheckBox:
        return xcCheckBox;
    case ControlKind::RadioButton:
        return xcRadioButton;
    case ControlKind::Button:
        return xcButton;
    case ControlKind::BitBtn:
        return xcBitBtn;
    case ControlKind::SpeedButton:
        return xcSpeedButton;
    case ControlKind::Panel:
        return xcPanel;
    case ControlKind::GroupBox:
        return xcGroupBox;
    case ControlKind::None:
        break;
    }
    return TXPControl(0);
}

TXPContainers containerKindOf(const QWidget* widget, const QWidget* form)
{
    if (!widget)
        return 0;
    if (widget == form)
        return xccForm;
    if (qobject_cast<const QGroupBox*>(widget))
        return xccGroupBox;
    if (qobject_cast<const QToolBar*>(widget))
        return xccToolbar;
    const QWidget* parent = widget->parentWidget();
    if (parent && qobject_cast<const QStackedWidget*>(parent) &&
        qobject_cast<const QTabWidget*>(parent->parentWidget()))
        return xccTabSheet;
    if (parent && parent->parentWidget()) {
        const auto* scroll = qobject_cast<const QScrollArea*>(parent->parentWidget());
        if (scroll && scroll->viewport() == parent)
            return xccScrollBox;
    }
    // A button box is the panel that holds a dialog's OK and Cancel.
    if ((isPlainHolder(widget) || qobject_cast<const QDialogButtonBox*>(widget)) && !widget->isWindow() &&
        containerKindOf(parent, form) != 0)
        return xccPanel;
    return 0;
}

} // namespace widgets::xp
