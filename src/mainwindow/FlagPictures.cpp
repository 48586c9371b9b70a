#include "mainwindow/FlagPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kW = 48;
constexpr int kH = 32;

void HorizontalBands(QPainter &p, std::initializer_list<std::pair<QColor, int>> bands)
{
    int total = 0;
    for (const auto &band : bands)
        total += band.second;
    int top = 0;
    int used = 0;
    for (const auto &band : bands) {
        used += band.second;
        const int bottom = used * kH / total;
        p.fillRect(0, top, kW, bottom - top, band.first);
        top = bottom;
    }
}

void VerticalBands(QPainter &p, std::initializer_list<QColor> colors)
{
    const int n = int(colors.size());
    int i = 0;
    for (const QColor &color : colors) {
        p.fillRect(i * kW / n, 0, (i + 1) * kW / n - i * kW / n, kH, color);
        ++i;
    }
}

void Disc(QPainter &p, QPointF centre, qreal radius, const QColor &fill, const QColor &line = Qt::transparent)
{
    p.setPen(line == Qt::transparent ? QPen(Qt::NoPen) : QPen(line, 1));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
}

void UnitedStates(QPainter &p)
{
    const QColor red(178, 34, 52), blue(60, 59, 110);
    for (int stripe = 0; stripe < 13; ++stripe)
        p.fillRect(QRectF(0, stripe * kH / 13.0, kW, kH / 13.0 + 0.5), stripe % 2 ? Qt::white : red);
    p.fillRect(QRectF(0, 0, kW * 0.4, kH * 7 / 13.0), blue);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 5; ++col)
            p.fillRect(QRectF(1.5 + col * 3.7, 1.5 + row * 4.0, 1.2, 1.2), Qt::white);
}

void UnitedKingdom(QPainter &p)
{
    const QColor blue(1, 33, 105), red(200, 16, 46);
    p.fillRect(0, 0, kW, kH, blue);
    p.setPen(QPen(Qt::white, 6));
    p.drawLine(0, 0, kW, kH);
    p.drawLine(0, kH, kW, 0);
    p.setPen(QPen(red, 2));
    p.drawLine(0, 0, kW, kH);
    p.drawLine(0, kH, kW, 0);
    p.fillRect(0, 12, kW, 8, Qt::white);
    p.fillRect(20, 0, 8, kH, Qt::white);
    p.fillRect(0, 14, kW, 4, red);
    p.fillRect(22, 0, 4, kH, red);
}

void Canada(QPainter &p)
{
    const QColor red(216, 6, 33);
    p.fillRect(0, 0, kW, kH, Qt::white);
    p.fillRect(0, 0, 12, kH, red);
    p.fillRect(36, 0, 12, kH, red);
    // A simplified maple leaf: a pointed crown on a stem.
    QPainterPath leaf;
    leaf.moveTo(24, 6);
    leaf.lineTo(26, 11);
    leaf.lineTo(30, 9);
    leaf.lineTo(29, 15);
    leaf.lineTo(33, 14);
    leaf.lineTo(31, 19);
    leaf.lineTo(25, 21);
    leaf.lineTo(25, 26);
    leaf.lineTo(23, 26);
    leaf.lineTo(23, 21);
    leaf.lineTo(17, 19);
    leaf.lineTo(15, 14);
    leaf.lineTo(19, 15);
    leaf.lineTo(18, 9);
    leaf.lineTo(22, 11);
    leaf.closeSubpath();
    p.fillPath(leaf, red);
}

void Mexico(QPainter &p)
{
    VerticalBands(p, {QColor(0, 104, 71), Qt::white, QColor(206, 17, 38)});
    Disc(p, QPointF(24, 16), 5, QColor(140, 90, 40), QColor(0, 104, 71));
}

void Argentina(QPainter &p)
{
    const QColor sky(116, 172, 223);
    HorizontalBands(p, {{sky, 1}, {Qt::white, 1}, {sky, 1}});
    Disc(p, QPointF(24, 16), 3.5, QColor(246, 180, 14), QColor(133, 52, 13));
}

void Brazil(QPainter &p)
{
    p.fillRect(0, 0, kW, kH, QColor(0, 156, 59));
    QPolygonF rhombus({QPointF(24, 3), QPointF(44, 16), QPointF(24, 29), QPointF(4, 16)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 223, 0));
    p.drawPolygon(rhombus);
    Disc(p, QPointF(24, 16), 7.5, QColor(0, 39, 118));
    p.setPen(QPen(Qt::white, 1.2));
    p.drawArc(QRectF(14, 12, 22, 14), 40 * 16, 100 * 16);
}

void Portugal(QPainter &p)
{
    p.fillRect(0, 0, 19, kH, QColor(0, 102, 0));
    p.fillRect(19, 0, kW - 19, kH, QColor(255, 0, 0));
    Disc(p, QPointF(19, 16), 7, QColor(255, 204, 0));
    p.fillRect(QRectF(15.5, 11.5, 7, 8), Qt::white);
    p.setPen(QPen(QColor(255, 0, 0), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(15.5, 11.5, 7, 8));
}

void Switzerland(QPainter &p)
{
    p.fillRect(0, 0, kW, kH, QColor(218, 41, 28));
    p.fillRect(21, 7, 6, 18, Qt::white);
    p.fillRect(15, 13, 18, 6, Qt::white);
}

void Spain(QPainter &p)
{
    HorizontalBands(p, {{QColor(170, 21, 27), 1}, {QColor(241, 191, 0), 2}, {QColor(170, 21, 27), 1}});
    p.fillRect(QRectF(11, 12, 6, 8), QColor(170, 21, 27));
    p.fillRect(QRectF(12, 13, 4, 3), QColor(241, 191, 0));
}

void CostaRica(QPainter &p)
{
    const QColor blue(0, 43, 127), red(206, 17, 38);
    HorizontalBands(p, {{blue, 1}, {Qt::white, 1}, {red, 2}, {Qt::white, 1}, {blue, 1}});
}

}  // namespace

QImage FlagPicture(int index)
{
    if (index < 0 || index >= FlagCount)
        return {};
    QImage image(kW, kH, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0: UnitedStates(p); break;
    case 1: UnitedKingdom(p); break;
    case 2: VerticalBands(p, {QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)}); break;
    case 3: VerticalBands(p, {QColor(102, 153, 0), Qt::white, QColor(204, 51, 0)}); break;
    case 4: VerticalBands(p, {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)}); break;
    case 5: Canada(p); break;
    case 6: Spain(p); break;
    case 7: Mexico(p); break;
    case 8: VerticalBands(p, {QColor(217, 16, 35), Qt::white, QColor(217, 16, 35)}); break;
    case 9: Argentina(p); break;
    case 10: CostaRica(p); break;
    case 11: Brazil(p); break;
    case 12: Portugal(p); break;
    case 13: HorizontalBands(p, {{Qt::black, 1}, {QColor(221, 0, 0), 1}, {QColor(255, 206, 0), 1}}); break;
    case 14: Switzerland(p); break;
    case 15: HorizontalBands(p, {{QColor(200, 16, 46), 1}, {Qt::white, 1}, {QColor(200, 16, 46), 1}}); break;
    }
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kW - 1, kH - 1));
    return image;
}
