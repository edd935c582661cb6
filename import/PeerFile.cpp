#include "import/PeerFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace import {

namespace {

const QRegularExpression kIsoTime(QStringLiteral(
    R"(^\s*(\d{4}-\d{2}-\d{2})[T ](\d{2}:\d{2}(?::\d{2})?)(?:[.,](\d+))?\s*(Z|[+-]\d{2}:?\d{2})?\s*$)"));

} // namespace

std::optional<QByteArray> readPeerFile(const QString& path, ReadProblem& problem)
{
    problem.file = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem.why = QFileInfo(path).isReadable() ? file.errorString() : QCoreApplication::translate("import", "may not be read");
        return std::nullopt;
    }
    if (file.size() > kLargestPeerFile) {
        problem.why = QCoreApplication::translate("import", "too large (%1 MB) to be a note").arg(file.size() / (1024 * 1024));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        problem.why = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

namespace {

// How many bytes at the end begin a character that the file does not finish: what a peer's
// file holds when it was read while the peer was still writing it.
qsizetype unfinishedCharacter(const QByteArray& bytes)
{
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto byte = uchar(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // inside a character: its first byte is further back
        const int length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

std::optional<QString> strictUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QString decodeText(const QByteArray& bytes, bool* cutShort)
{
    if (cutShort)
        *cutShort = false;
    if (std::optional<QString> text = strictUtf8(bytes))
        return *text;
    // UTF-8 up to a character cut in two at the end: read as UTF-8, since reading it all in
    // an 8-bit encoding would garble every letter that is not ASCII.
    if (const qsizetype tail = unfinishedCharacter(bytes); tail > 0) {
        if (std::optional<QString> text = strictUtf8(bytes.chopped(tail))) {
            if (cutShort)
                *cutShort = true;
            return *text + QChar(QChar::ReplacementCharacter);
        }
    }
    QStringDecoder local(QStringDecoder::System);
    if (local.isValid()) {
        QString text = local.decode(bytes);
        if (!local.hasError())
            return text;
    }
    return QString::fromLatin1(bytes);
}

QString cutShortReason()
{
    return QCoreApplication::translate("import", "ends inside a note: the file is incomplete");
}

std::optional<QString> plainFileText(const QByteArray& bytes, const QString& path, QList<ReadProblem>& problems)
{
    if (bytes.contains('\0')) {
        problems << ReadProblem{path, QCoreApplication::translate("import", "holds no note")};
        return std::nullopt;
    }
    bool cutShort = false;
    QString text = unixLineEnds(decodeText(bytes, &cutShort));
    if (cutShort) {
        problems << ReadProblem{path, cutShortReason()};
        return std::nullopt;
    }
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QString unixLineEnds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QDateTime parseIsoTime(const QString& text)
{
    const QRegularExpressionMatch match = kIsoTime.match(text);
    if (!match.hasMatch())
        return {};
    const QDate date = QDate::fromString(match.captured(1), Qt::ISODate);
    QTime time = QTime::fromString(match.captured(2), match.captured(2).size() == 5 ? QStringLiteral("HH:mm")
                                                                                       : QStringLiteral("HH:mm:ss"));
    if (!date.isValid() || !time.isValid())
        return {};
    const QString fraction = match.captured(3);
    if (!fraction.isEmpty())
        time = time.addMSecs(fraction.left(3).leftJustified(3, QLatin1Char('0')).toInt());
    const QString zone = match.captured(4);
    if (zone.isEmpty())
        return QDateTime(date, time); // local time
    if (zone == QLatin1String("Z"))
        return QDateTime(date, time, Qt::UTC);
    QString digits = zone.mid(1);
    digits.remove(QLatin1Char(':'));
    const int seconds = (digits.left(2).toInt() * 60 + digits.mid(2, 2).toInt()) * 60;
    return QDateTime(date, time, Qt::OffsetFromUTC, zone.startsWith(QLatin1Char('-')) ? -seconds : seconds);
}

} // namespace import
