// The board backgrounds and the help pages' orange backdrop. They sit behind ivory tiles,
// so they stay dark, calm and low in contrast: nothing in them may compete with a tile face.

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "Canvas.h"
#include "Pictures.h"

namespace pictures {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Runs `draw` at the nine wrapped positions of a tile, so shapes crossing an edge come back
// on the other side and the tile repeats without seams.
template <typename F>
void Wrapped(QPainter& p, int w, int h, F draw) {
    for (int dy = -h; dy <= h; dy += h) {
        for (int dx = -w; dx <= w; dx += w) {
            p.save();
            p.translate(dx, dy);
            draw(p);
            p.restore();
        }
    }
}

// Soft paper: a base colour breathing with low-frequency noise, plus a faint grain.
QImage Paper(int w, int h, const QColor& base, double cloud, double grain, uint32_t seed) {
    QImage img(w, h, QImage::Format_RGB32);
    TileNoise clouds(w, h, 3, 3, 4, seed);
    TileNoise fine(w, h, 32, 32, 2, seed + 1);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double k = 1.0 + cloud * (clouds.At(x, y) - 0.5) + grain * (fine.At(x, y) - 0.5);
            img.setPixel(x, y, Shade(base, k).rgb());
        }
    }
    return img;
}

// Long thin paper fibres, drawn wrapped.
void Fibres(QPainter& p, int w, int h, int count, const QColor& c, uint32_t seed) {
    Rng rng(seed);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        const double x = rng.Range(0, w), y = rng.Range(0, h), a = rng.Range(0, 2 * kPi);
        const double len = rng.Range(8, 26), bend = rng.Range(-6, 6);
        QPainterPath path(QPointF(x, y));
        const QPointF end(x + len * std::cos(a), y + len * std::sin(a));
        const QPointF mid((x + end.x()) / 2 - bend * std::sin(a),
                          (y + end.y()) / 2 + bend * std::cos(a));
        path.quadTo(mid, end);
        QColor col = c;
        col.setAlphaF(rng.Range(0.25, 1.0) * c.alphaF());
        p.setPen(QPen(col, rng.Range(0.5, 1.1)));
        Wrapped(p, w, h, [&](QPainter& q) { q.drawPath(path); });
    }
}

QPainterPath GlyphPath(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

// Faint calligraphy on teal paper: brush characters of mah-jongg words in two inks, one a
// little lighter than the paper and one a little darker, with a red seal here and there.
QImage Kanji() {
    const int w = 256, h = 234;
    QImage img = Paper(w, h, QColor(24, 70, 74), 0.16, 0.05, 11);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Fibres(p, w, h, 90, QColor(120, 180, 176, 40), 12);

    struct Stroke {
        const char* text;
        double x, y, size, angle;
        bool light;
        double alpha;
    };
    // Columns of characters read top to bottom, as on a hanging scroll.
    const Stroke strokes[] = {
        {"龍", 18, 92, 78, -4, true, 0.15},    {"風", 150, 72, 62, 6, true, 0.13},
        {"竹", 110, 196, 56, -8, false, 0.30}, {"福", 196, 178, 46, 3, true, 0.12},
        {"雀", 72, 150, 34, 10, false, 0.26},  {"春", 226, 42, 30, -6, false, 0.26},
        {"東", 6, 200, 28, 0, true, 0.12},     {"雲", 96, 40, 26, -3, false, 0.24},
    };
    QFont font("AR PL UKai TW");
    for (const Stroke& s : strokes) {
        font.setPixelSize(int(s.size));
        const QPainterPath glyph = GlyphPath(QString::fromUtf8(s.text), font);
        QColor ink = s.light ? QColor(150, 214, 204) : QColor(6, 30, 34);
        ink.setAlphaF(s.alpha);
        Wrapped(p, w, h, [&](QPainter& q) {
            q.translate(s.x, s.y);
            q.rotate(s.angle);
            q.fillPath(glyph, ink);
        });
    }

    // A small square seal, the only warm note of the paper.
    font.setPixelSize(17);
    const QPainterPath seal = GlyphPath(QString::fromUtf8("福"), font);
    Wrapped(p, w, h, [&](QPainter& q) {
        q.translate(228, 206);
        q.rotate(-3);
        QPainterPath box;
        box.addRoundedRect(QRectF(0, 0, 20, 20), 2, 2);
        box = box.subtracted(seal.translated(1.5, 16.5));
        q.fillPath(box, QColor(178, 56, 46, 96));
    });
    return img;
}

// Point and unit normal of a dragon's body centreline, t = 0 at the neck, 1 at the tail tip.
struct BodyPoint {
    QPointF at, normal;  // normal points away from the coil's centre (the dragon's back)
    double width;        // half the body's thickness
};

QPointF CoilAt(double t, double r) {
    // The body sweeps once around the roundel with three slow waves and curls inward
    // towards the tail.
    const double a = -0.32 * kPi + 1.7 * kPi * t;
    const double rad = r * (0.66 - 0.30 * t * t + 0.10 * std::sin(3 * kPi * t + 0.3));
    return QPointF(rad * std::cos(a), rad * std::sin(a));
}

BodyPoint DragonBody(double t, double r) {
    const QPointF p = CoilAt(t, r), q = CoilAt(t + 1e-3, r);
    QPointF tan = q - p;
    tan /= std::hypot(tan.x(), tan.y());
    // With the sweep going clockwise on screen (y down), this normal points outward.
    const QPointF n(tan.y(), -tan.x());
    const double width = r * (0.085 + 0.04 * std::sin(kPi * t * 1.6)) * (1 - t * t);
    return {p, n, width};
}

QPointF Tangent(const BodyPoint& b) {
    return QPointF(-b.normal.y(), b.normal.x());
}

// One coiled dragon chasing its pearl, centred on (0, 0), inside radius r.
void Dragon(QPainter& p, double r, const QColor& fill, const QColor& line) {
    const int steps = 200;
    std::vector<QPointF> outer, inner;
    for (int i = 0; i <= steps; ++i) {
        const BodyPoint b = DragonBody(double(i) / steps, r);
        outer.push_back(b.at + b.normal * b.width);
        inner.push_back(b.at - b.normal * b.width);
    }
    QPainterPath body;
    body.moveTo(outer.front());
    for (const QPointF& q : outer)
        body.lineTo(q);
    for (auto it = inner.rbegin(); it != inner.rend(); ++it)
        body.lineTo(*it);
    body.closeSubpath();

    // Dorsal fins along the back, leaning towards the tail.
    QPainterPath fins;
    for (int i = 8; i < steps - 20; i += 6) {
        const double t = double(i) / steps;
        const BodyPoint a = DragonBody(t, r), b = DragonBody(t + 4.0 / steps, r);
        const QPointF base0 = a.at + a.normal * a.width * 0.9;
        const QPointF base1 = b.at + b.normal * b.width * 0.9;
        const QPointF tip = base1 + a.normal * (a.width * 0.8 + r * 0.02) + Tangent(a) * (r * 0.02);
        fins.moveTo(base0);
        fins.quadTo((base0 + tip) / 2 + a.normal * (r * 0.012), tip);
        fins.quadTo((base1 + tip) / 2, base1);
        fins.closeSubpath();
    }

    // Four legs: a bent limb each, ending in splayed claws.
    QPainterPath limbs, claws;
    const struct { double t, side; } legs[] = {{0.12, -1}, {0.20, 1}, {0.55, -1}, {0.63, 1}};
    for (const auto& l : legs) {
        const BodyPoint b = DragonBody(l.t, r);
        const QPointF tan = Tangent(b), out = b.normal * l.side;
        const QPointF hip = b.at + out * (b.width * 0.3);
        const QPointF elbow = hip + out * (r * 0.17) - tan * (r * 0.05);
        const QPointF paw = elbow + tan * (r * 0.11) + out * (r * 0.03);
        limbs.moveTo(hip);
        limbs.quadTo(elbow, paw);
        for (int c = -1; c <= 1; ++c) {
            const QPointF tip = paw + tan * (r * 0.06) + out * (r * 0.045 * c);
            claws.moveTo(paw);
            claws.quadTo(paw + (tip - paw) * 0.6 + out * (r * 0.012), tip);
        }
    }

    // A flame-like tuft at the tail tip.
    QPainterPath tuft;
    {
        const BodyPoint b = DragonBody(0.97, r);
        const QPointF tan = Tangent(b);
        for (int k = -1; k <= 1; ++k) {
            tuft.moveTo(b.at);
            tuft.cubicTo(b.at + tan * (r * 0.06) + b.normal * (r * 0.05 * k),
                         b.at + tan * (r * 0.10) + b.normal * (r * 0.09 * k),
                         b.at + tan * (r * 0.16) + b.normal * (r * 0.05 * k - r * 0.03));
        }
    }

    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(body.united(fins));

    // Scales: rows of small arcs across the body, opening towards the head.
    QColor thin = line;
    thin.setAlphaF(line.alphaF() * 0.75);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(thin, 0.7));
    for (int i = 3; i < steps - 12; i += 3) {
        const double t = double(i) / steps;
        const BodyPoint b = DragonBody(t, r);
        if (b.width < 1.6)
            break;
        const QPointF tan = Tangent(b);
        const int rows = b.width > 4.5 ? 3 : 2;
        for (int k = 0; k < rows; ++k) {
            const double off = (k - (rows - 1) / 2.0) * (2 * b.width / rows);
            const QPointF c = b.at + b.normal * off + tan * ((i / 3 % 2) * b.width * 0.3);
            const double half = b.width / rows;
            QPainterPath arc;
            arc.moveTo(c + b.normal * half);
            arc.quadTo(c + tan * (half * 1.3), c - b.normal * half);
            p.drawPath(arc);
        }
    }
    // Belly line along the inner side.
    p.setPen(QPen(thin, 0.6));
    QPainterPath belly;
    for (int i = 0; i <= steps * 0.85; ++i) {
        const BodyPoint b = DragonBody(double(i) / steps, r);
        const QPointF q = b.at - b.normal * (b.width * 0.62);
        if (i == 0)
            belly.moveTo(q);
        else
            belly.lineTo(q);
    }
    p.drawPath(belly);

    p.setPen(QPen(line, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(body);
    p.drawPath(fins);
    p.setPen(QPen(line, std::max(1.2, r * 0.022), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(limbs);
    p.setPen(QPen(line, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(claws);
    p.drawPath(tuft);

    // The head, in its own frame: x forward, y towards the belly, one unit = s pixels.
    const BodyPoint neck = DragonBody(0, r);
    const QPointF fwd = -Tangent(neck);
    p.save();
    p.translate(neck.at);
    p.rotate(std::atan2(fwd.y(), fwd.x()) * 180 / kPi);
    const double s = r * 0.14;
    // Mirrored so that the head's top (negative y here) lies on the dragon's back.
    p.scale(s, -s);
    const double unit = 1.0 / s;

    QPainterPath head;
    head.moveTo(-0.3, -0.75);
    head.cubicTo(0.3, -1.25, 0.9, -1.35, 1.3, -1.05);  // skull to brow
    head.cubicTo(1.7, -0.95, 2.2, -0.85, 2.6, -0.9);   // long snout
    head.quadTo(3.0, -1.2, 3.15, -0.75);               // curled nose
    head.quadTo(3.2, -0.35, 2.85, -0.3);               // upper lip
    head.lineTo(1.5, -0.05);                           // mouth, open
    head.lineTo(2.55, 0.45);                           // lower jaw
    head.quadTo(2.75, 0.55, 2.6, 0.75);
    head.cubicTo(2.0, 1.0, 1.1, 1.05, 0.5, 0.95);  // chin and throat
    head.quadTo(-0.1, 0.85, -0.4, 0.7);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(head);

    QPainterPath horns, mane, whiskers, face;
    horns.moveTo(0.6, -1.2);
    horns.cubicTo(0.0, -2.0, -0.9, -2.3, -1.9, -2.0);
    horns.moveTo(-0.6, -2.0);
    horns.quadTo(-0.8, -2.6, -1.2, -2.8);  // antler tine
    horns.moveTo(0.95, -1.25);
    horns.cubicTo(0.6, -2.3, -0.2, -2.8, -1.0, -2.9);
    for (int i = 0; i < 5; ++i) {
        const double y = -0.55 + 0.32 * i;
        mane.moveTo(-0.2, y);
        mane.cubicTo(-0.8, y - 0.5, -1.3, y + 0.1, -1.9 - 0.1 * i, y - 0.15 + 0.1 * i);
    }
    for (int i = 0; i < 3; ++i) {  // beard
        mane.moveTo(1.2 + 0.4 * i, 0.95);
        mane.quadTo(1.0 + 0.3 * i, 1.5, 0.4 + 0.3 * i, 1.75);
    }
    whiskers.moveTo(2.9, -0.45);
    whiskers.cubicTo(3.9, -0.9, 3.1, -2.2, 4.2, -2.7);
    whiskers.moveTo(2.5, 0.65);
    whiskers.cubicTo(3.4, 1.2, 2.7, 2.0, 3.8, 2.5);
    face.moveTo(1.0, -0.95);  // brow ridge over the eye
    face.quadTo(1.3, -1.15, 1.65, -0.85);
    face.moveTo(2.75, -0.75);  // nostril
    face.quadTo(2.95, -0.85, 2.9, -0.6);
    for (double x : {1.8, 2.1, 2.4}) {  // teeth
        face.moveTo(x, -0.05 - (x - 1.5) * 0.2);
        face.lineTo(x + 0.06, 0.12 - (x - 1.5) * 0.2 + 0.1);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, 1.1 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(head);
    p.drawPath(horns);
    p.setPen(QPen(line, 0.9 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(mane);
    p.drawPath(face);
    p.drawPath(whiskers);
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawEllipse(QPointF(1.3, -0.72), 0.2, 0.15);  // eye

    // The flaming pearl it chases.
    const QPointF pearl(4.3, -0.2);
    QPainterPath flames;
    for (int k = 0; k < 3; ++k) {
        const double a = 0.6 + 0.55 * k;
        const QPointF from = pearl + QPointF(std::cos(a), std::sin(a)) * 0.5;
        flames.moveTo(from);
        flames.cubicTo(from + QPointF(0.5, 0.3), from + QPointF(0.2, 0.9),
                       from + QPointF(0.7, 1.2 - 0.2 * k));
    }
    p.setBrush(fill);
    p.setPen(QPen(line, 1.0 * unit));
    p.drawEllipse(pearl, 0.55, 0.55);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, 0.8 * unit, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(flames);
    p.drawArc(QRectF(pearl.x() - 0.3, pearl.y() - 0.3, 0.6, 0.6), 30 * 16, 200 * 16);
    p.restore();
}

// An auspicious cloud: three curls and a trailing wisp.
void Cloud(QPainter& p, double s, const QColor& line) {
    auto curl = [&](QPainterPath& path, QPointF c, double rad, double start, int dir) {
        for (int i = 0; i <= 40; ++i) {
            const double th = start + dir * 2.1 * kPi * i / 40;
            const double rr = rad * (1 - 0.75 * i / 40.0);
            const QPointF q = c + QPointF(std::cos(th), std::sin(th)) * rr;
            if (i == 0)
                path.moveTo(q);
            else
                path.lineTo(q);
        }
    };
    QPainterPath c;
    curl(c, QPointF(-0.9 * s, 0), 0.55 * s, kPi / 2, 1);
    curl(c, QPointF(0, -0.35 * s), 0.7 * s, kPi / 2, -1);
    curl(c, QPointF(0.95 * s, 0), 0.55 * s, kPi / 2, -1);
    c.moveTo(-0.9 * s, 0.55 * s);
    c.lineTo(0.95 * s, 0.55 * s);
    c.moveTo(0.95 * s, 0.55 * s);
    c.cubicTo(1.6 * s, 0.55 * s, 1.9 * s, 0.9 * s, 2.6 * s, 0.8 * s);
    p.setPen(QPen(line, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(c);
}

// Dragon roundels on red lacquer, in the manner of woven damask: one tone lighter than
// the ground, never more.
QImage Dragons() {
    const int w = 704, h = 468;
    QImage img = Paper(w, h, QColor(92, 26, 30), 0.14, 0.03, 21);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Darker corners keep the eye on the middle of the board.
    QRadialGradient vignette(w / 2.0, h / 2.0, w * 0.62);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(20, 0, 4, 90));
    p.fillRect(img.rect(), vignette);

    const QColor fill(210, 120, 90, 26), line(236, 170, 110, 46), ring(236, 170, 110, 34);
    const double R = 62, dx = 176, dy = 156;
    int row = 0;
    for (double cy = 78; cy < h + R; cy += dy, ++row) {
        for (double cx = (row % 2) ? 0 : dx / 2; cx < w + R; cx += dx) {
            p.save();
            p.translate(cx, cy);
            if (row % 2)
                p.scale(-1, 1);
            p.rotate(row % 2 ? 20 : -10);
            p.setPen(QPen(ring, 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(0, 0), R + 6, R + 6);
            p.setPen(QPen(ring, 0.8));
            p.drawEllipse(QPointF(0, 0), R + 9, R + 9);
            Dragon(p, R, fill, line);
            p.restore();
        }
    }
    // Clouds in the gaps between the roundels.
    row = 0;
    for (double cy = 0; cy < h + 40; cy += dy, ++row) {
        for (double cx = (row % 2) ? dx / 2 : 0; cx < w + 40; cx += dx) {
            p.save();
            p.translate(cx, cy);
            Cloud(p, 9, ring);
            p.restore();
        }
    }
    return img;
}

// A calm galaxy, seen at a slant, with two small companions, in a sparse field of stars.
QImage Andromeda() {
    const int w = 704, h = 468;
    QImage img(w, h, QImage::Format_RGB32);
    TileNoise neb(w, h, 4, 3, 5, 31);
    TileNoise lumps(w, h, 24, 16, 3, 32);
    const double gx = 468, gy = 188, tilt = -0.46, ratio = 2.1;
    const double ct = std::cos(tilt), st = std::sin(tilt);
    const QPointF companions[] = {{520, 236}, {392, 120}};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // Deep blue ground, a little lighter towards the bottom.
            const double v = double(y) / h;
            double r = 5 + 6 * v, g = 9 + 10 * v, b = 28 + 22 * v;
            // Faint violet and teal nebula drifts.
            const double drift = std::max(0.0, neb.At(x, y) - 0.5) * 2.4;
            r += 26 * drift * drift;
            g += 12 * drift;
            b += 32 * drift;
            // The disc in its own plane: u along the major axis, q across it, face-on.
            const double u = (x - gx) * ct + (y - gy) * st;
            const double q = (-(x - gx) * st + (y - gy) * ct) * ratio;
            const double d = std::hypot(u, q);
            const double ang = std::atan2(q, u);
            const double arms = 0.5 + 0.5 * std::cos(2 * ang - 3.4 * std::log(1 + d / 18));
            const double armsIn = std::min(1.0, d / 35);  // no arms in the bulge
            double disc = std::exp(-d / 80) * (1 - armsIn * 0.65 * (1 - arms * arms)) *
                          (0.75 + 0.5 * lumps.At(x, y));
            // A dust lane on the near side of the disc.
            const double lane = std::exp(-std::pow((q / ratio - 7) / 4.5, 2)) *
                                std::min(1.0, std::max(0.0, (d - 16) / 40));
            disc *= 1 - 0.35 * lane;
            const double core = 0.8 * std::exp(-std::pow(d / 20, 1.2));
            // Warm core, blue-white arms.
            const double warm = std::exp(-d / 40);
            r += 150 * core + 130 * disc * (0.6 + 0.4 * warm);
            g += 138 * core + 132 * disc * (0.7 + 0.2 * warm);
            b += 118 * core + 165 * disc;
            for (const QPointF& c : companions) {
                const double e = std::exp(-std::hypot(x - c.x(), (y - c.y()) * 1.4) / 5.5);
                r += 70 * e;
                g += 66 * e;
                b += 62 * e;
            }
            img.setPixel(x, y, qRgb(Clamp255(r), Clamp255(g), Clamp255(b)));
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(33);
    // Many dim stars and a few brighter ones with a small halo; none so bright or so dense
    // that it reads as noise between the tiles.
    for (int i = 0; i < 460; ++i) {
        const QPointF at(rng.Range(0, w), rng.Range(0, h));
        const double m = std::pow(rng.Uniform(), 3.5);
        const double hue = rng.Uniform();
        QColor c = hue < 0.2   ? QColor(255, 214, 170)
                   : hue < 0.5 ? QColor(190, 210, 255)
                               : QColor(236, 240, 255);
        c.setAlphaF(0.22 + 0.6 * m);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        const double rad = 0.45 + 0.8 * m;
        p.drawEllipse(at, rad, rad);
        if (m > 0.6) {
            QRadialGradient halo(at, 3 + 4 * m);
            QColor hc = c;
            hc.setAlphaF(0.18 * m);
            halo.setColorAt(0, hc);
            hc.setAlphaF(0);
            halo.setColorAt(1, hc);
            p.setBrush(halo);
            p.drawEllipse(at, 3 + 4 * m, 3 + 4 * m);
        }
    }
    return img;
}

// One paw print pointing up, centred on its main pad.
void Paw(QPainter& p, double s, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPainterPath pad;
    pad.moveTo(0, -0.55 * s);
    pad.cubicTo(0.55 * s, -0.55 * s, 0.85 * s, 0.2 * s, 0.6 * s, 0.45 * s);
    pad.cubicTo(0.35 * s, 0.65 * s, 0.1 * s, 0.4 * s, 0, 0.45 * s);
    pad.cubicTo(-0.1 * s, 0.4 * s, -0.35 * s, 0.65 * s, -0.6 * s, 0.45 * s);
    pad.cubicTo(-0.85 * s, 0.2 * s, -0.55 * s, -0.55 * s, 0, -0.55 * s);
    p.drawPath(pad);
    const double toes[4][3] = {
        {-0.78, -0.78, -25}, {-0.28, -1.12, -8}, {0.28, -1.12, 8}, {0.78, -0.78, 25}};
    for (const auto& t : toes) {
        p.save();
        p.translate(t[0] * s, t[1] * s);
        p.rotate(t[2]);
        p.drawEllipse(QPointF(0, 0), 0.22 * s, 0.3 * s);
        p.restore();
    }
}

// A cat sitting with its back to us, tail curled out; (0, 0) is the middle of its base.
void SittingCat(QPainter& p, double s, const QColor& c) {
    QPainterPath body;
    body.moveTo(-1.0 * s, 0);
    body.cubicTo(-1.2 * s, -0.8 * s, -0.85 * s, -1.55 * s, -0.42 * s, -1.9 * s);
    body.lineTo(0.42 * s, -1.9 * s);
    body.cubicTo(0.85 * s, -1.55 * s, 1.2 * s, -0.8 * s, 1.0 * s, 0);
    body.quadTo(0, 0.14 * s, -1.0 * s, 0);
    QPainterPath head;
    head.addEllipse(QPointF(0, -2.3 * s), 0.62 * s, 0.56 * s);
    QPainterPath ears;
    ears.moveTo(-0.58 * s, -2.42 * s);
    ears.lineTo(-0.52 * s, -3.12 * s);
    ears.lineTo(-0.08 * s, -2.78 * s);
    ears.closeSubpath();
    ears.moveTo(0.58 * s, -2.42 * s);
    ears.lineTo(0.52 * s, -3.12 * s);
    ears.lineTo(0.08 * s, -2.78 * s);
    ears.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(body.united(head).united(ears));
    QPainterPath tail;
    tail.moveTo(0.75 * s, -0.2 * s);
    tail.cubicTo(1.55 * s, -0.1 * s, 1.85 * s, -0.8 * s, 1.45 * s, -1.35 * s);
    p.setPen(QPen(c, 0.3 * s, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
}

// A cat asleep, curled up; centred on (0, 0).
void SleepingCat(QPainter& p, double s, const QColor& c) {
    QPainterPath cat;
    cat.addEllipse(QPointF(0.2 * s, 0), 1.35 * s, 0.78 * s);
    QPainterPath head;
    head.addEllipse(QPointF(-0.95 * s, -0.3 * s), 0.58 * s, 0.5 * s);
    QPainterPath ears;
    ears.moveTo(-1.45 * s, -0.45 * s);
    ears.lineTo(-1.62 * s, -1.05 * s);
    ears.lineTo(-1.1 * s, -0.78 * s);
    ears.closeSubpath();
    ears.moveTo(-0.85 * s, -0.8 * s);
    ears.lineTo(-0.6 * s, -1.32 * s);
    ears.lineTo(-0.4 * s, -0.72 * s);
    ears.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(cat.united(head).united(ears));
    // The tail comes round the front, just outside the body.
    QPainterPath tail;
    tail.moveTo(1.4 * s, 0.2 * s);
    tail.cubicTo(1.5 * s, 1.0 * s, 0.0, 1.05 * s, -0.85 * s, 0.62 * s);
    p.setPen(QPen(c, 0.24 * s, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
}

// Paw tracks wandering across dusky indigo, and the cats that made them.
QImage Catpats() {
    const int w = 176, h = 156;
    QImage img = Paper(w, h, QColor(58, 56, 94), 0.12, 0.04, 41);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor print(108, 104, 156), cat(36, 34, 64);
    // A trail crossing the tile diagonally, left and right feet in turn. It leaves through
    // the corner opposite to where it entered, so it goes on in the next tile.
    const int steps = 6;
    const double heading = std::atan2(-double(h), double(w));  // up and to the right
    const QPointF side(-std::sin(heading), std::cos(heading));
    for (int i = 0; i < steps; ++i) {
        const double t = (i + 0.5) / steps;
        const QPointF at(w * t, h * (1 - t));
        const double foot = (i % 2) ? 1 : -1;
        Wrapped(p, w, h, [&](QPainter& q) {
            q.translate(at + side * (6 * foot));
            q.rotate(heading * 180 / kPi + 90);
            Paw(q, 4.6, print);
        });
    }
    Wrapped(p, w, h, [&](QPainter& q) {
        q.translate(40, 64);
        SittingCat(q, 10, cat);
    });
    Wrapped(p, w, h, [&](QPainter& q) {
        q.translate(128, 124);
        SleepingCat(q, 10, cat);
    });
    return img;
}

// Warm apricot paper for the help pages: light, so black text reads on it.
QImage Orange() {
    const int w = 616, h = 437;
    QImage img = Paper(w, h, QColor(250, 186, 108), 0.07, 0.03, 51);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient light(0, 0, w, h);
    light.setColorAt(0, QColor(255, 236, 200, 110));
    light.setColorAt(0.6, QColor(255, 236, 200, 0));
    light.setColorAt(1, QColor(200, 110, 40, 40));
    p.fillRect(img.rect(), light);
    Fibres(p, w, h, 260, QColor(255, 240, 215, 70), 52);
    Fibres(p, w, h, 120, QColor(200, 120, 60, 30), 53);
    return img;
}

}  // namespace

std::vector<Picture> Backgrounds() {
    std::vector<Picture> out;
    out.push_back({"data/Backgrounds/kanji.bmp", Kanji(), Picture::Format::Bmp});
    out.push_back({"data/Backgrounds/dragons.bmp", Dragons(), Picture::Format::Bmp});
    out.push_back({"data/Backgrounds/andromeda.jpg", Andromeda(), Picture::Format::Jpeg});
    out.push_back({"data/Backgrounds/catpats.jpg", Catpats(), Picture::Format::Jpeg});
    out.push_back({"data/orange.jpg", Orange(), Picture::Format::Jpeg});
    return out;
}

}  // namespace pictures
