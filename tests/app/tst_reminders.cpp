#include "ListAsStored.h"
#include "app/NotesFile.h"
#include "app/Reminders.h"
#include "store/Clock.h"
#include "store/Database.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

QDateTime g_now;

QDateTime at(const char* text)
{
    return QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

void standAt(const char* text)
{
    g_now = at(text);
}

// The reminders of a run of the program on a notes file of their own, filled by the given
// statements before the first run.
struct RemindersOnFile {
    QTemporaryDir dir;
    std::unique_ptr<app::NotesFile> file;
    std::unique_ptr<app::Reminders> reminders;

    explicit RemindersOnFile(const QStringList& seed)
    {
        store::Database database(path());
        for (const QString& statement : seed)
            database.execute(statement);
    }

    QString path() const { return dir.filePath(QStringLiteral("clipdata.dat")); }

    // A run starts: the pending reminders are read as the window reads them at start.
    void start()
    {
        reminders.reset();
        file = std::make_unique<app::NotesFile>(path());
        reminders = std::make_unique<app::Reminders>(*file);
        reminders->open();
    }
    // The run ends the way out of the program ends it, and another starts at `time`.
    void restartAt(const char* time)
    {
        QVERIFY(reminders->keepCheckedAtExit());
        standAt(time);
        start();
    }
    QStringList check() { return reminders->dueTexts(); }

    // Reads one column of every row with a statement of the test's own.
    QStringList column(const QString& sql) { return testing::columnOf(file->database(), sql); }
};

const QString kChecked = QStringLiteral("select optionvalue from options where optionname='reminders_checked'");

QString reminderRows(const char* values)
{
    return QStringLiteral("insert into remind (clip_id, remind_content, remind_time) values ") +
           QString::fromLatin1(values);
}

} // namespace

class TestReminders : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        standAt("2026-12-07 09:00:00");
        store::Clock::setSource([] { return g_now; });
    }
    void cleanup() { store::Clock::setSource({}); }

    void everyReminderShowsOnceAtTheFirstTickOfOrAfterItsMinute()
    {
        RemindersOnFile run({reminderRows("(5, 'first of two', '2026-12-07 09:31:05'),"
                                          "(6, 'second of two', '2026-12-07 09:31:40'),"
                                          "(999, 'note long deleted', '2026-12-07 09:33:00'),"
                                          "(7, 'later', '2026-12-07 09:40:00'),"
                                          "(8, 'already past', '2026-12-07 08:59:00')")});
        run.start();
        QCOMPARE(run.file->AQclipReminds().recordCount(), 4); // the past one is not pending

        standAt("2026-12-07 09:30:59");
        QCOMPARE(run.check(), QStringList{});
        standAt("2026-12-07 09:31:20");
        QCOMPARE(run.check(), (QStringList{"first of two", "second of two"}));
        standAt("2026-12-07 09:32:20");
        QCOMPARE(run.check(), QStringList{});
        // No tick fell in 09:33 or 09:34: the busy minutes' reminder shows late, not never.
        standAt("2026-12-07 09:35:02");
        QCOMPARE(run.check(), QStringList{"Late, due 2026-12-07 09:33:\nnote long deleted"});
        standAt("2026-12-07 09:41:00");
        QCOMPARE(run.check(), QStringList{"later"});
        standAt("2026-12-07 09:42:00");
        QCOMPARE(run.check(), QStringList{});

        // Closed and started again: none of them shows a second time.
        run.restartAt("2026-12-07 09:45:00");
        QCOMPARE(run.check(), QStringList{});
    }

    // A check that finds the file changed but cannot read it (another program holds it) does
    // not move on: what fell due meanwhile shows at the next check that can read it.
    void aCheckThatCannotReadTheFileMissesNothing()
    {
        RemindersOnFile run({});
        standAt("2026-12-07 09:30:05");
        run.start();
        run.file->database().setBusyTimeout(0);
        QCOMPARE(run.check(), QStringList{});
        store::Database other(run.path());
        standAt("2026-12-07 09:30:20");
        other.execute(reminderRows("(5, 'call back', '2026-12-07 09:30:50')"));
        other.execute(QStringLiteral("begin exclusive"));
        standAt("2026-12-07 09:31:30");
        QCOMPARE(run.check(), QStringList{});
        other.execute(QStringLiteral("rollback"));
        standAt("2026-12-07 09:32:30");
        QCOMPARE(run.check(), QStringList{"Late, due 2026-12-07 09:30:\ncall back"});
    }

    // A reminder set again for the time it showed at is a new one: it shows again, once.
    void aReminderSetAgainShowsAgain()
    {
        RemindersOnFile run({});
        standAt("2026-12-07 09:30:05");
        run.start();
        QCOMPARE(run.check(), QStringList{});
        standAt("2026-12-07 09:30:40");
        run.reminders->save(5, QStringLiteral("renew the passport"), at("2026-12-07 09:30:21"));
        QVERIFY(app::Reminders::minuteHasCome(at("2026-12-07 09:30:21")));
        QVERIFY(!app::Reminders::minuteHasCome(at("2026-12-07 09:31:00")));
        QCOMPARE(run.check(), QStringList{"renew the passport"});

        standAt("2026-12-07 09:30:45");
        run.reminders->save(5, QStringLiteral("again"), at("2026-12-07 09:30:21"));
        QCOMPARE(run.column("select clip_id || '|' || remind_content || '|' || remind_time from remind"),
                 QStringList{"5|again|2026-12-07 09:30:21"});
        QCOMPARE(run.check(), QStringList{"again"});
        standAt("2026-12-07 09:31:05");
        QCOMPARE(run.check(), QStringList{});
    }

    // A reminder shows only while it is stored, though the snapshot still holds it; one that
    // another program sets shows too. Reading the pending reminders again (after a delete)
    // skips none that fell due since the last check.
    void aReminderGoesWithItsNoteAndNoneIsSkipped()
    {
        RemindersOnFile run({reminderRows("(5, 'of the note kept', '2026-12-07 09:31:30'),"
                                          "(6, 'of the note deleted here', '2026-12-07 09:31:30')")});
        run.start();
        standAt("2026-12-07 09:30:05");
        run.check();
        standAt("2026-12-07 09:31:40"); // due, but the minute's check has not come yet
        run.reminders->open();
        run.file->database().execute(QStringLiteral("delete from remind where clip_id=6"));
        standAt("2026-12-07 09:32:02");
        QCOMPARE(run.check(), QStringList{"of the note kept"});

        store::Database(run.path()).execute(reminderRows("(0, 'set elsewhere', '2026-12-07 09:33:00')"));
        standAt("2026-12-07 09:33:02");
        QCOMPARE(run.check(), QStringList{"set elsewhere"});
    }

    // A reminder that fell due while the program was not running shows at the next start,
    // marked late, once; one of the minute the last run checked in had its turn then.
    void aReminderMissedWhileClosedShowsLateOnce()
    {
        RemindersOnFile run({QStringLiteral("insert into options (optionname, optionvalue) values "
                                            "('reminders_checked', '2026-12-07 09:00')"),
                             reminderRows("(5, 'missed', '2026-12-07 09:10:00'),"
                                          "(0, 'shown last run', '2026-12-07 09:00:30')")});
        standAt("2026-12-07 09:30:05");
        run.start();
        QCOMPARE(run.check(), QStringList{"Late, due 2026-12-07 09:10:\nmissed"});
        QCOMPARE(run.column(kChecked), QStringList{"2026-12-07 09:30"});

        standAt("2026-12-07 09:31:10");
        run.start();
        QCOMPARE(run.check(), QStringList{});
    }

    // The minute checked is kept when a reminder's minute comes, not every minute. A file that
    // keeps none gets it at the first check all the same: a reminder falling due while the
    // program is closed shows at the next start.
    void theMinuteCheckedIsKeptAtTheFirstCheckAndWhenAReminderComes()
    {
        RemindersOnFile run({reminderRows("(5, 'while closed', '2026-12-07 10:00:00')")});
        run.start();
        run.check();
        standAt("2026-12-07 09:05:00");
        run.check();
        QCOMPARE(run.column(kChecked), QStringList{"2026-12-07 09:00"});

        standAt("2026-12-07 10:30:00");
        run.start();
        QCOMPARE(run.check(), QStringList{"Late, due 2026-12-07 10:00:\nwhile closed"});
        QCOMPARE(run.column(kChecked), QStringList{"2026-12-07 10:30"});

        // A run ended before its first check keeps its minute all the same.
        store::Database(run.path())
            .execute(QStringLiteral("delete from options where optionname='reminders_checked'; ") +
                     reminderRows("(5, 'after a short run', '2026-12-07 11:00:00')"));
        standAt("2026-12-07 10:40:00");
        run.start();
        run.restartAt("2026-12-07 11:30:00");
        QCOMPARE(run.column(kChecked), QStringList{"2026-12-07 10:40"});
        QCOMPARE(run.check(), QStringList{"Late, due 2026-12-07 11:00:\nafter a short run"});
    }

    // A run keeps the moment it checked, not its whole minute: a reminder later in the minute
    // a run ended in shows at the next start. One shown early in its minute does not show again.
    void theMomentCheckedIsKeptToTheSecond()
    {
        RemindersOnFile run({reminderRows("(5, 'after the end', '2026-12-07 09:30:40'),"
                                          "(6, 'shown early', '2026-12-07 09:40:50')")});
        standAt("2026-12-07 09:30:05");
        run.start();
        run.restartAt("2026-12-07 09:40:10"); // the first run ended before its check
        QCOMPARE(run.check(), (QStringList{"Late, due 2026-12-07 09:30:\nafter the end", "shown early"}));
        QCOMPARE(run.column("select optionvalue from options where optionname like 'reminders_checked%' "
                            "order by optionname"),
                 (QStringList{"2026-12-07 09:40", "2026-12-07 09:40:10"}));

        run.restartAt("2026-12-07 09:45:00");
        QCOMPARE(run.check(), QStringList{});
    }

    // The last run checked with the clock two days ahead; set right, a reminder due before
    // that moment still shows.
    void aCheckMadeWithTheClockAheadHoldsNothingBack()
    {
        RemindersOnFile run({QStringLiteral("insert into options (optionname, optionvalue) values "
                                            "('reminders_checked', '2026-12-09 09:00'), "
                                            "('reminders_checked_at', '2026-12-09 09:00:00')"),
                             reminderRows("(5, 'in an hour', '2026-12-07 10:00:00')")});
        run.start();
        standAt("2026-12-07 10:00:30");
        QCOMPARE(run.check(), QStringList{"in an hour"});
    }

    // A file that comes to keep an older minute (a backup restored, another program) keeps
    // this run's again at the next check: a reminder shown does not show again at the next start.
    void aReminderShownStaysShownWhenTheFileGoesBack()
    {
        RemindersOnFile run({reminderRows("(5, 'shown', '2026-12-07 09:10:00')")});
        run.start();
        standAt("2026-12-07 09:10:05");
        QCOMPARE(run.check(), QStringList{"shown"});
        store::Database(run.path())
            .execute(QStringLiteral("update options set optionvalue='2026-12-07 09:00' "
                                    "where optionname='reminders_checked'"));
        standAt("2026-12-07 09:11:05");
        run.check();

        standAt("2026-12-07 09:30:00");
        run.start();
        QCOMPARE(run.check(), QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestReminders)
#include "tst_reminders.moc"
