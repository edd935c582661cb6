#pragma once

#include "widgets/Color.h"

#include <QFont>
#include <QString>

namespace widgets {

// A font as the program keeps and stores it: face, size in points, a style bit set
// (1 bold, 2 italic, 4 underline, 8 strike-out), a colour value and a character-set number.
// The character set is kept only to be stored again; it does not pick glyphs here.
struct FontValue {
    enum Style { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

    QString face;
    int size = 8;
    int style = 0;
    TColor color = clWindowText;
    int charset = 1; // the default character set

    QFont toQFont() const;
    // Face, size and style taken from a QFont; colour and character set stay.
    void setFromQFont(const QFont& font);
    bool operator==(const FontValue&) const = default;

    // The notes' small sans-serif face, at 8 points unless told otherwise.
    static QString defaultFace();
    static FontValue defaultFont();
};

} // namespace widgets
