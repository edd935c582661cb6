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

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder local(QStringDecoder::System);
    if (local.isValid()) {
        text = local.decode(bytes);
        if (!local.hasError())
            return text;
    }
    return QString::fromLatin1(bytes);
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
