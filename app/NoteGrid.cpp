#include "app/NoteGrid.h"

#include "widgets/Mirroring.h"
#include "widgets/PlainToolTip.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

namespace app {

namespace {
const QColor kGridLineColor(0xC0, 0xC0, 0xC0);

// Tells assistive technology that the rows were rebuilt, so it reads them again.
void announceRowsChanged(NoteGrid* grid)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTableModelChangeEvent event(grid, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}
} // namespace

NoteGrid::NoteGrid(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the list never scrolls sideways
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    verticalScrollBar()->setSingleStep(20);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] { scrollBarMoved(); });
    m_rows.resize(1);
    m_rows[0].height = (unsigned short)m_defaultRowHeight;
}

void NoteGrid::setRowCount(int count)
{
    count = std::max(count, 1);
    const int old = rowCount();
    if (count == old)
        return;
    if (count < old && m_current >= count) {
        // The grid keeps its current row inside the rows that remain.
        bool canSelect = true;
        if (onSelectCell)
            onSelectCell(1, count - 1, canSelect);
        m_current = count - 1;
    }
    m_rows.resize(size_t(count));
    for (size_t i = size_t(old); i < m_rows.size(); ++i)
        m_rows[i].height = (unsigned short)m_defaultRowHeight;
    heightsChanged();
}

void NoteGrid::setDefaultRowHeight(int height)
{
    m_defaultRowHeight = std::clamp(height, 0, kMostRowHeight);
    for (Row& row : m_rows)
        row.height = (unsigned short)m_defaultRowHeight;
    heightsChanged();
}

int NoteGrid::rowHeight(int row) const
{
    return (row >= 0 && row < rowCount()) ? m_rows[size_t(row)].height : m_defaultRowHeight;
}

void NoteGrid::setRowHeight(int row, int height)
{
    height = std::clamp(height, 0, kMostRowHeight);
    if (row < 0 || row >= rowCount() || m_rows[size_t(row)].height == height)
        return;
    m_rows[size_t(row)].height = (unsigned short)height;
    heightsChanged();
}

void NoteGrid::setColWidth(int column, int width)
{
    if (column < 0 || column >= kColumns || m_colWidths[column] == width)
        return;
    m_colWidths[column] = width;
    viewport()->update();
}

qint32 NoteGrid::rowTag(int row) const { return (row >= 0 && row < rowCount()) ? m_rows[size_t(row)].tag : 0; }

void NoteGrid::setRowTag(int row, qint32 tag)
{
    if (row >= 0 && row < rowCount())
        m_rows[size_t(row)].tag = tag;
}

QByteArray NoteGrid::cellUtf8(int column, int row) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= kColumns || !cellSource)
        return {};
    return cellSource(column, row);
}

void NoteGrid::appendRow(qint32 tag, RowKind kind, int height)
{
    Row added;
    added.tag = tag;
    added.height = (unsigned short)std::clamp(height, 0, kMostRowHeight);
    added.kind = (unsigned short)kind;
    m_rows.push_back(added);
    heightsChanged();
}

void NoteGrid::setCurrentRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    bool canSelect = true;
    if (onSelectCell)
        onSelectCell(1, row, canSelect);
    if (!canSelect)
        return;
    m_current = row;
    scrollToRow(row);
    viewport()->update();
    if (QAccessible::isActive() && hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(row);
        QAccessible::updateAccessibility(&focus);
    }
}

void NoteGrid::endUpdate()
{
    if (--m_updating == 0)
        heightsChanged();
}

void NoteGrid::heightsChanged()
{
    m_offsetsValid = false;
    if (m_updating > 0)
        return;
    updateScrollBar();
    viewport()->update();
    announceRowsChanged(this);
}

void NoteGrid::ensureOffsets() const
{
    if (m_offsetsValid)
        return;
    m_blockTops.resize(m_rows.size() / kBlockRows + 1);
    qint32 top = 0;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (i % kBlockRows == 0)
            m_blockTops[i / kBlockRows] = top;
        top += m_rows[i].height + kGridLineWidth;
    }
    if (m_rows.size() % kBlockRows == 0)
        m_blockTops[m_rows.size() / kBlockRows] = top;
    m_contentHeight = top;
    m_offsetsValid = true;
}

int NoteGrid::rowTop(int row) const
{
    ensureOffsets();
    row = std::clamp(row, 0, rowCount());
    const int block = row / kBlockRows;
    qint32 top = m_blockTops[size_t(block)];
    for (int i = block * kBlockRows; i < row; ++i)
        top += m_rows[size_t(i)].height + kGridLineWidth;
    return int(top);
}

int NoteGrid::contentHeight() const
{
    ensureOffsets();
    return int(m_contentHeight);
}

int NoteGrid::rowAtContentY(int y) const
{
    ensureOffsets();
    if (y < 0 || y >= m_contentHeight)
        return -1;
    // The last block that starts at or above y, then the last row in it that does.
    const size_t blocks = (m_rows.size() + kBlockRows - 1) / kBlockRows;
    const auto end = m_blockTops.begin() + std::ptrdiff_t(blocks);
    const int block = int(std::upper_bound(m_blockTops.begin(), end, qint32(y)) - m_blockTops.begin()) - 1;
    int row = block * kBlockRows;
    qint32 top = m_blockTops[size_t(block)];
    while (row + 1 < rowCount() && top + m_rows[size_t(row)].height + kGridLineWidth <= y) {
        top += m_rows[size_t(row)].height + kGridLineWidth;
        ++row;
    }
    return row;
}

int NoteGrid::topRow() const { return std::max(0, rowAtContentY(verticalScrollBar()->value())); }

bool NoteGrid::hasVerticalScrollBar() const { return verticalScrollBar()->maximum() > 0; }

void NoteGrid::updateScrollBar()
{
    QScrollBar* bar = verticalScrollBar();
    const int page = viewport()->height();
    bar->setPageStep(std::max(page, 1));
    bar->setRange(0, std::max(0, contentHeight() - page));
}

void NoteGrid::scrollToRow(int row)
{
    const int top = rowTop(row);
    const int bottom = top + rowHeight(row);
    QScrollBar* bar = verticalScrollBar();
    if (top < bar->value())
        bar->setValue(top);
    else if (bottom > bar->value() + viewport()->height())
        bar->setValue(std::min(top, bottom - viewport()->height()));
}

QRect NoteGrid::cellRect(int column, int row) const
{
    const int x = column == 0 ? 0 : m_colWidths[0] + kGridLineWidth;
    return mirrored(QRect(x, rowTop(row) - verticalScrollBar()->value(), m_colWidths[column], rowHeight(row)));
}

// The time column stands at the side the language starts its lines at.
QRect NoteGrid::mirrored(const QRect& rect) const
{
    return widgets::mirroredIn(rect, viewport()->width(), isRightToLeft());
}

void NoteGrid::mouseToCell(const QPoint& point, int& column, int& row) const
{
    row = rowAtContentY(point.y() + verticalScrollBar()->value());
    const int x = isRightToLeft() ? viewport()->width() - 1 - point.x() : point.x();
    column = x < m_colWidths[0] + kGridLineWidth ? 0 : 1;
}

void NoteGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QRect area = event->rect();
    painter.fillRect(area, palette().color(QPalette::Base));
    const int scroll = verticalScrollBar()->value();
    int row = rowAtContentY(scroll + area.top());
    if (row < 0)
        return;
    const int right = m_colWidths[0] + kGridLineWidth + m_colWidths[1];
    for (; row < rowCount(); ++row) {
        const int top = rowTop(row) - scroll;
        if (top > area.bottom())
            break;
        const int height = rowHeight(row);
        // Grid lines first: the cells may paint over the one between the columns.
        painter.fillRect(mirrored(QRect(0, top + height, right + kGridLineWidth, kGridLineWidth)), kGridLineColor);
        painter.fillRect(mirrored(QRect(m_colWidths[0], top, kGridLineWidth, height)), kGridLineColor);
        painter.fillRect(mirrored(QRect(right, top, kGridLineWidth, height)), kGridLineColor);
        for (int column = 0; column < kColumns; ++column) {
            const QRect rect = cellRect(column, row);
            if (onDrawCell) {
                painter.save();
                // Nothing of a cell lands outside it, nor outside the list.
                // The time column also covers the grid line beside it.
                const int line = column == 0 ? kGridLineWidth : 0;
                const QRect cell = isRightToLeft() ? rect.adjusted(-line, 0, 0, 0) : rect.adjusted(0, 0, line, 0);
                painter.setClipRect(cell & viewport()->rect());
                onDrawCell(painter, column, row, rect);
                painter.restore();
            }
        }
    }
}

void NoteGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
}

void NoteGrid::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        int column = 0;
        int row = 0;
        mouseToCell(point, column, row);
        if (row >= 0)
            setCurrentRow(row);
    }
    if (onMouseDown)
        onMouseDown(event->button(), event->modifiers(), point);
    if (event->button() == Qt::RightButton && m_popup)
        m_popup->popup(event->globalPosition().toPoint());
}

// The menu key opens the list's menu at the current row; the mouse opens it
// on the press already.
void NoteGrid::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse || !m_popup) {
        event->ignore();
        return;
    }
    scrollToRow(m_current);
    const QRect row = cellRect(1, m_current).intersected(viewport()->rect());
    const QPoint place = row.isValid() ? row.topLeft() + QPoint(8, std::min(row.height() / 2, 16)) : QPoint(8, 8);
    m_popup->popup(viewport()->mapToGlobal(place));
    event->accept();
}

void NoteGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove(event->modifiers(), event->position().toPoint());
}

void NoteGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && onDblClick)
        onDblClick();
}

void NoteGrid::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (onWantsEnd && (key == Qt::Key_End || ((key == Qt::Key_Down || key == Qt::Key_PageDown) &&
                                             m_current >= rowCount() - 1 - viewport()->height() /
                                                                               std::max(1, m_defaultRowHeight))))
        onWantsEnd();
    int target = -1;
    const int visibleRows = std::max(1, viewport()->height() / std::max(1, m_defaultRowHeight));
    switch (event->key()) {
    case Qt::Key_Up:
        target = m_current - 1;
        break;
    case Qt::Key_Down:
        target = m_current + 1;
        break;
    case Qt::Key_PageUp:
        target = std::max(0, m_current - visibleRows);
        break;
    case Qt::Key_PageDown:
        target = std::min(rowCount() - 1, m_current + visibleRows);
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = rowCount() - 1;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (target >= 0 && target < rowCount() && target != m_current)
        setCurrentRow(target);
    event->accept();
}

void NoteGrid::scrollContentsBy(int, int)
{
    viewport()->update();
}

// The user took the scroll bar to its bottom (dragging, paging, the wheel): that bottom is the
// list's, wherever the rows that come in put it.
void NoteGrid::scrollBarMoved()
{
    QScrollBar* bar = verticalScrollBar();
    if (!onWantsEnd || bar->maximum() <= 0 || bar->sliderPosition() < bar->maximum())
        return;
    const int rows = rowCount();
    onWantsEnd();
    if (rowCount() != rows)
        QMetaObject::invokeMethod(bar, [bar] { bar->setValue(bar->maximum()); }, Qt::QueuedConnection);
}

bool NoteGrid::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        // A tooltip of megabytes would freeze the screen: show the start of a long note.
        constexpr int kMostShown = 4000;
        if (m_hint.isEmpty())
            QToolTip::hideText();
        else if (m_hint.size() > kMostShown)
            QToolTip::showText(help->globalPos(), widgets::plainToolTip(m_hint.left(kMostShown) + QChar(0x2026)),
                               viewport());
        else
            QToolTip::showText(help->globalPos(), widgets::plainToolTip(m_hint), viewport());
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

} // namespace app
