#pragma once

#include <QChar>

namespace store {

// Decodes one UTF-8 code point and advances; malformed bytes read as themselves, so any
// text, valid or not, can be compared without loss. Overlong forms are taken at their
// value. Every byte below 0x80 or from 0xC0 up starts a code point wherever it stands, so
// decoding may start at such a byte without walking the text from its beginning.
inline char32_t nextCodePoint(const unsigned char*& p, const unsigned char* end)
{
    const unsigned char lead = *p++;
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return 0xDC00 + lead; // a stray byte: keep it distinct from any real letter
    }
    if (end - p < extra)
        return 0xDC00 + lead;
    for (int i = 0; i < extra; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0xDC00 + lead;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    p += extra;
    return cp;
}

// The one case folding like() compares by.
inline char32_t folded(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

} // namespace store
