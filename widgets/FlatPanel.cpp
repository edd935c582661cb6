#include "widgets/FlatPanel.h"

#include "widgets/FlatPanelDrawing.h"

#include <QEvent>
#include <QImage>
#include <QPainter>

namespace widgets {

namespace {
constexpr TColor clBtnHighlight = TColor(0x80000014u);
constexpr TColor clBtnShadow = TColor(0x80000010u);
} // namespace

TFlatPanel::TFlatPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(185, 41);
}

int TFlatPanel::captionFlags(Qt::Alignment alignment)
{
    int horizontal = Qt::AlignHCenter;
    if (alignment & Qt::AlignLeft)
        horizontal = Qt::AlignLeft;
    else if (alignment & Qt::AlignRight)
        horizontal = Qt::AlignRight;
    return horizontal | Qt::AlignVCenter | Qt::TextSingleLine;
}

TColor TFlatPanel::color() const
{
    if (m_parentColor && parentWidget())
        return fromQColor(parentWidget()->palette().color(parentWidget()->backgroundRole()));
    return m_color;
}

void TFlatPanel::setColor(TColor color)
{
    if (color == m_color && !m_parentColor)
        return;
    m_color = color;
    m_parentColor = false;
    update();
}

void TFlatPanel::setParentColor(bool on)
{
    if (on == m_parentColor)
        return;
    m_parentColor = on;
    update();
}

void TFlatPanel::setTransparent(bool on)
{
    if (on == m_transparent)
        return;
    m_transparent = on;
    update();
}

void TFlatPanel::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void TFlatPanel::setColorHighLight(TColor color)
{
    if (color == m_colorHighLight)
        return;
    m_colorHighLight = color;
    update();
}

void TFlatPanel::setColorShadow(TColor color)
{
    if (color == m_colorShadow)
        return;
    m_colorShadow = color;
    update();
}

void TFlatPanel::setAlignment(Qt::Alignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void TFlatPanel::paintEvent(QPaintEvent*)
{
    // Composed off screen and copied in one piece, so the panel never flickers through
    // its states.
    const qreal ratio = devicePixelRatioF();
    QImage buffer(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter canvas(&buffer);
        const QRect client = rect();
        if (m_transparent) {
            buffer.fill(Qt::transparent);
            PaintParentBackground(this, canvas);
        } else {
            canvas.fillRect(client, toQColor(color(), palette()));
        }
        DrawBevelFrame(canvas, client, m_colorHighLight, m_colorShadow, 1, palette());
        if (!m_caption.isEmpty()) {
            canvas.setFont(font());
            const int flags = captionFlags(m_alignment);
            if (isEnabled()) {
                canvas.setPen(palette().color(QPalette::WindowText));
                canvas.drawText(client, flags, m_caption);
            } else {
                canvas.setPen(toQColor(clBtnHighlight, palette()));
                canvas.drawText(client.translated(1, 1), flags, m_caption);
                canvas.setPen(toQColor(clBtnShadow, palette()));
                canvas.drawText(client, flags, m_caption);
            }
        }
    }
    QPainter painter(this);
    painter.drawImage(0, 0, buffer);
}

void TFlatPanel::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
}

} // namespace widgets
