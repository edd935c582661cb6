#include "app/WindowPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace app {

namespace {

constexpr int kTitleButtonSide = 16;

QPixmap renderPicture(int side, qreal devicePixelRatio, const std::function<void(QPainter&)>& draw)
{
    const int pixels = qRound(side * devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QPixmap::fromImage(image);
}

// Every picture at 1x and 2x, so the buttons stay sharp on a high-density screen.
QIcon titleButtonIcon(const std::function<void(QPainter&)>& draw)
{
    QIcon icon;
    for (qreal ratio : {1.0, 2.0})
        icon.addPixmap(renderPicture(kTitleButtonSide, ratio, draw));
    return icon;
}

void drawPadlock(QPainter& painter, bool closed)
{
    QPainterPath shackle;
    if (closed) {
        shackle.moveTo(5, 7.5);
        shackle.lineTo(5, 5);
        shackle.arcTo(QRectF(5, 1.5, 6, 7), 180, -180);
        shackle.lineTo(11, 7.5);
    } else {
        // Swung open: the left leg lifted out of the body.
        shackle.moveTo(11, 7.5);
        shackle.lineTo(11, 4);
        shackle.arcTo(QRectF(11, 0.5, 4, 7), 180, -180);
        shackle.lineTo(15, 5);
        shackle = QTransform().translate(-1, 0).map(shackle);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x48), 2.6, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(shackle);
    painter.setPen(QPen(QColor(0xe8, 0xe8, 0xf0), 1.2, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(shackle);

    QLinearGradient brass(0, 7, 0, 15);
    brass.setColorAt(0, QColor(0xff, 0xe6, 0x80));
    brass.setColorAt(1, QColor(0xd8, 0x98, 0x10));
    painter.setPen(QPen(QColor(0x5a, 0x3c, 0x00), 1));
    painter.setBrush(brass);
    painter.drawRoundedRect(QRectF(2.5, 7.5, 11, 7.5), 1.2, 1.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x5a, 0x3c, 0x00));
    painter.drawEllipse(QRectF(7, 9.5, 2, 2));
    painter.drawRect(QRectF(7.5, 11, 1, 2.2));
}

void drawMinimise(QPainter& painter)
{
    painter.setPen(QPen(QColor(0x30, 0x30, 0x60), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(3.5, 10.5, 9, 3));
}

void drawNotePad(QPainter& painter, int side)
{
    // At tray size each line must cover whole pixels, or the pad turns to mush: fewer,
    // thicker lines and no sheets beneath.
    const bool small = side <= 16;
    painter.scale(side / 32.0, side / 32.0);
    painter.translate(16, 16);
    painter.rotate(small ? -12 : -16);
    painter.translate(-16, -16);

    const QColor edge(0x8a, 0x64, 0x00);
    const qreal penWidth = small ? 2.0 : 1.0;
    if (!small) {
        // The sheets below the top one show along the lower and right edges.
        painter.setPen(QPen(edge, 0.8));
        painter.setBrush(QColor(0xf2, 0xd2, 0x40));
        painter.drawRect(QRectF(7.5, 6.5, 19, 22));
        painter.setBrush(QColor(0xf8, 0xdc, 0x4c));
        painter.drawRect(QRectF(6.5, 5.5, 19, 22));
    }

    QLinearGradient sheet(0, 4, 0, 27);
    sheet.setColorAt(0, QColor(0xff, 0xf4, 0x8a));
    sheet.setColorAt(1, QColor(0xff, 0xe0, 0x3c));
    painter.setPen(QPen(edge, penWidth));
    painter.setBrush(sheet);
    const QRectF top = small ? QRectF(4, 3, 24, 26) : QRectF(5.5, 4.5, 19, 22);
    painter.drawRect(top);
    // The glued band across the top.
    painter.setBrush(QColor(0xe0, 0x8a, 0x10));
    painter.drawRect(QRectF(top.left(), top.top(), top.width(), small ? 5 : 4));

    painter.setPen(QPen(QColor(0x2c, 0x2c, 0x34), small ? 2.4 : 1.2, Qt::SolidLine, Qt::FlatCap));
    const QList<qreal> lineEnds = small ? QList<qreal>{24, 20, 24} : QList<qreal>{21, 18, 21, 15};
    qreal y = small ? 13 : 12.5;
    for (qreal end : lineEnds) {
        painter.drawLine(QPointF(top.left() + 3.5, y), QPointF(end, y));
        y += small ? 5.5 : 3.5;
    }
}

} // namespace

QIcon unlockedPicture()
{
    return titleButtonIcon([](QPainter& painter) { drawPadlock(painter, false); });
}

QIcon lockedPicture()
{
    return titleButtonIcon([](QPainter& painter) { drawPadlock(painter, true); });
}

QIcon minimisePicture()
{
    return titleButtonIcon(drawMinimise);
}

QImage notePadImage(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawNotePad(painter, side);
    return image;
}

namespace {
// Drawn once per run: the window icon and the tray icon share them, and drawing them again
// for each would hold up the window's first appearance.
QList<QImage> g_notePadImages;
} // namespace

const QList<QImage>& notePadImages()
{
    if (g_notePadImages.isEmpty()) {
        for (int side : {16, 22, 24, 32, 48, 64})
            g_notePadImages.append(notePadImage(side));
    }
    return g_notePadImages;
}

QIcon notePadIcon()
{
    QIcon icon;
    for (const QImage& image : notePadImages())
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

} // namespace app
