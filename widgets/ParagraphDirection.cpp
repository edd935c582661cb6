#include "widgets/ParagraphDirection.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace widgets {

namespace {

// Lays out and aligns the paragraphs on screen just before the edit paints them: the plain
// text layout gives every paragraph the document's one alignment, and lays a paragraph out
// again (with that alignment) whenever its text changes or the width does. Only the
// paragraphs on screen are looked at, so a long note costs no more than a short one.
class ParagraphAligner : public QObject {
public:
    explicit ParagraphAligner(QPlainTextEdit& edit) : QObject(&edit), m_edit(edit) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            alignShownParagraphs();
        return false;
    }

private:
    void alignShownParagraphs()
    {
        // The document leaves each paragraph's direction to its text; only the side is wrong.
        QAbstractTextDocumentLayout* layout = m_edit.document()->documentLayout();
        const qreal shown = m_edit.viewport()->height();
        qreal height = 0;
        qreal first = -1; // the top paragraph may lie partly above the edit
        for (QTextBlock block = m_edit.cursorForPosition(QPoint(0, 0)).block();
             block.isValid() && height < shown + first; block = block.next()) {
            if (!block.isVisible())
                continue;
            const qreal blockHeight = layout->blockBoundingRect(block).height(); // lays it out
            if (first < 0)
                first = blockHeight;
            height += blockHeight;
            QTextLayout* lines = block.layout();
            QTextOption option = lines->textOption();
            // A side of our own is absolute: a paragraph that has one has not been laid out
            // again since, and its text is as it was.
            if (option.alignment() & Qt::AlignAbsolute)
                continue;
            const Qt::Alignment side = paragraphAlignment(paragraphDirection(block.text(), m_edit.layoutDirection()));
            option.setAlignment((option.alignment() & ~Qt::AlignHorizontal_Mask) | side);
            lines->setTextOption(option); // takes effect as lines are drawn, no new layout
        }
    }

    QPlainTextEdit& m_edit;
};

} // namespace

Qt::LayoutDirection paragraphDirection(QStringView paragraph, Qt::LayoutDirection otherwise)
{
    int isolates = 0;
    const qsizetype size = paragraph.size();
    for (qsizetype at = 0; at < size; ++at) {
        char32_t c = paragraph[at].unicode();
        if (QChar::isHighSurrogate(c) && at + 1 < size && paragraph[at + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(paragraph[at], paragraph[at + 1]);
            ++at;
        }
        switch (QChar::direction(c)) {
        case QChar::DirLRI:
        case QChar::DirRLI:
        case QChar::DirFSI:
            ++isolates;
            break;
        case QChar::DirPDI:
            if (isolates > 0)
                --isolates;
            break;
        case QChar::DirL:
            if (isolates == 0)
                return Qt::LeftToRight;
            break;
        case QChar::DirR:
        case QChar::DirAL:
            if (isolates == 0)
                return Qt::RightToLeft;
            break;
        default:
            break;
        }
    }
    return otherwise == Qt::RightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
}

Qt::Alignment paragraphAlignment(Qt::LayoutDirection direction)
{
    return (direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute;
}

void alignParagraphsByDirection(QPlainTextEdit& edit)
{
    edit.viewport()->installEventFilter(new ParagraphAligner(edit));
}

} // namespace widgets
