// The backups of a notes file, driven without a window: what the status line hears of a
// backup, the count each backup offers, and a restore that first keeps what it replaces.
#include "app/BackupSchedule.h"
#include "app/NotesBackups.h"
#include "app/NotesFile.h"
#include "store/Clock.h"
#include "store/Query.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Kind = store::BackupOutcome::Kind;

// A notes file of three notes with its backups in a folder of their own, no look scheduled.
struct BackedUpFile {
    QTemporaryDir dir;
    app::NotesFile file{dir.filePath(QStringLiteral("clipdata.dat"))};
    app::NotesBackups backups{file};
    QStringList notices;

    BackedUpFile()
    {
        file.database().execute(
            QStringLiteral("insert into notes_main (id, group_id, create_time, content, record_time) values "
                           "(1, 0, '09:05 Mon, 07Dec2026', 'one', '2026-12-07 09:05:00.000'),"
                           "(2, 0, '10:15 Mon, 07Dec2026', 'two', '2026-12-07 10:15:00.000'),"
                           "(3, 0, '11:00 Tue, 08Dec2026', 'three', '2026-12-08 11:00:00.000')"));
        backups.start(dir.filePath(QStringLiteral("backups")), app::BackupSchedule::kCheckIntervalMs,
                      [this](const QString& notice) { notices << notice; });
        backups.schedule().stopChecking();
    }

    app::BackupSchedule& schedule() { return backups.schedule(); }

    void backUp()
    {
        QVERIFY(schedule().start());
        QTRY_VERIFY(!schedule().running());
    }

    QStringList noteIds()
    {
        store::Query query(file.database());
        query.addLine(QStringLiteral("select id from notes_main order by id"));
        query.open();
        QStringList ids;
        for (int row = 0; row < query.recordCount(); ++row)
            ids << query.value(row, 0).toString();
        return ids;
    }
};

store::BackupOutcome ended(Kind kind, const QString& message = {})
{
    store::BackupOutcome outcome;
    outcome.kind = kind;
    outcome.message = message;
    return outcome;
}

} // namespace

class NotesBackupsTest : public QObject {
    Q_OBJECT
private slots:
    // The hourly look tries again after a skip or failure; the user hears of it once, and
    // again only after a backup was taken.
    void aBackupProblemIsSaidOnceUntilOneIsTaken()
    {
        BackedUpFile f;
        const auto notice = [&f](Kind kind, const QString& message = {}) {
            return f.backups.noticeOf(ended(kind, message)).value_or(QStringLiteral("<none>"));
        };
        QCOMPARE(notice(Kind::Cancelled), QStringLiteral("<none>"));
        QCOMPARE(notice(Kind::DiskShort, QStringLiteral("short")), QStringLiteral("short"));
        QCOMPARE(notice(Kind::Failed, QStringLiteral("failed")), QStringLiteral("<none>"));
        QCOMPARE(notice(Kind::Taken), QStringLiteral("<none>"));
        QCOMPARE(notice(Kind::Failed, QStringLiteral("failed")), QStringLiteral("failed"));

        // The schedule's own backups reach the status line the same way.
        BackedUpFile g;
        g.schedule().options().freeBytes = [](const QString&) { return qint64(0); };
        g.backUp();
        g.backUp();
        QCOMPARE(g.notices.size(), 1);
        QCOMPARE(g.notices.front(), QStringLiteral("Backup skipped: disk short"));
    }

    // A restore first backs up what it replaces, even when the backup chosen is the oldest of
    // those kept; when that backup cannot be taken, nothing changes.
    void aRestoreKeepsWhatItReplaces()
    {
        BackedUpFile f;
        f.backUp(); // three notes
        f.file.database().execute(QStringLiteral("delete from notes_main where id = 1"));
        for (int i = 0; i < store::BackupFolder::kKept - 1; ++i)
            f.backUp(); // two notes each
        const std::vector<store::BackupEntry> taken = f.schedule().folder().list();
        QCOMPARE(int(taken.size()), store::BackupFolder::kKept);

        // The count offered is the file's, whatever a name claims: the newest backup renamed to
        // claim 99 notes, and a file that is no notes file under the name of the next.
        const QString claims99 = taken[0].filePath;
        QVERIFY(QFile::rename(claims99, claims99.left(claims99.lastIndexOf('-')) + QStringLiteral("-99.dat")));
        QFile foreign(taken[1].filePath);
        QVERIFY(foreign.open(QIODevice::WriteOnly | QIODevice::Truncate));
        foreign.write(QByteArray(70000, 'x'));
        foreign.close();
        const std::vector<store::BackupEntry> listed = f.backups.listWithCounts();
        QStringList counts;
        for (const store::BackupEntry& backup : listed)
            counts << QString::number(backup.notes);
        QCOMPARE(counts, (QStringList{"2", "-1", "2", "2", "2", "2", "3"}));
        const store::BackupEntry& oldest = listed.back();

        // A disk too short for the backup of the notes as they are: no restore, no rotation.
        f.schedule().options().freeBytes = [](const QString&) { return qint64(0); };
        const app::NotesBackups::Restore refused = f.backups.restore(oldest);
        QCOMPARE(int(refused.kind), int(app::NotesBackups::Restore::Kind::Refused));
        QVERIFY(refused.refusal.endsWith(QStringLiteral("not been changed.")));
        QCOMPARE(f.noteIds(), (QStringList{"2", "3"}));
        QCOMPARE(f.schedule().folder().list().back().filePath, oldest.filePath);
        f.schedule().options().freeBytes = nullptr;

        QCOMPARE(int(f.backups.restore(oldest).kind), int(app::NotesBackups::Restore::Kind::Restored));
        QCOMPARE(f.noteIds(), (QStringList{"1", "2", "3"}));
        // The newest backup is the file as it was before the restore.
        const std::vector<store::BackupEntry> after = f.schedule().folder().list();
        QCOMPARE(int(after.size()), store::BackupFolder::kKept);
        QCOMPARE(after.front().notes, 2);
        store::Database replaced(after.front().filePath);
        store::Query query(replaced);
        query.addLine(QStringLiteral("select id from notes_main order by id"));
        query.open();
        QCOMPARE(query.recordCount(), 2);
        QCOMPARE(query.value(0, 0).toInt(), 2);

        // The day's backup: none while the newest is under a day old, one once it is older.
        QVERIFY(!f.schedule().startIfDue());
        const auto realClock = qScopeGuard([] { store::Clock::setSource({}); });
        store::Clock::setSource(
            [] { return QDateTime::currentDateTime().addSecs(app::BackupSchedule::kIntervalSecs + 60); });
        QVERIFY(f.schedule().startIfDue());
        QTRY_VERIFY(!f.schedule().running());
        QVERIFY(f.schedule().folder().list().front().taken >
                after.front().taken.addSecs(app::BackupSchedule::kIntervalSecs));
        QVERIFY(!f.schedule().startIfDue());
    }
};

QTEST_MAIN(NotesBackupsTest)
#include "tst_notes_backups.moc"
