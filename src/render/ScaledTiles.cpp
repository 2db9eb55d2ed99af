#include "render/ScaledTiles.h"

#include <QPainter>

#include <cmath>

namespace quorin {

namespace {

QRect Times(const QRect& r, int k) {
    return {r.x() * k, r.y() * k, r.width() * k, r.height() * k};
}

// `colour` seen through `mask`: black in the mask is opaque, white is clear.
QImage Masked(const QImage& colour, const QImage& mask) {
    QImage out(colour.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y) {
        const auto* c = reinterpret_cast<const QRgb*>(colour.constScanLine(y));
        const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = 255 - qGray(m[x]);
            o[x] = qRgba(qRed(c[x]) * a / 255, qGreen(c[x]) * a / 255, qBlue(c[x]) * a / 255, a);
        }
    }
    return out;
}

}  // namespace

QImage ResampleTo(const QImage& picture, QSize size) {
    if (picture.size() == size)
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool ScaledTiles::IsReadyFor(const Tileset& tileset, double scale) const {
    return tileset_ == &tileset && generation_ == tileset.Generation() && scale_ == scale;
}

QPoint ScaledTiles::At(int x, int y) const {
    return {static_cast<int>(std::lround(x * scale_)), static_cast<int>(std::lround(y * scale_))};
}

int ScaledTiles::Length(int board) const {
    return static_cast<int>(std::lround(board * scale_));
}

void ScaledTiles::Prepare(const Tileset& tileset, double scale) {
    if (IsReadyFor(tileset, scale))
        return;
    tileset_ = &tileset;
    generation_ = tileset.Generation();
    scale_ = scale;
    factor_ = tileset.SourceFactorFor(scale);
    const int k = factor_;
    const QImage& source = k == 1 ? tileset.TilesetSource() : tileset.FinerSource(k);
    const QSize face(Length(Tileset::kFaceWidth), Length(Tileset::kFaceHeight));
    const QSize tile(Length(Tileset::kSpriteWidth), Length(Tileset::kSpriteHeight));
    auto part = [&](const QRect& r) { return source.copy(Times(r, k)); };

    const QImage tileMask = part(Tileset::kTileMask);
    for (int f = 1; f <= static_cast<int>(sprites_.size()); ++f) {
        const QImage cell = part(Tileset::FaceCell(f));
        const QImage mask = part(Tileset::FaceMask(f));
        // The blank tile with the face laid in, as the sprites are made at the picture's size.
        QImage sprite = part(Tileset::kBlankTile);
        {
            QPainter p(&sprite);
            const QPoint faceArea(6 * k, 0);
            p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            p.drawImage(faceArea, mask);
            p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            p.drawImage(faceArea, cell);
        }
        sprites_[static_cast<size_t>(f - 1)] = ResampleTo(Masked(sprite, tileMask), tile);
        symbols_[static_cast<size_t>(f - 1)] = ResampleTo(Masked(cell, mask), face);
    }
    blankFace_ = ResampleTo(part(Tileset::kBlankFace), face);
    selectionTint_ = ResampleTo(part(Tileset::kSelectionTint), face);
    hintTint_ = ResampleTo(part(Tileset::kHintTint), face);
}

}  // namespace quorin
