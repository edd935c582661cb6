#include "widgets/FontValue.h"

#include <QFontInfo>

namespace widgets {

QFont FontValue::toQFont() const
{
    QFont font(face.isEmpty() ? defaultFace() : face);
    font.setPointSize(size > 0 ? size : 8);
    font.setBold(style & Bold);
    font.setItalic(style & Italic);
    font.setUnderline(style & Underline);
    font.setStrikeOut(style & StrikeOut);
    return font;
}

void FontValue::setFromQFont(const QFont& font)
{
    face = font.family();
    if (font.pointSize() > 0)
        size = font.pointSize();
    style = (font.bold() ? Bold : 0) | (font.italic() ? Italic : 0) | (font.underline() ? Underline : 0) |
            (font.strikeOut() ? StrikeOut : 0);
}

QString FontValue::defaultFace()
{
    // A narrow sans-serif face that stays legible at 8 points, where there is one.
    // Asking for the face and looking at what was matched is cheaper than listing every
    // installed family, which would hold up start-up.
    for (const QString& candidate : {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}) {
        if (QFontInfo(QFont(candidate)).family() == candidate)
            return candidate;
    }
    return QStringLiteral("Sans Serif");
}

FontValue FontValue::defaultFont()
{
    FontValue value;
    value.face = defaultFace();
    return value;
}

} // namespace widgets
