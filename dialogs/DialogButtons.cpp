#include "dialogs/DialogButtons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include <functional>

namespace dialogs {

namespace {

constexpr int kGlyphSize = 16;

// One glyph at the scales of ordinary and dense screens, each drawn for its own pixels.
QIcon drawnGlyph(const std::function<void(QPainter&)>& draw)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(kGlyphSize * scale, kGlyphSize * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon okGlyph()
{
    return drawnGlyph([](QPainter& painter) {
        QPainterPath tick;
        tick.moveTo(3, 8);
        tick.lineTo(6.5, 11.5);
        tick.lineTo(13, 4);
        painter.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawPath(tick);
    });
}

QIcon cancelGlyph()
{
    return drawnGlyph([](QPainter& painter) {
        painter.setPen(QPen(QColor(192, 0, 0), 2.5, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
        painter.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
    });
}

void giveOkGlyph(QPushButton* button)
{
    button->setIcon(okGlyph());
    button->setIconSize(QSize(kGlyphSize, kGlyphSize));
}

void giveCancelGlyph(QPushButton* button)
{
    button->setIcon(cancelGlyph());
    button->setIconSize(QSize(kGlyphSize, kGlyphSize));
}

} // namespace dialogs
