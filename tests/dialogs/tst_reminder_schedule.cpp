#include "dialogs/ReminderSchedule.h"

#include <QTest>

using dialogs::PendingReminder;
using dialogs::ShownReminders;

namespace {
QDateTime at(const char* text)
{
    return QDateTime::fromString(QString::fromLatin1(text), "yyyy-MM-dd HH:mm:ss");
}

struct Snapshot {
    std::vector<QByteArray> times;
    std::vector<QByteArray> texts;
    std::vector<store::Value> notes;
    // A note of 0 stands for none (NULL).
    void add(const char* time, const char* text, qint64 note = 5)
    {
        times.emplace_back(time);
        texts.emplace_back(text);
        store::Value value;
        value.type = note ? store::Value::Type::Integer : store::Value::Type::Null;
        value.integer = note;
        notes.push_back(value);
    }
    std::vector<PendingReminder> rows() const
    {
        std::vector<PendingReminder> result;
        for (size_t i = 0; i < times.size(); ++i)
            result.push_back({&times[i], &texts[i], &notes[i]});
        return result;
    }
};

// What a tick shows: the due rows, each counted as shown from then on.
std::vector<int> tick(ShownReminders& shown, const Snapshot& snapshot, const char* now)
{
    const std::vector<int> due = shown.due(snapshot.rows(), at(now));
    for (int row : due)
        shown.markShown({store::reminderlog::noteKey(snapshot.notes[size_t(row)]), snapshot.times[size_t(row)]});
    return due;
}
} // namespace

class TestReminderSchedule : public QObject {
    Q_OBJECT
private slots:
    void dueFromTheStartOfItsMinute()
    {
        const QByteArray time = "2026-12-07 09:21:58";
        QVERIFY(!dialogs::isReminderDue(time, at("2026-12-07 09:20:59")));
        QVERIFY(dialogs::isReminderDue(time, at("2026-12-07 09:21:00"))); // same minute, earlier second
        QVERIFY(dialogs::isReminderDue(time, at("2026-12-07 09:22:30"))); // the minute after
        QVERIFY(dialogs::isReminderDue(time, at("2026-12-08 00:00:00"))); // a tick that came a day late
        QVERIFY(dialogs::isReminderDue("2026-12-07T09:21:00", at("2026-12-07 09:21:10")));
        QVERIFY(!dialogs::isReminderDue("", at("2026-12-07 09:21:10")));
        QVERIFY(!dialogs::isReminderDue("next tuesday", at("2030-01-01 00:00:00")));
    }

    void shownRemindersStayShownWhenTheSnapshotIsReadAgainOrTheClockGoesBack()
    {
        ShownReminders shown;
        Snapshot before;
        before.add("2026-12-07 09:21:50", "tea");
        QCOMPARE(tick(shown, before, "2026-12-07 09:21:10"), std::vector<int>{0});
        // A save at 09:21:20 re-reads the snapshot; the shown row is still in the future.
        Snapshot after;
        after.add("2026-12-07 09:25:00", "new one", 6);
        after.add("2026-12-07 09:21:50", "tea");
        QCOMPARE(tick(shown, after, "2026-12-07 09:22:10"), std::vector<int>{});
        QCOMPARE(tick(shown, after, "2026-12-07 09:25:10"), std::vector<int>{0});
        QCOMPARE(tick(shown, after, "2026-12-07 09:20:00"), std::vector<int>{}); // the clock set back
        QCOMPARE(tick(shown, after, "2026-12-07 09:30:00"), std::vector<int>{});
        QCOMPARE(int(shown.shownHere().size()), 2);
        QCOMPARE(shown.shownHere().front(), (store::reminderlog::Shown{"5", "2026-12-07 09:21:50"}));
    }

    // A reminder is its note's at its time: two notes' show both, one note's set to another
    // time is new, one shown by an earlier run is not shown here.
    void aReminderIsKnownByItsNoteAndItsTime()
    {
        Snapshot snapshot;
        snapshot.add("2026-12-07 09:21:00", "stand-up", 5);
        snapshot.add("2026-12-07 09:21:00", "stand-up", 6);
        snapshot.add("2026-12-07 09:21:00", "stand-up again", 6);
        snapshot.add("2026-12-07 09:20:00", "earlier", 0);
        ShownReminders shown;
        shown.add({"", "2026-12-07 09:20:00"});
        QCOMPARE(tick(shown, snapshot, "2026-12-07 09:21:30"), (std::vector<int>{0, 1}));
        QCOMPARE(tick(shown, snapshot, "2026-12-07 09:22:30"), std::vector<int>{});
        QCOMPARE(int(shown.shownHere().size()), 2);
        Snapshot changed;
        changed.add("2026-12-07 09:21:01", "stand-up", 5);
        QCOMPARE(tick(shown, changed, "2026-12-07 09:22:30"), std::vector<int>{0});
    }
};

QTEST_GUILESS_MAIN(TestReminderSchedule)
#include "tst_reminder_schedule.moc"
