// Print from the note list into a PDF file through the printer seam, and read the file back
// with pdftotext and pdfinfo (poppler-utils): every word of a long note of several lines in
// Latin, Cyrillic and Greek letters is there, in order, over several pages, under the
// note's first line as the job's title.
#include "../app/ToolsTestWindow.h"

#include "app/NoteGrid.h"
#include "dialogs/PrinterPort.h"
#include "widgets/Modal.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

// A PDF file in place of the default printer.
class PdfPrinterPort : public dialogs::PrinterPort {
public:
    explicit PdfPrinterPort(QString path) : m_path(std::move(path)) {}

    QPaintDevice* defaultPrinter(const QString& documentName, QString&) override
    {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_path);
        m_printer->setDocName(documentName);
        return m_printer.get();
    }
    bool newPage() override { return m_printer && m_printer->newPage(); }

private:
    QString m_path;
    std::unique_ptr<QPrinter> m_printer;
};

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Numbered words, so that order and completeness show; a few lines far wider than a page
// and so many of them that the note runs over several pages.
QStringList noteLines()
{
    const QStringList stems{QStringLiteral("заметка"), QStringLiteral("σημείωση"), QStringLiteral("Ärger"),
                            QStringLiteral("note")};
    QStringList lines;
    int number = 0;
    for (int line = 0; line < 150; ++line) {
        QStringList words;
        const int count = line % 25 == 0 ? 90 : 3; // now and then one of about 1000 characters
        for (int i = 0; i < count; ++i, ++number)
            words << stems.at(number % stems.size()) + QString::number(number);
        lines << words.join(QLatin1Char(' '));
    }
    return lines;
}

} // namespace

class TestPrintPdf : public QObject {
    Q_OBJECT
private slots:
    void everyWordOfALongNonLatinNoteIsPrintedInOrder()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (pdftotext.isEmpty() || pdfinfo.isEmpty())
            QSKIP("pdftotext and pdfinfo (Debian package poppler-utils) are not installed");

        const QStringList lines = noteLines();
        // The lines joined by LF, as the memo stores them; the words hold no quote.
        ToolsTestWindow window({QStringLiteral("insert into notes_main (id, group_id, create_time, content) values "
                                               "(1, 0, '09:05 Mon, 07Dec2026', '%1')")
                                    .arg(lines.join(QStringLiteral("' || char(10) || '")))});
        QVERIFY(window.start());
        const QString path = window.dir.filePath(QStringLiteral("printed.pdf"));
        window.form->toolCommands().setPrinterPort(std::make_unique<PdfPrinterPort>(path));
        window.form->sgContents->setCurrentRow(1); // the note, below its day's separator
        window.form->toolCommands().Print1Click();
        QVERIFY(widgets::Modal::shownMessages().empty());

        const QString info = run(pdfinfo, {path});
        QVERIFY2(info.contains(QRegularExpression(
                     QStringLiteral("Title:\\s+заметка0 σημείωση1 Ärger2 note3 заметка4\\.\\.\\.\n"))),
                 qPrintable(info));
        const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
        QVERIFY2(pages >= 2, qPrintable(info));

        const QStringList printed =
            run(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")})
                .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        const QStringList expected = lines.join(QLatin1Char(' ')).split(QLatin1Char(' '));
        QCOMPARE(printed.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i)
            QCOMPARE(printed.at(i), expected.at(i));
    }
};

QTEST_MAIN(TestPrintPdf)
#include "tst_print_pdf.moc"
