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
    void add(const char* time, const char* text)
    {
        times.emplace_back(time);
        texts.emplace_back(text);
    }
    std::vector<PendingReminder> rows() const
    {
        std::vector<PendingReminder> result;
        for (size_t i = 0; i < times.size(); ++i)
            result.push_back({&times[i], &texts[i]});
        return result;
    }
};
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

    void shownRemindersStayShownWhenTheSnapshotIsReadAgain()
    {
        ShownReminders shown;
        Snapshot before;
        before.add("2026-12-07 09:21:50", "tea");
        QCOMPARE(shown.takeDue(before.rows(), at("2026-12-07 09:21:10")), std::vector<int>{0});
        // A save at 09:21:20 re-reads the snapshot; the shown row is still in the future.
        Snapshot after;
        after.add("2026-12-07 09:25:00", "new one");
        after.add("2026-12-07 09:21:50", "tea");
        QCOMPARE(shown.takeDue(after.rows(), at("2026-12-07 09:22:10")), std::vector<int>{});
        QCOMPARE(shown.takeDue(after.rows(), at("2026-12-07 09:25:10")), std::vector<int>{0});
    }

    void identicalRemindersOfTwoNotesBothShow()
    {
        Snapshot snapshot;
        snapshot.add("2026-12-07 09:21:00", "stand-up");
        snapshot.add("2026-12-07 09:21:00", "stand-up");
        ShownReminders shown;
        QCOMPARE(shown.takeDue(snapshot.rows(), at("2026-12-07 09:21:30")), (std::vector<int>{0, 1}));
        QCOMPARE(shown.takeDue(snapshot.rows(), at("2026-12-07 09:22:30")), std::vector<int>{});
    }
};

QTEST_GUILESS_MAIN(TestReminderSchedule)
#include "tst_reminder_schedule.moc"
