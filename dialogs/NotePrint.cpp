#include "dialogs/NotePrint.h"

#include "widgets/FontValue.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

namespace dialogs {

namespace {
constexpr int kMargin = 20;
const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
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

QFont printFont()
{
    return QFont(widgets::FontValue::defaultFace(), 8);
}

int printLinePitch(const QFont& font, QPaintDevice& device)
{
    return std::max(1, QFontMetrics(font, &device).lineSpacing());
}

bool renderNotePage(QPaintDevice& device, const QStringList& lines, const QFont& font)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font, &device);
    const int pitch = printLinePitch(font, device);
    for (int i = 0; i < lines.size(); ++i) {
        const int top = kMargin + i * pitch;
        painter.drawText(QPoint(kMargin, top + metrics.ascent()), lines.at(i));
    }
    return painter.end();
}

} // namespace dialogs
