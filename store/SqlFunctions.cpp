#include "store/SqlFunctions.h"

#include "store/Clock.h"

#include <QChar>
#include <sqlite3.h>

namespace store {

namespace {

// Decodes one UTF-8 code point and advances; malformed bytes read as themselves, so any
// text, valid or not, can be compared without loss.
char32_t nextCodePoint(const unsigned char*& p, const unsigned char* end)
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

char32_t folded(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

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

QByteArray argumentBytes(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QByteArray::fromRawData(text ? text : "", sqlite3_value_bytes(value));
}

void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return; // NULL like anything is NULL, as in the engine's own like()
    char32_t escape = 0;
    if (argc == 3) {
        const QByteArray esc = argumentBytes(argv[2]);
        const auto* p = reinterpret_cast<const unsigned char*>(esc.constData());
        const auto* end = p + esc.size();
        if (p == end) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = nextCodePoint(p, end);
        if (p != end) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
    }
    sqlite3_result_int(context, likeMatches(argumentBytes(argv[0]), argumentBytes(argv[1]), escape) ? 1 : 0);
}

void nowFunction(sqlite3_context* context, int, sqlite3_value**)
{
    const QByteArray text = Clock::now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
    sqlite3_result_text(context, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

} // namespace

bool likeMatches(const QByteArray& pattern, const QByteArray& text, char32_t escape)
{
    const auto* p = reinterpret_cast<const unsigned char*>(pattern.constData());
    const auto* s = reinterpret_cast<const unsigned char*>(text.constData());
    return matchFrom(p, p + pattern.size(), s, s + text.size(), escape);
}

void registerSqlFunctions(sqlite3* handle)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(handle, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr);
    sqlite3_create_function(handle, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr);
    sqlite3_create_function(handle, "now", 0, SQLITE_UTF8, nullptr, nowFunction, nullptr, nullptr);
}

} // namespace store
