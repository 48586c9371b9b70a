#include "pads/TShape.h"

#include <QPainter>

TShape::TShape(QWidget *parent, Kind kind) : QWidget(parent), kind_(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::SetBrush(const QColor &color)
{
    brush_ = color;
    update();
}

void TShape::SetPen(const QColor &color, int width)
{
    pen_ = color;
    penWidth_ = width;
    update();
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, kind_ == Kind::Circle);
    QPen pen(pen_, penWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(penWidth_ > 0 ? pen : QPen(Qt::NoPen));
    painter.setBrush(brush_);
    // The outline lies inside the widget, as a shape's pen does.
    const qreal inset = penWidth_ / 2.0;
    const QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (kind_ == Kind::Circle)
        painter.drawEllipse(area);
    else
        painter.drawRect(area);
}
