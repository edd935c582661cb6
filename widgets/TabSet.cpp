#include "widgets/TabSet.h"

#include "widgets/Mirroring.h"
#include "widgets/ParagraphDirection.h"
#include "widgets/PlainToolTip.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QWheelEvent>

namespace widgets {

namespace {
constexpr int kStartX = 4;
constexpr int kPadding = 8;
constexpr int kSlant = 4;
constexpr int kArrowWidth = 15;
} // namespace

TabSet::TabSet(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Reached by the Tab key only, so a click on a tab leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void TabSet::setTabIndex(int index)
{
    if (index < 0 || index >= count() || index == m_index)
        return;
    if (m_onChange && !m_onChange(index))
        return;
    // The handler may have changed the captions meanwhile (a new category comes in just
    // before "*New"); the index it allowed is kept as long as it still names a tab.
    if (index >= count())
        return;
    m_index = index;
    makeVisible(m_index);
    update();
    // A screen reader says the new tab whether the change came from a key, a click or
    // a command.
    if (QAccessible::isActive()) {
        if (hasFocus()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(m_index);
            QAccessible::updateAccessibility(&focus);
        }
        QAccessibleEvent selection(this, QAccessible::Selection);
        selection.setChild(m_index);
        QAccessible::updateAccessibility(&selection);
    }
}

// The tooltip is the category's description, the user's own text: shown as typed.
bool TabSet::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const QString tip = plainToolTip(toolTip());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
    }
    return true;
}

void TabSet::insertTab(int index, const QString& caption)
{
    index = qBound(0, index, count());
    m_tabs.insert(index, caption);
    if (m_index < 0)
        m_index = 0;
    else if (index <= m_index)
        ++m_index;
    if (index < m_first)
        ++m_first;
    settleFirstVisibleTab();
    update();
}

void TabSet::removeTab(int index)
{
    if (index < 0 || index >= count())
        return;
    m_tabs.removeAt(index);
    if (m_index >= count())
        m_index = count() - 1;
    if (m_first >= count())
        m_first = qMax(0, count() - 1);
    settleFirstVisibleTab();
    update();
}

void TabSet::setCaption(int index, const QString& caption)
{
    if (index < 0 || index >= count() || m_tabs[index] == caption)
        return;
    m_tabs[index] = caption;
    settleFirstVisibleTab();
    update();
}

// Tabs scrolled out of sight come back when those after them leave room: with fewer or
// shorter tabs the row would otherwise stay scrolled, and with no arrows left to bring the
// first tabs back, Default could not be reached.
void TabSet::settleFirstVisibleTab()
{
    if (!hasScrollArrows()) {
        m_first = 0;
        return;
    }
    while (m_first > 0) {
        --m_first;
        if (!isFullyVisible(count() - 1)) {
            ++m_first;
            break;
        }
    }
    makeVisible(m_index);
}

void TabSet::setTabs(const QStringList& captions, int selected)
{
    m_tabs = captions;
    m_index = captions.isEmpty() ? -1 : qBound(0, selected, int(captions.size()) - 1);
    m_first = 0;
    makeVisible(m_index);
    update();
}

int TabSet::tabWidth(int index) const
{
    return QFontMetrics(font()).horizontalAdvance(m_tabs[index]) + 2 * kPadding;
}

// Where the tab stands counted from the side the tabs start at: the left, or the right in a
// language that reads from the right.
QRect TabSet::tabRectFromStart(int index) const
{
    if (index < m_first || index >= count())
        return {};
    int x = kStartX;
    for (int i = m_first; i < index; ++i)
        x += tabWidth(i) - kSlant;
    return QRect(x, 0, tabWidth(index), height() - 1);
}

QRect TabSet::tabRect(int index) const
{
    return mirroredIn(tabRectFromStart(index), width(), isRightToLeft());
}

QRect TabSet::tabsArea() const
{
    return mirroredIn(QRect(0, 0, tabsRight(), height()), width(), isRightToLeft());
}

bool TabSet::hasScrollArrows() const
{
    int right = kStartX;
    for (int i = 0; i < count(); ++i)
        right += tabWidth(i) - kSlant;
    return right + kSlant > width();
}

int TabSet::tabsRight() const
{
    return hasScrollArrows() ? width() - 2 * kArrowWidth : width();
}

QRect TabSet::scrollArrowRect(bool forward) const
{
    if (!hasScrollArrows())
        return {};
    const int left = width() - 2 * kArrowWidth + (forward ? kArrowWidth : 0);
    return mirroredIn(QRect(left, 1, kArrowWidth, height() - 2), width(), isRightToLeft());
}

bool TabSet::isFullyVisible(int index) const
{
    const QRect r = tabRectFromStart(index);
    return r.isValid() && r.right() < tabsRight();
}

void TabSet::makeVisible(int index)
{
    if (index < 0 || index >= count())
        return;
    if (index < m_first)
        m_first = index;
    while (m_first < index && !isFullyVisible(index))
        ++m_first;
}

void TabSet::setFirstVisibleTab(int index)
{
    index = qBound(0, index, qMax(0, count() - 1));
    if (index == m_first)
        return;
    m_first = index;
    update();
}

void TabSet::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    settleFirstVisibleTab();
    makeVisible(m_index);
}

int TabSet::tabAt(const QPoint& point) const
{
    // The selected tab lies over its neighbours' slanted edges.
    if (!tabsArea().contains(point))
        return -1;
    if (m_index >= 0 && tabRect(m_index).contains(point))
        return m_index;
    for (int i = m_first; i < count(); ++i) {
        if (tabRect(i).contains(point))
            return i;
    }
    return -1;
}

QSize TabSet::sizeHint() const
{
    return {200, 17};
}

void TabSet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    painter.fillRect(rect(), face);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, width(), 0);

    const auto drawTab = [&](int i) {
        const QRect r = tabRect(i);
        const bool selected = i == m_index;
        QPainterPath outline;
        outline.moveTo(r.left(), r.top());
        outline.lineTo(r.left() + kSlant, r.bottom());
        outline.lineTo(r.right() - kSlant, r.bottom());
        outline.lineTo(r.right(), r.top());
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.fillPath(outline, selected ? palette().color(QPalette::Base) : face);
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawPath(outline);
        painter.setRenderHint(QPainter::Antialiasing, false);
        if (selected) {
            painter.setPen(palette().color(QPalette::Base));
            painter.drawLine(r.left() + 1, r.top(), r.right() - 1, r.top());
        }
        painter.setPen(palette().color(QPalette::WindowText));
        // A caption reads the way its own letters do ("*New" stays so under Arabic).
        const bool captionFromRight = paragraphDirection(m_tabs[i], layoutDirection()) == Qt::RightToLeft;
        painter.drawText(r,
                         Qt::AlignCenter | Qt::TextSingleLine |
                             (captionFromRight ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight),
                         m_tabs[i]);
        if (selected && hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
            painter.drawRect(r.adjusted(kSlant + 1, 1, -kSlant - 2, -2));
        }
    };
    painter.setClipRect(tabsArea());
    for (int i = count() - 1; i >= m_first; --i) {
        if (i != m_index)
            drawTab(i);
    }
    if (m_index >= m_first)
        drawTab(m_index);
    painter.setClipping(false);

    if (!hasScrollArrows())
        return;
    for (const bool forward : {false, true}) {
        const QRect r = scrollArrowRect(forward);
        painter.fillRect(r, face);
        painter.setPen(palette().color(QPalette::Shadow));
        painter.setBrush(Qt::NoBrush); // not the arrow's fill left from the other button
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        const bool usable = forward ? !isFullyVisible(count() - 1) : m_first > 0;
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(usable ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        const QPointF c = QRectF(r).center();
        const qreal d = (forward != isRightToLeft()) ? 2.5 : -2.5;
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawPolygon(QPolygonF{{c.x() + d, c.y()}, {c.x() - d, c.y() - 4}, {c.x() - d, c.y() + 4}});
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
}

void TabSet::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint point = event->position().toPoint();
        if (scrollArrowRect(false).contains(point)) {
            setFirstVisibleTab(m_first - 1);
            return;
        }
        if (scrollArrowRect(true).contains(point)) {
            if (!isFullyVisible(count() - 1))
                setFirstVisibleTab(m_first + 1);
            return;
        }
        const int index = tabAt(point);
        if (index >= 0)
            setTabIndex(index);
    } else if (event->button() == Qt::RightButton && m_popup) {
        // The menu's commands act on the selected tab: the tab clicked becomes it first, as
        // a row of the list does, and a change refused leaves no menu that would act on
        // another tab than the one under the pointer.
        const int index = tabAt(event->position().toPoint());
        if (index >= 0 && index != m_index) {
            setTabIndex(index);
            if (m_index != index)
                return;
        }
        m_popup->popup(event->globalPosition().toPoint());
    }
}

void TabSet::wheelEvent(QWheelEvent* event)
{
    if (!hasScrollArrows())
        return QWidget::wheelEvent(event);
    const int steps = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (steps < 0 && !isFullyVisible(count() - 1))
        setFirstVisibleTab(m_first + 1);
    else if (steps > 0)
        setFirstVisibleTab(m_first - 1);
    event->accept();
}

void TabSet::keyPressEvent(QKeyEvent* event)
{
    // The arrow keys go the way they point, whichever side the tabs start at.
    const int towardsRight = isRightToLeft() ? -1 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        setTabIndex(m_index - towardsRight);
        break;
    case Qt::Key_Right:
        setTabIndex(m_index + towardsRight);
        break;
    case Qt::Key_Home:
        setTabIndex(0);
        break;
    case Qt::Key_End:
        setTabIndex(count() - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

// The menu key opens the menu under the selected tab; the mouse opens it on the press
// already.
void TabSet::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse || !m_popup || m_index < 0) {
        event->ignore();
        return;
    }
    const QRect selected = tabRect(m_index);
    m_popup->popup(mapToGlobal(selected.isValid() ? selected.bottomLeft() : QPoint(0, height())));
    event->accept();
}

} // namespace widgets
