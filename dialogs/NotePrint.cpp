#include "dialogs/NotePrint.h"

#include "dialogs/PrinterPort.h"
#include "widgets/FontValue.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>
#include <QtMath>

namespace dialogs {

namespace {
constexpr int kMargin = 20;
constexpr qsizetype kTitleLength = 40;
const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));

// The visual lines of one printed line at the given width: one empty line for an empty text.
QList<QTextLine> wrapped(QTextLayout& layout, qreal width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    QList<QTextLine> lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << line;
    }
    layout.endLayout();
    return lines;
}
} // namespace

QStringList printLines(const QString& text)
{
    // Blanks and control characters are everything up to the space character.
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= ' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= ' ')
        --end;
    if (begin == end)
        return {};
    return text.mid(begin, end - begin).split(kLineEnd);
}

QString printJobTitle(const QString& text)
{
    const QStringList lines = printLines(text);
    QString title = lines.isEmpty() ? QString() : lines.constFirst().trimmed();
    if (title.isEmpty())
        return QCoreApplication::translate("NotePrint", "Quibbet note");
    if (title.size() <= kTitleLength)
        return title;
    qsizetype cut = kTitleLength;
    if (title.at(cut - 1).isHighSurrogate())
        --cut; // never half a character
    return title.left(cut).trimmed() + QStringLiteral("...");
}

QFont printFont()
{
    return QFont(widgets::FontValue::defaultFace(), 8);
}

int printLinePitch(const QFont& font, QPaintDevice& device)
{
    return std::max(1, QFontMetrics(font, &device).lineSpacing());
}

bool renderNote(QPaintDevice& device, const QStringList& lines, const NewPage& newPage, const QFont& font)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int pitch = printLinePitch(font, device);
    const qreal width = std::max(1, device.width() - 2 * kMargin);
    const int foot = device.height() - kMargin;
    int top = kMargin;
    bool pageUsed = false;
    for (const QString& text : lines) {
        QTextLayout layout(text, font, &device);
        const QList<QTextLine> visual = wrapped(layout, width);
        if (visual.isEmpty()) {
            top += pitch; // an empty line keeps its slot
            pageUsed = true;
            continue;
        }
        for (const QTextLine& line : visual) {
            const int height = std::max(pitch, qCeil(line.height()));
            if (pageUsed && top + height > foot) {
                if (!newPage || !newPage()) {
                    painter.end();
                    return false;
                }
                top = kMargin;
            }
            line.draw(&painter, QPointF(kMargin, top - line.y()));
            top += height;
            pageUsed = true;
        }
    }
    return painter.end();
}

bool printNote(PrinterPort& port, const QString& text, QString& error)
{
    const QStringList lines = printLines(text);
    QPaintDevice* printer = port.defaultPrinter(printJobTitle(text), error);
    if (!printer)
        return false;
    if (!renderNote(*printer, lines, [&port] { return port.newPage(); })) {
        error = QCoreApplication::translate("NotePrint", "The printer could not complete the print job");
        return false;
    }
    return true;
}

} // namespace dialogs
