#include "app/ToolRowPictures.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace app {

namespace {

constexpr int kSide = 24;

enum class Look { Rest, Over, Down };

QPen outline(const QColor& color, qreal width = 1.0)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient verticalGradient(qreal top, qreal bottom, const QColor& upper, const QColor& lower)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, upper);
    gradient.setColorAt(1, lower);
    return gradient;
}

void drawArrowDisc(QPainter& painter, bool pointsLeft)
{
    QRadialGradient shade(QPointF(9, 8), 14);
    shade.setColorAt(0, QColor(0x8c, 0xc0, 0xff));
    shade.setColorAt(1, QColor(0x1a, 0x55, 0xc8));
    painter.setPen(outline(QColor(0x14, 0x3c, 0x8c)));
    painter.setBrush(shade);
    painter.drawEllipse(QRectF(2.5, 2.5, 19, 19));

    QPolygonF arrow{{6, 12}, {12, 6}, {12, 9.5}, {18, 9.5}, {18, 14.5}, {12, 14.5}, {12, 18}};
    if (!pointsLeft) {
        for (QPointF& point : arrow)
            point.setX(kSide - point.x());
    }
    painter.setPen(outline(QColor(0x10, 0x30, 0x70), 0.8));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
}

void drawPlus(QPainter& painter)
{
    const QPolygonF plus{{9, 3},   {15, 3}, {15, 9}, {21, 9}, {21, 15}, {15, 15},
                         {15, 21}, {9, 21}, {9, 15}, {3, 15}, {3, 9},   {9, 9}};
    painter.setPen(outline(QColor(0x1a, 0x6a, 0x12)));
    painter.setBrush(verticalGradient(3, 21, QColor(0x9a, 0xea, 0x70), QColor(0x2c, 0x9a, 0x1c)));
    painter.drawPolygon(plus);
    painter.setPen(QPen(QColor(255, 255, 255, 140), 1));
    painter.drawLine(QPointF(10, 4.5), QPointF(14, 4.5));
}

void drawApply(QPainter& painter)
{
    // The square and the bar the change lands on.
    painter.setPen(outline(QColor(0x1a, 0x6a, 0x12)));
    painter.setBrush(verticalGradient(13, 21, QColor(0x8c, 0xe0, 0x62), QColor(0x2c, 0x9a, 0x1c)));
    painter.drawRect(QRectF(3.5, 13.5, 8, 8));
    painter.setPen(outline(QColor(0x8a, 0x10, 0x10)));
    painter.setBrush(verticalGradient(17, 21, QColor(0xff, 0x6a, 0x5a), QColor(0xc8, 0x1c, 0x14)));
    painter.drawRect(QRectF(13.5, 17.5, 8, 4));

    // The arrow sweeping over into the square.
    QPainterPath sweep;
    sweep.moveTo(19, 14);
    sweep.cubicTo(20, 3, 9, 1, 7.5, 9);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x1a, 0x6a, 0x12), 4.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(sweep);
    painter.setPen(QPen(QColor(0x5c, 0xc8, 0x3a), 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(sweep);
    const QPolygonF head{{3.5, 8}, {11.5, 8}, {7.5, 13}};
    painter.setPen(outline(QColor(0x1a, 0x6a, 0x12)));
    painter.setBrush(QColor(0x5c, 0xc8, 0x3a));
    painter.drawPolygon(head);
}

void drawWasteBin(QPainter& painter)
{
    const QColor edge(0x4a, 0x6e, 0x92);
    painter.setPen(outline(edge));
    painter.setBrush(verticalGradient(7, 22, QColor(0xe4, 0xf1, 0xfc), QColor(0x9c, 0xc4, 0xe6)));
    painter.drawPolygon(QPolygonF{{5.5, 7.5}, {18.5, 7.5}, {17, 21.5}, {7, 21.5}});
    painter.setBrush(verticalGradient(4, 8, QColor(0xd6, 0xea, 0xfa), QColor(0x8a, 0xb6, 0xdc)));
    painter.drawRoundedRect(QRectF(4.5, 4.5, 15, 3), 1, 1);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(9.5, 2.5, 5, 2), 1, 1);

    // Two arrows chasing each other round: what is thrown away can come back.
    const QRectF ring(8, 10.5, 8, 8);
    painter.setPen(QPen(QColor(0x2c, 0x9a, 0x1c), 1.8, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(ring, 20 * 16, 130 * 16);
    painter.drawArc(ring, 200 * 16, 130 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2c, 0x9a, 0x1c));
    painter.drawPolygon(QPolygonF{{7.2, 12.4}, {10.6, 12.2}, {8.2, 15.4}});
    painter.drawPolygon(QPolygonF{{16.8, 16.6}, {13.4, 16.8}, {15.8, 13.6}});
}

void drawFramedPicture(QPainter& painter)
{
    painter.setPen(outline(QColor(0x6a, 0x44, 0x10)));
    painter.setBrush(verticalGradient(3, 19, QColor(0xe8, 0xb8, 0x60), QColor(0xa8, 0x70, 0x24)));
    painter.drawRect(QRectF(1.5, 3.5, 17, 15));
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient(6, 16, QColor(0x9c, 0xd4, 0xff), QColor(0xe8, 0xf6, 0xff)));
    painter.drawRect(QRectF(4, 6, 12, 10));
    painter.setBrush(QColor(0xff, 0xd0, 0x30));
    painter.drawEllipse(QRectF(5, 7, 3.5, 3.5));
    painter.setBrush(QColor(0x3c, 0xa0, 0x2c));
    QPainterPath hill;
    hill.moveTo(4, 16);
    hill.cubicTo(7, 10, 11, 11, 16, 13);
    hill.lineTo(16, 16);
    hill.closeSubpath();
    painter.drawPath(hill);

    // The brush leaning across the corner.
    painter.setPen(QPen(QColor(0x5a, 0x2a, 0x10), 3.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(22, 2.5), QPointF(16.5, 9.5));
    painter.setPen(QPen(QColor(0xc8, 0x4a, 0x24), 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(22, 2.5), QPointF(16.5, 9.5));
    painter.setPen(QPen(QColor(0x90, 0x90, 0x98), 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(16.5, 9.5), QPointF(15, 11.5));
    painter.setPen(outline(QColor(0x20, 0x20, 0x60), 0.8));
    painter.setBrush(QColor(0x30, 0x40, 0xc0));
    painter.drawPolygon(QPolygonF{{13.6, 10.6}, {16, 12.4}, {12.5, 16.5}});
}

void drawSpiralPad(QPainter& painter)
{
    painter.setPen(outline(QColor(0x24, 0x6a, 0x16)));
    painter.setBrush(verticalGradient(4, 22, QColor(0xa8, 0xe6, 0x80), QColor(0x4c, 0xb0, 0x30)));
    painter.drawRoundedRect(QRectF(4.5, 4.5, 15, 17), 1.5, 1.5);
    painter.setPen(QPen(QColor(0xf4, 0xff, 0xe8), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (qreal y : {10.0, 13.0, 16.0, 19.0})
        painter.drawLine(QPointF(7.5, y), QPointF(16.5, y));
    // The wire rings along the top.
    painter.setPen(QPen(QColor(0x50, 0x50, 0x58), 1.3));
    painter.setBrush(Qt::NoBrush);
    for (qreal x : {7.0, 10.5, 14.0, 17.5})
        painter.drawEllipse(QRectF(x - 1.2, 2.5, 2.4, 4.2));
}

void drawArt(QPainter& painter, ToolButtonArt art)
{
    switch (art) {
    case ToolButtonArt::Prior:
        drawArrowDisc(painter, true);
        break;
    case ToolButtonArt::Next:
        drawArrowDisc(painter, false);
        break;
    case ToolButtonArt::New:
        drawPlus(painter);
        break;
    case ToolButtonArt::Apply:
        drawApply(painter);
        break;
    case ToolButtonArt::Delete:
        drawWasteBin(painter);
        break;
    case ToolButtonArt::BrowseMode:
        drawFramedPicture(painter);
        break;
    case ToolButtonArt::EditMode:
        drawSpiralPad(painter);
        break;
    }
}

QImage render(ToolButtonArt art, Look look, qreal devicePixelRatio)
{
    const int side = qRound(kSide * devicePixelRatio);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (look != Look::Rest) {
        // A soft plate behind the picture tells hover from press.
        painter.setPen(outline(look == Look::Over ? QColor(0x8a, 0xa8, 0xd8) : QColor(0x5a, 0x78, 0xb0)));
        painter.setBrush(look == Look::Over ? QColor(255, 255, 255, 150) : QColor(0xb4, 0xc8, 0xe8, 200));
        painter.drawRoundedRect(QRectF(0.5, 0.5, kSide - 1, kSide - 1), 3, 3);
    }
    if (look == Look::Down)
        painter.translate(1, 1);
    drawArt(painter, art);
    return image;
}

} // namespace

ToolButtonPictures toolButtonPictures(ToolButtonArt art, qreal devicePixelRatio)
{
    const QPixmap rest = QPixmap::fromImage(render(art, Look::Rest, devicePixelRatio));
    return {rest, rest, QPixmap::fromImage(render(art, Look::Over, devicePixelRatio)),
            QPixmap::fromImage(render(art, Look::Down, devicePixelRatio))};
}

QPixmap unavailablePicture(ToolButtonArt art, qreal devicePixelRatio)
{
    QImage image = render(art, Look::Rest, devicePixelRatio).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // Grey, and paler than the grey of the colours, so it reads as unavailable.
            const int grey = 96 + qGray(line[x]) * 5 / 8;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    return QPixmap::fromImage(image);
}

} // namespace app
