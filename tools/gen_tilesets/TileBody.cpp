#include "TileBody.h"

#include <algorithm>
#include <cmath>

#include "Poster.h"
#include "TilesetLayout.h"

namespace tilesets {

namespace {

// The ivory faces of the lit tilesets and their tints; the plain paper of the poster.
const FaceFinish kIvory{QColor(250, 243, 222), QColor(255, 206, 120), QColor(176, 230, 180), false};
const FaceFinish kPaper{poster::kPaper, poster::kSelect, poster::kHint, true};

const BorderStyle kStyles[] = {
    {"pai.bmp", "Orange borders", QColor(244, 154, 44), QColor(176, 86, 14), kIvory, false},
    {"darkpai.bmp", "Dark borders", QColor(104, 84, 70), QColor(46, 36, 30), kIvory, false},
    {"bluepai.bmp", "Blue borders", QColor(76, 128, 214), QColor(24, 54, 132), kIvory, false},
    // The low-colour set is a poster of its own: jade edges, paper faces, flat inks.
    {"pai256.bmp", "Few Colors", poster::kJadeLight, poster::kJadeDark, kPaper, true},
};

int Clamp(double v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

// c scaled by k (darker below 1), or mixed towards white by k - 1 above 1.
QColor Shade(const QColor& c, double k) {
    if (k <= 1.0)
        return QColor(Clamp(c.red() * k), Clamp(c.green() * k), Clamp(c.blue() * k));
    const double w = k - 1.0;
    return QColor(Clamp(c.red() + (255 - c.red()) * w), Clamp(c.green() + (255 - c.green()) * w),
                  Clamp(c.blue() + (255 - c.blue()) * w));
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor(Clamp(a.red() + (b.red() - a.red()) * t),
                  Clamp(a.green() + (b.green() - a.green()) * t),
                  Clamp(a.blue() + (b.blue() - a.blue()) * t));
}

// Colour of an edge pixel at depth 1..6 (distance from the face towards the back of the tile)
// on the left side, on the bottom side, or on the seam where the two meet.
QColor EdgeColour(const BorderStyle& style, int depth, int side, double along) {
    // The first pixels show the slab of the face, the rest the coloured back.
    if (style.finish.flat) {
        // One colour per band and side; the outline round the tile is drawn apart.
        if (depth == 1)
            return Shade(style.finish.face, side < 0 ? 0.86 : 0.72);
        return side < 0 ? style.backLight : style.backDark;
    }
    QColor c;
    if (depth <= 2) {
        c = Shade(style.finish.face, depth == 1 ? 0.90 : 0.84);
    } else {
        const double t = (depth - 3) / 3.0;  // 0 next to the slab, 1 at the outer rim
        c = Mix(style.backLight, style.backDark, 0.15 + 0.55 * t);
        if (depth == kEdge)
            c = Shade(style.backDark, 0.85);
    }
    // Light comes from the upper left: the left side is brighter than the bottom one, and
    // each side fades a little away from the light.
    double k = side < 0 ? 1.0 - 0.06 * along : 0.80 - 0.06 * along;
    if (side == 0)
        k = 0.72;
    return Shade(c, k);
}

}  // namespace

const BorderStyle* BorderStyles(int* count) {
    *count = static_cast<int>(std::size(kStyles));
    return kStyles;
}

namespace {

// The 1x coordinate of the centre of pixel i of a picture drawn k times larger, so that at
// 1x it is i itself.
double Centre(int i, int k) {
    return (i + 0.5) / k - 0.5;
}

}  // namespace

QImage PaintFaceBackground(const QColor& base, bool flat, int k) {
    QImage face(kFaceWidth * k, kFaceHeight * k, QImage::Format_RGB32);
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            // The rim and its light and dark inner lines are one 1x pixel wide at any size.
            const int fx = x / k, fy = y / k;
            const bool rim = fx == 0 || fy == 0 || fx == kFaceWidth - 1 || fy == kFaceHeight - 1;
            if (flat) {
                face.setPixel(x, y, (rim ? poster::kInk : base).rgb());
                continue;
            }
            // Gentle diagonal light: brighter at the top left, warmer and darker at the
            // bottom right.
            const double d =
                (Centre(x, k) / (kFaceWidth - 1) + Centre(y, k) / (kFaceHeight - 1)) / 2;
            QColor c = Shade(base, d < 0.4 ? 1.0 + 0.30 * (0.4 - d) : 1.0 - 0.10 * (d - 0.4));
            if (rim) {
                c = Mix(base, QColor(104, 82, 56), 0.45);
            } else if (fx == 1 || fy == 1) {
                c = Shade(c, 1.35);
            } else if (fx == kFaceWidth - 2 || fy == kFaceHeight - 2) {
                c = Shade(c, 0.93);
            }
            face.setPixel(x, y, c.rgb());
        }
    }
    return face;
}

QImage PaintBlankTile(const BorderStyle& style, int k) {
    QImage tile(kTileWidth * k, kTileHeight * k, QImage::Format_RGB32);
    tile.fill(Qt::black);
    const QImage face = PaintFaceBackground(style.finish.face, style.finish.flat, k);
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            if (!InTileShape(x, y, k))
                continue;
            // How far left of the face and how far below it, in 1x pixels; the edge comes in
            // bands one 1x pixel deep.
            const double left = kEdge - Centre(x, k);
            const double below = Centre(y, k) - (kFaceHeight - 1);
            const int depth = static_cast<int>(std::floor(std::max({left, below, 0.0}) + 0.5));
            if (depth == 0) {
                tile.setPixel(x, y, face.pixel(x - kEdge * k, y));
                continue;
            }
            // A flat tile is outlined: the last 1x pixel inwards from its outside.
            if (style.finish.flat && (!InTileShape(x - k, y, k) || !InTileShape(x, y + k, k) ||
                                      !InTileShape(x + k, y, k) || !InTileShape(x, y - k, k))) {
                tile.setPixel(x, y, poster::kInk.rgb());
                continue;
            }
            // side: -1 left, +1 bottom, 0 the seam at the bottom-left corner.
            const int side = std::abs(left - below) < 0.5 ? 0 : (left > below ? -1 : 1);
            const double along = side < 0 ? Centre(y, k) / kTileHeight : Centre(x, k) / kTileWidth;
            tile.setPixel(x, y, EdgeColour(style, depth, side, along).rgb());
        }
    }
    return tile;
}

QImage PaintTileMask(int k) {
    QImage mask(kTileWidth * k, kTileHeight * k, QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            mask.setPixel(x, y, InTileShape(x, y, k) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return mask;
}

}  // namespace tilesets
