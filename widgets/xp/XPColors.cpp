#include "widgets/xp/XPColors.h"

#include "widgets/ColorMath.h"

#include <QPaintDevice>
#include <QPainter>

namespace widgets::xp {

void XPSettings::resetTrueXPColors()
{
    const XPSettings fresh;
    BtnRoundArc = fresh.BtnRoundArc;
    BtnOutLineBorderColor = fresh.BtnOutLineBorderColor;
    BtnInnerBorderMoveColor = fresh.BtnInnerBorderMoveColor;
    BtnInnerBorderFocusColor = fresh.BtnInnerBorderFocusColor;
    BtnSurfaceNormalColor = fresh.BtnSurfaceNormalColor;
    BtnSurfaceDownColor = fresh.BtnSurfaceDownColor;
    BtnSurfaceBottomLineColor = fresh.BtnSurfaceBottomLineColor;
    BtnSurfaceDownBottomLineColor = fresh.BtnSurfaceDownBottomLineColor;
    RdoChkControlChkColor = fresh.RdoChkControlChkColor;
    ComboBoxChkColor = fresh.ComboBoxChkColor;
    ComboboxSurfaceMoveColor = fresh.ComboboxSurfaceMoveColor;
    ControlDisabledBorderColor = fresh.ControlDisabledBorderColor;
    ComboDroppedDownColor = fresh.ComboDroppedDownColor;
}

bool isHighColor(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    return !device || device->depth() > 15;
}

EffectiveColors PrepareColors(const XPSettings& s, const QPalette& palette, bool highColor)
{
    const auto rgb = [&palette](TColor color) { return resolveColor(color, palette); };
    const auto lighten = [&palette](TColor color, int percent) { return LightenColor(color, percent, palette); };
    const auto darken = [&palette](TColor color, int shade) { return DarkenColor(color, shade, palette); };
    constexpr TColor white = 0xFFFFFF;

    EffectiveColors c;
    c.highColor = highColor;
    c.fontColor = rgb(s.UseSystemColors ? clMenuText : s.FontColor);
    if (s.UseSystemColors) {
        c.menuBackground = highColor ? lighten(clBtnFace, 86) : white;
        c.iconColumn = highColor ? lighten(clBtnFace, 16) : rgb(clBtnFace);
        c.selectionFill = highColor ? lighten(clHighlight, 68) : white;
        c.selectionBorder = rgb(clHighlight);
        c.selectedText = c.fontColor;
        c.menuBar = rgb(clBtnFace);
        c.disabledText = highColor ? lighten(clBtnShadow, 10) : rgb(clBtnShadow);
        c.checked = rgb(clHighlight);
        c.separator = highColor ? lighten(clBtnShadow, 25) : rgb(clBtnShadow);
        c.checkFillUnselected = highColor ? lighten(clHighlight, 80) : white;
        c.checkFillSelected = highColor ? lighten(clHighlight, 50) : white;
    } else {
        c.menuBackground = rgb(s.Color);
        c.iconColumn = rgb(s.IconBackColor);
        c.selectionFill = highColor ? lighten(s.SelectColor, 68) : rgb(s.SelectColor);
        c.selectionBorder = rgb(s.SelectBorderColor);
        c.selectedText = rgb(s.SelectFontColor);
        c.menuBar = rgb(s.MenuBarColor);
        c.disabledText = rgb(s.DisabledColor);
        c.checked = rgb(s.CheckedColor);
        c.separator = rgb(s.SeparatorColor);
        c.checkFillUnselected = highColor ? lighten(s.SelectColor, 80) : white;
        c.checkFillSelected = highColor ? lighten(s.SelectColor, 50) : TColor(0xC0C0C0);
    }
    c.popupFrameOuter = highColor ? darken(clBtnFace, 90) : rgb(clBtnShadow);
    c.popupFrameInner = highColor ? darken(clBtnFace, 76) : rgb(clBtnShadow);
    return c;
}

} // namespace widgets::xp
