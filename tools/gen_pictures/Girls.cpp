// The four girls of the side panel and the game-over window, each in three moods. The game
// shows picture b alone (calm), b with b+1 drawn over it (delighted) or b with b+2 over it
// (worried); the overlays hold only what changes and the key green everywhere else.
//
// Each girl is drawn whole in every mood; the overlay is the difference between the mood and
// the calm picture, so base plus overlay is exactly the mood as drawn.

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "Canvas.h"
#include "Pictures.h"

namespace pictures {

namespace {

constexpr int kW = 92, kH = 166;
constexpr double kPi = 3.14159265358979323846;

enum class Mood { Calm, Delighted, Worried };
enum class Hair { Hime, Bob, Ponytail, TwinTails };
enum class Outfit { Mandarin, Sailor, Kimono, Blazer };

struct Look {
    Hair hair;
    Outfit outfit;
    QColor hairBase, hairLight, hairLine;
    QColor eyes;
    QColor cloth, clothDark, trim, accent;
};

const QColor kSkin(255, 231, 214);
const QColor kSkinShade(244, 198, 180);
const QColor kSkinLine(150, 88, 76);
const QColor kInk(58, 30, 34);
// What lies behind the girls in the side panel; their outer edge is blended towards it.
const QColor kPanelBehind(26, 22, 64);

QPainterPath FacePath() {
    QPainterPath f;
    f.moveTo(19, 50);
    f.cubicTo(19, 66, 22, 78, 30, 86);
    f.cubicTo(36, 91, 41, 94, 46, 94);
    f.cubicTo(51, 94, 56, 91, 62, 86);
    f.cubicTo(70, 78, 73, 66, 73, 50);
    f.cubicTo(73, 24, 19, 24, 19, 50);
    return f;
}

QPainterPath NeckPath() {
    QPainterPath n;
    n.moveTo(39, 82);
    n.lineTo(38, 110);
    n.quadTo(46, 115, 54, 110);
    n.lineTo(53, 82);
    n.closeSubpath();
    return n;
}

// The shoulders stop short of the picture's lower corners, which stay transparent.
QPainterPath ShouldersPath() {
    QPainterPath b;
    b.moveTo(3, kH + 2);
    b.lineTo(1, 142);
    b.cubicTo(2, 126, 14, 117, 30, 113);
    b.lineTo(38, 108);
    b.quadTo(46, 114, 54, 108);
    b.lineTo(62, 113);
    b.cubicTo(78, 117, 90, 126, 91, 142);
    b.lineTo(89, kH + 2);
    b.closeSubpath();
    return b;
}

// Hair: filled with a top-lit gradient, outlined, with a glossy ring and a few strands.
void PaintHair(QPainter& p, const QPainterPath& shape, const Look& look, bool ring) {
    const QRectF box = shape.boundingRect();
    QLinearGradient g(0, box.top(), 0, box.bottom());
    g.setColorAt(0, look.hairLight);
    g.setColorAt(0.35, look.hairBase);
    g.setColorAt(1, Shade(look.hairBase, 0.78));
    p.setPen(QPen(look.hairLine, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(shape);
    if (ring) {
        p.save();
        p.setClipPath(shape);
        QColor hl = look.hairLight;
        hl.setAlpha(170);
        p.setPen(QPen(hl, 3.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath arc;
        arc.moveTo(24, 24);
        arc.quadTo(46, 12, 68, 24);
        p.drawPath(arc);
        p.restore();
    }
}

void Strands(QPainter& p, const Look& look, const std::vector<QPainterPath>& strands) {
    QColor c = look.hairLine;
    c.setAlpha(120);
    p.setPen(QPen(c, 0.7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QPainterPath& s : strands)
        p.drawPath(s);
}

QPainterPath Curve(QPointF a, QPointF c, QPointF b) {
    QPainterPath s(a);
    s.quadTo(c, b);
    return s;
}

// One edge of a lock of hair between its root (higher) and its tip (lower), bowed a little
// so locks taper to a point and the gaps between them open like a V.
void LockEdge(QPainterPath& path, QPointF from, QPointF to) {
    const bool down = to.y() > from.y();
    const QPointF root = down ? from : to, tip = down ? to : from;
    const QPointF d = tip - root;
    const QPointF nearRoot = root + QPointF(0.2 * d.x(), 0.4 * d.y());
    const QPointF nearTip = tip - QPointF(0.15 * d.x(), 0.45 * d.y());
    if (down) {
        path.cubicTo(nearRoot, nearTip, to);
    } else {
        path.cubicTo(nearTip, nearRoot, to);
    }
}

// Bangs: the hair over the forehead, from the crown down to a row of pointed locks. `edge`
// is the lower edge from left to right: notches and lock tips in turn, starting and ending
// at the temples.
QPainterPath Bangs(const std::vector<QPointF>& edge) {
    QPainterPath b;
    b.moveTo(edge.front());
    b.cubicTo(11, 24, 28, 7, 46, 7);
    b.cubicTo(64, 7, 81, 24, edge.back().x(), edge.back().y());
    for (int i = int(edge.size()) - 2; i >= 0; --i)
        LockEdge(b, edge[size_t(i) + 1], edge[size_t(i)]);
    b.closeSubpath();
    return b;
}

QPainterPath HeadCap() {
    QPainterPath c;
    c.moveTo(14, 62);
    c.cubicTo(9, 20, 28, 5, 46, 5);
    c.cubicTo(64, 5, 83, 20, 78, 62);
    c.closeSubpath();
    return c;
}

struct HairParts {
    QPainterPath back;   // behind the body
    QPainterPath front;  // over the forehead and the sides of the face
    QPainterPath tails;  // in front of the shoulders
    std::vector<QPainterPath> strands;
};

HairParts MakeHair(Hair style) {
    HairParts h;
    switch (style) {
        case Hair::Hime: {
            // Long and straight, a blunt fringe and side locks cut at the chin.
            h.back.moveTo(15, 40);
            h.back.cubicTo(10, 90, 6, 130, 4, kH + 2);
            h.back.lineTo(88, kH + 2);
            h.back.cubicTo(86, 130, 82, 90, 77, 40);
            h.back.closeSubpath();
            h.front = Bangs({{15, 46},
                             {19, 42},
                             {22, 39},
                             {26, 42},
                             {29, 39},
                             {33, 42},
                             {36, 39},
                             {40, 42},
                             {43, 39},
                             {47, 42},
                             {50, 39},
                             {54, 42},
                             {57, 39},
                             {61, 42},
                             {64, 39},
                             {68, 42},
                             {71, 39},
                             {74, 42},
                             {77, 46}});
            QPainterPath locks;
            locks.moveTo(13, 40);
            locks.cubicTo(12, 60, 13, 80, 14, 101);
            locks.quadTo(19, 99, 25, 101);
            locks.cubicTo(23, 80, 22, 62, 22, 46);
            locks.closeSubpath();
            locks.moveTo(79, 40);
            locks.cubicTo(80, 60, 79, 80, 78, 101);
            locks.quadTo(73, 99, 67, 101);
            locks.cubicTo(69, 80, 70, 62, 70, 46);
            locks.closeSubpath();
            h.front = h.front.united(locks);
            for (double x : {17.0, 20.0, 72.0, 75.0}) {
                h.strands.push_back(Curve({x, 52}, {x - 0.5, 75}, {x + 0.3, 97}));
            }
            for (double x : {30.0, 40.0, 50.0, 60.0}) {
                h.strands.push_back(Curve({x + 2, 20}, {x, 30}, {x - 1, 41}));
            }
            break;
        }
        case Hair::Bob: {
            // A rounded bob curling in under the chin, the fringe swept to one side.
            h.back.moveTo(14, 44);
            h.back.cubicTo(9, 70, 10, 94, 22, 100);
            h.back.lineTo(70, 100);
            h.back.cubicTo(82, 94, 83, 70, 78, 44);
            h.back.closeSubpath();
            h.front = Bangs({{15, 42},
                             {20, 40},
                             {24, 28},
                             {31, 41},
                             {35, 30},
                             {43, 43},
                             {47, 31},
                             {56, 44},
                             {59, 32},
                             {67, 45},
                             {70, 36},
                             {75, 47},
                             {77, 48}});
            QPainterPath sides;
            sides.moveTo(14, 40);
            sides.cubicTo(9, 62, 10, 88, 18, 97);
            sides.quadTo(24, 99, 27, 94);
            sides.cubicTo(22, 84, 21, 64, 23, 44);
            sides.closeSubpath();
            sides.moveTo(78, 42);
            sides.cubicTo(83, 62, 82, 88, 74, 97);
            sides.quadTo(68, 99, 65, 94);
            sides.cubicTo(70, 84, 71, 64, 69, 48);
            sides.closeSubpath();
            h.front = h.front.united(sides);
            for (double x : {26.0, 36.0, 48.0, 60.0}) {
                h.strands.push_back(Curve({x - 4, 18}, {x, 30}, {x + 4, 40}));
            }
            h.strands.push_back(Curve({16, 60}, {15, 80}, {20, 94}));
            h.strands.push_back(Curve({76, 60}, {77, 80}, {72, 94}));
            break;
        }
        case Hair::Ponytail: {
            // Tied high at the back; the tail sweeps out to the right behind the shoulder.
            h.back.moveTo(16, 48);
            h.back.cubicTo(14, 62, 16, 74, 20, 80);
            h.back.lineTo(72, 80);
            h.back.cubicTo(76, 74, 78, 62, 76, 48);
            h.back.closeSubpath();
            QPainterPath tail;
            tail.moveTo(66, 16);
            tail.cubicTo(86, 12, 94, 34, 88, 62);
            tail.cubicTo(84, 88, 90, 110, 82, 136);
            tail.cubicTo(80, 118, 72, 98, 74, 74);
            tail.cubicTo(76, 52, 78, 34, 66, 26);
            tail.closeSubpath();
            h.back = h.back.united(tail);
            h.front = Bangs({{15, 48},
                             {20, 44},
                             {23, 33},
                             {30, 43},
                             {34, 31},
                             {40, 42},
                             {46, 24},
                             {52, 42},
                             {58, 31},
                             {62, 43},
                             {69, 33},
                             {72, 44},
                             {77, 48}});
            QPainterPath wisps;
            wisps.moveTo(16, 44);
            wisps.cubicTo(14, 60, 16, 76, 20, 88);
            wisps.cubicTo(21, 74, 21, 60, 22, 48);
            wisps.closeSubpath();
            wisps.moveTo(76, 44);
            wisps.cubicTo(78, 60, 76, 76, 72, 88);
            wisps.cubicTo(71, 74, 71, 60, 70, 48);
            wisps.closeSubpath();
            h.front = h.front.united(wisps);
            h.strands.push_back(Curve({78, 30}, {86, 60}, {82, 110}));
            h.strands.push_back(Curve({74, 36}, {80, 70}, {80, 112}));
            for (double x : {30.0, 40.0})
                h.strands.push_back(Curve({x + 6, 16}, {x, 28}, {x - 2, 40}));
            for (double x : {56.0, 64.0})
                h.strands.push_back(Curve({x - 6, 16}, {x, 28}, {x + 2, 40}));
            break;
        }
        case Hair::TwinTails: {
            // Two tails tied at the sides of the head, falling over the shoulders.
            h.back.moveTo(15, 46);
            h.back.cubicTo(13, 62, 16, 72, 22, 78);
            h.back.quadTo(46, 84, 70, 78);
            h.back.cubicTo(76, 72, 79, 62, 77, 46);
            h.back.closeSubpath();
            h.front = Bangs({{15, 50},
                             {20, 46},
                             {23, 34},
                             {28, 42},
                             {32, 30},
                             {37, 43},
                             {42, 31},
                             {46, 44},
                             {50, 31},
                             {55, 43},
                             {60, 30},
                             {64, 42},
                             {69, 34},
                             {72, 46},
                             {77, 50}});
            h.tails.moveTo(16, 30);
            h.tails.cubicTo(2, 40, -2, 70, 4, 96);
            h.tails.cubicTo(8, 116, 6, 134, 12, 152);
            h.tails.cubicTo(18, 132, 22, 114, 20, 94);
            h.tails.cubicTo(18, 72, 18, 50, 20, 36);
            h.tails.closeSubpath();
            h.tails.moveTo(76, 30);
            h.tails.cubicTo(90, 40, 94, 70, 88, 96);
            h.tails.cubicTo(84, 116, 86, 134, 80, 152);
            h.tails.cubicTo(74, 132, 70, 114, 72, 94);
            h.tails.cubicTo(74, 72, 74, 50, 72, 36);
            h.tails.closeSubpath();
            h.strands.push_back(Curve({10, 44}, {4, 80}, {12, 140}));
            h.strands.push_back(Curve({15, 50}, {12, 90}, {14, 130}));
            h.strands.push_back(Curve({82, 44}, {88, 80}, {80, 140}));
            h.strands.push_back(Curve({77, 50}, {80, 90}, {78, 130}));
            for (double x : {30.0, 46.0, 62.0})
                h.strands.push_back(Curve({x, 16}, {x - 1, 28}, {x, 40}));
            break;
        }
    }
    return h;
}

void PaintOutfit(QPainter& p, const Look& look) {
    const QPainterPath body = ShouldersPath();
    QLinearGradient g(0, 108, 0, kH);
    g.setColorAt(0, look.cloth);
    g.setColorAt(1, look.clothDark);
    const QPen edge(Shade(look.clothDark, 0.55), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (look.outfit) {
        case Outfit::Mandarin: {
            p.setPen(edge);
            p.setBrush(g);
            p.drawPath(body);
            // Standing collar, then the dress's curved opening with gold piping and a knot
            // button.
            QPainterPath collar;
            collar.moveTo(37, 100);
            collar.quadTo(46, 104, 55, 100);
            collar.lineTo(56, 110);
            collar.quadTo(46, 116, 36, 110);
            collar.closeSubpath();
            p.setBrush(look.cloth);
            p.setPen(QPen(look.trim, 1.4));
            p.drawPath(collar);
            QPainterPath flap;
            flap.moveTo(46, 114);
            flap.cubicTo(56, 118, 64, 124, 68, 134);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(look.trim, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(flap);
            p.setPen(QPen(look.trim, 1.2));
            p.drawLine(QPointF(58, 121), QPointF(63, 118));
            p.setBrush(look.trim);
            p.drawEllipse(QPointF(60.5, 119.5), 1.4, 1.4);
            // A small embroidered flower on the chest.
            p.setPen(Qt::NoPen);
            QColor petal = look.trim;
            petal.setAlpha(180);
            p.setBrush(petal);
            for (int k = 0; k < 5; ++k) {
                const double a = k * 2 * kPi / 5;
                p.drawEllipse(QPointF(28 + 3 * std::cos(a), 140 + 3 * std::sin(a)), 2, 2);
            }
            p.setBrush(look.accent);
            p.drawEllipse(QPointF(28, 140), 1.4, 1.4);
            break;
        }
        case Outfit::Sailor: {
            p.setPen(edge);
            p.setBrush(g);
            p.drawPath(body);
            // Broad sailor collar with a white stripe, and a red scarf knotted at the V.
            QPainterPath collar;
            collar.moveTo(36, 108);
            collar.cubicTo(26, 112, 12, 118, 6, 132);
            collar.lineTo(22, 146);
            collar.lineTo(46, 150);
            collar.lineTo(70, 146);
            collar.lineTo(86, 132);
            collar.cubicTo(80, 118, 66, 112, 56, 108);
            collar.lineTo(46, 136);
            collar.closeSubpath();
            p.setPen(QPen(Shade(look.accent, 0.5), 1.0));
            p.setBrush(look.accent);
            p.drawPath(collar);
            QPainterPath stripe;
            stripe.moveTo(10, 132);
            stripe.lineTo(24, 143);
            stripe.lineTo(46, 147);
            stripe.lineTo(68, 143);
            stripe.lineTo(82, 132);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(250, 250, 255), 1.2));
            p.drawPath(stripe);
            QPainterPath scarf;
            scarf.moveTo(40, 136);
            scarf.lineTo(52, 136);
            scarf.lineTo(49, 142);
            scarf.lineTo(54, 158);
            scarf.lineTo(46, 154);
            scarf.lineTo(38, 158);
            scarf.lineTo(43, 142);
            scarf.closeSubpath();
            p.setPen(QPen(Shade(look.trim, 0.5), 0.9));
            p.setBrush(look.trim);
            p.drawPath(scarf);
            p.setBrush(Shade(look.trim, 0.8));
            p.drawEllipse(QRectF(42.5, 134, 7, 6));
            break;
        }
        case Outfit::Kimono: {
            p.setPen(edge);
            p.setBrush(g);
            p.drawPath(body);
            // Crossed collar, left over right, with the white under-collar showing.
            QPainterPath under;
            under.moveTo(37, 108);
            under.lineTo(46, 128);
            under.lineTo(55, 108);
            under.lineTo(58, 110);
            under.lineTo(46, 136);
            under.lineTo(34, 110);
            under.closeSubpath();
            p.setPen(QPen(QColor(180, 180, 190), 0.8));
            p.setBrush(QColor(250, 250, 252));
            p.drawPath(under);
            QPainterPath band;
            band.moveTo(60, 110);
            band.lineTo(66, 113);
            band.lineTo(36, kH + 2);
            band.lineTo(26, kH + 2);
            band.closeSubpath();
            band.moveTo(32, 110);
            band.lineTo(26, 113);
            band.lineTo(42, 140);
            band.lineTo(46, 136);
            band.closeSubpath();
            p.setPen(QPen(Shade(look.clothDark, 0.6), 0.9));
            p.setBrush(Shade(look.cloth, 0.8));
            p.drawPath(band);
            // Plum blossoms scattered on the cloth.
            p.setPen(Qt::NoPen);
            const QPointF blossoms[] = {{14, 136}, {74, 132}, {84, 154}, {8, 158}, {58, 152}};
            for (const QPointF& c : blossoms) {
                QColor petal(255, 236, 240, 210);
                p.setBrush(petal);
                for (int k = 0; k < 5; ++k) {
                    const double a = -kPi / 2 + k * 2 * kPi / 5;
                    p.drawEllipse(c + QPointF(2.2 * std::cos(a), 2.2 * std::sin(a)), 1.6, 1.6);
                }
                p.setBrush(look.trim);
                p.drawEllipse(c, 0.9, 0.9);
            }
            // The obi's upper edge at the very bottom.
            p.setPen(QPen(Shade(look.accent, 0.5), 0.8));
            p.setBrush(look.accent);
            p.drawRect(QRectF(2, 160, 88, 8));
            break;
        }
        case Outfit::Blazer: {
            // White shirt under a blazer with notched lapels and a ribbon bow.
            p.setPen(QPen(QColor(170, 170, 185), 1.0));
            p.setBrush(QColor(248, 248, 252));
            p.drawPath(body);
            QPainterPath jacket;
            jacket.moveTo(3, kH + 2);
            jacket.lineTo(1, 142);
            jacket.cubicTo(2, 126, 14, 117, 30, 113);
            jacket.lineTo(36, 110);
            jacket.lineTo(42, 150);
            jacket.lineTo(46, kH + 2);
            jacket.closeSubpath();
            jacket.moveTo(89, kH + 2);
            jacket.lineTo(91, 142);
            jacket.cubicTo(90, 126, 78, 117, 62, 113);
            jacket.lineTo(56, 110);
            jacket.lineTo(50, 150);
            jacket.lineTo(46, kH + 2);
            jacket.closeSubpath();
            p.setPen(edge);
            p.setBrush(g);
            p.drawPath(jacket);
            QPainterPath lapels;
            lapels.moveTo(36, 111);
            lapels.lineTo(30, 126);
            lapels.lineTo(35, 128);
            lapels.lineTo(41, 146);
            lapels.moveTo(56, 111);
            lapels.lineTo(62, 126);
            lapels.lineTo(57, 128);
            lapels.lineTo(51, 146);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(Shade(look.cloth, 1.5), 1.0));
            p.drawPath(lapels);
            QPainterPath shirt;
            shirt.moveTo(38, 107);
            shirt.lineTo(42, 119);
            shirt.lineTo(46, 113);
            shirt.lineTo(50, 119);
            shirt.lineTo(54, 107);
            p.setPen(QPen(QColor(170, 170, 185), 0.9));
            p.drawPath(shirt);
            QPainterPath bow;
            bow.moveTo(46, 118);
            bow.lineTo(36, 113);
            bow.lineTo(37, 123);
            bow.closeSubpath();
            bow.moveTo(46, 118);
            bow.lineTo(56, 113);
            bow.lineTo(55, 123);
            bow.closeSubpath();
            bow.moveTo(45, 119);
            bow.lineTo(41, 133);
            bow.lineTo(44, 131);
            bow.lineTo(46, 121);
            bow.lineTo(48, 131);
            bow.lineTo(51, 133);
            bow.lineTo(47, 119);
            bow.closeSubpath();
            p.setPen(QPen(Shade(look.trim, 0.5), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(look.trim);
            p.drawPath(bow);
            p.setBrush(Shade(look.trim, 0.8));
            p.drawEllipse(QPointF(46, 118), 2.4, 2.4);
            // The breast pocket with a small gold badge.
            p.setPen(QPen(Shade(look.cloth, 1.5), 0.9));
            p.setBrush(Qt::NoBrush);
            p.drawLine(QPointF(62, 141), QPointF(77, 140));
            QPainterPath badge;
            badge.moveTo(69.5, 143);
            badge.lineTo(73.5, 144);
            badge.quadTo(73.5, 149, 69.5, 151);
            badge.quadTo(65.5, 149, 65.5, 144);
            badge.closeSubpath();
            p.setPen(QPen(QColor(150, 110, 40), 0.7));
            p.setBrush(QColor(230, 186, 90));
            p.drawPath(badge);
            break;
        }
    }
}

// One eye; `s` is -1 for the eye on the viewer's left, +1 for the other, so the outer
// corner lies at ex + 8 s.
void PaintEye(QPainter& p, double ex, double s, const Look& look, Mood mood) {
    const double ey = 61;
    const QPen lash(kInk, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (mood == Mood::Delighted) {
        // Shut with joy: an arch with a little flick at the outer end.
        QPainterPath arch;
        arch.moveTo(ex - 7 * s, ey + 2);
        arch.cubicTo(ex - 4 * s, ey - 6, ex + 4 * s, ey - 6, ex + 7 * s, ey + 1);
        arch.lineTo(ex + 9 * s, ey - 0.5);
        p.setPen(lash);
        p.setBrush(Qt::NoBrush);
        p.drawPath(arch);
        return;
    }
    // The upper lid: a worried girl's lifts at the inner corner and droops at the outer one.
    const bool worried = mood == Mood::Worried;
    const QPointF inner(ex - 7 * s, worried ? 55 : 56), outer(ex + 8.5 * s, worried ? 57 : 55);
    const QPointF c1(ex - 3 * s, worried ? 51.5 : 52.5), c2(ex + 4 * s, worried ? 52.5 : 52);
    QPainterPath opening;
    opening.moveTo(inner);
    opening.cubicTo(c1, c2, outer);
    opening.cubicTo(ex + 8 * s, 64, ex + 4 * s, 69.5, ex, 69.5);
    opening.cubicTo(ex - 4 * s, 69.5, ex - 7 * s, 64, inner.x(), inner.y());
    opening.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(opening);

    p.save();
    p.setClipPath(opening);
    // A worried girl's eyes glance aside and down, with smaller pupils.
    const double dx = mood == Mood::Worried ? -1.5 * s : 0.0;
    const double dy = mood == Mood::Worried ? 1.0 : 0.0;
    const QRectF iris(ex - 5 + dx, 53.5 + dy, 10, 14);
    QLinearGradient ig(0, iris.top(), 0, iris.bottom());
    ig.setColorAt(0, Shade(look.eyes, 0.35));
    ig.setColorAt(0.55, look.eyes);
    ig.setColorAt(1, Shade(look.eyes, 1.45));
    p.setPen(QPen(Shade(look.eyes, 0.3), 0.8));
    p.setBrush(ig);
    p.drawEllipse(iris);
    const double pw = mood == Mood::Worried ? 3.2 : 4.4, ph = mood == Mood::Worried ? 5.0 : 6.5;
    p.setPen(Qt::NoPen);
    p.setBrush(Shade(look.eyes, 0.2));
    p.drawEllipse(QRectF(ex - pw / 2 + dx, 59.5 - ph / 2 + dy, pw, ph));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QRectF(ex - 4 + dx, 55.5 + dy, 3.4, 4));
    p.drawEllipse(QRectF(ex + 1.2 + dx, 63.5 + dy, 1.8, 1.8));
    // Shade of the upper lid on the white.
    QColor lid = Shade(look.eyes, 0.5);
    lid.setAlpha(50);
    p.setBrush(lid);
    p.drawPath(opening.translated(0, -12.5).intersected(opening));
    p.restore();

    QPainterPath upper;
    upper.moveTo(inner);
    upper.cubicTo(c1, c2, outer);
    upper.lineTo(outer + QPointF(1.5 * s, worried ? 0.6 : -1.2));
    p.setPen(lash);
    p.setBrush(Qt::NoBrush);
    p.drawPath(upper);
    p.setPen(QPen(kInk, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(Curve({ex + 1 * s, 69.8}, {ex + 4.5 * s, 69.3}, {ex + 6.5 * s, 66.5}));
}

void PaintBrow(QPainter& p, double ex, double s, const Look& look, Mood mood) {
    QPainterPath brow;
    switch (mood) {
        case Mood::Calm:
            brow = Curve({ex - 6 * s, 47.5}, {ex, 45}, {ex + 7 * s, 47});
            break;
        case Mood::Delighted:
            brow = Curve({ex - 6 * s, 46}, {ex, 42.5}, {ex + 7 * s, 45.5});
            break;
        case Mood::Worried:  // inner ends lifted high
            brow = Curve({ex - 5 * s, 43}, {ex + 1 * s, 45.5}, {ex + 7 * s, 49});
            break;
    }
    p.setPen(QPen(Shade(look.hairLine, 0.8), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(brow);
}

void PaintMouth(QPainter& p, Mood mood) {
    const QColor lip(168, 64, 70);
    switch (mood) {
        case Mood::Calm:
            p.setPen(QPen(lip, 1.1, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(Curve({41.5, 81}, {46, 84}, {50.5, 81}));
            break;
        case Mood::Delighted: {
            QPainterPath open;
            open.moveTo(39.5, 79.5);
            open.quadTo(46, 81, 52.5, 79.5);
            open.cubicTo(52, 86, 49, 89, 46, 89);
            open.cubicTo(43, 89, 40, 86, 39.5, 79.5);
            open.closeSubpath();
            p.setPen(QPen(Shade(lip, 0.6), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(150, 40, 56));
            p.drawPath(open);
            p.save();
            p.setClipPath(open);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(240, 120, 130));
            p.drawEllipse(QRectF(41.5, 84.5, 9, 6));
            p.restore();
            break;
        }
        case Mood::Worried: {
            QPainterPath wave;
            wave.moveTo(40.5, 83);
            wave.quadTo(42.5, 80.8, 44.5, 82.5);
            wave.quadTo(46.5, 84.2, 48.5, 82.5);
            wave.quadTo(50.5, 80.8, 52, 83);
            p.setPen(QPen(lip, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(wave);
            break;
        }
    }
}

void Sparkle(QPainter& p, QPointF c, double r) {
    QPainterPath s;
    s.moveTo(c + QPointF(0, -r));
    s.quadTo(c, c + QPointF(r, 0));
    s.quadTo(c, c + QPointF(0, r));
    s.quadTo(c, c + QPointF(-r, 0));
    s.quadTo(c, c + QPointF(0, -r));
    p.setPen(QPen(QColor(200, 150, 40), 0.8));
    p.setBrush(QColor(255, 244, 170));
    p.drawPath(s);
}

void SweatDrop(QPainter& p, QPointF tip) {
    QPainterPath d;
    d.moveTo(tip);
    d.cubicTo(tip + QPointF(1, 4), tip + QPointF(4.5, 6), tip + QPointF(3.5, 9.5));
    d.cubicTo(tip + QPointF(2.5, 12.5), tip + QPointF(-2.5, 12.5), tip + QPointF(-3.5, 9.5));
    d.cubicTo(tip + QPointF(-4.5, 6), tip + QPointF(-1, 4), tip);
    p.setPen(QPen(QColor(40, 96, 170), 0.9));
    p.setBrush(QColor(170, 216, 255));
    p.drawPath(d);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(tip + QPointF(-1.2, 7), 1.0, 1.6);
}

void PaintAccessory(QPainter& p, const Look& look) {
    switch (look.hair) {
        case Hair::Hime: {
            // A gold hairpin topped with a small red flower.
            p.setPen(QPen(Shade(look.trim, 0.6), 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(64, 26), QPointF(80, 14));
            p.setPen(QPen(Shade(look.accent, 0.5), 0.7));
            p.setBrush(look.accent);
            for (int k = 0; k < 5; ++k) {
                const double a = -kPi / 2 + k * 2 * kPi / 5;
                p.drawEllipse(QPointF(67 + 3 * std::cos(a), 23 + 3 * std::sin(a)), 2.3, 2.3);
            }
            p.setBrush(look.trim);
            p.drawEllipse(QPointF(67, 23), 1.4, 1.4);
            p.setPen(QPen(look.trim, 0.8));
            p.drawLine(QPointF(70, 27), QPointF(71, 33));
            p.setBrush(look.trim);
            p.drawEllipse(QPointF(71, 34), 1.1, 1.1);
            break;
        }
        case Hair::Bob: {
            // Two crossed hair slides over the fringe.
            p.setPen(QPen(Shade(look.accent, 0.5), 0.8, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(look.accent);
            p.save();
            p.translate(25, 30);
            p.rotate(-35);
            p.drawRoundedRect(QRectF(-6, -1.5, 12, 3), 1.5, 1.5);
            p.rotate(70);
            p.drawRoundedRect(QRectF(-6, -1.5, 12, 3), 1.5, 1.5);
            p.restore();
            break;
        }
        case Hair::Ponytail: {
            p.setPen(QPen(Shade(look.accent, 0.5), 0.8));
            p.setBrush(look.accent);
            p.save();
            p.translate(70, 20);
            p.rotate(-30);
            p.drawRoundedRect(QRectF(-2.5, -5, 5, 10), 2, 2);
            p.restore();
            break;
        }
        case Hair::TwinTails: {
            // Ribbons where the tails are tied.
            for (double s : {-1.0, 1.0}) {
                const QPointF c(46 + s * 31, 31);
                QPainterPath r;
                r.moveTo(c);
                r.lineTo(c + QPointF(-7, -6));
                r.lineTo(c + QPointF(-7, 5));
                r.closeSubpath();
                r.moveTo(c);
                r.lineTo(c + QPointF(7, -6));
                r.lineTo(c + QPointF(7, 5));
                r.closeSubpath();
                r.moveTo(c);
                r.lineTo(c + QPointF(-4 * s, 10));
                r.lineTo(c + QPointF(-1 * s, 11));
                r.closeSubpath();
                p.setPen(
                    QPen(Shade(look.accent, 0.5), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(look.accent);
                p.drawPath(r);
                p.setBrush(Shade(look.accent, 0.8));
                p.drawEllipse(c, 2.2, 2.2);
            }
            break;
        }
    }
}

// `k` times the kW x kH pixels, the same drawing.
QImage DrawGirl(const Look& look, Mood mood, int k) {
    QImage img(kW * k, kH * k, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.scale(k, k);
    p.setRenderHint(QPainter::Antialiasing);
    const HairParts hair = MakeHair(look.hair);

    PaintHair(p, hair.back, look, false);
    p.setPen(QPen(kSkinLine, 1.0));
    p.setBrush(kSkin);
    p.drawPath(NeckPath());
    // The chin's shadow on the neck.
    p.save();
    p.setClipPath(NeckPath());
    p.setPen(Qt::NoPen);
    p.setBrush(kSkinShade);
    p.drawEllipse(QPointF(46, 88), 13, 10);
    p.restore();
    PaintOutfit(p, look);

    PaintHair(p, HeadCap(), look, false);
    p.setPen(QPen(kSkinLine, 1.0));
    p.setBrush(kSkin);
    p.drawPath(FacePath());

    // Soft shadow of the fringe along the hairline.
    p.save();
    p.setClipPath(FacePath());
    p.setPen(Qt::NoPen);
    p.setBrush(Mix(kSkin, kSkinShade, 0.7));
    p.drawPath(hair.front.translated(0.5, 2));
    p.restore();

    const double blush = mood == Mood::Delighted ? 150 : mood == Mood::Calm ? 80 : 0;
    if (blush > 0) {
        QRadialGradient cheek(0, 0, 6);
        cheek.setColorAt(0, QColor(255, 130, 140, int(blush)));
        cheek.setColorAt(1, QColor(255, 130, 140, 0));
        for (double cx : {29.0, 63.0}) {
            p.save();
            p.translate(cx, 73);
            p.scale(1.4, 0.7);
            p.setPen(Qt::NoPen);
            p.setBrush(cheek);
            p.drawEllipse(QPointF(0, 0), 6, 6);
            p.restore();
        }
        if (mood == Mood::Delighted) {
            p.setPen(QPen(QColor(230, 110, 120, 160), 0.7, Qt::SolidLine, Qt::RoundCap));
            for (double cx : {26.0, 60.0}) {
                for (int k = 0; k < 3; ++k) {
                    p.drawLine(QPointF(cx + 2.5 * k, 74), QPointF(cx + 2.5 * k + 1.5, 71.5));
                }
            }
        }
    }
    PaintEye(p, 34, -1, look, mood);
    PaintEye(p, 58, 1, look, mood);
    p.setPen(QPen(kSkinLine, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46.8, 73.5), QPointF(45.8, 75.5));
    PaintMouth(p, mood);

    PaintHair(p, hair.front, look, true);
    if (!hair.tails.isEmpty())
        PaintHair(p, hair.tails, look, false);
    Strands(p, look, hair.strands);
    PaintBrow(p, 34, -1, look, mood);
    PaintBrow(p, 58, 1, look, mood);
    PaintAccessory(p, look);

    if (mood == Mood::Delighted) {
        Sparkle(p, QPointF(9, 18), 5);
        Sparkle(p, QPointF(84, 10), 4);
        Sparkle(p, QPointF(85, 88), 3.5);
    }
    if (mood == Mood::Worried)
        SweatDrop(p, QPointF(80, 42));
    return img;
}

const Look kLooks[4] = {
    // Midnight hair cut straight, a red dress with gold piping.
    {Hair::Hime, Outfit::Mandarin, QColor(44, 48, 82), QColor(110, 120, 176), QColor(16, 18, 36),
     QColor(150, 40, 64), QColor(200, 38, 52), QColor(140, 20, 34), QColor(236, 186, 84),
     QColor(226, 60, 80)},
    // Auburn bob, a sailor blouse with a teal collar.
    {Hair::Bob, Outfit::Sailor, QColor(196, 94, 50), QColor(240, 160, 104), QColor(110, 44, 20),
     QColor(40, 140, 96), QColor(250, 250, 255), QColor(214, 220, 236), QColor(212, 48, 60),
     QColor(28, 128, 140)},
    // Golden ponytail, a teal kimono with plum blossoms.
    {Hair::Ponytail, Outfit::Kimono, QColor(238, 196, 96), QColor(255, 238, 172),
     QColor(150, 100, 36), QColor(40, 110, 200), QColor(32, 128, 128), QColor(16, 80, 88),
     QColor(230, 90, 110), QColor(230, 176, 70)},
    // Silver-lilac twin tails, a navy blazer with a red bow.
    {Hair::TwinTails, Outfit::Blazer, QColor(188, 178, 222), QColor(240, 236, 252),
     QColor(104, 90, 148), QColor(124, 70, 196), QColor(46, 56, 110), QColor(26, 30, 66),
     QColor(206, 40, 62), QColor(64, 60, 160)},
};

}  // namespace

std::vector<Picture> Girls() {
    std::vector<Picture> out;
    int number = 14;
    for (const Look& look : kLooks) {
        // The 1x pictures are Windows bitmaps; the finer ones for screens of 2 and 3 device
        // pixels per pixel are PNG files beside them: 14@2x.png, 14@3x.png.
        for (int k = 1; k <= 3; ++k) {
            auto draw = [&](Mood mood) {
                return FlattenOnKey(DrawGirl(look, mood, k), kGirlKey, kPanelBehind);
            };
            const QImage base = draw(Mood::Calm);
            const QImage glad = draw(Mood::Delighted);
            const QImage sad = draw(Mood::Worried);
            auto path = [k](int n) {
                return k == 1 ? QString("resources/bitmaps/%1.bmp").arg(n)
                              : QString("resources/bitmaps/%1@%2x.png").arg(n).arg(k);
            };
            const auto format = k == 1 ? Picture::Format::Bmp : Picture::Format::Png;
            out.push_back({path(number), base, format});
            out.push_back({path(number + 1), OverlayOf(base, glad, kGirlKey), format});
            out.push_back({path(number + 2), OverlayOf(base, sad, kGirlKey), format});
        }
        number += 3;
    }
    return out;
}

}  // namespace pictures
