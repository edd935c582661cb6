#pragma once

#include "store/LargeAllocator.h"

#include <QAbstractScrollArea>
#include <QByteArray>
#include <algorithm>
#include <functional>
#include <vector>

class QMenu;

namespace app {

// The note list's grid: two columns, rows of varying height, one integer tag per row and a
// current row. A row is a few bytes; the cell texts are asked of `cellSource` (UTF-8) when
// a row is drawn, so only the rows on screen are read. The row under a point is found by
// binary search over the rows' running heights, so a million rows cost no more to scroll
// than ten.
class NoteGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit NoteGrid(QWidget* parent = nullptr);

    static constexpr int kColumns = 2;
    static constexpr int kGridLineWidth = 1;
    // What a row shows; a tag alone cannot tell, since a note may carry any id.
    enum class RowKind : unsigned char { Blank, Note, Separator };

    int rowCount() const { return int(m_rows.size()); }
    // Between these two, height changes are gathered and the scroll range set once at the end.
    void beginUpdate() { ++m_updating; }
    void endUpdate();
    // Never fewer than one row; new rows take the default height, kept rows keep theirs.
    void setRowCount(int count);
    // Room for this many rows without moving the ones there; memory not yet used is not
    // taken from the system until rows are added.
    void reserveRows(int count) { m_rows.reserve(size_t(std::max(count, 0))); }
    // Adds a row at the end, during an update.
    void appendRow(qint32 tag, RowKind kind, int height);
    int defaultRowHeight() const { return m_defaultRowHeight; }
    // Every row takes the new height, as the list's design state has all rows alike.
    void setDefaultRowHeight(int height);

    int rowHeight(int row) const;
    void setRowHeight(int row, int height);
    int colWidth(int column) const { return m_colWidths[size_t(column)]; }
    void setColWidth(int column, int width);

    qint32 rowTag(int row) const;
    void setRowTag(int row, qint32 tag);
    RowKind rowKind(int row) const
    {
        return (row >= 0 && row < rowCount()) ? RowKind(m_rows[size_t(row)].kind) : RowKind::Blank;
    }
    void setRowKind(int row, RowKind kind)
    {
        if (row >= 0 && row < rowCount())
            m_rows[size_t(row)].kind = (unsigned short)(kind);
    }
    QString cellText(int column, int row) const { return QString::fromUtf8(cellUtf8(column, row)); }
    QByteArray cellUtf8(int column, int row) const;

    int currentRow() const { return m_current; }
    // Asks the select handler first, as a click or a key does.
    void setCurrentRow(int row);
    // Scrolls as little as needed to bring the current row into view.
    void showCurrentRow() { scrollToRow(m_current); }

    int topRow() const;
    bool hasVerticalScrollBar() const;

    // Cell under a point of the viewport; row -1 when the point lies below the last row.
    void mouseToCell(const QPoint& point, int& column, int& row) const;
    QRect cellRect(int column, int row) const; // in viewport coordinates

    // Opens on a right-button press, after onMouseDown has run.
    void setPopupMenu(QMenu* menu) { m_popup = menu; }

    void setHint(const QString& hint) { m_hint = hint; }
    const QString& hint() const { return m_hint; }

    // The handlers the window plugs in.
    std::function<QByteArray(int column, int row)> cellSource;
    std::function<void(int column, int row, bool& canSelect)> onSelectCell;
    std::function<void(QPainter& painter, int column, int row, const QRect& rect)> onDrawCell;
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& point)> onMouseDown;
    std::function<void(Qt::KeyboardModifiers modifiers, const QPoint& point)> onMouseMove;
    std::function<void()> onDblClick;
    // Asked for rows not there yet when the user goes to the end of the list (End, a step
    // past the last row, the scroll bar at its bottom): a list still being read comes in whole.
    std::function<void()> onWantsEnd;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

private:
    QRect mirrored(const QRect& rect) const;
    // Six bytes a row: a million rows take six megabytes.
    struct [[gnu::packed]] Row {
        qint32 tag = 0;
        unsigned short height : 13 = 0;
        unsigned short kind : 3 = (unsigned short)(RowKind::Blank);
    };
    static constexpr int kMostRowHeight = (1 << 13) - 1;
    // Running tops are kept for every 64th row only; a row's top adds the heights of at most
    // 63 rows to that of its block.
    static constexpr int kBlockRows = 64;

    void heightsChanged();
    void scrollBarMoved();
    void ensureOffsets() const;
    int rowTop(int row) const; // content coordinates, grid lines included
    int contentHeight() const;
    int rowAtContentY(int y) const;
    void updateScrollBar();
    void scrollToRow(int row);

    std::vector<Row, store::LargeAllocator<Row>> m_rows;
    int m_defaultRowHeight = 24;
    int m_colWidths[kColumns] = {64, 64};
    int m_current = 0;
    QString m_hint;
    QMenu* m_popup = nullptr;
    mutable std::vector<qint32, store::LargeAllocator<qint32>> m_blockTops; // top of rows 0, 64, 128, ...
    mutable qint32 m_contentHeight = 0;
    mutable bool m_offsetsValid = false;
    int m_updating = 0;
};

} // namespace app
