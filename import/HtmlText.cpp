#include "import/HtmlText.h"

namespace import {

namespace {

QString decodeReference(const QString& name)
{
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const uint code = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16)
                                                                                     : name.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF)) {
            const char32_t character = code;
            return QString::fromUcs4(&character, 1);
        }
        return {};
    }
    if (name == QLatin1String("amp"))
        return QStringLiteral("&");
    if (name == QLatin1String("lt"))
        return QStringLiteral("<");
    if (name == QLatin1String("gt"))
        return QStringLiteral(">");
    if (name == QLatin1String("quot"))
        return QStringLiteral("\"");
    if (name == QLatin1String("apos"))
        return QStringLiteral("'");
    if (name == QLatin1String("nbsp"))
        return QString(QChar(0xA0));
    return {};
}

// "p" of "<p class=x>", "/p" of "</p>", "br" of "<br/>".
QString tagName(const QString& inside)
{
    const QString trimmed = inside.trimmed().toLower();
    qsizetype length = trimmed.startsWith(QLatin1Char('/')) ? 1 : 0;
    while (length < trimmed.size() && (trimmed.at(length).isLetterOrNumber() || trimmed.at(length) == QLatin1Char('!')))
        ++length;
    return trimmed.left(length);
}

bool endsLine(const QString& tag)
{
    return tag == QLatin1String("br") || tag == QLatin1String("/p") || tag == QLatin1String("/div") ||
           tag == QLatin1String("/li") || tag == QLatin1String("/h1") || tag == QLatin1String("/h2") ||
           tag == QLatin1String("/h3") || tag == QLatin1String("/tr");
}

} // namespace

bool looksLikeHtml(const QString& text)
{
    const QString start = text.left(200).trimmed().toLower();
    return start.startsWith(QLatin1String("<!doctype html")) || start.startsWith(QLatin1String("<html"));
}

QString htmlToPlainText(const QString& html)
{
    QString text;
    QString skipUntil; // the closing tag of a head or style element being left out
    bool lineOpen = false;
    for (qsizetype i = 0; i < html.size();) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('<')) {
            const qsizetype end = html.indexOf(QLatin1Char('>'), i);
            if (end < 0)
                break;
            const QString tag = tagName(html.mid(i + 1, end - i - 1));
            i = end + 1;
            if (!skipUntil.isEmpty()) {
                if (tag == skipUntil)
                    skipUntil.clear();
                continue;
            }
            if (tag == QLatin1String("head") || tag == QLatin1String("style") || tag == QLatin1String("script"))
                skipUntil = QLatin1Char('/') + tag;
            else if (endsLine(tag) && (lineOpen || tag == QLatin1String("br"))) {
                text += QLatin1Char('\n');
                lineOpen = false;
            }
            continue;
        }
        if (!skipUntil.isEmpty()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('&')) {
            const qsizetype end = html.indexOf(QLatin1Char(';'), i);
            if (end > i && end - i <= 10) {
                const QString decoded = decodeReference(html.mid(i + 1, end - i - 1));
                if (!decoded.isEmpty()) {
                    text += decoded;
                    lineOpen = true;
                    i = end + 1;
                    continue;
                }
            }
        }
        // Line ends in the source are only layout.
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r')) {
            text += c;
            lineOpen = true;
        }
        ++i;
    }
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

} // namespace import
