#include "Faces.h"

#include <QPainter>

#include "TilesetLayout.h"

namespace tilesets {

namespace {

// Whether any pixel of the drawn symbols inside the corner is solid enough to count as
// symbol (the same threshold as the face mask).
bool Touches(const QImage& symbols, const QRect& corner, int k) {
    const QRect area(corner.topLeft() * k, corner.size() * k);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qAlpha(symbols.pixel(x, y)) >= kCoverageThreshold)
                return true;
        }
    }
    return false;
}

}  // namespace

QImage PaintFaceSymbols(int face, int k, QString* error) {
    QImage symbols(kFaceWidth * k, kFaceHeight * k, QImage::Format_ARGB32_Premultiplied);
    symbols.fill(Qt::transparent);
    QPainter p(&symbols);
    p.setRenderHint(QPainter::Antialiasing);
    // The painters draw in 1x units; the drawing itself happens at full resolution.
    p.scale(k, k);
    if (face < kFirstBamboo) {
        PaintCrak(p, face - kFirstCrak + 1);
    } else if (face < kFirstDot) {
        PaintBamboo(p, face - kFirstBamboo + 1);
    } else if (face < kFirstFlower) {
        PaintDots(p, face - kFirstDot + 1);
    } else if (face < kFirstSeason) {
        PaintFlower(p, face - kFirstFlower + 1);
    } else if (face < kFirstDragon) {
        PaintSeason(p, face - kFirstSeason + 1);
    } else if (face < kFirstWind) {
        PaintDragon(p, face - kFirstDragon + 1);
    } else {
        PaintWind(p, face - kFirstWind + 1);
    }
    if (Touches(symbols, IndexCorner(IndexOf(face).c), k)) {
        if (!error->isEmpty())
            *error += QStringLiteral("\n");
        *error += QStringLiteral("at %1x the symbols of face %2 reach into the corner of its index")
                      .arg(k)
                      .arg(face);
    }
    return symbols;
}

QImage WithIndex(const QImage& symbols, const FaceIndex& index, int k) {
    QImage out = symbols.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(k, k);
    DrawIndex(p, index);
    p.end();
    return out;
}

}  // namespace tilesets
