#include "ToolsTestWindow.h"

#include "app/BackupSchedule.h"
#include "app/NoteGrid.h"
#include "app/NotesBackups.h"
#include "dialogs/FrmAbout.h"
#include "dialogs/NotePrint.h"
#include "dialogs/ReminderSchedule.h"
#include "dialogs/RestoreBackupDialog.h"
#include "store/Clock.h"
#include "widgets/Modal.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QTreeWidget>
#include <QUrl>

namespace {

const QString kNotes = QStringLiteral(
    "insert into notes_main (id, group_id, create_time, content, record_time) values "
    "(1, 0, '09:05 Mon, 07Dec2026', 'older', '2026-12-07 09:05:00.000'),"
    "(2, null, '10:15 Mon, 07Dec2026', 'line one' || char(13, 10) || 'line two' || char(13, 10) || 'line three',"
    " '2026-12-07 10:15:00.000'),"
    "(3, 3, '11:00 Tue, 08Dec2026', 'in category three', '2026-12-08 11:00:00.000')");
// Without it note 3 has no category, and goes to Default when the window opens the file.
const QString kCategoryThree =
    QStringLiteral("insert into clip_groups (group_id, group_name, description) values (3, 'Three', '')");

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The printer of the tests: a page in memory, and how often a job was started.
class PagePrinter : public dialogs::PrinterPort {
public:
    QImage page{800, 600, QImage::Format_RGB32};
    int jobs = 0;

    QPaintDevice* defaultPrinter(const QString&, QString&) override
    {
        ++jobs;
        page.fill(Qt::white);
        return &page;
    }
};

int inkedRows(const QImage& page)
{
    int rows = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 128) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class TestToolsCommands : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        QVERIFY(!widgets::Modal::hasQueuedAnswers());
        widgets::Modal::clearQueuedAnswers();
        widgets::Modal::clearShownMessages();
    }

    void exportWritesTheShownCategoryByteForByte()
    {
        ToolsTestWindow window({kNotes, kCategoryThree});
        QVERIFY(window.start());
        const QString path = window.dir.filePath(QStringLiteral("default.txt"));
        widgets::Modal::queueFileAnswer(path);
        window.form->toolCommands().Export1Click();
        // Newest first; the note of three lines gives five.
        QCOMPARE(readAll(path), QByteArray("10:15 Mon, 07Dec2026\r\nline one\r\nline two\r\nline three\r\n\r\n"
                                           "09:05 Mon, 07Dec2026\r\nolder\r\n\r\n"));
        QCOMPARE(window.form->toolCommands().exportFileName(), path);

        window.form->state().CurGroupId = 3;
        widgets::Modal::queueFileAnswer(path);
        window.form->toolCommands().Export1Click();
        QCOMPARE(readAll(path), QByteArray("11:00 Tue, 08Dec2026\r\nin category three\r\n\r\n"));

        window.form->state().CurGroupId = 4;
        widgets::Modal::queueFileAnswer(path);
        window.form->toolCommands().Export1Click();
        QCOMPARE(readAll(path), QByteArray());

        widgets::Modal::queueFileAnswer(QString()); // cancelled: nothing written
        window.form->state().CurGroupId = 3;
        window.form->toolCommands().Export1Click();
        QCOMPARE(readAll(path), QByteArray());
        QVERIFY(widgets::Modal::shownMessages().empty());
    }

    void exportToAPathThatCannotBeWrittenSaysSoAndWritesNothing()
    {
        ToolsTestWindow window({kNotes, kCategoryThree});
        QVERIFY(window.start());
        const QString path = window.dir.filePath(QStringLiteral("no such folder/notes.txt"));
        widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
        widgets::Modal::queueFileAnswer(path);
        window.form->toolCommands().Export1Click();
        QCOMPARE(widgets::Modal::shownMessages().back().text, QStringLiteral("Cannot create file %1").arg(path));
        QVERIFY(!QFile::exists(path));
    }

    void printPutsTheCurrentRowsLinesOnOnePage()
    {
        ToolsTestWindow window({kNotes, kCategoryThree});
        QVERIFY(window.start());
        auto printer = std::make_unique<PagePrinter>();
        PagePrinter* page = printer.get();
        window.form->toolCommands().setPrinterPort(std::move(printer));

        window.form->sgContents->setCurrentRow(1); // the note of three lines
        window.form->toolCommands().Print1Click();
        QCOMPARE(page->jobs, 1);
        const int pitch = dialogs::printLinePitch(dialogs::printFont(), page->page);
        const int threeLines = inkedRows(page->page);
        QVERIFY(threeLines > 2 * pitch / 2);
        QVERIFY(threeLines <= 3 * pitch);

        window.form->sgContents->setCurrentRow(0); // a separator row prints its day text
        window.form->toolCommands().Print1Click();
        QCOMPARE(page->jobs, 2);
        QVERIFY(inkedRows(page->page) > 0);
        QVERIFY(inkedRows(page->page) <= pitch);
        QVERIFY(widgets::Modal::shownMessages().empty());
    }

    void printWithoutADefaultPrinterSaysSo()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        ToolsTestWindow window({kNotes, kCategoryThree});
        QVERIFY(window.start());
        widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
        window.form->toolCommands().Print1Click();
        QCOMPARE(widgets::Modal::shownMessages().back().text,
                 QStringLiteral("There is no default printer currently selected"));
    }

    void helpOpensTheFileBesideTheProgram()
    {
        ToolsTestWindow window;
        QVERIFY(window.start());
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        window.form->toolCommands().Help1Click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(catcher.opened[0].toLocalFile(),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/Quibbet Standard.chm"));
    }

    void theBuiltHelpFileIsACompiledHelpFile()
    {
        const QByteArray help = readAll(QStringLiteral(QUIBBET_HELP_FILE));
        QVERIFY(help.startsWith("ITSF"));
        QVERIFY(help.contains("reminders.html"));
    }

    // A restore through the window: the list offers each backup's count, the question comes
    // first and a refusal is said; then the window shows the restored notes and Undo has
    // nothing of before. The rules of the restore itself are NotesBackups'.
    void restoreFromBackupShowsTheRestoredNotes()
    {
        QTemporaryDir dataHome;
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        const auto unset = qScopeGuard([] { qunsetenv("XDG_DATA_HOME"); });
        ToolsTestWindow window({kNotes, kCategoryThree});
        const QString startMinute = QString::fromLatin1(dialogs::reminderMinute(store::Clock::now()));
        QVERIFY(window.start());
        app::BackupSchedule& schedule = window.form->notesBackups().schedule();
        QVERIFY(schedule.folder().folder().startsWith(dataHome.path()));
        const auto backUp = [&] {
            QVERIFY(schedule.start());
            QTRY_VERIFY(!schedule.running());
        };
        backUp();                                  // three notes
        window.form->sgContents->setCurrentRow(2); // "older", note 1
        window.form->noteEditing().Deletenote1Click();
        QCOMPARE(window.column(QStringLiteral("select id from notes_main order by id")), (QStringList{"2", "3"}));
        QVERIFY(window.form->deleteHistory().actUndoDelete->isEnabled());
        backUp(); // two notes, then no notes file at all
        QFile foreign(schedule.folder().list().front().filePath);
        QVERIFY(foreign.open(QIODevice::WriteOnly | QIODevice::Truncate));
        foreign.write(QByteArray(70000, 'x'));
        foreign.close();

        // Cancelled at the question: nothing changes.
        QStringList counts;
        const auto chooseOldest = [&counts](QDialog& shown) {
            auto& dialog = dynamic_cast<dialogs::RestoreBackupDialog&>(shown);
            const int offered = dialog.lstBackups->topLevelItemCount();
            counts.clear();
            for (int row = 0; row < offered; ++row)
                counts << dialog.lstBackups->topLevelItem(row)->text(1);
            dialog.lstBackups->setCurrentItem(dialog.lstBackups->topLevelItem(offered - 1));
            dialog.btnRestore->click();
            return dialog.result();
        };
        widgets::Modal::queueDialogAnswer(chooseOldest);
        widgets::Modal::queueMessageAnswer(QMessageBox::No);
        window.form->RestoreFromBackup1Click();
        QCOMPARE(counts, (QStringList{"", "3"}));
        QCOMPARE(window.column(QStringLiteral("select id from notes_main order by id")), (QStringList{"2", "3"}));
        QCOMPARE(int(schedule.folder().list().size()), 2); // no backup taken, none rotated away

        // A disk too short for the backup of the notes as they are: no restore.
        schedule.options().freeBytes = [](const QString&) { return qint64(0); };
        widgets::Modal::queueDialogAnswer(chooseOldest);
        widgets::Modal::queueMessageAnswer(QMessageBox::Yes);
        widgets::Modal::queueMessageAnswer(QMessageBox::Ok);
        window.form->RestoreFromBackup1Click();
        QVERIFY(widgets::Modal::shownMessages().back().text.endsWith(QStringLiteral("not been changed.")));
        QCOMPARE(window.column(QStringLiteral("select id from notes_main order by id")), (QStringList{"2", "3"}));
        schedule.options().freeBytes = nullptr;

        widgets::Modal::queueDialogAnswer(chooseOldest);
        widgets::Modal::queueMessageAnswer(QMessageBox::Yes);
        window.form->RestoreFromBackup1Click();
        QCOMPARE(window.column(QStringLiteral("select id from notes_main order by id")), (QStringList{"1", "2", "3"}));
        // The list shows note 1 again; Undo would bring back ids of a file that is gone.
        QStringList shown;
        for (int row = 0; row < window.form->sgContents->rowCount(); ++row)
            shown << QString::number(window.form->sgContents->rowTag(row));
        QVERIFY2(shown.contains(QStringLiteral("1")), qPrintable(shown.join(',')));
        QVERIFY(!window.form->deleteHistory().actUndoDelete->isEnabled());
        // The minute the reminders were checked in is this run's, which the backup did not keep.
        const QStringList checked =
            window.column(QStringLiteral("select optionvalue from options where optionname='reminders_checked'"));
        QCOMPARE(checked.size(), 1);
        QVERIFY2(checked.front() >= startMinute, qPrintable(checked.front()));
    }

    // Another machine's notes, left beside the file by a sync engine, come in while the window
    // runs: the list shows them and the status line says so once; a copy that is no notes file
    // is left where it is and not tried again at each write.
    void aConflictCopyBesideTheFileComesIn()
    {
        QTemporaryDir dataHome;
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        const auto unset = qScopeGuard([] { qunsetenv("XDG_DATA_HOME"); });
        ToolsTestWindow window({kNotes});
        QVERIFY(window.start());
        window.form->show();
        const QString copy = window.dir.filePath(QStringLiteral("clipdata.sync-conflict-20261208-101500-ABCDEF1.dat"));
        const QString foreign = window.dir.filePath(QStringLiteral("clipdata (conflicted copy 2026-12-08 101500).dat"));
        {
            QFile junk(foreign);
            QVERIFY(junk.open(QIODevice::WriteOnly));
            junk.write(QByteArray(5000, 'x'));
        }
        const QString staged = window.dir.filePath(QStringLiteral("staged"));
        QVERIFY(QFile::copy(window.dir.filePath(QStringLiteral("clipdata.dat")), staged));
        {
            store::Database other(staged);
            other.execute(QStringLiteral("insert into notes_main (id, group_id, create_time, content) values "
                                         "(9, 0, '09:09 Tue, 08Dec2026', 'from the laptop')"));
        }
        QVERIFY(QFile::rename(staged, copy)); // as the engine brings it
        QTRY_COMPARE(window.form->pnlStatus1->text(), QStringLiteral("1 note merged from another machine"));
        QTRY_VERIFY(!QFile::exists(copy));
        QCOMPARE(window.column(QStringLiteral("select content from notes_main where id=9")),
                 QStringList{QStringLiteral("from the laptop")});
        QList<qint32> shown;
        for (int row = 0; row < window.form->sgContents->rowCount(); ++row)
            shown << window.form->sgContents->rowTag(row);
        QVERIFY(shown.contains(9));
        QVERIFY(QFile::exists(foreign));
        // The copy that was not a notes file is written over in place, as an engine that
        // writes without a rename would finish it: once whole, it comes in.
        QVERIFY(QFile::copy(window.dir.filePath(QStringLiteral("clipdata.dat")), staged));
        {
            store::Database other(staged);
            other.execute(QStringLiteral("insert into notes_main (id, group_id, create_time, content) values "
                                         "(10, 0, '09:10 Tue, 08Dec2026', 'written in place')"));
        }
        QFile whole(staged);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        QFile inPlace(foreign);
        QVERIFY(inPlace.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(inPlace.write(whole.readAll()), whole.size());
        inPlace.close();
        QTRY_VERIFY(!QFile::exists(foreign));
        QCOMPARE(window.column(QStringLiteral("select content from notes_main where id=10")),
                 QStringList{QStringLiteral("written in place")});
    }

    // Deleted items kept in the file that another program changed into something that cannot
    // come back as it was are refused with a line that says so, dropped, and change nothing:
    // a kind of item unknown, a note filed in Search, a category under Search's id claiming a
    // note of Default, a payload that is no item at all. A sound item still comes back. Notes
    // the fixture leaves under a category without a row go to Default at start.
    void damagedKeptItemsAreRefusedAndDropped()
    {
        const QString kept = QStringLiteral("insert into recently_deleted (deleted_at, kind, payload) values "
                                            "(strftime('%Y-%m-%d %H:%M:%S','now'), '%1', '%2')");
        const QString note = QStringLiteral(
            R"({"id":%1,"row":{"id":["i","%1"],"group_id":["i","%2"],"isdone":["t","0"],"create_time":["t","t"],)"
            R"("content":["t","%3"],"account_id":["t",""],"record_time":["t","2026-12-07 09:00:00.000"]},)"
            R"("reminders":[]})");
        ToolsTestWindow window({kNotes, kept.arg("note", note.arg(5).arg(0).arg("sound")),
                                kept.arg("folder", R"({"group_id":["i","7"],"name":"X","moved":[]})"),
                                kept.arg("note", note.arg(6).arg(1).arg("in search")),
                                kept.arg("category", R"({"group_id":["i","1"],"name":"Y","moved":[1],"tab":1})"),
                                kept.arg("note", "{not json")});
        QVERIFY(window.start());
        QTRY_COMPARE(window.form->pnlStatus1->text(), QStringLiteral("Category gone: 1 note in Default"));
        QCOMPARE(window.column(QStringLiteral("select group_id from notes_main where id = 3")), QStringList{"0"});
        const QString notes = QStringLiteral("select id || ':' || ifnull(group_id, '') from notes_main order by id");
        const QStringList before = window.column(notes);
        const QStringList categories = window.column(QStringLiteral("select group_id from clip_groups"));
        for (const QString& refusal : {QStringLiteral("Not restored: kept item unreadable"),
                                       QStringLiteral("Not restored: kept category invalid"),
                                       QStringLiteral("Not restored: kept note is invalid"),
                                       QStringLiteral("Not restored: unknown kind of item")}) {
            const QString left = window.column(QStringLiteral("select count(*) from recently_deleted")).value(0);
            window.form->deleteHistory().UndoDelete1Click();
            QCOMPARE(window.form->pnlStatus1->text(), refusal);
            QCOMPARE(window.column(notes), before);
            QCOMPARE(window.column(QStringLiteral("select group_id from clip_groups")), categories);
            QCOMPARE(window.column(QStringLiteral("select count(*) from recently_deleted")).value(0).toInt(),
                     left.toInt() - 1);
        }
        QVERIFY(widgets::Modal::shownMessages().empty());
        window.form->deleteHistory().UndoDelete1Click();
        QCOMPARE(window.column(QStringLiteral("select content from notes_main where id = 5")), QStringList{"sound"});
        QCOMPARE(window.column(QStringLiteral("select count(*) from recently_deleted")), QStringList{"0"});
    }

    void aboutShowsTheLongLivedBoxUntilItsButtonIsPressed()
    {
        ToolsTestWindow window;
        QVERIFY(window.start());
        dialogs::TfrmAbout* shownBox = nullptr;
        for (int i = 0; i < 2; ++i) {
            widgets::Modal::queueDialogAnswer([&](QDialog& shown) {
                auto& box = dynamic_cast<dialogs::TfrmAbout&>(shown);
                if (shownBox && shownBox != &box)
                    return -1; // a second box: fails the comparison below
                shownBox = &box;
                box.btn_continue->click();
                return box.result();
            });
            window.form->toolCommands().About1Click();
            QCOMPARE(shownBox->result(), int(QDialog::Accepted));
        }
        QCOMPARE(shownBox, &window.form->toolCommands().frmAbout());
    }
};

QTEST_MAIN(TestToolsCommands)
#include "tst_tools_commands.moc"
