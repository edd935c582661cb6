// The note list's tooltip and the category tooltip show the user's text as typed: markup
// in a note or a description is text, never a heading, never a picture to load.
#include "app/MiniForm.h"
#include "app/NoteGrid.h"
#include "tests/support/Pixels.h"
#include "tests/support/TestDatabase.h"
#include "widgets/TabSet.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>

using app::TMiniForm;

namespace {

// The label the toolkit shows as the tooltip, once it is on screen.
QLabel* shownTip()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("qtooltip_label") && widget->isVisible())
            return qobject_cast<QLabel*>(widget);
    return nullptr;
}

void askForTip(QWidget* widget, const QPoint& point)
{
    QHelpEvent help(QEvent::ToolTip, point, widget->mapToGlobal(point));
    QCoreApplication::sendEvent(widget, &help);
}

// What the user reads in the tooltip: its text laid out as the label lays it out.
struct Shown {
    QString text;
    bool heading = false;
    bool picture = false;
};

Shown read(const QLabel& tip)
{
    QTextDocument document;
    if (Qt::mightBeRichText(tip.text()))
        document.setHtml(tip.text());
    else
        document.setPlainText(tip.text());
    Shown shown;
    shown.text = document.toPlainText();
    shown.picture = shown.text.contains(QChar::ObjectReplacementCharacter);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        shown.heading = shown.heading || block.blockFormat().headingLevel() > 0;
    return shown;
}

} // namespace

class ToolTipTest : public QObject {
    Q_OBJECT

private slots:
    void noteTipShowsTheNoteAsTyped()
    {
        testing::TestDatabase db;
        const QString markup = QStringLiteral("<h1>Big</h1><b>bold</b> & <img src=\"/tmp/x.png\">");
        const QString lines = QStringLiteral("first  line\r\nsecond\rthird <i>x</i>");
        db.addNote(1, QStringLiteral("0"), QStringLiteral("09:01 Mon, 07Dec2026"), markup);
        db.addNote(2, QStringLiteral("0"), QStringLiteral("09:02 Mon, 07Dec2026"), lines);
        TMiniForm form(db.path());
        QVERIFY(form.FormCreate());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        app::NoteGrid& grid = *form.sgContents;
        QWidget* viewport = grid.viewport();

        // Rows: separator, note 2, note 1.
        const QPoint overMarkup = grid.cellRect(1, 2).center();
        form.noteListView().sgContentsMouseMove({}, overMarkup);
        askForTip(viewport, overMarkup);
        QTRY_VERIFY(shownTip());
        Shown shown = read(*shownTip());
        QCOMPARE(shown.text, markup);
        QVERIFY(!shown.heading);
        QVERIFY(!shown.picture);

        QToolTip::hideText();
        QTRY_VERIFY(!shownTip());
        const QPoint overLines = grid.cellRect(1, 1).center();
        form.noteListView().sgContentsMouseMove({}, overLines);
        askForTip(viewport, overLines);
        QTRY_VERIFY(shownTip());
        QCOMPARE(read(*shownTip()).text, QStringLiteral("first  line\nsecond\nthird <i>x</i>"));
    }

    // Emoji in a note's tip are drawn in colour, as in the list.
    void noteTipDrawsEmojiInColour()
    {
        QVERIFY2(QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji")),
                 "no colour emoji face: install the Debian package fonts-noto-color-emoji");
        testing::TestDatabase db;
        const QString hearts = QStringLiteral("I \u2764\uFE0F\u2764\uFE0F\u2764\uFE0F <it>");
        db.addNote(1, QStringLiteral("0"), QStringLiteral("09:01 Mon, 07Dec2026"), hearts);
        TMiniForm form(db.path());
        QVERIFY(form.FormCreate());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        app::NoteGrid& grid = *form.sgContents;
        const QPoint overNote = grid.cellRect(1, 1).center();
        form.noteListView().sgContentsMouseMove({}, overNote);
        askForTip(grid.viewport(), overNote);
        QTRY_VERIFY(shownTip());
        QCOMPARE(read(*shownTip()).text, hearts);
        QVERIFY2(testing::clearRedPixels(shownTip()->grab().toImage()) > 20, "the hearts are not drawn in colour");
    }

    void categoryTipShowsTheDescriptionAsTyped()
    {
        testing::TestDatabase db;
        const QString description = QStringLiteral("<h2>Work</h2> <img src=x> & <b>more</b>");
        db.exec(QStringLiteral("insert into clip_groups values (2,'Work','%1')").arg(description));
        TMiniForm form(db.path());
        QVERIFY(form.FormCreate());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        widgets::TabSet& tabs = *form.tabGroups;
        tabs.setTabIndex(2);
        QCOMPARE(tabs.tabIndex(), 2);

        askForTip(&tabs, tabs.tabRect(2).center());
        QTRY_VERIFY(shownTip());
        const Shown shown = read(*shownTip());
        QCOMPARE(shown.text, description);
        QVERIFY(!shown.heading);
        QVERIFY(!shown.picture);
    }
};

QTEST_MAIN(ToolTipTest)
#include "tst_tooltips.moc"
