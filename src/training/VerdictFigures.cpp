#include "training/VerdictFigures.h"

#include "training/Verdict.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <array>

namespace {

/// A pose: where the hips are and the angles (degrees, 0 = straight down, positive turns
/// toward the figure's front, to the right of the picture) of the torso and of the upper and
/// lower segments of each limb, and the mood of the face.
struct Pose {
    QPointF hips;
    double torso;  ///< 180 = upright
    std::array<double, 2> leftArm, rightArm, leftLeg, rightLeg;
    int mood;  ///< −1 frown, 0 plain, 1 smile, 2 open smile
};

// Index 0 (worst) to 7 (best).
constexpr std::array<Pose, VerdictPictureCount> kPoses{{
    {{50, 62}, 180, {{60, -15}}, {{-60, 15}}, {{10, 0}}, {{-10, 0}}, -1},        // hands on hips
    {{44, 76}, 205, {{30, 70}}, {{-10, -40}}, {{80, 20}}, {{70, 10}}, -1},       // sitting on the floor
    {{50, 60}, 200, {{60, 110}}, {{-50, 10}}, {{45, -20}}, {{-40, -80}}, 0},     // running
    {{50, 60}, 190, {{30, 60}}, {{-25, -10}}, {{25, 0}}, {{-20, -25}}, 1},       // walking briskly
    {{50, 62}, 180, {{15, 5}}, {{-135, -178}}, {{10, 0}}, {{-8, 0}}, 1},         // waving
    {{50, 52}, 180, {{150, 170}}, {{-150, -170}}, {{40, -30}}, {{-40, 30}}, 2},  // leaping
    {{50, 60}, 185, {{100, 130}}, {{-100, -60}}, {{5, 0}}, {{-70, -10}}, 2},     // dancing
    {{50, 58}, 180, {{140, 160}}, {{-140, -160}}, {{15, 0}}, {{-15, 0}}, 2},     // arms raised
}};

QPointF Step(const QPointF &from, double degrees, double length)
{
    const double radians = qDegreesToRadians(degrees);
    return {from.x() + std::sin(radians) * length, from.y() + std::cos(radians) * length};
}

void Limb(QPainter &painter, const QPointF &from, const std::array<double, 2> &angles, double length,
          const QColor &colour, double width)
{
    const QPointF joint = Step(from, angles[0], length);
    const QPointF end = Step(joint, angles[1], length);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path(from);
    path.lineTo(joint);
    path.lineTo(end);
    painter.drawPath(path);
}

}  // namespace

QPixmap VerdictFigure(bool man, int pose)
{
    const Pose &p = kPoses[std::size_t(qBound(0, pose, VerdictPictureCount - 1))];
    QPixmap picture(100, 100);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const QColor skin(0xF2C9A0), outline(0x5A3A22);
    const QColor clothes = man ? QColor(0x2E6FD8) : QColor(0xE8457A);
    const QColor legs = man ? QColor(0x34495E) : QColor(0xF2C9A0);
    const QColor hair = man ? QColor(0x4A3222) : QColor(0xC8702A);
    const QPointF hips = p.hips;
    const QPointF shoulders = Step(hips, p.torso, 24);
    const QPointF neck = Step(hips, p.torso, 27);
    const QPointF head = Step(hips, p.torso, 36);

    Limb(painter, hips, p.leftLeg, 15, legs, 6);
    Limb(painter, hips, p.rightLeg, 15, legs, 6);
    if (!man) {
        // The skirt over the legs' tops.
        QPainterPath skirt;
        const QPointF waist = Step(hips, p.torso, 8);
        skirt.moveTo(waist + QPointF(-5, 0));
        skirt.lineTo(waist + QPointF(5, 0));
        skirt.lineTo(hips + QPointF(12, 8));
        skirt.lineTo(hips + QPointF(-12, 8));
        skirt.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(clothes.darker(115));
        painter.drawPath(skirt);
    }
    if (!man) {  // long hair behind the head and the shoulders
        painter.setPen(Qt::NoPen);
        painter.setBrush(hair);
        painter.drawRoundedRect(QRectF(head.x() - 10.5, head.y() - 8, 21, 21), 8, 8);
    }
    painter.setPen(QPen(clothes, 11, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(hips, shoulders);
    Limb(painter, shoulders, p.leftArm, 12, clothes, 5);
    Limb(painter, shoulders, p.rightArm, 12, clothes, 5);
    painter.setPen(QPen(skin, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(shoulders, neck);

    painter.setPen(QPen(outline, 1));
    painter.setBrush(skin);
    painter.drawEllipse(head, 8.5, 9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(hair);
    painter.drawChord(QRectF(head.x() - 9, head.y() - 10, 18, 14), 0, 180 * 16);

    // The face: eyes and a mouth that shows the mood.
    painter.setBrush(outline);
    painter.drawEllipse(head + QPointF(-3, 0), 1.2, 1.4);
    painter.drawEllipse(head + QPointF(3, 0), 1.2, 1.4);
    painter.setPen(QPen(QColor(0xB03030), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const QRectF mouth(head.x() - 3.5, head.y() + 2, 7, 4);
    if (p.mood < 0)
        painter.drawArc(mouth.translated(0, 2.5), 20 * 16, 140 * 16);  // a frown
    else if (p.mood == 0)
        painter.drawLine(QPointF(mouth.left() + 1, mouth.center().y()), QPointF(mouth.right() - 1, mouth.center().y()));
    else if (p.mood == 1)
        painter.drawArc(mouth.translated(0, -1), 200 * 16, 140 * 16);
    else {
        painter.setBrush(QColor(0xB03030));
        painter.drawChord(mouth.translated(0, -1.5), 180 * 16, 180 * 16);
    }
    return picture;
}
