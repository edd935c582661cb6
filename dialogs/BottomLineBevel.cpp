#include "dialogs/BottomLineBevel.h"

#include <QPainter>

namespace dialogs {

BottomLineBevel::BottomLineBevel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BottomLineBevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int bottom = height() - 1;
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, bottom - 1, width() - 1, bottom - 1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, bottom, width() - 1, bottom);
}

} // namespace dialogs
