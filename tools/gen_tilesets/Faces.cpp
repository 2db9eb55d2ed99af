#include "Faces.h"

#include <QPainter>

#include "TilesetLayout.h"

namespace tilesets {

QImage PaintFaceSymbols(int face, int k) {
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
    return symbols;
}

}  // namespace tilesets
