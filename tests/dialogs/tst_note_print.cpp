#include "dialogs/NotePrint.h"
#include "dialogs/PrinterPort.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

namespace {

QImage blankPage(int dotsPerInch, QSize size = QSize(1200, 900))
{
    QImage page(size, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    page.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    page.fill(Qt::white);
    return page;
}

// Whether anything was drawn in rows [top, bottom) and columns [left, right).
bool inked(const QImage& page, int left, int top, int right, int bottom)
{
    for (int y = std::max(0, top); y < std::min(bottom, page.height()); ++y) {
        for (int x = std::max(0, left); x < std::min(right, page.width()); ++x) {
            if (qGray(page.pixel(x, y)) < 128)
                return true;
        }
    }
    return false;
}

} // namespace

class TestNotePrint : public QObject {
    Q_OBJECT
private slots:
    void linesAreTrimmedThenSplitAtEveryKindOfLineEnd()
    {
        QCOMPARE(dialogs::printLines(QStringLiteral(" \t one\r\ntwo\rthree\nfour \r\n\x01")),
                 (QStringList{"one", "two", "three", "four"}));
        QCOMPARE(dialogs::printLines(QStringLiteral("first\n\nthird")), (QStringList{"first", "", "third"}));
        QCOMPARE(dialogs::printLines(QStringLiteral("  \r\n\t ")), QStringList{});
    }

    void theJobIsNamedAfterTheFirstLineCutShort()
    {
        QCOMPARE(dialogs::printJobTitle(QStringLiteral("  Shopping\nmilk\nbread")), QStringLiteral("Shopping"));
        const QString longLine = QStringLiteral("Call the landlord about the heating before the weekend starts");
        QCOMPARE(dialogs::printJobTitle(longLine), QStringLiteral("Call the landlord about the heating befo..."));
        // Never half of a character made of two UTF-16 units.
        const QString emoji = QString(39, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x93\x9D") + "tail";
        QCOMPARE(dialogs::printJobTitle(emoji), QString(39, QLatin1Char('a')) + QStringLiteral("..."));
        QCOMPARE(dialogs::printJobTitle(QStringLiteral(" \r\n ")), QStringLiteral("Quibbet note"));
    }

    void eachLineSitsOnePitchBelowTheLastFromTheTopLeftMargin()
    {
        QImage page = blankPage(300);
        const QFont font = dialogs::printFont();
        const int pitch = dialogs::printLinePitch(font, page);
        QCOMPARE(pitch, QFontMetrics(font, &page).lineSpacing());
        QVERIFY(pitch != 229); // taken from the font, not from the list's height on screen

        QVERIFY(dialogs::renderNote(page, {"HHHH", "", "HHHH"}, {}, font));
        QVERIFY(!inked(page, 0, 0, 20, page.height()));                     // nothing left of x = 20
        QVERIFY(!inked(page, 0, 0, page.width(), 20));                      // nothing above y = 20
        QVERIFY(inked(page, 20, 20, 400, 20 + pitch));                      // line 0
        QVERIFY(!inked(page, 0, 20 + pitch, page.width(), 20 + 2 * pitch)); // the empty line keeps its slot
        QVERIFY(inked(page, 20, 20 + 2 * pitch, 400, 20 + 3 * pitch));      // line 2
        QVERIFY(!inked(page, 0, 20 + 3 * pitch, page.width(), page.height()));
    }

    void longLinesWrapInsideThePageAndContinueOnFurtherPages()
    {
        QImage page = blankPage(96, QSize(500, 200));
        std::vector<QImage> pages;
        const auto newPage = [&] {
            pages.push_back(page.copy());
            page.fill(Qt::white);
            return true;
        };
        const int pitch = dialogs::printLinePitch(dialogs::printFont(), page);
        const int rowsPerPage = (page.height() - 40) / pitch;

        // One line of words far wider than the page, and one word wider than the page alone.
        QStringList words;
        for (int i = 0; i < 400; ++i)
            words << QStringLiteral("word%1").arg(i);
        const QStringList lines{words.join(QLatin1Char(' ')), QString(300, QLatin1Char('W')), "last"};
        QVERIFY(dialogs::renderNote(page, lines, newPage));
        pages.push_back(page);

        QVERIFY(pages.size() >= 2);
        int rows = 0;
        for (const QImage& printed : pages) {
            QVERIFY(!inked(printed, printed.width() - 20, 0, printed.width(), printed.height()));  // right margin
            QVERIFY(!inked(printed, 0, printed.height() - 20, printed.width(), printed.height())); // foot
            for (int row = 0; row < rowsPerPage; ++row)
                rows += inked(printed, 20, 20 + row * pitch, printed.width(), 20 + (row + 1) * pitch) ? 1 : 0;
        }
        // Every page but the last is full; 400 words of at least 25 pixels each need over 20 rows.
        for (size_t i = 0; i + 1 < pages.size(); ++i)
            QVERIFY(inked(pages[i], 20, 20 + (rowsPerPage - 1) * pitch, 480, 20 + rowsPerPage * pitch));
        QVERIFY2(rows > 20 + 2, qPrintable(QString::number(rows)));
    }

    void printNoteNamesTheJobAndSaysWhenNoPrinterCanBeUsed()
    {
        struct OnePage : dialogs::PrinterPort {
            QImage page = blankPage(96);
            QString name;
            bool available = true;
            QPaintDevice* defaultPrinter(const QString& documentName, QString& error) override
            {
                name = documentName;
                if (!available)
                    error = QStringLiteral("no printer here");
                return available ? &page : nullptr;
            }
        } port;
        QString error;
        QVERIFY(dialogs::printNote(port, QStringLiteral("Title line\nbody"), error));
        QCOMPARE(port.name, QStringLiteral("Title line"));
        QVERIFY(inked(port.page, 20, 20, 400, 40));

        // A picture has one page: a note longer than that fails rather than lose its end.
        QVERIFY(!dialogs::printNote(port, QStringList(500, QStringLiteral("x")).join('\n'), error));
        QVERIFY(!error.isEmpty());
        port.available = false;
        QVERIFY(!dialogs::printNote(port, QStringLiteral("text"), error));
        QCOMPARE(error, QStringLiteral("no printer here"));
    }

    void aPageRendersToPdfEvenWhenEmpty()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.pdf"));
        {
            QPdfWriter writer(path);
            QVERIFY(dialogs::renderNote(writer, {}, [&writer] { return writer.newPage(); }));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF"));
    }
};

QTEST_MAIN(TestNotePrint)
#include "tst_note_print.moc"
