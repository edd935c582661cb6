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
        QCOMPARE(window.form->notesFile().AQclipReminds().recordCount(), 1);

        answerRemindDialog(QDate(2026, 12, 8), QTime(14, 15, 13), QStringLiteral("bring photos"));
        window.form->Reminder1Click();
        QCOMPARE(window.column("select clip_id || '|' || remind_content || '|' || remind_time from remind"),
                 QStringList{"5|bring photos|2026-12-08 14:15:13"});
        QCOMPARE(window.form->notesFile().AQclipReminds().recordCount(), 1);
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
        standAt("2026-12-07 09:31:05");
        window.form->tmRemindTimer();
        QCOMPARE(shown.size(), 1);
    }
};

QTEST_MAIN(TestToolsReminders)
#include "tst_tools_reminders.moc"
