#include "dialogs/NotePrint.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

namespace {

QImage blankPage(int dotsPerInch)
{
    QImage page(1200, 900, QImage::Format_RGB32);
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

    void eachLineSitsOnePitchBelowTheLastFromTheTopLeftMargin()
    {
        QImage page = blankPage(300);
        const QFont font = dialogs::printFont();
        const int pitch = dialogs::printLinePitch(font, page);
        QCOMPARE(pitch, QFontMetrics(font, &page).lineSpacing());
        QVERIFY(pitch != 229); // taken from the font, not from the list's height on screen

        QVERIFY(dialogs::renderNotePage(page, {"HHHH", "", "HHHH"}, font));
        QVERIFY(!inked(page, 0, 0, 20, page.height()));                     // nothing left of x = 20
        QVERIFY(!inked(page, 0, 0, page.width(), 20));                      // nothing above y = 20
        QVERIFY(inked(page, 20, 20, 400, 20 + pitch));                      // line 0
        QVERIFY(!inked(page, 0, 20 + pitch, page.width(), 20 + 2 * pitch)); // the empty line keeps its slot
        QVERIFY(inked(page, 20, 20 + 2 * pitch, 400, 20 + 3 * pitch));      // line 2
        QVERIFY(!inked(page, 0, 20 + 3 * pitch, page.width(), page.height()));
    }

    void longLinesAreCutAtTheEdgeAndNothingWraps()
    {
        QImage page = blankPage(96);
        const int pitch = dialogs::printLinePitch(dialogs::printFont(), page);
        QVERIFY(dialogs::renderNotePage(page, {QString(600, QLatin1Char('W'))}));
        QVERIFY(inked(page, page.width() - 40, 20, page.width(), 20 + pitch));
        QVERIFY(!inked(page, 0, 20 + pitch, page.width(), page.height()));
    }

    void aPageRendersToPdfEvenWhenEmpty()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.pdf"));
        {
            QPdfWriter writer(path);
            QVERIFY(dialogs::renderNotePage(writer, {}));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF"));
    }
};

QTEST_MAIN(TestNotePrint)
#include "tst_note_print.moc"
