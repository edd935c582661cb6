#include "widgets/FlatTitlebar.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace widgets {

TFlatTitlebar::TFlatTitlebar(QWidget* parent) : QWidget(nullptr)
{
    resize(100, 19);
    assignParent(parent);
}

TFlatTitlebar::~TFlatTitlebar()
{
    if (m_form)
        m_form->removeEventFilter(this);
}

void TFlatTitlebar::setActiveTextColor(TColor color)
{
    if (color == m_activeTextColor)
        return;
    m_activeTextColor = color;
    update();
}

void TFlatTitlebar::setInactiveTextColor(TColor color)
{
    if (color == m_inactiveTextColor)
        return;
    m_inactiveTextColor = color;
    update();
}

void TFlatTitlebar::setTitlebarColor(TColor color)
{
    if (color == m_titlebarColor)
        return;
    m_titlebarColor = color;
    update();
}

void TFlatTitlebar::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void TFlatTitlebar::assignParent(QWidget* form)
{
    if (form && !form->isWindow())
        throw InvalidOperation("TFlatTitlebar can only be placed on a descndant of a TCustomForm");
    if (m_form)
        m_form->removeEventFilter(this);
    m_form = form;
    setParent(form);
    if (form) {
        form->installEventFilter(this);
        show(); // a control placed on a form is visible unless told otherwise
    }
}

bool TFlatTitlebar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form && event->type() == QEvent::ActivationChange)
        setActive(m_form->isActiveWindow());
    return QWidget::eventFilter(watched, event); // the form handles the event as before
}

void TFlatTitlebar::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    update();
    if (active)
        emit activated();
    else
        emit deactivated();
}

void TFlatTitlebar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    const QColor background = toQColor(m_titlebarColor, palette());
    const QColor text = toQColor(m_active ? m_activeTextColor : m_inactiveTextColor, palette());
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(m_caption);
    const int textHeight = metrics.height();
    painter.fillRect(rect(), background);
    // Halves truncate as in the window's own arithmetic, so a caption wider than the strip
    // starts left of it and is clipped on both sides.
    const QRect cell(width() / 2 - textWidth / 2, height() / 2 - textHeight / 2, textWidth, textHeight);
    painter.fillRect(cell, background);
    painter.setPen(text);
    painter.drawText(QPoint(cell.left(), cell.top() + metrics.ascent()), m_caption);
}

void TFlatTitlebar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

namespace {

// A window system that ignores the program's own moves (some nested X servers) leaves the
// window where it was however often it is asked; after this many asks over this long with
// the window never moving, the drag goes to the window system. Both are far beyond what a
// window system that does move the window takes to answer.
constexpr int kUnansweredMoves = 8;
constexpr int kUnansweredMoveMs = 250;

} // namespace

QPoint TFlatTitlebar::windowOriginSeenBy(const QMouseEvent& event) const
{
    // Where the window system had the window when it reported the event: the pointer in
    // screen terms less the pointer in the window's own terms.
    return event.globalPosition().toPoint() - mapTo(window(), event.position().toPoint());
}

bool TFlatTitlebar::startSystemMove()
{
    if (m_systemMove)
        return m_systemMove();
    QWindow* handle = window()->windowHandle();
    return handle && handle->startSystemMove();
}

void TFlatTitlebar::mousePressEvent(QMouseEvent* event)
{
    m_grab = event->position().toPoint();
    if (event->button() == Qt::LeftButton && !m_dragging) {
        if (m_useSystemMove && startSystemMove())
            return;
        m_dragging = true;
        m_pressOrigin = windowOriginSeenBy(*event);
        m_movesAnswered = false;
        m_unansweredMoves = 0;
    }
}

void TFlatTitlebar::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    QWidget* owner = window();
    if (windowOriginSeenBy(*event) != m_pressOrigin)
        m_movesAnswered = true;
    if (!m_movesAnswered && m_unansweredMoves >= kUnansweredMoves &&
        m_sinceFirstUnanswered.elapsed() >= kUnansweredMoveMs) {
        m_movesAnswered = true; // asked once per drag
        if (startSystemMove()) {
            // The window system will not take the program's moves this session: later
            // drags go to it from their start, without the lag of finding out.
            m_useSystemMove = true;
            m_dragging = false;
            return;
        }
    }
    // The window follows the pointer's distance from the grab point. Taken in screen terms,
    // a move the window system has not carried out yet cannot skew the next step.
    const QPoint target = event->globalPosition().toPoint() - mapTo(owner, m_grab);
    if (target == owner->pos())
        return;
    const QPoint before = owner->pos();
    if (m_moveHandler)
        m_moveHandler(target);
    else
        owner->move(target);
    if (!m_movesAnswered && owner->pos() != before && m_unansweredMoves++ == 0)
        m_sinceFirstUnanswered.start();
}

void TFlatTitlebar::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}

} // namespace widgets
