#include "ToolsTestWindow.h"

#include "dialogs/FontChooser.h"
#include "dialogs/OptionForm.h"
#include "widgets/Modal.h"

#include <QFontDialog>
#include <QPlainTextEdit>
#include <QPushButton>

using widgets::FontValue;

namespace {

QString storeOptions(int size, int style, int color, int charset)
{
    return QStringLiteral("update options set optionvalue = case optionname when 'font_size' then %1 "
                          "when 'font_style' then %2 when 'font_color' then %3 else %4 end")
        .arg(size)
        .arg(style)
        .arg(color)
        .arg(charset);
}

const QString kStoredOptions = QStringLiteral(
    "select optionvalue from options order by case optionname when 'font_size' then 1 when 'font_style' then 2 "
    "when 'font_color' then 3 else 4 end");

// Answers the options dialog: optionally opens the chooser, then OK or Cancel.
void answerOptions(bool openChooser, bool ok)
{
    widgets::Modal::queueDialogAnswer([=](QDialog& shown) {
        auto& form = dynamic_cast<dialogs::TOptionForm&>(shown);
        if (openChooser)
            form.Button1->click();
        (ok ? form.BitBtn1 : form.BitBtn2)->click();
        return form.result();
    });
}

// Answers the chooser with a face, 20-point bold, navy.
void answerChooser(const QString& face)
{
    widgets::Modal::queueDialogAnswer([=](QDialog& shown) {
        auto& chooser = dynamic_cast<dialogs::FontChooser&>(shown);
        QFont font(face, 20);
        font.setBold(true);
        chooser.fontPanel()->setCurrentFont(font);
        chooser.setColorValue(0x800000);
        return int(QDialog::Accepted);
    });
}

} // namespace

class TestToolsNoteFont : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        QVERIFY(!widgets::Modal::hasQueuedAnswers());
        widgets::Modal::clearQueuedAnswers();
    }

    void storedZerosLeaveTheDefaults()
    {
        ToolsTestWindow window({storeOptions(0, 0, 0, 0)});
        QVERIFY(window.start());
        QCOMPARE(window.form->state().NoteFont, FontValue::defaultFont());
        QCOMPARE(window.form->state().NoteFont.color, widgets::TColor(-2147483640)); // black (0) is not kept
    }

    void storedValuesReachNoteFontAndTheMemo_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("color");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<bool>("strikeOut");
        QTest::newRow("bold and underlined") << 5 << -2147483640 << true << false << true << false;
        QTest::newRow("all four") << 15 << 0x0000FF << true << true << true << true;
    }

    void storedValuesReachNoteFontAndTheMemo()
    {
        QFETCH(int, style);
        QFETCH(int, color);
        ToolsTestWindow window({storeOptions(12, style, color, 238)});
        QVERIFY(window.start());
        const FontValue& font = window.form->state().NoteFont;
        QCOMPARE(font.size, 12);
        QCOMPARE(font.style, style);
        QCOMPARE(font.color, color);
        QCOMPARE(font.charset, 238);
        const QFont memo = window.form->memoContent->font();
        QCOMPARE(memo.pointSize(), 12);
        QTEST(memo.bold(), "bold");
        QTEST(memo.italic(), "italic");
        QTEST(memo.underline(), "underline");
        QTEST(memo.strikeOut(), "strikeOut");
        QCOMPARE(window.form->memoContent->palette().color(QPalette::Text),
                 widgets::toQColor(color, window.form->memoContent->palette()));
    }

    void okWithoutTheChooserStoresTheFourValuesAgain()
    {
        ToolsTestWindow window({storeOptions(11, 2, -2147483640, 0)});
        QVERIFY(window.start());
        answerOptions(false, true);
        window.form->toolCommands().Options1Click();
        // The character set comes from the list's font, the framework's default one.
        QCOMPARE(window.column(kStoredOptions), (QStringList{"11", "2", "-2147483640", "1"}));
        QCOMPARE(window.form->noteListView().listFont(), window.form->state().NoteFont);
    }

    void cancelAfterChoosingStoresAndChangesNothing()
    {
        ToolsTestWindow window({storeOptions(11, 2, 255, 0)});
        QVERIFY(window.start());
        const FontValue listBefore = window.form->noteListView().listFont();
        const QFont memoBefore = window.form->memoContent->font();
        answerOptions(true, false);
        answerChooser(QStringLiteral("DejaVu Sans Mono"));
        window.form->toolCommands().Options1Click();
        QCOMPARE(window.column(kStoredOptions), (QStringList{"11", "2", "255", "0"}));
        QCOMPARE(window.form->noteListView().listFont(), listBefore);
        QCOMPARE(window.form->memoContent->font(), memoBefore);
        const FontValue& font = window.form->state().NoteFont;
        QCOMPARE(font.size, 11);
        QCOMPARE(font.style, 2);
        QCOMPARE(font.color, 255);
    }

    void okAfterChoosingGivesTheListTheWholeFontAndTheMemoNothing()
    {
        ToolsTestWindow window({storeOptions(11, 0, 0, 0)});
        QVERIFY(window.start());
        const QFont memoBefore = window.form->memoContent->font();
        answerOptions(true, true);
        answerChooser(QStringLiteral("DejaVu Sans Mono"));
        window.form->toolCommands().Options1Click();
        QCOMPARE(window.form->noteListView().listFont().face, QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(window.form->noteListView().listFont().size, 20);
        QCOMPARE(window.form->noteListView().listFont().color, 0x800000);
        QCOMPARE(window.form->memoContent->font(), memoBefore); // the memo takes it at the next start
        QCOMPARE(window.column(kStoredOptions), (QStringList{"20", "1", "8388608", "1"}));
    }
};

QTEST_MAIN(TestToolsNoteFont)
#include "tst_tools_note_font.moc"
