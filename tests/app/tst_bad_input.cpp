// Text the list must survive: bytes that are not UTF-8, NUL, right-to-left and combining
// characters, emoji, a note of 10 MB, and 100,000 notes written on one day.
#include "app/MiniForm.h"
#include "app/MemoText.h"
#include "app/NoteGrid.h"
#include "tests/support/TestDatabase.h"

#include <QPlainTextEdit>
#include <QTest>
#include <sqlite3.h>

namespace {

// Writes raw bytes as a note's text, as another program might have stored them; a higher id is
// a newer note.
void addRawNote(testing::TestDatabase& db, int id, const QByteArray& bytes)
{
    sqlite3* handle = db.database().handle();
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(handle,
                       "insert into notes_main (id,group_id,isdone,create_time,content,account_id,record_time) "
                       "values (?1,0,'0','09:00 Mon, 07Dec2026',?2,'',printf('2026-12-07 09:00:%06.3f', ?1 / 1000.0))",
                       -1, &statement, nullptr);
    sqlite3_bind_int(statement, 1, id);
    sqlite3_bind_text(statement, 2, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    QCOMPARE(sqlite3_step(statement), SQLITE_DONE);
    sqlite3_finalize(statement);
}

void paintAll(app::TMiniForm& form)
{
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QImage image(form.sgContents->viewport()->size(), QImage::Format_RGB32);
    form.sgContents->viewport()->render(&image);
}

} // namespace

class BadInputTest : public QObject {
    Q_OBJECT

private slots:
    void unusualTextIsListedShownAndKept()
    {
        testing::TestDatabase db;
        addRawNote(db, 1, QByteArray("bad \xff\xfe bytes \xc3", 14));
        addRawNote(db, 2, QByteArray("nul\0inside", 10));
        addRawNote(db, 3, QStringLiteral("שלום עולם, مرحبا ‮reversed‬ e\u0301 🙂👍🏽 日本語").toUtf8());
        app::TMiniForm form(db.path());
        QVERIFY(form.FormCreate());
        QCOMPARE(form.sgContents->rowCount(), 4);
        paintAll(form);
        form.sgContents->setCurrentRow(3); // the invalid bytes: shown with stand-in characters
        QVERIFY(form.memoContent->toPlainText().startsWith(QStringLiteral("bad ")));
        form.sgContents->setCurrentRow(2);
        QCOMPARE(form.memoContent->toPlainText().size(), 10);
        form.sgContents->setCurrentRow(1);
        QVERIFY(form.memoContent->toPlainText().contains(QStringLiteral("🙂👍🏽")));
        // Showing a note never rewrites what is stored.
        QCOMPARE(db.scalar(QStringLiteral("select hex(content) from notes_main where id=1")),
                 QString::fromLatin1(QByteArray("bad \xff\xfe bytes \xc3", 14).toHex().toUpper()));
    }

    void tenMegabyteNoteIsListedWhole()
    {
        testing::TestDatabase db;
        QByteArray big;
        big.reserve(10 << 20);
        while (big.size() < (10 << 20))
            big += "a long line of a very long note with words to wrap\r\n";
        addRawNote(db, 1, big);
        app::TMiniForm form(db.path());
        QVERIFY(form.FormCreate());
        paintAll(form);
        form.sgContents->setCurrentRow(1);
        QCOMPARE(form.memoContent->toPlainText().toUtf8().size(), big.size() - big.count('\r'));
        form.noteListView().sgContentsMouseMove({}, form.sgContents->cellRect(1, 1).center());
        QCOMPARE(form.sgContents->hint().toUtf8().size(), big.size());
    }

    void megabytesWithoutABlankAreShownUnwrapped()
    {
        testing::TestDatabase db;
        const QByteArray word(4 << 20, 'w');
        addRawNote(db, 1, word);
        addRawNote(db, 2, "short words wrap as usual");
        app::TMiniForm form(db.path());
        QVERIFY(form.FormCreate());
        form.sgContents->setCurrentRow(2); // the older note: the long word
        QCOMPARE(form.memoContent->toPlainText().size(), word.size());
        QCOMPARE(form.memoContent->lineWrapMode(), QPlainTextEdit::NoWrap);
        form.sgContents->setCurrentRow(1);
        QCOMPARE(form.memoContent->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(app::longestUnbreakableRun(QStringLiteral("ab cde-fghi\njk")), 4);
    }

    void hundredThousandNotesOnOneDay()
    {
        testing::TestDatabase db;
        db.database().execute(QStringLiteral("begin"));
        for (int id = 1; id <= 100000; ++id)
            addRawNote(db, id, QByteArray::number(id));
        db.database().execute(QStringLiteral("commit"));
        app::TMiniForm form(db.path());
        QVERIFY(form.FormCreate());
        form.noteListView().waitForNoteList();
        QCOMPARE(form.sgContents->rowCount(), 100001); // one separator for the one day
        QCOMPARE(form.sgContents->rowTag(0), app::SeparatorRowTag);
        paintAll(form);
        form.sgContents->setCurrentRow(100000);
        QCOMPARE(form.state().CurNoteId, form.sgContents->rowTag(100000));
    }
};

QTEST_MAIN(BadInputTest)
#include "tst_bad_input.moc"
