// Flowers and seasons: the bonus tiles. Flowers are plants with blossoms and carry a red
// index; seasons are sky and weather motifs with a blue one, so the two families tell apart
// at a glance.
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "Faces.h"
#include "Ink.h"

namespace tilesets {

namespace {

QPointF Polar(QPointF c, double r, double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return c + QPointF(std::cos(a), std::sin(a)) * r;
}

// A leaf from base to tip, fattest at its middle.
QPainterPath Leaf(QPointF base, QPointF tip, double width) {
    const QPointF mid = (base + tip) / 2;
    const QPointF d = tip - base;
    const double len = std::hypot(d.x(), d.y());
    const QPointF normal(-d.y() / len * width / 2, d.x() / len * width / 2);
    QPainterPath leaf;
    leaf.moveTo(base);
    leaf.quadTo(mid + normal * 2, tip);
    leaf.quadTo(mid - normal * 2, base);
    return leaf;
}

// Five round petals and a golden heart.
void DrawBlossom(QPainter& p, QPointF c, double r, const QColor& colour, double turn = 0) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(130));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(Polar(c, r * 0.55, turn + i * 72 - 90), r * 0.52, r * 0.52);
    p.setBrush(colour);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(Polar(c, r * 0.55, turn + i * 72 - 90), r * 0.42, r * 0.42);
    p.setBrush(ink::kGold);
    p.drawEllipse(c, r * 0.28, r * 0.28);
}

void DrawPlum(QPainter& p) {
    using namespace ink;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBrown, 2.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath branch;
    branch.moveTo(8, 47);
    branch.cubicTo(14, 38, 14, 30, 22, 24);
    branch.cubicTo(27, 20, 30, 14, 33, 7);
    p.drawPath(branch);
    p.setPen(QPen(kBrown, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 32), QPointF(8, 24));
    p.drawLine(QPointF(25, 20), QPointF(34, 22));
    DrawBlossom(p, QPointF(9, 22), 6.5, kPink);
    DrawBlossom(p, QPointF(31, 9), 6.5, kPink, 20);
    DrawBlossom(p, QPointF(28, 31), 7.5, kRed, 10);
    DrawBlossom(p, QPointF(34, 22), 4.0, kPink, 30);
}

void DrawOrchidBloom(QPainter& p, QPointF c, double size) {
    using namespace ink;
    p.setPen(Qt::NoPen);
    p.setBrush(kPurple);
    for (double a : {-90.0, 30.0, 150.0})
        p.drawPath(Leaf(c, Polar(c, 8 * size, a), 3.0 * size));
    p.setBrush(kPurple.lighter(135));
    for (double a : {-25.0, 205.0})
        p.drawPath(Leaf(c, Polar(c, 6 * size, a), 3.0 * size));
    p.setBrush(kPink);
    p.drawPath(Leaf(c, Polar(c, 5.5 * size, 90), 3.4 * size));
    p.setBrush(kGold);
    p.drawEllipse(c, 1.4 * size, 1.4 * size);
}

void DrawOrchid(QPainter& p) {
    using namespace ink;
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPath(Leaf(QPointF(19, 47), QPointF(3, 24), 2.2));
    p.drawPath(Leaf(QPointF(20, 47), QPointF(37, 28), 2.2));
    p.setBrush(kDarkGreen);
    p.drawPath(Leaf(QPointF(19, 47), QPointF(12, 32), 2.0));
    p.drawPath(Leaf(QPointF(21, 47), QPointF(31, 38), 1.8));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kDarkGreen, 1.1, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stem;
    stem.moveTo(20, 46);
    stem.cubicTo(21, 34, 22, 24, 26, 15);
    p.drawPath(stem);
    p.drawLine(QPointF(21, 34), QPointF(13, 26));
    DrawOrchidBloom(p, QPointF(26, 14), 1.0);
    DrawOrchidBloom(p, QPointF(12, 25), 0.75);
}

void DrawChrysanthemum(QPainter& p) {
    using namespace ink;
    p.setPen(QPen(kDarkGreen, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 30), QPointF(19, 48));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPath(Leaf(QPointF(20, 42), QPointF(7, 36), 3.4));
    p.drawPath(Leaf(QPointF(20, 40), QPointF(33, 35), 3.4));
    const QPointF c(21, 21);
    p.setBrush(QColor(214, 96, 10));
    for (int i = 0; i < 20; ++i)
        p.drawPath(Leaf(c, Polar(c, 13, i * 18), 1.9));
    p.setBrush(kGold);
    for (int i = 0; i < 14; ++i)
        p.drawPath(Leaf(c, Polar(c, 8.5, i * 360.0 / 14 + 9), 1.9));
    p.setBrush(QColor(170, 70, 10));
    p.drawEllipse(c, 2.6, 2.6);
}

void DrawBambooPlant(QPainter& p) {
    using namespace ink;
    // Two slender culms with joints, and pointed leaves on twigs.
    for (const auto& [x0, x1, w] : {std::tuple{14.0, 18.0, 3.2}, std::tuple{26.0, 24.0, 2.4}}) {
        for (int seg = 0; seg < 4; ++seg) {
            const double y0 = 47 - seg * 9.5, y1 = y0 - 8.6;
            const double xa = x0 + (x1 - x0) * (47 - y0) / 38, xb = x0 + (x1 - x0) * (47 - y1) / 38;
            p.setPen(QPen(kGreen, w, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(xa, y0), QPointF(xb, y1));
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kDarkGreen);
    p.drawPath(Leaf(QPointF(18, 14), QPointF(33, 7), 2.2));
    p.drawPath(Leaf(QPointF(18, 14), QPointF(30, 16), 2.0));
    p.drawPath(Leaf(QPointF(17, 24), QPointF(4, 20), 2.2));
    p.drawPath(Leaf(QPointF(25, 28), QPointF(37, 33), 2.2));
    p.drawPath(Leaf(QPointF(25, 28), QPointF(35, 41), 2.0));
    p.drawPath(Leaf(QPointF(15, 36), QPointF(4, 41), 2.0));
}

void DrawSpring(QPainter& p) {
    using namespace ink;
    // A butterfly.
    const QPointF c(20, 26);
    p.setPen(Qt::NoPen);
    for (int side : {-1, 1}) {
        QPainterPath upper;
        upper.moveTo(c);
        upper.cubicTo(c + QPointF(side * 6, -17), c + QPointF(side * 19, -15),
                      c + QPointF(side * 15, -2));
        upper.closeSubpath();
        p.setBrush(kPink);
        p.drawPath(upper);
        QPainterPath lower;
        lower.moveTo(c);
        lower.cubicTo(c + QPointF(side * 15, 2), c + QPointF(side * 13, 15),
                      c + QPointF(side * 4, 12));
        lower.closeSubpath();
        p.setBrush(kPurple);
        p.drawPath(lower);
        p.setBrush(kGold);
        p.drawEllipse(c + QPointF(side * 9, -7), 2.4, 2.4);
        p.setBrush(kBlue);
        p.drawEllipse(c + QPointF(side * 8, 6), 1.6, 1.6);
    }
    p.setBrush(kBrown);
    p.drawEllipse(QRectF(c.x() - 1.4, c.y() - 9, 2.8, 19));
    p.setPen(QPen(kBrown, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-0.5, -9), c + QPointF(-4, -15));
    p.drawLine(c + QPointF(0.5, -9), c + QPointF(4, -15));
}

void DrawSummer(QPainter& p) {
    using namespace ink;
    // The sun.
    const QPointF c(21, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    for (int i = 0; i < 12; ++i) {
        QPainterPath ray;
        ray.moveTo(Polar(c, 10.5, i * 30 - 7));
        ray.lineTo(Polar(c, 17.5, i * 30));
        ray.lineTo(Polar(c, 10.5, i * 30 + 7));
        p.drawPath(ray);
    }
    p.setBrush(QColor(214, 96, 10));
    p.drawEllipse(c, 9.5, 9.5);
    p.setBrush(kGold);
    p.drawEllipse(c, 7.5, 7.5);
}

void DrawAutumn(QPainter& p) {
    using namespace ink;
    // A maple leaf: five pointed lobes around a stem.
    const QPointF c(20, 27);
    QPainterPath leaf;
    const double lobes[] = {-90, -35, -145, 20, 160};
    const double lengths[] = {19, 16, 16, 11, 11};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 70, 16));
    for (int i = 0; i < 5; ++i)
        p.drawPath(Leaf(c, Polar(c, lengths[i], lobes[i]), 7));
    p.setBrush(kRed);
    p.drawEllipse(c, 5, 5);
    p.setPen(QPen(kDarkRed, 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i)
        p.drawLine(c, Polar(c, lengths[i] * 0.8, lobes[i]));
    p.setPen(QPen(kBrown, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(4, 18));
}

void DrawWinter(QPainter& p) {
    using namespace ink;
    // A snowflake: six arms with side branches.
    const QPointF c(20, 26);
    p.setPen(QPen(kBlue, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const double a = i * 60 - 90;
        p.drawLine(c, Polar(c, 16, a));
        const QPointF b = Polar(c, 9.5, a);
        p.drawLine(b, Polar(b, 5, a - 45));
        p.drawLine(b, Polar(b, 5, a + 45));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kDarkBlue);
    p.drawEllipse(c, 3, 3);
}

}  // namespace

void PaintFlower(QPainter& p, int n) {
    switch (n) {
        case 1:
            DrawPlum(p);
            break;
        case 2:
            DrawOrchid(p);
            break;
        case 3:
            DrawChrysanthemum(p);
            break;
        default:
            DrawBambooPlant(p);
            break;
    }
}

void PaintSeason(QPainter& p, int n) {
    switch (n) {
        case 1:
            DrawSpring(p);
            break;
        case 2:
            DrawSummer(p);
            break;
        case 3:
            DrawAutumn(p);
            break;
        default:
            DrawWinter(p);
            break;
    }
}

}  // namespace tilesets
