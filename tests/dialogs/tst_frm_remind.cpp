#include "dialogs/FrmRemind.h"
#include "dialogs/ShowRemindForm.h"
#include "dialogs/TimeOfDayEdit.h"
#include "store/Clock.h"
#include "tests/support/Pixels.h"
#include "widgets/Modal.h"

#include <QDateEdit>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QVBoxLayout>

using dialogs::TFrmRemind;

namespace {
struct SavedReminder {
    qint32 clipId;
    QString text;
    QDateTime when;
};
// The text of a reminder as the user wrote it: a paragraph of Arabic, then Latin words with
// emoji.
const QString kWritten = QStringLiteral("مرحبا بالعالم\nI \u2764\uFE0F\u2764\uFE0F\u2764\uFE0F it");

// What is wrong with how an edit shows kWritten; empty when nothing is.
QString shownAsWritten(QPlainTextEdit& edit)
{
    const QImage shown = edit.viewport()->grab().toImage();
    const QRect firstLine = edit.cursorRect(QTextCursor(edit.document()->firstBlock()));
    const QRect arabic = testing::inkBox(shown, QRect(0, firstLine.top(), shown.width(), firstLine.height()));
    if (arabic.left() < shown.width() / 2 || arabic.right() < shown.width() - 8)
        return QStringLiteral("the Arabic paragraph is not at the right");
    if (testing::clearRedPixels(shown) <= 20)
        return QStringLiteral("the hearts are not drawn in colour");
    return {};
}

} // namespace

class TestFrmRemind : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        store::Clock::setSource({});
        widgets::Modal::clearQueuedAnswers();
        widgets::Modal::clearShownMessages();
    }

    void startsWithTheStoredPickerValuesNotToday()
    {
        store::Clock::setSource([] { return QDateTime(QDate(2026, 12, 7), QTime(15, 0)); });
        TFrmRemind dialog(nullptr, {});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Remind Settings"));
        QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(dialog.dtRemind->date(), QDate(2003, 11, 25));
        QCOMPARE(dialog.dtRemind->text(), QStringLiteral("2003-11-25"));
        QVERIFY(dialog.dtRemind->calendarPopup());
        QCOMPARE(dialog.tmRemind->time(), QTime(0, 0, 13));
        QCOMPARE(dialog.tmRemind->text(), QStringLiteral("00:00")); // just after midnight
        QCOMPARE(dialog.memoRemind->size(), QSize(345, 121));
        QVERIFY(dialog.btnOk->isDefault());
        QCOMPARE(dialog.remindTime(), QDateTime(QDate(2003, 11, 25), QTime(0, 0, 13)));
    }

    void nowTakesTheClocksDayAndTime()
    {
        store::Clock::setSource([] { return QDateTime(QDate(2026, 12, 7), QTime(15, 42, 31, 250)); });
        TFrmRemind dialog(nullptr, {});
        dialog.Button1->click();
        QCOMPARE(dialog.dtRemind->text(), QStringLiteral("2026-12-07"));
        QCOMPARE(dialog.tmRemind->text(), QStringLiteral("15:42"));
        QCOMPARE(dialog.remindTime(), QDateTime(QDate(2026, 12, 7), QTime(15, 42, 31)));
    }

    void everyTimeOfDayCanBeTypedAndReadWhateverHalfOfTheDayWasShown()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto& edit = *new dialogs::TimeOfDayEdit(&window);
        layout->addWidget(&edit);
        layout->addWidget(new QLineEdit(&window));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit.setFocus();
        QLineEdit* line = edit.findChild<QLineEdit*>();
        const auto type = [&](const QString& text) {
            line->selectAll();
            QTest::keyClicks(line, text);
        };
        // From an afternoon value a morning time, from a morning value an evening one.
        edit.setTime(QTime(13, 45, 9));
        QCOMPARE(edit.text(), QStringLiteral("13:45"));
        type(QStringLiteral("02:30"));
        QCOMPARE(edit.time(), QTime(2, 30, 9)); // seconds kept
        type(QStringLiteral("20:00"));
        QCOMPARE(edit.time(), QTime(20, 0, 9));
        type(QStringLiteral("8:05"));
        QCOMPARE(edit.time(), QTime(8, 5, 9));
        QCOMPARE(edit.text(), QStringLiteral("8:05"));
        QTest::keyClick(&edit, Qt::Key_Tab); // leaving shows the value in full
        QCOMPARE(edit.text(), QStringLiteral("08:05"));
        type(QStringLiteral("00:00"));
        QCOMPARE(edit.time(), QTime(0, 0, 9));
        QCOMPARE(dialogs::TimeOfDayEdit::displayText(QTime(12, 0)), QStringLiteral("12:00"));
        QCOMPARE(dialogs::TimeOfDayEdit::displayText(QTime(23, 59, 59)), QStringLiteral("23:59"));

        type(QStringLiteral("24")); // no hour 24: the 4 is refused as it is typed
        QCOMPARE(edit.text(), QStringLiteral("2"));
        QCOMPARE(edit.time(), QTime(0, 0, 9));
        QTest::keyClicks(line, QStringLiteral(":60"));
        QCOMPARE(edit.text(), QStringLiteral("2:6"));
        QCOMPARE(edit.time(), QTime(0, 0, 9));

        edit.setTime(QTime(11, 59, 0));
        line->setCursorPosition(1);
        edit.stepBy(1);
        QCOMPARE(edit.time(), QTime(12, 59, 0));
        QCOMPARE(edit.text(), QStringLiteral("12:59"));
        line->setCursorPosition(4);
        edit.stepBy(1);
        QCOMPARE(edit.time(), QTime(12, 0, 0)); // minutes wrap inside their hour
        line->setCursorPosition(0);
        edit.stepBy(-13);
        QCOMPARE(edit.time(), QTime(23, 0, 0));
        QCOMPARE(edit.text(), QStringLiteral("23:00"));
    }

    void okRefusesAMinuteThatHasPassedAndSavesThePresentOne()
    {
        store::Clock::setSource([] { return QDateTime(QDate(2026, 12, 7), QTime(9, 0, 30)); });
        std::vector<SavedReminder> saved;
        TFrmRemind dialog(nullptr, [&](qint32 clipId, const QString& text, const QDateTime& when) {
            saved.push_back({clipId, text, when});
        });
        dialog.ClipId = 42;
        dialog.memoRemind->setPlainText(QStringLiteral("call back\r\nabout the invoice"));
        dialog.show();

        widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
        dialog.btnOk->click(); // the initial 2003 date
        QVERIFY(saved.empty());
        QVERIFY(dialog.isVisible());
        QCOMPARE(widgets::Modal::shownMessages().size(), size_t(1));
        QVERIFY(widgets::Modal::shownMessages().back().text.contains(QStringLiteral("2003-11-25 00:00:13")));

        dialog.Button1->click();
        dialog.tmRemind->setTime(QTime(8, 59, 59)); // the minute before, as the picker shows it
        widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
        dialog.btnOk->click();
        QVERIFY(saved.empty());
        QVERIFY(dialog.isVisible());

        // The picker shows minutes: "Now" is the present minute, whatever its second.
        store::Clock::setSource([] { return QDateTime(QDate(2026, 12, 7), QTime(9, 0, 58, 900)); });
        dialog.tmRemind->setTime(QTime(9, 0, 30));
        dialog.btnOk->click();
        QCOMPARE(saved.size(), size_t(1));
        QCOMPARE(saved[0].clipId, 42);
        QCOMPARE(saved[0].text, QStringLiteral("call back\nabout the invoice"));
        QCOMPARE(saved[0].when, QDateTime(QDate(2026, 12, 7), QTime(9, 0, 30)));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void recordCarriesAtMost1023CharactersUpToTheFirstZero()
    {
        const QString longText(2000, QLatin1Char('a'));
        QCOMPARE(dialogs::makeRemindRec(7, longText).contentText(), QString(1023, QLatin1Char('a')));
        QCOMPARE(dialogs::makeRemindRec(7, longText).ClipId, 7);

        // A character of two UTF-16 units across the cut is left out whole.
        const QString emoji = QString(1022, QLatin1Char('b')) + QString::fromUtf8("\xF0\x9F\x93\x9D") + "c";
        QCOMPARE(dialogs::makeRemindRec(1, emoji).contentText(), QString(1022, QLatin1Char('b')));

        QString withZero = QStringLiteral("before");
        withZero.append(QChar(0)).append(QStringLiteral("after"));
        QCOMPARE(dialogs::makeRemindRec(1, withZero).contentText(), QStringLiteral("before"));
    }

    void showRemindDialogFillsTheDialogAndCancelSavesNothing()
    {
        bool saverCalled = false;
        QString memoText;
        qint32 clipId = 0;
        widgets::Modal::queueDialogAnswer([&](QDialog& shown) {
            auto& dialog = dynamic_cast<TFrmRemind&>(shown);
            memoText = dialog.memoRemind->toPlainText();
            clipId = dialog.ClipId;
            dialog.Button1->click();
            dialog.btnCancel->click();
            return dialog.result();
        });
        dialogs::ShowRemindDialog(dialogs::makeRemindRec(9, QStringLiteral("Mon, 07Dec2026")), nullptr,
                                  [&](qint32, const QString&, const QDateTime&) { saverCalled = true; });
        QCOMPARE(memoText, QStringLiteral("Mon, 07Dec2026"));
        QCOMPARE(clipId, 9);
        QVERIFY(!saverCalled);
        QVERIFY(!widgets::Modal::hasQueuedAnswers());
    }

    // Both reminder windows show the user's words as the note list does.
    void reminderTextIsShownAsWritten()
    {
        QVERIFY2(QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji")),
                 "no colour emoji face: install the Debian package fonts-noto-color-emoji");
        dialogs::TShowRemindForm remindInfo;
        remindInfo.RemindText = kWritten;
        remindInfo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&remindInfo));
        QCOMPARE(remindInfo.MemoContent->toPlainText(), kWritten);
        const QString problem = shownAsWritten(*remindInfo.MemoContent);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("Remind info: ") + problem));

        TFrmRemind settings(nullptr, {});
        settings.memoRemind->setPlainText(kWritten);
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        const QString settingsProblem = shownAsWritten(*settings.memoRemind);
        QVERIFY2(settingsProblem.isEmpty(), qPrintable(QStringLiteral("Text to remind: ") + settingsProblem));
    }
};

QTEST_MAIN(TestFrmRemind)
#include "tst_frm_remind.moc"
