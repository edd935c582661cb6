#pragma once

#include "widgets/Color.h"

#include <QFlags>
#include <QFont>

namespace widgets::xp {

// The kinds of parent a painted control may sit on.
enum TXPContainer : quint16 {
    xccForm = 1 << 0,
    xccFrame = 1 << 1,
    xccToolbar = 1 << 2,
    xccCoolbar = 1 << 3,
    xccControlbar = 1 << 4,
    xccPanel = 1 << 5,
    xccScrollBox = 1 << 6,
    xccGroupBox = 1 << 7,
    xccTabSheet = 1 << 8,
    xccPageScroller = 1 << 9,
};
using TXPContainers = quint16;
constexpr TXPContainers kAllContainers = 1023;

// The kinds of control and menu the painter paints.
enum TXPControl : quint16 {
    xcMainMenu = 1 << 0,
    xcPopupMenu = 1 << 1,
    xcToolbar = 1 << 2,
    xcControlbar = 1 << 3,
    xcCombo = 1 << 4,
    xcEdit = 1 << 5,
    xcMaskEdit = 1 << 6,
    xcMemo = 1 << 7,
    xcRichEdit = 1 << 8,
    xcCheckBox = 1 << 9,
    xcRadioButton = 1 << 10,
    xcButton = 1 << 11,
    xcBitBtn = 1 << 12,
    xcSpeedButton = 1 << 13,
    xcPanel = 1 << 14,
    xcGroupBox = 1 << 15,
};
using TXPControls = quint16;
constexpr TXPControls kAllControls = 65535;

// Values of the dynamic property "tag" with a meaning to the painter.
constexpr int kTagNeverHook = 999;
constexpr int kTagKeepOwnColors = 1234567890;

// System colour values as the settings store them.
constexpr TColor clInactiveCaption = TColor(0x80000003u);
constexpr TColor clWindow = TColor(0x80000005u);
constexpr TColor clMenuText = TColor(0x80000007u);
constexpr TColor clHighlight = TColor(0x8000000Du);
constexpr TColor clBtnFace = TColor(0x8000000Fu);
constexpr TColor clBtnShadow = TColor(0x80000010u);
constexpr TColor clBtnText = TColor(0x80000012u);
constexpr TColor clBtnHighlight = TColor(0x80000014u);
constexpr TColor cl3DDkShadow = TColor(0x80000015u);

// The painter's stored properties. Those whose change has an effect beyond storing are
// changed through TXPPainter's setters; the rest only store.
struct XPSettings {
    int DimLevel = 30;
    int GrayLevel = 10;
    QFont Font;
    TColor FontColor = clMenuText;
    TColor Color = clBtnFace;
    TColor IconBackColor = clBtnFace;
    TColor MenuBarColor = clBtnFace;
    TColor SelectColor = clHighlight;
    TColor SelectBorderColor = clHighlight;
    TColor SelectFontColor = clMenuText;
    TColor DisabledColor = clInactiveCaption;
    TColor SeparatorColor = clBtnFace;
    TColor CheckedColor = clHighlight;
    int IconWidth = 24;
    bool DrawSelect = true;
    bool UseSystemColors = true;
    bool OverrideOwnerDraw = false;
    bool Gradient = false;
    bool FlatMenu = false;
    bool AutoDetect = false;
    TXPContainers XPContainers = kAllContainers;
    TXPControls XPControls = kAllControls;
    bool ControlUseTrueXPStyle = true;
    int BtnRoundArc = 5;
    TColor BtnOutLineBorderColor = 0x733C00;
    TColor BtnInnerBorderMoveColor = 0x31B2FF;
    TColor BtnInnerBorderFocusColor = 0xE7AE8C;
    TColor BtnSurfaceNormalColor = 0xF7FBFF;
    TColor BtnSurfaceDownColor = 0xDEE7E7;
    TColor BtnSurfaceBottomLineColor = 0xDEE7E7;
    TColor BtnSurfaceDownBottomLineColor = 0xE7EBEF;
    TColor RdoChkControlChkColor = 0x00A200;
    TColor ComboBoxChkColor = 0x8C694A;
    TColor ComboboxSurfaceMoveColor = 0xFFE7D6;
    TColor ControlDisabledBorderColor = 0xB5C7C6;
    TColor ComboDroppedDownColor = 0xF7A28C; // not published

    // The true-XP colours and corner size that switching the true-XP style on brings back.
    void resetTrueXPColors();
};

} // namespace widgets::xp
