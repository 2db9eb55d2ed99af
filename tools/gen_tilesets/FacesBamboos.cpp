// Bamboos: sticks in the traditional arrangements, and the bird on the one of bamboos.
#include <QPainter>
#include <QPainterPath>
#include <vector>

#include "Faces.h"
#include "Ink.h"

namespace tilesets {

namespace {

struct Stick {
    double cx, cy;  // centre
    double h;       // length
    double angle;   // degrees, clockwise from upright
    QColor colour;
};

const double kStickWidth = 6.0;

// One stick: a rounded stem with a light stripe and three joints that bulge a little.
void DrawStick(QPainter& p, const Stick& s) {
    p.save();
    p.translate(s.cx, s.cy);
    p.rotate(s.angle);
    const double w = kStickWidth, h = s.h;
    const QColor dark = s.colour.darker(160);
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawRoundedRect(QRectF(-w / 2, -h / 2, w, h), 1.6, 1.6);
    p.setBrush(s.colour);
    p.drawRoundedRect(QRectF(-w / 2 + 0.9, -h / 2 + 0.9, w - 1.8, h - 1.8), 1.0, 1.0);
    p.setBrush(s.colour.lighter(160));
    p.drawRect(QRectF(-0.9, -h / 2 + 1.6, 0.9, h - 3.2));
    p.setBrush(dark);
    for (double y : {-h / 2 + 0.8, 0.0, h / 2 - 0.8}) {
        p.drawRoundedRect(QRectF(-w / 2 - 0.5, y - 0.8, w + 1.0, 1.6), 0.8, 0.8);
    }
    p.restore();
}

// The one of bamboos: a peacock-like bird with a fanned tail.
void DrawBird(QPainter& p) {
    using namespace ink;
    p.setPen(Qt::NoPen);
    // Tail feathers sweep down to the right, each ending in an eye.
    const QPointF root(22, 29);
    const QPointF tips[] = {{36, 38}, {33, 44}, {27, 47}, {20, 46}};
    for (const QPointF& tip : tips) {
        QPainterPath feather;
        const QPointF mid = (root + tip) / 2;
        const QPointF normal(-(tip - root).y() * 0.16, (tip - root).x() * 0.16);
        feather.moveTo(root);
        feather.quadTo(mid + normal, tip);
        feather.quadTo(mid - normal, root);
        p.setBrush(kGreen);
        p.drawPath(feather);
    }
    for (const QPointF& tip : tips) {
        p.setBrush(kGold);
        p.drawEllipse(tip, 2.9, 2.9);
        p.setBrush(kBlue);
        p.drawEllipse(tip, 1.9, 1.9);
        p.setBrush(kDarkBlue.darker(150));
        p.drawEllipse(tip, 0.8, 0.8);
    }
    // Body and breast.
    QPainterPath body;
    body.moveTo(10, 20);
    body.cubicTo(10, 30, 18, 34, 26, 30);
    body.cubicTo(29, 26, 24, 18, 17, 17);
    body.closeSubpath();
    p.setBrush(kDarkGreen);
    p.drawPath(body);
    QPainterPath wing;
    wing.moveTo(15, 22);
    wing.cubicTo(18, 30, 24, 31, 27, 29);
    wing.cubicTo(24, 24, 20, 21, 15, 22);
    p.setBrush(kBlue);
    p.drawPath(wing);
    // Neck and head.
    QPainterPath neck;
    neck.moveTo(10, 22);
    neck.cubicTo(8, 17, 9, 13, 11, 10);
    neck.lineTo(15, 11);
    neck.cubicTo(14, 14, 15, 17, 17, 18);
    neck.closeSubpath();
    p.setBrush(kGreen);
    p.drawPath(neck);
    p.drawEllipse(QPointF(12.5, 9.5), 3.6, 3.2);
    // Beak, eye and crest.
    QPainterPath beak;
    beak.moveTo(9.2, 8.4);
    beak.lineTo(4.8, 10.2);
    beak.lineTo(9.4, 11.0);
    p.setBrush(kGold);
    p.drawPath(beak);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12.2, 8.8), 1.3, 1.3);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(12.0, 8.8), 0.6, 0.6);
    p.setPen(QPen(kRed, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 6.5), QPointF(12, 3));
    p.drawLine(QPointF(14, 6.8), QPointF(15.5, 3.4));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(12, 3), 1.1, 1.1);
    p.drawEllipse(QPointF(15.5, 3.4), 1.1, 1.1);
    // Legs.
    p.setPen(QPen(kRed, 1.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(15.5, 31), QPointF(15.5, 38.5));
    p.drawLine(QPointF(19.5, 32), QPointF(19.5, 39.5));
    p.drawLine(QPointF(15.5, 38.5), QPointF(12.5, 38.5));
    p.drawLine(QPointF(19.5, 39.5), QPointF(16.5, 39.5));
}

}  // namespace

void PaintBamboo(QPainter& p, int n) {
    using namespace ink;
    std::vector<Stick> sticks;
    const double tall = 20, shortH = 13.5;
    switch (n) {
        case 1:
            DrawBird(p);
            return;
        case 2:
            sticks = {{20, 14, tall, 0, kBlue}, {20, 36, tall, 0, kGreen}};
            break;
        case 3:
            sticks = {
                {20, 14, tall, 0, kBlue}, {12, 36, tall, 0, kGreen}, {28, 36, tall, 0, kGreen}};
            break;
        case 4:
            sticks = {{12, 14, tall, 0, kGreen},
                      {28, 14, tall, 0, kBlue},
                      {12, 36, tall, 0, kBlue},
                      {28, 36, tall, 0, kGreen}};
            break;
        case 5:
            sticks = {{11.5, 14, tall, 0, kGreen},
                      {28.5, 14, tall, 0, kBlue},
                      {20, 25, tall, 0, kRed},
                      {11.5, 36, tall, 0, kBlue},
                      {28.5, 36, tall, 0, kGreen}};
            break;
        case 6:
            // The columns keep to the right of the index.
            for (double x : {10.5, 20.0, 29.5}) {
                sticks.push_back({x, 14, tall, 0, kGreen});
                sticks.push_back({x, 36, tall, 0, kBlue});
            }
            break;
        case 7:
            sticks.push_back({20, 10, shortH, 0, kRed});
            for (double x : {9.5, 20.0, 30.5}) {
                sticks.push_back({x, 25, shortH, 0, kGreen});
                sticks.push_back({x, 40, shortH, 0, kBlue});
            }
            break;
        case 8:
            // Two outer sticks on each half and a pair leaning together between them,
            // closing like a roof above and opening like a cup below.
            for (int half = 0; half < 2; ++half) {
                const double cy = half == 0 ? 14 : 36;
                const double lean = half == 0 ? 22 : -22;
                const QColor c = half == 0 ? kGreen : kBlue;
                sticks.push_back({10.5, cy, tall, 0, c});
                sticks.push_back({29.5, cy, tall, 0, c});
                sticks.push_back({16.5, cy, tall, lean, c});
                sticks.push_back({23.5, cy, tall, -lean, c});
            }
            break;
        default:
            for (double y : {10.0, 25.0, 40.0}) {
                sticks.push_back({10.5, y, shortH, 0, kBlue});
                sticks.push_back({20, y, shortH, 0, kRed});
                sticks.push_back({29.5, y, shortH, 0, kGreen});
            }
            break;
    }
    for (const Stick& s : sticks)
        DrawStick(p, s);
}

}  // namespace tilesets
