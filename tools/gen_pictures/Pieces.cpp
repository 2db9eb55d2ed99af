// The shadow pieces laid over lower tiles, and the six Clicks pieces. Both are drawn by the
// game with black as the transparent colour.

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

constexpr double kPi = 3.14159265358979323846;
const QColor kShadow(48, 48, 56);

// Stipple densities of the shadows: 0 none, 1 an eighth, 2 a quarter, 3 half. Each lighter
// level is a subset of the half-tone checkerboard.
bool Stipple(int x, int y, int level) {
    if (level <= 0 || (x + y) % 2 != 0)
        return false;
    if (level >= 3)
        return true;
    if (x % 2 != 0)
        return false;
    return level == 2 || (x / 2 + y / 2) % 2 == 0;
}

// Pieces of several tiles above can land on one face and overlap; where two checkerboards
// of opposite phase met they would add up to a solid patch. The game puts pieces at face
// rows 0, 10, 25, 30 and 35. Everything drawn at row 0 stays within the first ten rows;
// everything below row 10 comes from an odd row (25, 35) or from V2 (10, 30), so V2 takes
// the opposite phase and all pieces agree on the face wherever they overlap.
QImage ShadowPiece(int w, int h, bool oddPhase, const std::function<int(int, int)>& density) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::black);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (Stipple(x + (oddPhase ? 1 : 0), y, density(x, y)))
                img.setPixel(x, y, kShadow.rgb());
        }
    }
    return img;
}

// Density across a band 10 pixels thick, by the distance from the edge that touches the
// tile casting it: dense, then thinning out over the last three pixels.
int Across(int d) {
    return d <= 6 ? 3 : d <= 8 ? 2 : 1;
}

// The band ends: the density drops by one level per step of `len` pixels into the end.
int Fade(int level, int into, int len) {
    return std::max(0, level - into / len);
}

std::vector<Picture> ShadowPieces() {
    // H: a plain horizontal band along the top of a face.
    const QImage h = ShadowPiece(20, 10, false, [](int, int y) { return Across(y); });
    // V2: a plain vertical band along the left of a face.
    const QImage v2 = ShadowPiece(10, 20, true, [](int x, int) { return Across(x); });
    // V1: the right-hand end of a horizontal band, thinning out to the right.
    const QImage v1 = ShadowPiece(10, 20, false, [](int x, int y) {
        return y >= 10 ? 0 : std::min(Across(y), Fade(3, std::max(0, x - 3), 2));
    });
    // V3: the top-left corner where a horizontal band starts, thickening from the left.
    const QImage v3 = ShadowPiece(10, 20, false, [](int x, int y) {
        return y >= 10 ? 0 : std::min(Across(y), Fade(3, std::max(0, 4 - x), 2));
    });
    // V4: the start of a vertical band, thickening from the top; V2 or V5 goes on below it.
    const QImage v4 = ShadowPiece(10, 20, false, [](int x, int y) {
        return y >= 10 ? 0 : std::min(Across(x), Fade(3, std::max(0, 4 - y), 2));
    });
    // V5: the bottom end of a vertical band, thinning out before the face's lower edge.
    const QImage v5 = ShadowPiece(10, 20, false, [](int x, int y) {
        return y >= 15 ? 0 : std::min(Across(x), Fade(3, std::max(0, y - 8), 2));
    });
    return {
        {"resources/bitmaps/3.bmp", h, Picture::Format::Bmp},
        {"resources/bitmaps/9.bmp", v1, Picture::Format::Bmp},
        {"resources/bitmaps/10.bmp", v2, Picture::Format::Bmp},
        {"resources/bitmaps/11.bmp", v3, Picture::Format::Bmp},
        {"resources/bitmaps/12.bmp", v4, Picture::Format::Bmp},
        {"resources/bitmaps/13.bmp", v5, Picture::Format::Bmp},
    };
}

QPainterPath Polygon(int n, double r, double startDeg, QPointF c) {
    QPainterPath path;
    for (int i = 0; i < n; ++i) {
        const double a = (startDeg + 360.0 * i / n) * kPi / 180;
        const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * r;
        if (i == 0)
            path.moveTo(q);
        else
            path.lineTo(q);
    }
    path.closeSubpath();
    return path;
}

QPainterPath Star(QPointF c, double outer, double inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double a = (-90 + 36.0 * i) * kPi / 180;
        const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * (i % 2 ? inner : outer);
        if (i == 0)
            path.moveTo(q);
        else
            path.lineTo(q);
    }
    path.closeSubpath();
    return path;
}

// One glossy Clicks piece: a coloured shape lit from the upper left, with a dark rim, a
// gloss spot, and a stippled shadow to the lower right that falls on the neighbours.
QImage ClicksPiece(const QPainterPath& shape, const QColor& base) {
    const int size = 38;
    QImage art(size, size, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    {
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF box = shape.boundingRect();
        QRadialGradient body(box.left() + box.width() * 0.35, box.top() + box.height() * 0.3,
                             box.width() * 0.85);
        body.setColorAt(0, Shade(base, 1.45));
        body.setColorAt(0.45, base);
        body.setColorAt(1, Shade(base, 0.55));
        p.setPen(QPen(Shade(base, 0.35), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(body);
        p.drawPath(shape);
        // Gloss: a soft white crescent in the upper half, kept inside the shape.
        p.setClipPath(shape);
        QLinearGradient gloss(0, box.top(), 0, box.center().y());
        gloss.setColorAt(0, QColor(255, 255, 255, 190));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(gloss);
        p.drawEllipse(QRectF(box.left() + box.width() * 0.14, box.top() + box.height() * 0.04,
                             box.width() * 0.62, box.height() * 0.46));
    }
    QImage img = FlattenOnKey(art, kBlackKey, Shade(base, 0.3));
    // The shadow: the shape moved 5 pixels down and right, stippled where nothing is drawn.
    QImage mask(size, size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(shape.translated(5, 5), Qt::black);
    }
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if ((img.pixel(x, y) & 0xFFFFFF) != 0)
                continue;
            if (qAlpha(mask.pixel(x, y)) >= 128 && Stipple(x, y, 3)) {
                img.setPixel(x, y, kShadow.rgb());
            }
        }
    }
    return img;
}

std::vector<Picture> ClicksPieces() {
    const QPointF c(16, 16);
    QPainterPath disk;
    disk.addEllipse(c, 14.5, 14.5);
    QPainterPath diamond = Polygon(4, 15.5, -90, c);
    QPainterPath square;
    square.addRoundedRect(QRectF(3, 3, 26, 26), 5, 5);
    QPainterPath star = Star(c + QPointF(0, 1), 16, 7.2);
    QPainterPath triangle;
    triangle.moveTo(16, 2.5);
    triangle.lineTo(30.5, 28.5);
    triangle.lineTo(1.5, 28.5);
    triangle.closeSubpath();
    QPainterPath hexagon = Polygon(6, 15, 0, c);
    // Colours 1..6 of the grid, in the order the game loads them.
    return {
        {"resources/bitmaps/4.bmp", ClicksPiece(disk, QColor(220, 40, 44)), Picture::Format::Bmp},
        {"resources/bitmaps/5.bmp", ClicksPiece(diamond, QColor(40, 104, 232)),
         Picture::Format::Bmp},
        {"resources/bitmaps/6.bmp", ClicksPiece(square, QColor(36, 168, 72)), Picture::Format::Bmp},
        {"resources/bitmaps/7.bmp", ClicksPiece(star, QColor(246, 204, 30)), Picture::Format::Bmp},
        {"resources/bitmaps/8.bmp", ClicksPiece(triangle, QColor(150, 70, 206)),
         Picture::Format::Bmp},
        {"resources/bitmaps/26.bmp", ClicksPiece(hexagon, QColor(250, 128, 24)),
         Picture::Format::Bmp},
    };
}

}  // namespace

std::vector<Picture> Pieces() {
    std::vector<Picture> out = ShadowPieces();
    for (Picture& p : ClicksPieces())
        out.push_back(std::move(p));
    return out;
}

}  // namespace pictures
