#include "widgets/MouseEffectImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace widgets {

TMouseEffectImage::TMouseEffectImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_Hover);
}

void TMouseEffectImage::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    if (!picture.isNull())
        resize(picture.deviceIndependentSize().toSize()); // the size of what it shows
    update();
}

void TMouseEffectImage::setOriginPicture(const QPixmap& picture)
{
    m_origin = picture;
    setPicture(m_origin);
}

QSize TMouseEffectImage::sizeHint() const
{
    return m_picture.isNull() ? QSize(24, 24) : m_picture.deviceIndependentSize().toSize();
}

void TMouseEffectImage::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), m_picture);
}

void TMouseEffectImage::enterEvent(QEnterEvent* event)
{
    setPicture(m_over);
    QWidget::enterEvent(event);
}

void TMouseEffectImage::leaveEvent(QEvent* event)
{
    setPicture(m_origin);
    QWidget::leaveEvent(event);
}

void TMouseEffectImage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        setPicture(m_down);
        m_pressed = true;
    }
    QWidget::mousePressEvent(event);
}

// The second press of a double click is not a press of its own: it neither shows the down
// picture nor arms a click, so a double click on a button runs its command once.
void TMouseEffectImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void TMouseEffectImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (!m_revertOnLeave)
        setPicture(m_origin);
    const bool wasPressed = m_pressed;
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
    if (wasPressed && isEnabled() && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace widgets
