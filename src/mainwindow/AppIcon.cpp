#include "mainwindow/AppIcon.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap AppIconPixmap(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 128.0, size / 128.0);  // drawn on a 128 × 128 grid

    // The tile.
    QLinearGradient tile(0, 0, 0, 128);
    tile.setColorAt(0, QColor(0x2C5AA0));
    tile.setColorAt(1, QColor(0x173A6E));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(4, 4, 120, 120), 22, 22);

    // The letter é, lower left, drawn with strokes (no font is needed at start-up): the bar,
    // the open bowl and the acute accent.
    QPen white(QColor(0xFFFFFF), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(white);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(22, 84), QPointF(66, 84));
    painter.drawArc(QRectF(22, 62, 44, 44), 0, 300 * 16);
    painter.drawLine(QPointF(40, 54), QPointF(52, 38));

    // The quill, from the upper right down to its nib beside the letter.
    QPainterPath feather;
    feather.moveTo(112, 14);
    feather.cubicTo(96, 20, 76, 40, 66, 74);
    feather.cubicTo(78, 62, 98, 48, 112, 14);
    feather.moveTo(112, 14);
    feather.cubicTo(114, 36, 100, 58, 66, 74);
    painter.setPen(QPen(QColor(0xC9A227), 1.5));
    painter.setBrush(QColor(0xF3E3A6));
    painter.drawPath(feather);
    painter.setPen(QPen(QColor(0xC9A227), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(110, 18), QPointF(60, 86));  // the shaft down to the nib
    painter.setPen(QPen(QColor(0x20202A), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(64, 80), QPointF(58, 90));
    return picture;
}

namespace {

/// Draws the picture at the size asked for, when it is asked for: the window manager takes the
/// small sizes at start-up, and nothing pays for the large ones until something shows them.
class AppIconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return AppIconPixmap(qMax(1, qMin(size.width(), size.height())));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)};
    }
    QIconEngine *clone() const override { return new AppIconEngine; }
};

}  // namespace

QIcon AppIcon()
{
    return QIcon(new AppIconEngine);
}
