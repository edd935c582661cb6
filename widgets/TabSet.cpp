#include "widgets/TabSet.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace widgets {

namespace {
constexpr int kStartX = 4;
constexpr int kPadding = 8;
constexpr int kSlant = 4;
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
    m_index = index;
    update();
    if (QAccessible::isActive() && hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(m_index);
        QAccessible::updateAccessibility(&focus);
    }
}

void TabSet::insertTab(int index, const QString& caption)
{
    index = qBound(0, index, count());
    m_tabs.insert(index, caption);
    if (m_index < 0)
        m_index = 0;
    else if (index <= m_index)
        ++m_index;
    update();
}

void TabSet::removeTab(int index)
{
    if (index < 0 || index >= count())
        return;
    m_tabs.removeAt(index);
    if (m_index >= count())
        m_index = count() - 1;
    update();
}

void TabSet::setCaption(int index, const QString& caption)
{
    if (index < 0 || index >= count() || m_tabs[index] == caption)
        return;
    m_tabs[index] = caption;
    update();
}

void TabSet::setTabs(const QStringList& captions, int selected)
{
    m_tabs = captions;
    m_index = captions.isEmpty() ? -1 : qBound(0, selected, int(captions.size()) - 1);
    update();
}

QRect TabSet::tabRect(int index) const
{
    const QFontMetrics metrics(font());
    int x = kStartX;
    for (int i = 0; i < count(); ++i) {
        const int width = metrics.horizontalAdvance(m_tabs[i]) + 2 * kPadding;
        if (i == index)
            return QRect(x, 0, width, height() - 1);
        x += width - kSlant;
    }
    return {};
}

int TabSet::tabAt(const QPoint& point) const
{
    // The selected tab lies over its neighbours' slanted edges.
    if (m_index >= 0 && tabRect(m_index).contains(point))
        return m_index;
    for (int i = 0; i < count(); ++i) {
        if (tabRect(i).contains(point))
            return i;
    }
    return -1;
}

QSize TabSet::sizeHint() const { return {200, 17}; }

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
        painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, m_tabs[i]);
        if (selected && hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
            painter.drawRect(r.adjusted(kSlant + 1, 1, -kSlant - 2, -2));
        }
    };
    for (int i = count() - 1; i >= 0; --i) {
        if (i != m_index)
            drawTab(i);
    }
    if (m_index >= 0)
        drawTab(m_index);
}

void TabSet::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const int index = tabAt(event->position().toPoint());
        if (index >= 0)
            setTabIndex(index);
    } else if (event->button() == Qt::RightButton && m_popup) {
        m_popup->popup(event->globalPosition().toPoint());
    }
}

void TabSet::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        setTabIndex(m_index - 1);
        break;
    case Qt::Key_Right:
        setTabIndex(m_index + 1);
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

// The menu key opens the menu under the selected tab; the mouse opens it on
// the press already.
void TabSet::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse || !m_popup || m_index < 0) {
        event->ignore();
        return;
    }
    m_popup->popup(mapToGlobal(tabRect(m_index).bottomLeft()));
    event->accept();
}

} // namespace widgets
