// The tileset's pieces made ready for a board drawn at any size: each tile, face and tint at
// the size it covers on the screen, resampled down from the finest picture of the tileset
// that is at least as fine, with the masks turned into transparency so that the resampled
// edges blend with what lies under them.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>

#include "render/Tileset.h"

namespace quorin {

class ScaledTiles {
  public:
    // Device pixels per board pixel; the pieces are made again when it or the tileset changes.
    void Prepare(const Tileset& tileset, double scale);
    bool IsReadyFor(const Tileset& tileset, double scale) const;

    double Scale() const { return scale_; }
    // The factor of the tileset picture the pieces were made from.
    int SourceFactor() const { return factor_; }

    // A board pixel position on the device, rounded the same way everywhere.
    QPoint At(int x, int y) const;
    // A board length on the device, as the pieces are sized.
    int Length(int board) const;

    // Face 1..42 on its blank tile, 46 x 56 board pixels, transparent outside the tile.
    const QImage& Sprite(int face) const { return sprites_[static_cast<size_t>(face - 1)]; }
    // The symbols of face 1..42 alone, 40 x 50, transparent around them.
    const QImage& Symbols(int face) const { return symbols_[static_cast<size_t>(face - 1)]; }
    const QImage& BlankFace() const { return blankFace_; }
    const QImage& SelectionTint() const { return selectionTint_; }
    const QImage& HintTint() const { return hintTint_; }

  private:
    double scale_ = 0;
    int factor_ = 0;
    int generation_ = -1;
    const Tileset* tileset_ = nullptr;
    std::array<QImage, 42> sprites_;
    std::array<QImage, 42> symbols_;
    QImage blankFace_;
    QImage selectionTint_;
    QImage hintTint_;
};

// `picture` resampled to `size` with the filter Qt uses for shrinking (an average over the
// covered source pixels); a picture never grows here by more than rounding.
QImage ResampleTo(const QImage& picture, QSize size);

}  // namespace quorin
