#include "widgets/Color.h"


namespace widgets {

namespace {
// The system colour indexes that the program's stored values may name.
QPalette::ColorRole roleOf(int index)
{
    switch (index) {
    case 1: // desktop
    case 2: // active caption
        return QPalette::Highlight;
    case 4: // menu
    case 15: // button face
        return QPalette::Button;
    case 5: // window
        return QPalette::Base;
    case 7: // menu text
    case 8: // window text
        return QPalette::WindowText;
    case 9: // caption text
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 13: // highlight
        return QPalette::Highlight;
    case 16: // button shadow
        return QPalette::Dark;
    case 17: // gray text
        return QPalette::PlaceholderText;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 21: // 3D dark shadow
        return QPalette::Shadow;
    case 22: // 3D light
        return QPalette::Midlight;
    case 23: // tooltip text
        return QPalette::ToolTipText;
    case 24: // tooltip background
        return QPalette::ToolTipBase;
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
