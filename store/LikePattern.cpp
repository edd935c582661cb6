#include "store/LikePattern.h"

#include "store/CaseFold.h"

namespace store {

namespace {

bool matchFrom(const unsigned char* p, const unsigned char* pEnd, const unsigned char* s, const unsigned char* sEnd,
               char32_t escape)
{
    while (p < pEnd) {
        char32_t c = nextCodePoint(p, pEnd);
        if (c == '%' && c != escape) {
            // Collapse runs of wildcards; each '_' still needs one character.
            while (p < pEnd) {
                const unsigned char* look = p;
                const char32_t w = nextCodePoint(look, pEnd);
                if (w == '%' && w != escape) {
                    p = look;
                } else if (w == '_' && w != escape) {
                    if (s >= sEnd)
                        return false;
                    nextCodePoint(s, sEnd);
                    p = look;
                } else {
                    break;
                }
            }
            if (p >= pEnd)
                return true;
            while (s < sEnd) {
                if (matchFrom(p, pEnd, s, sEnd, escape))
                    return true;
                nextCodePoint(s, sEnd);
            }
            return false;
        }
        if (c == '_' && c != escape) {
            if (s >= sEnd)
                return false;
            nextCodePoint(s, sEnd);
            continue;
        }
        if (escape != 0 && c == escape) {
            if (p >= pEnd)
                return false;
            c = nextCodePoint(p, pEnd);
        }
        if (s >= sEnd)
            return false;
        if (folded(c) != folded(nextCodePoint(s, sEnd)))
            return false;
    }
    return s >= sEnd;
}

} // namespace

bool likeMatches(const QByteArray& pattern, const QByteArray& text, char32_t escape)
{
    const auto* p = reinterpret_cast<const unsigned char*>(pattern.constData());
    const auto* s = reinterpret_cast<const unsigned char*>(text.constData());
    return matchFrom(p, p + pattern.size(), s, s + text.size(), escape);
}

} // namespace store
