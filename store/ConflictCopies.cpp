#include "store/ConflictCopies.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace store {

namespace {

// The names each engine gives its copy of "clipdata.dat", as patterns with %1 for the name
// before the extension and %2 for the extension (dot included). Each ends at the extension,
// so a copy's journal ("...dat-journal", which Syncthing names by the same rule) never matches.
const QStringList kCopyPatterns = {
    // Syncthing: clipdata.sync-conflict-20261208-101500-ABCDEF1.dat (date, time, the short
    // id of the device whose version lost).
    QStringLiteral("%1\\.sync-conflict-\\d{8}-\\d{6}-[A-Za-z0-9]+%2"),
    // Nextcloud: clipdata (conflicted copy 2026-12-08 101500).dat
    QStringLiteral("%1 \\(conflicted copy \\d{4}-\\d{2}-\\d{2} \\d{6}\\)%2"),
    // ownCloud, which Nextcloud's older clients share: clipdata_conflict-20261208-101500.dat
    QStringLiteral("%1_conflict-\\d{8}-\\d{6}%2"),
    // Dropbox: clipdata (laptop's conflicted copy 2026-12-08).dat, with " (1)" and up after
    // the date when there are more on one day; the apostrophe may be typographic.
    QStringLiteral("%1 \\(.+['\u2019]s conflicted copy \\d{4}-\\d{2}-\\d{2}( \\(\\d+\\))?\\)%2"),
};

QRegularExpression copyName(const QString& notesName)
{
    const QFileInfo info(notesName);
    const QString suffix = info.suffix();
    const QString stem = QRegularExpression::escape(suffix.isEmpty() ? notesName : info.completeBaseName());
    const QString extension = suffix.isEmpty() ? QString() : QRegularExpression::escape(QLatin1Char('.') + suffix);
    QStringList alternatives;
    for (const QString& pattern : kCopyPatterns)
        alternatives << pattern.arg(stem, extension);
    return QRegularExpression(QStringLiteral("^(?:%1)$").arg(alternatives.join(QLatin1Char('|'))));
}

} // namespace

bool isConflictCopyName(const QString& notesName, const QString& fileName)
{
    return fileName != notesName && copyName(notesName).match(fileName).hasMatch();
}

QStringList findConflictCopies(const QString& notesPath)
{
    const QFileInfo notes(notesPath);
    const QRegularExpression pattern = copyName(notes.fileName());
    // Every name a copy can have begins with the notes file's stem: the folder (a home folder,
    // say) is read by name alone, and only a name that matches is looked at on the disk.
    const QString stem = notes.suffix().isEmpty() ? notes.fileName() : notes.completeBaseName();
    QStringList copies;
    QDirIterator names(notes.absolutePath(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (names.hasNext()) {
        names.next();
        const QString name = names.fileName();
        if (!name.startsWith(stem) || name == notes.fileName() || !pattern.match(name).hasMatch())
            continue;
        // Sync engines write plain files; a link could point anywhere, even at the notes file.
        const QFileInfo file(names.filePath());
        if (file.isFile() && !file.isSymLink())
            copies << file.absoluteFilePath();
    }
    std::sort(copies.begin(), copies.end());
    return copies;
}

} // namespace store
