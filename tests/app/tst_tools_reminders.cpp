#include "ToolsTestWindow.h"

#include "app/NoteGrid.h"
#include "dialogs/FrmRemind.h"
#include "dialogs/ShowRemindForm.h"
#include "dialogs/TimeOfDayEdit.h"
#include "store/Clock.h"
#include "widgets/Modal.h"

#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

QDateTime g_now;

void standAt(const char* text)
{
    g_now = QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// Answers the next reminder dialog: the given day and time and text, then OK.
void answerRemindDialog(const QDate& day, const QTime& time, const QString& text, QString* shownText = nullptr)
{
    widgets::Modal::queueDialogAnswer([=](QDialog& shown) {
        auto& dialog = dynamic_cast<dialogs::TFrmRemind&>(shown);
        if (shownText)
            *shownText = dialog.memoRemind->toPlainText();
        dialog.dtRemind->setDate(day);
        dialog.tmRemind->setTime(time);
        dialog.memoRemind->setPlainText(text);
        dialog.btnOk->click();
        return dialog.result();
    });
}

// Answers the next `count` display windows, noting the texts they showed.
void answerDisplays(QStringList& texts, int count)
{
    for (int i = 0; i < count; ++i) {
        widgets::Modal::queueDialogAnswer([&texts](QDialog& shown) {
            auto& form = dynamic_cast<dialogs::TShowRemindForm&>(shown);
            texts << form.MemoContent->toPlainText();
            form.btnOk->click();
            return form.result();
        });
    }
}

// Closes the window as the user would and starts another on the same file at `time`.
bool restartAt(ToolsTestWindow& window, const char* time)
{
    window.form->storeBeforeExit();
    window.form = std::make_unique<app::TMiniForm>(window.dir.filePath(QStringLiteral("clipdata.dat")));
    standAt(time);
    return window.start();
}

const QString kChecked = QStringLiteral("select optionvalue from options where optionname='reminders_checked'");

const QString kNotes =
    QStringLiteral("insert into notes_main (id, group_id, create_time, content, record_time) values "
                   "(5, 0, '09:05 Mon, 07Dec2026', 'renew the passport', '2026-12-07 08:05:00.000')");

} // namespace

class TestToolsReminders : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        standAt("2026-12-07 09:00:00");
        store::Clock::setSource([] { return g_now; });
    }
    void cleanup()
    {
        QVERIFY(!widgets::Modal::hasQueuedAnswers());
        widgets::Modal::clearQueuedAnswers();
        widgets::Modal::clearShownMessages();
        store::Clock::setSource({});
    }

    void savingUpdatesTheNotesOneRowOrAddsIt()
    {
        ToolsTestWindow window({kNotes});
        QVERIFY(window.start());
        QVERIFY(window.form->tmRemind->isActive());
        QCOMPARE(window.form->tmRemind->interval(), 60000);
        window.form->sgContents->setCurrentRow(1); // the note under its day's separator
        QCOMPARE(window.form->state().CurNoteId, 5);

        QString shownText;
        answerRemindDialog(QDate(2026, 12, 7), QTime(9, 30, 0), QStringLiteral("passport office"), &shownText);
        window.form->Reminder1Click();
        QCOMPARE(shownText, QStringLiteral("renew the passport"));
        QCOMPARE(window.column("select clip_id || '|' || remind_content || '|' || remind_time from remind"),
                 QStringList{"5|passport office|2026-12-07 09:30:00"});
        QCOMPARE(window.form->AQclipReminds().recordCount(), 1);

        answerRemindDialog(QDate(2026, 12, 8), QTime(14, 15, 13), QStringLiteral("bring photos"));
        window.form->Reminder1Click();
        QCOMPARE(window.column("select clip_id || '|' || remind_content || '|' || remind_time from remind"),
                 QStringList{"5|bring photos|2026-12-08 14:15:13"});
        QCOMPARE(window.form->AQclipReminds().recordCount(), 1);
    }

    void aTimeThatHasPassedIsRefusedAndTheDialogStaysOpen()
    {
        ToolsTestWindow window({kNotes});
        QVERIFY(window.start());
        bool stayedOpen = false;
        widgets::Modal::queueDialogAnswer([&](QDialog& shown) {
            auto& dialog = dynamic_cast<dialogs::TFrmRemind&>(shown);
            widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
            dialog.btnOk->click(); // the initial 2003-11-25
            stayedOpen = dialog.isVisible();
            dialog.btnCancel->click();
            return dialog.result();
        });
        window.form->Reminder1Click();
        QVERIFY(stayedOpen);
        QVERIFY(widgets::Modal::shownMessages().back().text.contains(QStringLiteral("passed")));
        QCOMPARE(window.column("select count(*) from remind"), QStringList{"0"});
    }

    // "Now" gives the present second, which has passed by the time OK is pressed: the
    // present minute is now, and its reminder shows at once, once, though this minute's check
    // has run.
    void aReminderSetForNowShowsAtOnce()
    {
        ToolsTestWindow window({kNotes});
        QVERIFY(window.start());
        window.form->sgContents->setCurrentRow(1);
        standAt("2026-12-07 09:30:05");
        window.form->tmRemindTimer();
        standAt("2026-12-07 09:30:21");
        widgets::Modal::queueDialogAnswer([](QDialog& shown) {
            auto& dialog = dynamic_cast<dialogs::TFrmRemind&>(shown);
            dialog.Button1->click();
            standAt("2026-12-07 09:30:40");
            dialog.btnOk->click();
            return dialog.result();
        });
        QStringList shown;
        answerDisplays(shown, 1);
        window.form->Reminder1Click();
        QCOMPARE(shown, QStringList{"renew the passport"});
        QCOMPARE(window.column("select remind_time from remind"), QStringList{"2026-12-07 09:30:21"});

        // Set again for the same moment: the user asked for it anew, so it shows again.
        standAt("2026-12-07 09:30:45");
        answerRemindDialog(QDate(2026, 12, 7), QTime(9, 30, 21), QStringLiteral("again"));
        answerDisplays(shown, 1);
        window.form->Reminder1Click();
        QCOMPARE(shown, (QStringList{"renew the passport", "again"}));
        standAt("2026-12-07 09:31:05");
        window.form->tmRemindTimer();
        QCOMPARE(shown.size(), 2);
    }

    void everyReminderShowsOnceAtTheFirstTickOfOrAfterItsMinute()
    {
        ToolsTestWindow window(
            {kNotes, QStringLiteral("insert into remind (clip_id, remind_content, remind_time) values "
                                    "(5, 'first of two', '2026-12-07 09:31:05'),"
                                    "(6, 'second of two', '2026-12-07 09:31:40'),"
                                    "(999, 'note long deleted', '2026-12-07 09:33:00'),"
                                    "(7, 'later', '2026-12-07 09:40:00'),"
                                    "(8, 'already past', '2026-12-07 08:59:00')")});
        QVERIFY(window.start());
        QCOMPARE(window.form->AQclipReminds().recordCount(), 4); // the past one is not pending

        QStringList shown;
        standAt("2026-12-07 09:30:59");
        window.form->tmRemindTimer();
        QCOMPARE(shown, QStringList{});

        standAt("2026-12-07 09:31:20");
        answerDisplays(shown, 2);
        window.form->tmRemindTimer();
        QCOMPARE(shown, (QStringList{"first of two", "second of two"}));

        standAt("2026-12-07 09:32:20");
        window.form->tmRemindTimer();
        QCOMPARE(shown.size(), 2);

        // No tick fell in 09:33 or 09:34: the busy minutes' reminder shows late, not never.
        standAt("2026-12-07 09:35:02");
        answerDisplays(shown, 1);
        window.form->tmRemindTimer();
        QCOMPARE(shown.last(), QStringLiteral("Late, due 2026-12-07 09:33:\nnote long deleted"));

        standAt("2026-12-07 09:41:00");
        answerDisplays(shown, 1);
        window.form->tmRemindTimer();
        standAt("2026-12-07 09:42:00");
        window.form->tmRemindTimer();
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown.last(), QStringLiteral("later"));

        // Closed and started again: none of them shows a second time.
        QVERIFY(restartAt(window, "2026-12-07 09:45:00"));
        answerDisplays(shown, 1);
        window.form->tmRemindTimer();
        QCOMPARE(shown.size(), 4);
        widgets::Modal::clearQueuedAnswers();
    }

    // A reminder shows only while it is stored: deleting its note here or in another program
    // takes it away. Reading the pending reminders again (after a delete) skips none that
    // fell due since the last check.
    void aReminderGoesWithItsNoteAndNoneIsSkipped()
    {
        ToolsTestWindow window(
            {kNotes,
             QStringLiteral("insert into notes_main (id, group_id, create_time, content, record_time) values "
                            "(6, 0, '09:06 Mon, 07Dec2026', 'call the bank', '2026-12-07 08:06:00.000')"),
             QStringLiteral("insert into remind (clip_id, remind_content, remind_time) values "
                            "(5, 'of the note kept', '2026-12-07 09:31:30'),"
                            "(6, 'of the note deleted here', '2026-12-07 09:31:30'),"
                            "(0, 'taken away elsewhere', '2026-12-07 09:31:30')")});
        QVERIFY(window.start());
        standAt("2026-12-07 09:30:05");
        window.form->tmRemindTimer();
        standAt("2026-12-07 09:31:40");            // due, but the minute's check has not come yet
        window.form->sgContents->setCurrentRow(1); // note 6, the newest
        QCOMPARE(window.form->state().CurNoteId, 6);
        window.form->imgDeleteClick();
        store::Database elsewhere(window.dir.filePath(QStringLiteral("clipdata.dat")));
        elsewhere.execute(QStringLiteral("delete from remind where clip_id=0"));
        QStringList shown;
        answerDisplays(shown, 3);
        standAt("2026-12-07 09:32:02");
        window.form->tmRemindTimer();
        QCOMPARE(shown, QStringList{"of the note kept"});
        widgets::Modal::clearQueuedAnswers();
    }

    // A reminder that fell due while the program was not running shows at the next start,
    // marked late, once; one of the minute the last run checked in had its turn then.
    void aReminderMissedWhileClosedShowsLateOnce()
    {
        ToolsTestWindow window(
            {kNotes,
             QStringLiteral("insert into options (optionname, optionvalue) values "
                            "('reminders_checked', '2026-12-07 09:00')"),
             QStringLiteral("insert into remind (clip_id, remind_content, remind_time) values "
                            "(5, 'missed', '2026-12-07 09:10:00'), (0, 'shown last run', '2026-12-07 09:00:30')")});
        standAt("2026-12-07 09:30:05");
        QVERIFY(window.start());
        QStringList shown;
        answerDisplays(shown, 2);
        window.form->tmRemindTimer();
        QCOMPARE(shown, QStringList{"Late, due 2026-12-07 09:10:\nmissed"});
        QCOMPARE(window.column(kChecked), QStringList{"2026-12-07 09:30"});
        widgets::Modal::clearQueuedAnswers();

        window.form = std::make_unique<app::TMiniForm>(window.dir.filePath(QStringLiteral("clipdata.dat")));
        standAt("2026-12-07 09:31:10");
        QVERIFY(window.start());
        answerDisplays(shown, 2);
        window.form->tmRemindTimer();
        QCOMPARE(shown.size(), 1);
        widgets::Modal::clearQueuedAnswers();
    }

    // The minute checked is kept when a reminder's minute comes, not every minute. A file that
    // keeps none gets it at the first check all the same: a reminder falling due while the
    // program is closed shows at the next start.
    void theMinuteCheckedIsKeptAtTheFirstCheckAndWhenAReminderComes()
    {
        ToolsTestWindow window({kNotes, QStringLiteral("insert into remind (clip_id, remind_content, remind_time) "
                                                       "values (5, 'while closed', '2026-12-07 10:00:00')")});
        QVERIFY(window.start());
        window.form->tmRemindTimer();
        standAt("2026-12-07 09:05:00");
        window.form->tmRemindTimer();
        QCOMPARE(window.column(kChecked), QStringList{"2026-12-07 09:00"});

        window.form = std::make_unique<app::TMiniForm>(window.dir.filePath(QStringLiteral("clipdata.dat")));
        standAt("2026-12-07 10:30:00");
        QVERIFY(window.start());
        QStringList shown;
        answerDisplays(shown, 1);
        window.form->tmRemindTimer();
        QCOMPARE(shown, QStringList{"Late, due 2026-12-07 10:00:\nwhile closed"});
        QCOMPARE(window.column(kChecked), QStringList{"2026-12-07 10:30"});
        widgets::Modal::clearQueuedAnswers();

        // A run ended before its first check keeps its minute all the same.
        store::Database(window.dir.filePath(QStringLiteral("clipdata.dat")))
            .execute(QStringLiteral("delete from options where optionname='reminders_checked'; "
                                    "insert into remind (clip_id, remind_content, remind_time) "
                                    "values (5, 'after a short run', '2026-12-07 11:00:00')"));
        window.form = std::make_unique<app::TMiniForm>(window.dir.filePath(QStringLiteral("clipdata.dat")));
        standAt("2026-12-07 10:40:00");
        QVERIFY(window.start());
        window.form->storeBeforeExit();
        QCOMPARE(window.column(kChecked), QStringList{"2026-12-07 10:40"});
        window.form = std::make_unique<app::TMiniForm>(window.dir.filePath(QStringLiteral("clipdata.dat")));
        standAt("2026-12-07 11:30:00");
        QVERIFY(window.start());
        answerDisplays(shown, 1);
        window.form->tmRemindTimer();
        QCOMPARE(shown.last(), QStringLiteral("Late, due 2026-12-07 11:00:\nafter a short run"));
        widgets::Modal::clearQueuedAnswers();
    }

    // A run keeps the moment it checked, not its whole minute: a reminder later in the minute
    // a run ended in shows at the next start. One shown early in its minute does not show again.
    void theMomentCheckedIsKeptToTheSecond()
    {
        ToolsTestWindow window({kNotes, QStringLiteral("insert into remind (clip_id, remind_content, remind_time) "
                                                       "values (5, 'after the end', '2026-12-07 09:30:40'),"
                                                       "(6, 'shown early', '2026-12-07 09:40:50')")});
        standAt("2026-12-07 09:30:05");
        QVERIFY(window.start());
        QVERIFY(restartAt(window, "2026-12-07 09:40:10")); // the first run ended before its check
        QStringList shown;
        answerDisplays(shown, 2);
        window.form->tmRemindTimer();
        QCOMPARE(shown, (QStringList{"Late, due 2026-12-07 09:30:\nafter the end", "shown early"}));
        widgets::Modal::clearQueuedAnswers();
        QCOMPARE(window.column("select optionvalue from options where optionname like 'reminders_checked%' "
                               "order by optionname"),
                 (QStringList{"2026-12-07 09:40", "2026-12-07 09:40:10"}));

        QVERIFY(restartAt(window, "2026-12-07 09:45:00"));
        answerDisplays(shown, 1);
        window.form->tmRemindTimer();
        QCOMPARE(shown.size(), 2);
        widgets::Modal::clearQueuedAnswers();
    }

    // The last run checked with the clock two days ahead; set right, a reminder due before
    // that moment still shows.
    void aCheckMadeWithTheClockAheadHoldsNothingBack()
    {
        ToolsTestWindow window({kNotes,
                                QStringLiteral("insert into options (optionname, optionvalue) values "
                                               "('reminders_checked', '2026-12-09 09:00'), "
                                               "('reminders_checked_at', '2026-12-09 09:00:00')"),
                                QStringLiteral("insert into remind (clip_id, remind_content, remind_time) "
                                               "values (5, 'in an hour', '2026-12-07 10:00:00')")});
        QVERIFY(window.start());
        QStringList shown;
        answerDisplays(shown, 1);
        standAt("2026-12-07 10:00:30");
        window.form->tmRemindTimer();
        QCOMPARE(shown, QStringList{"in an hour"});
    }

    // A file that comes to keep an older minute (a backup restored, another program) keeps
    // this run's again at the next check: a reminder shown does not show again at the next start.
    void aReminderShownStaysShownWhenTheFileGoesBack()
    {
        ToolsTestWindow window({kNotes, QStringLiteral("insert into remind (clip_id, remind_content, remind_time) "
                                                       "values (5, 'shown', '2026-12-07 09:10:00')")});
        QVERIFY(window.start());
        QStringList shown;
        answerDisplays(shown, 1);
        standAt("2026-12-07 09:10:05");
        window.form->tmRemindTimer();
        QCOMPARE(shown, QStringList{"shown"});
        store::Database(window.dir.filePath(QStringLiteral("clipdata.dat")))
            .execute(QStringLiteral("update options set optionvalue='2026-12-07 09:00' "
                                    "where optionname='reminders_checked'"));
        standAt("2026-12-07 09:11:05");
        window.form->tmRemindTimer();

        window.form = std::make_unique<app::TMiniForm>(window.dir.filePath(QStringLiteral("clipdata.dat")));
        standAt("2026-12-07 09:30:00");
        QVERIFY(window.start());
        answerDisplays(shown, 1);
        window.form->tmRemindTimer();
        QCOMPARE(shown.size(), 1);
        widgets::Modal::clearQueuedAnswers();
    }
};

QTEST_MAIN(TestToolsReminders)
#include "tst_tools_reminders.moc"
