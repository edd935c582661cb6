#include "widgets/FlatMemo.h"

#include "widgets/ColorMath.h"
#include "widgets/WrittenText.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace widgets {

namespace {

// Scroll bars of a fixed breadth, so that the corner between them is the square the
// border paints over whatever the style's own breadth.
class FixedBreadthScrollBar : public QScrollBar {
public:
    FixedBreadthScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}
    QSize sizeHint() const override
    {
        QSize hint = QScrollBar::sizeHint();
        if (orientation() == Qt::Vertical)
            hint.setWidth(TFlatMemo::kScrollBarExtent);
        else
            hint.setHeight(TFlatMemo::kScrollBarExtent);
        return hint;
    }
};

} // namespace

TFlatMemo::TFlatMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    // A three-pixel frame that the memo paints itself: the text area and the scroll bars
    // lie inside it.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kBorderWidth);
    setMidLineWidth(0);
    setVerticalScrollBar(new FixedBreadthScrollBar(Qt::Vertical, this));
    setHorizontalScrollBar(new FixedBreadthScrollBar(Qt::Horizontal, this));
    // A native multi-line edit keeps its text about two pixels off the edge, not four.
    document()->setDocumentMargin(2);
    showAsWritten(*this);
    resize(185, 89);
    takeParentColor();
    PaintFlatBorder();
}

bool TFlatMemo::showsFocusedLook() const
{
    if (hasFocus())
        return true;
    return m_hovered && !qobject_cast<TFlatMemo*>(QApplication::focusWidget());
}

void TFlatMemo::PaintFlatBorder()
{
    const QColor background = toQColor(showsFocusedLook() ? m_colorFocused : m_colorFlat, palette());
    if (palette().color(QPalette::Active, QPalette::Base) != background ||
        palette().color(QPalette::Disabled, QPalette::Base) != background) {
        QPalette changed = palette();
        changed.setColor(QPalette::Base, background);
        m_settingBackground = true;
        setPalette(changed);
        m_settingBackground = false;
    }
    update();
}

void TFlatMemo::paintBorder()
{
    QPainter painter(this);
    const QColor look = toQColor(showsFocusedLook() ? m_colorFocused : m_colorFlat, palette());
    QRect ring = rect();
    painter.setPen(Qt::NoPen);
    const auto outline = [&painter](const QRect& r, const QColor& color) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
    };
    outline(ring, toQColor(m_colorBorder, palette()));
    ring.adjust(1, 1, -1, -1);
    outline(ring, look);
    ring.adjust(1, 1, -1, -1);
    outline(ring, look);
    if (verticalScrollBar()->isVisible() && horizontalScrollBar()->isVisible()) {
        // The square from 17 pixels before the inner ring's far corner up to one before it.
        const QPoint corner(ring.right() + 1, ring.bottom() + 1);
        painter.fillRect(QRect(corner - QPoint(17, 17), corner - QPoint(2, 2)), look);
    }
}

bool TFlatMemo::event(QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        // The scroll area would draw a standard frame and corner here; the memo draws its own.
        paintBorder();
        return true;
    }
    return QPlainTextEdit::event(event);
}

void TFlatMemo::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    PaintFlatBorder();
}

void TFlatMemo::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    PaintFlatBorder();
}

void TFlatMemo::enterEvent(QEnterEvent* event)
{
    QPlainTextEdit::enterEvent(event);
    // While the program is in the background the pointer passing by changes nothing.
    if (QApplication::activeWindow()) {
        m_hovered = true;
        PaintFlatBorder();
    }
}

void TFlatMemo::leaveEvent(QEvent* event)
{
    QPlainTextEdit::leaveEvent(event);
    m_hovered = false;
    PaintFlatBorder();
}

void TFlatMemo::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        PaintFlatBorder();
        break;
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
        if (m_settingBackground)
            break;
        if (m_useAdvColors) {
            if (parentWidget())
                m_colorFlat = parentBackground();
            deriveColors();
        } else if (m_parentColor) {
            m_colorFlat = parentBackground();
        }
        PaintFlatBorder();
        break;
    default:
        break;
    }
}

TColor TFlatMemo::parentBackground() const
{
    const QWidget* parent = parentWidget();
    return parent ? fromQColor(parent->palette().color(parent->backgroundRole())) : m_colorFlat;
}

void TFlatMemo::takeParentColor()
{
    if (m_parentColor && parentWidget())
        m_colorFlat = parentBackground();
}

void TFlatMemo::deriveColors()
{
    if (!m_useAdvColors)
        return;
    m_colorFocused = DeriveAdvColor(m_colorFlat, m_colorFocused, m_advColorFocused, false);
    m_colorBorder = DeriveAdvColor(m_colorFlat, m_colorBorder, m_advColorBorder, true);
}

void TFlatMemo::setColorFocused(TColor color)
{
    if (color == m_colorFocused)
        return;
    m_colorFocused = color;
    PaintFlatBorder();
}

void TFlatMemo::setColorBorder(TColor color)
{
    if (color == m_colorBorder)
        return;
    m_colorBorder = color;
    PaintFlatBorder();
}

void TFlatMemo::setColorFlat(TColor color)
{
    m_parentColor = false;
    if (color == m_colorFlat)
        return;
    m_colorFlat = color;
    PaintFlatBorder();
}

void TFlatMemo::setParentColor(bool on)
{
    if (on == m_parentColor)
        return;
    m_parentColor = on;
    if (on) {
        takeParentColor();
        PaintFlatBorder();
    }
}

void TFlatMemo::setAdvColorFocused(int percent)
{
    percent = std::clamp(percent, 0, 100);
    if (percent == m_advColorFocused)
        return;
    m_advColorFocused = percent;
    if (m_useAdvColors) {
        deriveColors();
        PaintFlatBorder();
    }
}

void TFlatMemo::setAdvColorBorder(int percent)
{
    percent = std::clamp(percent, 0, 100);
    if (percent == m_advColorBorder)
        return;
    m_advColorBorder = percent;
    if (m_useAdvColors) {
        deriveColors();
        PaintFlatBorder();
    }
}

void TFlatMemo::setUseAdvColors(bool on)
{
    if (on == m_useAdvColors)
        return;
    m_useAdvColors = on;
    setParentColor(on);
    deriveColors();
    PaintFlatBorder();
}

} // namespace widgets
