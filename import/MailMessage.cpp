#include "import/MailMessage.h"

#include "import/HtmlText.h"
#include "import/PeerFile.h"

#include <QList>
#include <QRegularExpression>
#include <QStringDecoder>
#include <utility>

namespace import {

namespace {

const QRegularExpression kEncodedWord(QStringLiteral(R"(=\?([^?]+)\?([BbQq])\?([^?]*)\?=)"));

using Headers = QList<std::pair<QByteArray, QByteArray>>; // lower-case name, value

QByteArray header(const Headers& headers, const char* name)
{
    for (const auto& [key, value] : headers)
        if (key == name)
            return value;
    return {};
}

// The parameter of a header value: `charset` of "text/plain; charset=utf-8".
QByteArray parameter(const QByteArray& value, const QByteArray& name)
{
    for (const QByteArray& piece : value.split(';')) {
        const QByteArray trimmed = piece.trimmed();
        if (trimmed.toLower().startsWith(name + '=')) {
            QByteArray found = trimmed.mid(name.size() + 1).trimmed();
            if (found.size() >= 2 && found.startsWith('"') && found.endsWith('"'))
                found = found.mid(1, found.size() - 2);
            return found;
        }
    }
    return {};
}

QByteArray fromQuotedPrintable(const QByteArray& bytes, bool underscoreIsBlank)
{
    QByteArray decoded;
    decoded.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '=' && i + 1 < bytes.size() && (bytes.at(i + 1) == '\n' || bytes.at(i + 1) == '\r')) {
            i += bytes.at(i + 1) == '\r' && i + 2 < bytes.size() && bytes.at(i + 2) == '\n' ? 2 : 1; // soft break
        } else if (c == '=' && i + 2 < bytes.size() && isxdigit(uchar(bytes.at(i + 1))) &&
                   isxdigit(uchar(bytes.at(i + 2)))) {
            decoded += char(bytes.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else {
            decoded += underscoreIsBlank && c == '_' ? ' ' : c;
        }
    }
    return decoded;
}

QString decodeCharset(const QByteArray& bytes, const QByteArray& charset)
{
    if (!charset.isEmpty()) {
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid()) {
            QString text = decoder.decode(bytes);
            if (!decoder.hasError())
                return text;
        }
    }
    return decodeText(bytes);
}

QString decodeEncodedWords(const QByteArray& value)
{
    const QString raw = QString::fromLatin1(value);
    QString text;
    qsizetype last = 0;
    for (QRegularExpressionMatchIterator it = kEncodedWord.globalMatch(raw); it.hasNext();) {
        const QRegularExpressionMatch word = it.next();
        const QString between = raw.mid(last, word.capturedStart() - last);
        // Blanks between two encoded words are not part of the text.
        if (last == 0 || !between.trimmed().isEmpty())
            text += decodeText(between.toLatin1());
        const QByteArray payload = word.captured(3).toLatin1();
        const bool base64 = word.captured(2).compare(QLatin1String("B"), Qt::CaseInsensitive) == 0;
        text += decodeCharset(base64 ? QByteArray::fromBase64(payload) : fromQuotedPrintable(payload, true),
                              word.captured(1).toLatin1());
        last = word.capturedEnd();
    }
    return text + decodeText(raw.mid(last).toLatin1());
}

// Splits the header block from the body; headers unfolded.
std::pair<Headers, QByteArray> splitMessage(const QByteArray& bytes)
{
    Headers headers;
    qsizetype position = 0;
    while (position < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', position);
        if (end < 0)
            end = bytes.size();
        QByteArray line = bytes.mid(position, end - position);
        if (line.endsWith('\r'))
            line.chop(1);
        position = end + 1;
        if (line.isEmpty())
            break;
        if ((line.startsWith(' ') || line.startsWith('\t')) && !headers.isEmpty()) {
            headers.last().second += ' ' + line.trimmed();
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return {{}, {}}; // not a header: no message
        headers.append({line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed()});
    }
    return {headers, position < bytes.size() ? bytes.mid(position) : QByteArray()};
}

QString bodyText(const Headers& headers, const QByteArray& body, int depth)
{
    const QByteArray type = header(headers, "content-type");
    const QByteArray mediaType = type.split(';').value(0).trimmed().toLower();
    if (mediaType.startsWith("multipart/") && depth < 4) {
        const QByteArray boundary = "--" + parameter(type, "boundary");
        if (boundary.size() > 2) {
            qsizetype start = body.indexOf(boundary);
            while (start >= 0) {
                start = body.indexOf('\n', start);
                if (start < 0)
                    break;
                const qsizetype end = body.indexOf(boundary, start);
                const QByteArray part = body.mid(start + 1, end < 0 ? -1 : end - start - 1);
                const auto [partHeaders, partBody] = splitMessage(part);
                const QByteArray partType = header(partHeaders, "content-type").toLower();
                if (partType.isEmpty() || partType.startsWith("text/") || partType.startsWith("multipart/"))
                    return bodyText(partHeaders, partBody, depth + 1);
                start = end;
            }
        }
        return {};
    }
    const QByteArray encoding = header(headers, "content-transfer-encoding").trimmed().toLower();
    const QByteArray decoded = encoding == "base64"             ? QByteArray::fromBase64(body)
                               : encoding == "quoted-printable" ? fromQuotedPrintable(body, false)
                                                                : body;
    QString text = unixLineEnds(decodeCharset(decoded, parameter(type, "charset")));
    if (mediaType == "text/html" || looksLikeHtml(text))
        text = htmlToPlainText(text);
    return text;
}

} // namespace

std::optional<MailNote> readMailMessage(const QByteArray& bytes)
{
    const auto [headers, body] = splitMessage(bytes);
    if (headers.isEmpty())
        return std::nullopt;
    MailNote note;
    note.subject = decodeEncodedWords(header(headers, "subject")).trimmed();
    note.date = QDateTime::fromString(QString::fromLatin1(header(headers, "date")).trimmed(), Qt::RFC2822Date);
    note.body = bodyText(headers, body, 0);
    return note;
}

} // namespace import
