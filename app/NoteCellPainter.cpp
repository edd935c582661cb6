#include "app/NoteCellPainter.h"

#include "widgets/EmojiPresentation.h"
#include "widgets/ParagraphDirection.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <deque>

namespace app {

namespace {

QColor bgr(unsigned value) { return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF)); }

const QColor kSeparatorBackground = bgr(0xFF95A5);
const QColor kTimeText = bgr(0xFF1C1C);
// Room between a note's text and the list's outer edge. The text column reaches a pixel past
// the list, and a paragraph that reads from the other side starts at that edge: without the
// room its first letter would be cut.
constexpr int kEdgeRoom = 2;

QColor background(const NoteCell& cell)
{
    if (cell.separator)
        return kSeparatorBackground;
    if (cell.current)
        return cell.column == 0 ? bgr(0xFFC9D2) : bgr(0xFFE0E6);
    const bool even = cell.row % 2 == 0;
    if (cell.column == 0)
        return even ? bgr(0xFFD9E0) : bgr(0xFFD0D7);
    return even ? bgr(0xFFFAFD) : bgr(0xFFF3F5);
}

QString visiblePrefix(const QByteArray& utf8, const QRect& rect, const QFontMetrics& metrics)
{
    // Every line shown takes at least one character, and a full line at most about
    // width / (narrowest glyph) characters; nothing past that many can be seen.
    const int lines = rect.height() / std::max(1, metrics.lineSpacing()) + 1;
    const int perLine = rect.width() / std::max(1, metrics.horizontalAdvance(QLatin1Char('i'))) + 2;
    const qsizetype most = qsizetype(lines) * perLine;
    return QString::fromUtf8(utf8.left(most * 4)).left(most);
}

// The paragraphs of a text: CR LF, CR and LF end one.
QList<QStringView> paragraphs(QStringView text)
{
    QList<QStringView> found;
    qsizetype start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        found.append(text.sliced(start, at - start));
        if (c == QLatin1Char('\r') && at + 1 < text.size() && text[at + 1] == QLatin1Char('\n'))
            ++at;
        start = at + 1;
    }
    found.append(text.sliced(start));
    return found;
}

} // namespace

void drawWrappedText(QPainter& painter, const QRect& rect, const QByteArray& utf8, const QRect& shown,
                     bool atPaintersSide)
{
    if (utf8.isEmpty() || rect.width() <= 0)
        return;
    const QFontMetrics metrics(painter.font());
    const QString text = visiblePrefix(utf8, rect, metrics);
    // One layout for each paragraph, since each takes its direction and side from its own text.
    std::deque<QTextLayout> layouts;
    qreal y = 0;
    bool full = false;
    for (const QStringView paragraph : paragraphs(text)) {
        QTextLayout& layout = layouts.emplace_back(paragraph.toString(), painter.font(), painter.device());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        const Qt::LayoutDirection direction = widgets::paragraphDirection(paragraph, painter.layoutDirection());
        option.setTextDirection(direction);
        option.setAlignment(widgets::paragraphAlignment(atPaintersSide ? painter.layoutDirection() : direction));
        layout.setTextOption(option);
        layout.setFormats(widgets::emojiPresentationFormats(layout.text()));
        layout.beginLayout();
        while (true) {
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(rect.width());
            if (y + line.height() > rect.height() + 0.01) {
                line.setNumColumns(0); // would only partly fit: left out
                line.setPosition(QPointF(0, rect.height() + 1));
                full = true;
                break;
            }
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        layout.endLayout();
        if (full)
            break;
    }
    const QRect visible = shown.isNull() ? rect : (shown & rect);
    const qreal visibleTop = visible.top() - rect.top() - 0.01;
    const qreal visibleBottom = visible.top() + visible.height() - rect.top() + 0.01;
    painter.save();
    painter.setClipRect(visible, Qt::IntersectClip);
    for (const QTextLayout& layout : layouts) {
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            if (line.y() >= visibleTop && line.y() + line.height() <= visibleBottom)
                line.draw(&painter, rect.topLeft());
        }
    }
    painter.restore();
}

void paintNoteCell(QPainter& painter, const QRect& rect, const NoteCell& cell, const widgets::FontValue& listFont,
                   const widgets::FontValue& noteFont, const QPalette& palette)
{
    widgets::FontValue font = listFont; // face and character set stay the drawing font's own
    QColor textColor;
    if (cell.separator) {
        textColor = Qt::white;
        font.style = widgets::FontValue::Bold;
        font.size = 11;
    } else if (cell.column == 0) {
        textColor = kTimeText;
        font.style = widgets::FontValue::Bold;
        font.size = 10;
    } else {
        textColor = widgets::toQColor(noteFont.color, palette);
        font.style = noteFont.style;
        font.size = noteFont.size;
    }
    const QColor fill = background(cell);
    painter.fillRect(rect, fill);
    painter.setFont(font.toQFont());
    painter.setPen(textColor);
    if (cell.text) {
        QRect textRect = rect;
        const bool mirrored = painter.layoutDirection() == Qt::RightToLeft;
        if (cell.column == 0 && mirrored)
            textRect.setRight(rect.right() - kEdgeRoom); // the time keeps off the window's edge
        if (cell.column == 1 && !cell.separator) {
            if (mirrored) {
                const int visibleLeft = cell.shown.isNull() ? rect.left() : std::max(rect.left(), cell.shown.left());
                textRect.setLeft(visibleLeft + kEdgeRoom);
            } else {
                const int visibleRight =
                    cell.shown.isNull() ? rect.right() : std::min(rect.right(), cell.shown.right());
                textRect.setRight(visibleRight - kEdgeRoom);
            }
        }
        drawWrappedText(painter, textRect, *cell.text, cell.shown, cell.separator);
    }

    if (cell.column == 0) {
        // The border column, over the grid line, on the side that faces the text.
        const bool mirrored = painter.layoutDirection() == Qt::RightToLeft;
        const int edge = mirrored ? rect.x() - 1 : rect.x() + rect.width();
        const int inner = mirrored ? edge + 2 : edge - 2;
        const int top = rect.top();
        const int bottom = rect.top() + rect.height() - 1;
        if (cell.separator) {
            painter.setPen(kSeparatorBackground);
            painter.drawLine(edge, top, edge, bottom);
        } else {
            painter.setPen(Qt::white);
            painter.drawLine(inner, top, inner, bottom);
            painter.drawLine(edge, top, edge, bottom);
        }
    }
}

} // namespace app
