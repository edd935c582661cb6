#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace store {

// One snapshot of a notes file: when it was taken and how many notes it holds.
struct BackupEntry {
    QString filePath;
    QDateTime taken; // UTC
    qint64 notes = 0; // as the name tells it; -1 where the file was read and is no notes file
    qint64 bytes = 0;
};

// The backups of one notes file in the folder that holds them. Each backup is named by a
// short hash of the notes file's canonical path, the moment it was taken (UTC, to the
// millisecond) and its note count, so that the files of two notes files never mix and a
// listing needs no file opened; a side file `<hash>.source` tells which notes file a hash
// stands for.
class BackupFolder {
public:
    static constexpr int kKept = 7;

    BackupFolder(QString folder, const QString& notesPath);

    // $XDG_DATA_HOME/quibbet/backups, or ~/.local/share/quibbet/backups.
    static QString defaultFolder();

    const QString& folder() const { return m_folder; }
    const QString& notesPath() const { return m_notesPath; }
    const QString& key() const { return m_key; }

    // The finished backups of this notes file, newest first.
    std::vector<BackupEntry> list() const;
    // The newest taken at or before `nowUtc`: one dated later (the clock was set back, or ran
    // ahead) says nothing of when the last backup was taken.
    std::optional<QDateTime> newest(const QDateTime& nowUtc) const;
    // Removes all but the `count` newest backups of this notes file, and what backups cut
    // short by the end of their process left behind.
    void keepNewest(int count = kKept) const;

    // The name a finished backup takes, and the temporary one it is written under.
    QString finalPath(const QDateTime& takenUtc, qint64 notes) const;
    QString temporaryPath(const QDateTime& takenUtc) const;
    // The first moment from `takenUtc` on that no backup is named by: two backups within one
    // millisecond (a stopped test clock) must not take one name, or the second replaces the first.
    QDateTime freeMoment(const QDateTime& takenUtc) const;
    // Where a conflict copy goes once it is merged, under a name that neither the list of
    // backups nor their rotation takes: it is kept, never offered for a restore nor deleted.
    QString mergedCopyPath(const QString& copyName, const QDateTime& mergedUtc) const;
    // Makes the folder (owner only) and the side file; false when that failed.
    bool prepare(QString& error) const;

private:
    QString m_folder;
    QString m_notesPath; // canonical
    QString m_key;
};

} // namespace store
