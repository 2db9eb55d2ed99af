#include "Poster.h"

#include <QRect>
#include <algorithm>
#include <limits>

#include "Faces.h"
#include "FewColors.h"
#include "TilesetLayout.h"

namespace tilesets {

namespace {

// Faces drawn from glyphs: the characters, the winds, the red and green dragons.
bool IsGlyphFace(int face) {
    return face < kFirstBamboo || (face >= kFirstDragon && face != kFirstDragon + 2);
}

// Bamboo sticks: their dark rims and joints turn to ink already.
bool IsSticks(int face) {
    return face > kFirstBamboo && face < kFirstDot;
}

QRgb NearestInk(QRgb c) {
    // The darkest shades, like the rims of the bamboo sticks, are all ink.
    if (qGray(c) < 58)
        return poster::kInk.rgb();
    QRgb best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (QRgb ink : PosterInks()) {
        const int d = ColourDistance(c, ink);
        if (d < bestDistance) {
            bestDistance = d;
            best = ink;
        }
    }
    return best;
}

// The plain colour of a premultiplied pixel.
QRgb Plain(QRgb p) {
    const int a = qAlpha(p);
    return a == 0 ? 0 : qRgb(qRed(p) * 255 / a, qGreen(p) * 255 / a, qBlue(p) * 255 / a);
}

// Plain source at sourceAlpha over plain dest at destAlpha, premultiplied.
QRgb Over(QRgb source, int sourceAlpha, QRgb dest, int destAlpha) {
    const int rest = destAlpha * (255 - sourceAlpha) / 255;
    auto channel = [&](int s, int d) { return (s * sourceAlpha + d * rest) / 255; };
    return qRgba(channel(qRed(source), qRed(dest)), channel(qGreen(source), qGreen(dest)),
                 channel(qBlue(source), qBlue(dest)), sourceAlpha + rest);
}

// What the border of the picture reaches without crossing a symbol pixel.
std::vector<char> Outside(const QImage& picture) {
    const int w = picture.width(), h = picture.height();
    std::vector<char> outside(w * h, 0);
    std::vector<QPoint> todo;
    auto reach = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < w && y < h && !outside[y * w + x] &&
            qAlpha(picture.pixel(x, y)) < kCoverageThreshold) {
            outside[y * w + x] = 1;
            todo.push_back({x, y});
        }
    };
    for (int x = 0; x < w; ++x) {
        reach(x, 0);
        reach(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        reach(0, y);
        reach(w - 1, y);
    }
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        reach(p.x() - 1, p.y());
        reach(p.x() + 1, p.y());
        reach(p.x(), p.y() - 1);
        reach(p.x(), p.y() + 1);
    }
    return outside;
}

// Lays ink under the pictures of a face, grown by one 1x pixel, on their outside only: holes
// like the rings of a coin keep the paper. The rim of the face and the corner of the index
// stay clear.
void AddOutline(QImage& picture, const QRect& corner, int k) {
    const QImage drawn = picture.copy();
    const int w = drawn.width(), h = drawn.height();
    const std::vector<char> outside = Outside(drawn);
    auto isOutside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && outside[y * w + x];
    };
    const QRect inner(k, k, w - 2 * k, h - 2 * k);
    const double reach = k * k + k / 2.0;  // squared: a plus at 1x, a disc when larger
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x) {
            if (corner.contains(x, y) ||
                !(isOutside(x, y) || isOutside(x - 1, y) || isOutside(x + 1, y) ||
                  isOutside(x, y - 1) || isOutside(x, y + 1)))
                continue;
            int grown = 0;
            for (int dy = -k; dy <= k; ++dy) {
                for (int dx = -k; dx <= k; ++dx) {
                    if (dx * dx + dy * dy <= reach)
                        grown = std::max(grown, qAlpha(drawn.pixel(x + dx, y + dy)));
                }
            }
            const QRgb fill = drawn.pixel(x, y);
            if (grown > qAlpha(fill))
                picture.setPixel(x, y, Over(Plain(fill), qAlpha(fill), poster::kInk.rgb(), grown));
        }
    }
}

}  // namespace

const std::vector<QRgb>& PosterInks() {
    static const std::vector<QRgb> inks = {
        poster::kInk.rgb(),  poster::kPaper.rgb(), qRgb(226, 46, 40),  // red
        qRgb(242, 118, 26),                                            // orange
        qRgb(252, 200, 36),                                            // gold
        qRgb(146, 90, 46),                                             // brown
        qRgb(40, 168, 78),                                             // green
        qRgb(38, 106, 218),                                            // blue
        qRgb(244, 124, 168),                                           // pink
        qRgb(148, 80, 200),                                            // purple
    };
    return inks;
}

std::vector<QRgb> PosterColours(const BorderStyle& style) {
    std::vector<QRgb> colours = PosterInks();
    const QImage tile = PaintBlankTile(style, 1);
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            if (InTileShape(x, y))
                colours.push_back(tile.pixel(x, y));
        }
    }
    colours.push_back(style.finish.select.rgb());
    colours.push_back(style.finish.hint.rgb());
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    return colours;
}

QImage PosterSymbols(const QImage& symbols, int face, int k) {
    QImage out = symbols.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const QRgb s = out.pixel(x, y);
            out.setPixel(x, y, Over(NearestInk(Plain(s)), qAlpha(s), 0, 0));
        }
    }
    const FaceIndex index = IndexOf(face);
    if (!IsGlyphFace(face) && !IsSticks(face)) {
        const QRect corner = IndexCorner(index.c);
        AddOutline(out, QRect(corner.topLeft() * k, corner.size() * k), k);
    }
    return WithIndex(out, {index.c, QColor(NearestInk(index.colour.rgb()))}, k);
}

}  // namespace tilesets
