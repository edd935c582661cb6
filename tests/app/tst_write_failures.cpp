// When a write cannot be made, the user is told why and keeps what they typed: another
// program holding the file, a read-only file, a full disk. Long texts are kept whole.
#include "FormFixture.h"

#include "dialogs/CategoryManage.h"
#include "dialogs/FrmRemind.h"
#include "dialogs/FrmSearch.h"
#include "dialogs/TimeOfDayEdit.h"
#include "store/Clock.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {

void typeNewNote(fixture::Form& f, const QString& text)
{
    f->noteEditing().imgNewClick();
    f->memoContent->setPlainText(text);
}

int noteCount(fixture::Form& f)
{
    return f.rows(QStringLiteral("select count(*) from notes_main"), 1).value(0).toInt();
}

} // namespace

class WriteFailuresTest : public QObject {
    Q_OBJECT

private slots:
    void lockHeldTooLongKeepsTheTypedText()
    {
        fixture::Form f;
        QProcess cli;
        cli.start(QStringLiteral("sqlite3"), {f.db.path()});
        QVERIFY(cli.waitForStarted());
        cli.write("begin immediate;\n.print locked\n.shell sleep 7\nrollback;\n.quit\n");
        cli.closeWriteChannel();
        QVERIFY(cli.waitForReadyRead(10000));

        typeNewNote(f, QStringLiteral("do not lose me"));
        widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
        f->noteEditing().imgApplyClick();
        QCOMPARE(widgets::Modal::shownMessages().back().text.section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("database is locked"));
        QCOMPARE(f.memo(), QStringLiteral("do not lose me"));
        QVERIFY(!f.state().InBrowseMode); // still editing
        QVERIFY(cli.waitForFinished(15000));

        f->noteEditing().imgApplyClick(); // once the other program is done, the same Apply goes through
        QCOMPARE(f.rows(QStringLiteral("select content from notes_main"), 1), QStringList{"do not lose me"});
        QVERIFY(f.state().InBrowseMode);
    }

    void readOnlyFileRefusesAndKeepsTheText()
    {
        testing::TestDatabase seed;
        seed.exec(fixture::note(1, "0", "09:00 Mon, 07Dec2026", "stored", "2026-12-07 09:00:00"));
        QFile::setPermissions(seed.path(), QFile::ReadOwner);
        app::TMiniForm form(seed.path());
        QVERIFY(form.FormCreate()); // reading still works
        QCOMPARE(form.sgContents->rowCount(), 2);
        form.noteEditing().imgNewClick();
        form.memoContent->setPlainText(QStringLiteral("typed on a read-only file"));
        widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
        form.noteEditing().imgApplyClick();
        QVERIFY(widgets::Modal::shownMessages().back().text.contains(QStringLiteral("read-only")));
        QCOMPARE(form.memoContent->toPlainText(), QStringLiteral("typed on a read-only file"));
        QFile::setPermissions(seed.path(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(seed.scalar(QStringLiteral("select count(*) from notes_main")), QStringLiteral("1"));
    }

    void fullDiskRefusesAndKeepsTheText()
    {
        fixture::Form f;
        // Room for one more page only: far less than the note needs, whatever the page size.
        const int pages = f.db.scalar(QStringLiteral("pragma page_count")).toInt();
        f->notesFile().database().execute(QStringLiteral("pragma max_page_count = %1").arg(pages + 1));
        const QString big(300000, QLatin1Char('z'));
        typeNewNote(f, big);
        widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
        f->noteEditing().imgApplyClick();
        QVERIFY(!widgets::Modal::shownMessages().empty());
        QVERIFY(widgets::Modal::shownMessages().back().text.startsWith(QStringLiteral("database or disk is full")));
        QCOMPARE(f.memo(), big);
        QCOMPARE(noteCount(f), 0);
    }

    // The old copies go and the new ones come together, or neither: a search that finds no
    // room leaves the last results and every note as they were.
    void searchWithoutRoomKeepsTheLastResults()
    {
        fixture::Form f;
        for (int i = 0; i < 3; ++i)
            f.db.exec(QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id) "
                                     "values (%1,0,'0','t','%2','')")
                          .arg(i + 1)
                          .arg(QString(100000, QLatin1Char('a' + i))));
        const auto search = [&](const QString& text) {
            widgets::Modal::queueDialogAnswer([text](QDialog& shown) {
                auto* edit = dynamic_cast<dialogs::TFrmSearch&>(shown).edt_for_search;
                edit->setText(text);
                QTest::keyClick(edit, Qt::Key_Return);
                return shown.result();
            });
            widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
            f->toolCommands().Search1Click();
        };
        search(QStringLiteral("a"));
        const QString copies = QStringLiteral("select group_concat(id) from notes_main where group_id=1");
        QCOMPARE(f.db.scalar(copies), QStringLiteral("60001"));
        const int pages = f.db.scalar(QStringLiteral("pragma page_count")).toInt();
        f->notesFile().database().execute(QStringLiteral("pragma max_page_count = %1").arg(pages + 1));
        widgets::Modal::clearShownMessages();
        search(QStringLiteral("%"));
        QVERIFY(!widgets::Modal::shownMessages().empty());
        QCOMPARE(f.db.scalar(copies), QStringLiteral("60001"));
        QCOMPARE(noteCount(f), 4);
        QCOMPARE(f.db.scalar(QStringLiteral("select sum(length(content)) from notes_main where group_id=0")),
                 QStringLiteral("300000"));
    }

    void longTextsAreKeptWhole()
    {
        fixture::Form f;
        // A 1,000-character category name is cut to 31 characters, in the table and on the tab.
        const QString name = QString(1000, QChar(u'ж'));
        widgets::Modal::queueDialogAnswer([&](QDialog& shown) {
            auto& dialog = dynamic_cast<dialogs::TCategoryManage&>(shown);
            dialog.edtcatname->setText(name);
            dialog.edtcatDescription->setText(QStringLiteral("d"));
            dialog.accept();
            return dialog.result();
        });
        f->categoryTabs().actNewCategoryExecute();
        QCOMPARE(f.rows(QStringLiteral("select group_name from clip_groups where group_id=2"), 1),
                 QStringList{name.left(31)});
        QVERIFY(f->tabGroups->tabs().contains(name.left(31)));

        // A reminder of a megabyte is saved in full.
        store::Clock::setSource([] { return QDateTime(QDate(2026, 12, 7), QTime(9, 0)); });
        QString reminder;
        while (reminder.size() < (1 << 20))
            reminder += QStringLiteral("a line of a long reminder\n");
        widgets::Modal::queueDialogAnswer([&](QDialog& shown) {
            auto& dialog = dynamic_cast<dialogs::TFrmRemind&>(shown);
            dialog.dtRemind->setDate(QDate(2026, 12, 8));
            dialog.memoRemind->setPlainText(reminder);
            dialog.btnOk->click();
            return dialog.result();
        });
        f->Reminder1Click();
        store::Clock::setSource({});
        QCOMPARE(f.rows(QStringLiteral("select length(remind_content) from remind"), 1),
                 QStringList{QString::number(reminder.size())});

        // A ten-megabyte note is applied and read back whole.
        QString note;
        while (note.size() < (10 << 20))
            note += QStringLiteral("a line of a ten-megabyte note\n");
        typeNewNote(f, note);
        f->noteEditing().imgApplyClick();
        QCOMPARE(f.rows(QStringLiteral("select length(content) from notes_main"), 1),
                 QStringList{QString::number(note.size())});
    }
};

QTEST_MAIN(WriteFailuresTest)
#include "tst_write_failures.moc"
