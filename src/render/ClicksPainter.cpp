// The Clicks grid in the board buffer.
#include "games/Clicks.h"
#include "render/BoardRenderer.h"

namespace quorin {

void BoardRenderer::SetClicksPieces(const std::array<QImage, 6>& pieces) {
    for (size_t c = 0; c < pieces.size(); ++c)
        clicksPieces_[c] = BlackToTransparent(pieces[c]);
    scaledClicksPieces_ = {};
}

void BoardRenderer::PrepareClicksPieces() {
    const QSize size(scaled_.Length(38), scaled_.Length(38));
    for (size_t c = 0; c < clicksPieces_.size(); ++c)
        if (scaledClicksPieces_[c].size() != size)
            scaledClicksPieces_[c] = ResampleTo(clicksPieces_[c], size);
}

void BoardRenderer::RedrawClicks(Pass& pass) {
    const GameState& s = *state_;
    const ClicksGrid& grid = s.Clicks;
    // The pictures overlap their right and lower neighbours by 6 px: columns from the right
    // and rows from the top put the left and lower pieces on top.
    for (int n = ClicksGrid::kLastColumn; n >= ClicksGrid::kFirstColumn; --n)
        for (int i = ClicksGrid::kFirstRow; i <= ClicksGrid::kLastRow; ++i) {
            const int v = grid.At(n, i);
            if (v < 1 || v > 6)
                continue;
            const auto index = static_cast<size_t>(v - 1);
            const QPoint at(kClicksPitch * (n - 1) + s.BoardOriginX - 8,
                            kClicksPitch * (i - 1) + s.BoardOriginY - 16);
            if (scale_ == 1) {
                const QImage& piece = clicksPieces_[index];
                Blit(pass, QPainter::CompositionMode_SourceOver, at, piece, piece.rect());
                continue;
            }
            const QImage& piece = scaledClicksPieces_[index];
            Blit(pass, QPainter::CompositionMode_SourceOver, scaled_.At(at.x(), at.y()), piece,
                 piece.rect());
        }
}

}  // namespace quorin
