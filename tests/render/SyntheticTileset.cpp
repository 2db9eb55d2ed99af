#include "SyntheticTileset.h"

#include <QColor>
#include <QPainter>

#include "render/Tileset.h"

namespace testpics {

namespace {

// The tile outline: the face pushed down-left one pixel at a time, six times.
bool InTileShape(int x, int y) {
    for (int k = 0; k <= 6; ++k)
        if (x + k >= 6 && x + k < 46 && y - k >= 0 && y - k < 50)
            return true;
    return false;
}

QImage Checkerboard(int w, int h, QRgb ink) {
    QImage piece(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            piece.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : ink);
    return piece;
}

}  // namespace

QImage MakeTileset() {
    using quorin::Tileset;
    QImage t(384, 576, QImage::Format_RGB32);
    t.fill(qRgb(128, 128, 128));
    const QPoint blank = Tileset::kBlankTile.topLeft();
    const QPoint mask = Tileset::kTileMask.topLeft();
    for (int y = 0; y < 56; ++y)
        for (int x = 0; x < 46; ++x) {
            const bool in = InTileShape(x, y);
            const bool face = x >= 6 && y < 50;
            t.setPixel(blank + QPoint(x, y), !in    ? qRgb(0, 0, 0)
                                             : face ? qRgb(240, 232, 208)
                                                    : qRgb(214, 120, 40 + x));
            t.setPixel(mask + QPoint(x, y), in ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    QPainter p(&t);
    p.fillRect(Tileset::kSelectionTint, QColor(250, 214, 120));
    p.fillRect(Tileset::kHintTint, QColor(176, 236, 184));
    for (int f = 1; f <= 42; ++f) {
        const QRect cell = Tileset::FaceCell(f);
        const QRect symbol(cell.left() + 4 + f % 7 * 4, cell.top() + 4 + f / 7 * 6, 8, 10);
        p.fillRect(cell, Qt::black);
        p.fillRect(symbol, QColor::fromHsv(f * 8, 220, 40 + f * 4));
        p.fillRect(cell.translated(0, Tileset::kFaceMaskOffset), Qt::white);
        p.fillRect(symbol.translated(0, Tileset::kFaceMaskOffset), Qt::black);
    }
    return t;
}

QImage MakeHorizontalPiece() {
    return Checkerboard(20, 10, qRgb(48, 48, 56));
}

std::array<QImage, 5> MakeVerticalPieces() {
    std::array<QImage, 5> v;
    for (int i = 0; i < 5; ++i)
        v[i] = Checkerboard(10, 20, qRgb(40 + 10 * i, 40, 60));
    return v;
}

QImage MakeFilled() {
    QImage f(40, 50, QImage::Format_RGB32);
    f.fill(qRgb(0, 96, 192));
    return f;
}

QImage MaskPaint(const QImage& base, const QImage& mask, const QImage& picture) {
    QImage out = base.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, (out.pixel(x, y) & mask.pixel(x, y)) | picture.pixel(x, y));
    return out;
}

}  // namespace testpics
