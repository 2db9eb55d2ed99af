// Toolbar and menu glyphs (16 x 16 with alpha) and the game's "TECHNO" pointer.
// All glyphs share one style: a one-pixel dark outline, flat fills lit a little from the
// top, and the palette of the game (teal, gold, ivory, red, navy).

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>

#include "Canvas.h"
#include "Pictures.h"

namespace pictures {

namespace {

const QColor kLine(28, 34, 52);
const QColor kTeal(38, 160, 160);
const QColor kGoldG(240, 186, 56);
const QColor kRed(214, 58, 58);
const QColor kNavy(52, 78, 170);
const QColor kGreen(56, 168, 80);
const QColor kIvoryG(250, 243, 222);

QBrush Lit(const QColor& c, double top, double bottom) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, Shade(c, 1.35));
    g.setColorAt(1, Shade(c, 0.85));
    return g;
}

// Fills and outlines `shape` in one go.
void Solid(QPainter& p, const QPainterPath& shape, const QColor& c) {
    const QRectF b = shape.boundingRect();
    p.setPen(QPen(kLine, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Lit(c, b.top(), b.bottom()));
    p.drawPath(shape);
}

// A thick stroke with an outline: the dark pen first, the coloured one inside it.
void Stroke(QPainter& p, const QPainterPath& path, const QColor& c, double width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLine, width + 2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
}

QPainterPath Poly(std::initializer_list<QPointF> pts) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& q : pts) {
        if (first)
            path.moveTo(q);
        else
            path.lineTo(q);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath Rect(double x, double y, double w, double h, double r = 0) {
    QPainterPath path;
    if (r > 0)
        path.addRoundedRect(QRectF(x, y, w, h), r, r);
    else
        path.addRect(QRectF(x, y, w, h));
    return path;
}

// A small tile with its edge to the left and below, face at (x, y) w x h.
void SmallTile(QPainter& p, double x, double y, double w, double h, const QColor& edge) {
    Solid(
        p,
        Poly({{x, y}, {x - 2, y + 2}, {x - 2, y + h + 2}, {x + w - 2, y + h + 2}, {x + w, y + h}}),
        edge);
    p.setPen(QPen(kLine, 1.0));
    p.setBrush(kIvoryG);
    p.drawRect(QRectF(x, y, w, h));
}

void Sparkle4(QPainter& p, QPointF c, double r, const QColor& col) {
    QPainterPath s;
    s.moveTo(c + QPointF(0, -r));
    s.quadTo(c, c + QPointF(r, 0));
    s.quadTo(c, c + QPointF(0, r));
    s.quadTo(c, c + QPointF(-r, 0));
    s.quadTo(c, c + QPointF(0, -r));
    p.setPen(QPen(Shade(col, 0.5), 0.8));
    p.setBrush(col);
    p.drawPath(s);
}

void Arrowhead(QPainter& p, QPointF tip, QPointF dir, double size, const QColor& c) {
    const QPointF n(-dir.y(), dir.x());
    Solid(p, Poly({tip, tip - dir * size + n * size * 0.8, tip - dir * size - n * size * 0.8}), c);
}

using Draw = std::function<void(QPainter&)>;

// `k` times the 16 x 16 pixels, the same drawing.
QImage Glyph(const Draw& draw, int k) {
    QImage img(16 * k, 16 * k, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.scale(k, k);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return img;
}

std::vector<std::pair<const char*, Draw>> GlyphDrawings() {
    return {
        {"new",
         [](QPainter& p) {
             SmallTile(p, 5.5, 3.5, 8, 10, kGreen);
             p.setPen(QPen(kRed, 1.2));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(9.5, 8.5), 2.4, 2.4);
             p.setPen(Qt::NoPen);
             p.setBrush(kRed);
             p.drawEllipse(QPointF(9.5, 8.5), 1.0, 1.0);
             Sparkle4(p, QPointF(3.5, 3.5), 3.2, kGoldG);
         }},
        {"back",
         [](QPainter& p) {
             QPainterPath arc;
             arc.moveTo(13, 13);
             arc.cubicTo(14.5, 7, 11, 4.5, 6, 5.5);
             Stroke(p, arc, kTeal, 2.6);
             Arrowhead(p, QPointF(1.5, 6), QPointF(-1, 0.1), 5, kTeal);
         }},
        {"hint",
         [](QPainter& p) {
             QPainterPath bulb;
             bulb.moveTo(6, 11);
             bulb.cubicTo(5.5, 9, 3, 8, 3, 5.8);
             bulb.cubicTo(3, 3, 5.3, 1, 8, 1);
             bulb.cubicTo(10.7, 1, 13, 3, 13, 5.8);
             bulb.cubicTo(13, 8, 10.5, 9, 10, 11);
             bulb.closeSubpath();
             QRadialGradient glow(6.5, 4.5, 7);
             glow.setColorAt(0, QColor(255, 252, 220));
             glow.setColorAt(1, kGoldG);
             p.setPen(QPen(kLine, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.setBrush(glow);
             p.drawPath(bulb);
             Solid(p, Rect(5.5, 11.5, 5, 3, 1), QColor(150, 156, 170));
             p.setPen(QPen(kLine, 0.8));
             p.drawLine(QPointF(6, 13), QPointF(10, 13));
             p.setPen(QPen(QColor(255, 255, 255, 220), 1.0, Qt::SolidLine, Qt::RoundCap));
             p.drawArc(QRectF(5, 3, 4, 4), 100 * 16, 80 * 16);
         }},
        {"shuffle",
         [](QPainter& p) {
             QPainterPath a, b;
             a.moveTo(1.5, 4.5);
             a.cubicTo(6, 4.5, 8, 11.5, 11.5, 11.5);
             b.moveTo(1.5, 11.5);
             b.cubicTo(6, 11.5, 8, 4.5, 11.5, 4.5);
             Stroke(p, b, kGoldG, 1.8);
             Arrowhead(p, QPointF(15.5, 4.5), QPointF(1, 0), 4.5, kGoldG);
             Stroke(p, a, kTeal, 1.8);
             Arrowhead(p, QPointF(15.5, 11.5), QPointF(1, 0), 4.5, kTeal);
         }},
        {"pause",
         [](QPainter& p) {
             Solid(p, Rect(3.5, 2.5, 3.5, 11, 1), kNavy);
             Solid(p, Rect(9, 2.5, 3.5, 11, 1), kNavy);
         }},
        {"play",
         [](QPainter& p) {
             Solid(p, Poly({{4, 2}, {14, 8}, {4, 14}}), kGreen);
         }},
        {"music",
         [](QPainter& p) {
             QPainterPath beam = Poly({{5.5, 4}, {14, 1.5}, {14, 4}, {5.5, 6.5}});
             Solid(p, beam, QColor(124, 70, 196));
             Solid(p, Rect(5, 4.5, 1.6, 7.5), QColor(124, 70, 196));
             Solid(p, Rect(12.4, 2, 1.6, 8), QColor(124, 70, 196));
             QPainterPath heads;
             heads.addEllipse(QPointF(3.8, 12.2), 2.6, 2);
             heads.addEllipse(QPointF(11.2, 10.2), 2.6, 2);
             Solid(p, heads, QColor(124, 70, 196));
         }},
        {"layout",
         [](QPainter& p) {
             SmallTile(p, 3.5, 8.5, 5, 6, QColor(220, 130, 40));
             SmallTile(p, 9.5, 8.5, 5, 6, QColor(220, 130, 40));
             SmallTile(p, 6.5, 2.5, 5, 6, QColor(220, 130, 40));
         }},
        {"help",
         [](QPainter& p) {
             QPainterPath disc;
             disc.addEllipse(QPointF(8, 8), 6.8, 6.8);
             Solid(p, disc, kNavy);
             QFont f = PixelFont("DejaVu Sans", 12, QFont::Bold);
             p.setFont(f);
             p.setPen(QColor(255, 255, 255));
             p.drawText(QRectF(0, 0.5, 16, 16), Qt::AlignCenter, "?");
         }},
        {"about",
         [](QPainter& p) {
             QPainterPath disc;
             disc.addEllipse(QPointF(8, 8), 6.8, 6.8);
             Solid(p, disc, kTeal);
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(255, 255, 255));
             p.drawEllipse(QPointF(8, 4.6), 1.3, 1.3);
             p.drawRoundedRect(QRectF(6.9, 6.8, 2.2, 5.8), 0.6, 0.6);
         }},
        {"hall",
         [](QPainter& p) {
             QPainterPath handles;
             handles.addEllipse(QRectF(1.5, 3, 4.5, 5));
             handles.addEllipse(QRectF(10, 3, 4.5, 5));
             p.setPen(QPen(kLine, 2.6));
             p.setBrush(Qt::NoBrush);
             p.drawPath(handles);
             p.setPen(QPen(kGoldG, 1.2));
             p.drawPath(handles);
             QPainterPath cup;
             cup.moveTo(3.5, 1.5);
             cup.lineTo(12.5, 1.5);
             cup.cubicTo(12.5, 7, 10.5, 9, 8, 9);
             cup.cubicTo(5.5, 9, 3.5, 7, 3.5, 1.5);
             cup.closeSubpath();
             Solid(p, cup, kGoldG);
             Solid(p, Rect(7, 9, 2, 3), kGoldG);
             Solid(p, Rect(4.5, 12, 7, 2.5, 0.8), QColor(150, 90, 40));
             p.setPen(QPen(QColor(255, 250, 220), 1.0, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(5.5, 3), QPointF(6, 6));
         }},
        {"exit",
         [](QPainter& p) {
             Solid(p, Rect(1.5, 1.5, 7, 13), QColor(120, 76, 44));
             Solid(p, Poly({{1.5, 1.5}, {6, 3}, {6, 15.5}, {1.5, 14.5}}), QColor(196, 132, 76));
             p.setPen(Qt::NoPen);
             p.setBrush(kGoldG);
             p.drawEllipse(QPointF(4.8, 8.5), 0.9, 0.9);
             QPainterPath shaft;
             shaft.moveTo(7, 8);
             shaft.lineTo(11, 8);
             Stroke(p, shaft, kRed, 2.4);
             Arrowhead(p, QPointF(15.5, 8), QPointF(1, 0), 5, kRed);
         }},
    };
}

// The pointer: a slim arrow, teal glass over indigo with a white rim and a soft shadow.
// Its tip, the hot spot, is pixel (1, 1).
QImage Techno() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath arrow =
        Poly({{1.5, 1.5}, {1.5, 22}, {6.5, 17.5}, {10.5, 26}, {14, 24.5}, {10, 16.5}, {17, 16.5}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 20, 90));
    p.drawPath(arrow.translated(2, 2));
    QLinearGradient glass(0, 0, 16, 24);
    glass.setColorAt(0, QColor(120, 236, 230));
    glass.setColorAt(0.5, QColor(30, 150, 170));
    glass.setColorAt(1, QColor(36, 40, 130));
    p.setPen(QPen(QColor(255, 255, 255), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.setBrush(glass);
    p.drawPath(arrow);
    // A gold trace down the arrow's spine, the "techno" touch.
    p.setPen(QPen(QColor(250, 204, 90, 230), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 6), QPointF(3.5, 16));
    p.drawLine(QPointF(3.5, 16), QPointF(6, 13.5));
    p.setBrush(QColor(250, 204, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(6.3, 13.2), 1.1, 1.1);
    return img;
}

}  // namespace

std::vector<Picture> Glyphs() {
    std::vector<Picture> out;
    for (const auto& [name, draw] : GlyphDrawings()) {
        out.push_back(
            {QString("resources/glyphs/%1.png").arg(name), Glyph(draw, 1), Picture::Format::Png});
        // Finer glyphs for screens of 2 and 3 device pixels per pixel, which QIcon finds by
        // their names: new@2x.png, new@3x.png.
        for (int k = 2; k <= 3; ++k) {
            out.push_back({QString("resources/glyphs/%1@%2x.png").arg(name).arg(k), Glyph(draw, k),
                           Picture::Format::Png});
        }
    }
    out.push_back({"resources/cursors/techno.png", Techno(), Picture::Format::Png});
    return out;
}

}  // namespace pictures
