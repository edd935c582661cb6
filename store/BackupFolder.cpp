#include "store/BackupFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace store {

namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmsszzz");

// <hash>-<yyyyMMdd>-<HHmmsszzz>-<notes>.dat
QRegularExpression finishedName(const QString& key)
{
    return QRegularExpression(QStringLiteral("^%1-(\\d{8}-\\d{9})-(\\d+)\\.dat$").arg(key));
}

QString canonical(const QString& path)
{
    const QFileInfo info(path);
    const QString resolved = info.canonicalFilePath();
    // A file not made yet is named by where it will be.
    return resolved.isEmpty() ? info.absoluteFilePath() : resolved;
}

} // namespace

BackupFolder::BackupFolder(QString folder, const QString& notesPath)
    : m_folder(std::move(folder)), m_notesPath(canonical(notesPath))
{
    m_key = QString::fromLatin1(
        QCryptographicHash::hash(QFile::encodeName(m_notesPath), QCryptographicHash::Sha256).toHex().left(12));
}

QString BackupFolder::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quibbet/backups");
}

std::vector<BackupEntry> BackupFolder::list() const
{
    std::vector<BackupEntry> entries;
    const QRegularExpression pattern = finishedName(m_key);
    const QDir dir(m_folder);
    for (const QFileInfo& file : dir.entryInfoList({m_key + QStringLiteral("-*.dat")}, QDir::Files)) {
        const QRegularExpressionMatch match = pattern.match(file.fileName());
        if (!match.hasMatch())
            continue;
        QDateTime taken = QDateTime::fromString(match.captured(1), kStampFormat);
        if (!taken.isValid())
            continue;
        taken.setTimeSpec(Qt::UTC);
        entries.push_back({file.absoluteFilePath(), taken, match.captured(2).toLongLong(), file.size()});
    }
    std::sort(entries.begin(), entries.end(),
              [](const BackupEntry& a, const BackupEntry& b) { return a.taken > b.taken; });
    return entries;
}

std::optional<QDateTime> BackupFolder::newest(const QDateTime& nowUtc) const
{
    for (const BackupEntry& entry : list())
        if (entry.taken <= nowUtc)
            return entry.taken;
    return std::nullopt;
}

void BackupFolder::keepNewest(int count) const
{
    const std::vector<BackupEntry> entries = list();
    for (size_t i = size_t(std::max(count, 0)); i < entries.size(); ++i)
        QFile::remove(entries[i].filePath);
    // A process killed while copying leaves its temporary file, as large as the notes file.
    const QRegularExpression partial(QStringLiteral("^%1-\\d{8}-\\d{9}\\.partial-(\\d+)$").arg(m_key));
    for (const QFileInfo& file : QDir(m_folder).entryInfoList(QDir::Files)) {
        const QRegularExpressionMatch match = partial.match(file.fileName());
        const pid_t owner = pid_t(match.captured(1).toLongLong());
        if (match.hasMatch() && owner != ::getpid() && ::kill(owner, 0) != 0 && errno == ESRCH)
            QFile::remove(file.absoluteFilePath());
    }
}

QString BackupFolder::finalPath(const QDateTime& takenUtc, qint64 notes) const
{
    return QStringLiteral("%1/%2-%3-%4.dat").arg(m_folder, m_key, takenUtc.toUTC().toString(kStampFormat)).arg(notes);
}

QString BackupFolder::temporaryPath(const QDateTime& takenUtc) const
{
    // Not matched by list(): a backup cut short is never offered for a restore.
    return QStringLiteral("%1/%2-%3.partial-%4")
        .arg(m_folder, m_key, takenUtc.toUTC().toString(kStampFormat))
        .arg(::getpid());
}

QDateTime BackupFolder::freeMoment(const QDateTime& takenUtc) const
{
    const QDir dir(m_folder);
    QDateTime moment = takenUtc.toUTC();
    while (!dir.entryList({QStringLiteral("%1-%2*").arg(m_key, moment.toString(kStampFormat))}, QDir::Files).isEmpty())
        moment = moment.addMSecs(1);
    return moment;
}

QString BackupFolder::mergedCopyPath(const QString& copyName, const QDateTime& mergedUtc) const
{
    QDateTime moment = mergedUtc.toUTC();
    QString path;
    // The same copy merged twice within one millisecond (a restored copy) must not replace the first.
    do {
        path = QStringLiteral("%1/%2-merged-%3-%4").arg(m_folder, m_key, moment.toString(kStampFormat), copyName);
        moment = moment.addMSecs(1);
    } while (QFileInfo::exists(path));
    return path;
}

bool BackupFolder::prepare(QString& error) const
{
    QDir dir;
    if (!dir.mkpath(m_folder)) {
        error = QStringLiteral("cannot make the folder %1").arg(m_folder);
        return false;
    }
    // The backups hold the user's notes: the folder is the owner's alone.
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString sourceFile = QStringLiteral("%1/%2.source").arg(m_folder, m_key);
    if (QFile::exists(sourceFile))
        return true;
    QSaveFile side(sourceFile);
    if (!side.open(QIODevice::WriteOnly) || !side.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        side.write(QFile::encodeName(m_notesPath) + '\n') < 0 || !side.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(sourceFile, side.errorString());
        return false;
    }
    return true;
}

} // namespace store
