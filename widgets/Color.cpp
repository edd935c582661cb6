#include "widgets/Color.h"

namespace widgets {

namespace {
// Every system colour index a stored value can name, mapped to the palette role nearest in
// what it colours. Only an index the system does not define falls back to the window's.
QPalette::ColorRole roleOf(int index)
{
    switch (index) {
    case 0:  // scroll bar
    case 4:  // menu
    case 10: // active border
    case 11: // inactive border
    case 15: // button face
    case 30: // menu bar
        return QPalette::Button;
    case 1:  // desktop
    case 2:  // active caption
    case 13: // highlight
    case 27: // active caption, gradient end
    case 29: // menu highlight
        return QPalette::Highlight;
    case 3:  // inactive caption
    case 12: // application workspace
    case 16: // button shadow
        return QPalette::Dark;
    case 28: // inactive caption, gradient end
        return QPalette::Mid;
    case 5: // window
        return QPalette::Base;
    case 6:  // window frame
    case 21: // 3D dark shadow
        return QPalette::Shadow;
    case 7: // menu text
    case 8: // window text
        return QPalette::WindowText;
    case 9:  // caption text
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 17: // gray text
        return QPalette::PlaceholderText;
    case 18: // button text
        return QPalette::ButtonText;
    case 19: // inactive caption text
    case 20: // button highlight
        return QPalette::Light;
    case 22: // 3D light
        return QPalette::Midlight;
    case 23: // tooltip text
        return QPalette::ToolTipText;
    case 24: // tooltip background
        return QPalette::ToolTipBase;
    case 26: // hot-tracked item
        return QPalette::Link;
    default:
        return QPalette::Window;
    }
}
} // namespace

QColor toQColor(TColor value, const QPalette& palette)
{
    if (isSystemColor(value))
        return palette.color(QPalette::Active, roleOf(value & 0xFF));
    const auto bgr = std::uint32_t(value);
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

TColor fromQColor(const QColor& color)
{
    return TColor(std::uint32_t(color.red()) | (std::uint32_t(color.green()) << 8) |
                  (std::uint32_t(color.blue()) << 16));
}

} // namespace widgets
