#pragma once

#include "widgets/xp/XPSettings.h"

class QObject;
class QWidget;

namespace widgets::xp {

// What the painter takes a widget for. Menus and controls map onto TXPControl values;
// None is anything it leaves alone.
enum class ControlKind {
    None,
    MainMenu,
    PopupMenu,
    Toolbar,
    Combo,
    Edit,
    MaskEdit,
    Memo,
    RichEdit,
    CheckBox,
    RadioButton,
    Button,
    BitBtn,
    SpeedButton,
    Panel,
    GroupBox,
};

ControlKind kindOf(const QWidget* widget);
TXPControl controlFlagOf(ControlKind kind);
// The container kind of a widget that holds controls, or 0 when it is none: the form
// itself, group boxes, tab pages, scroll-box contents, tool bars, and plain widgets,
// frames and button boxes that sit on one of these.
TXPContainers containerKindOf(const QWidget* widget, const QWidget* form);

// The dynamic property "tag" as a whole number (0 when unset).
int tagOf(const QObject* object);

bool isEditKind(ControlKind kind);

} // namespace widgets::xp
