#include "render/BoardRenderer.h"

#include <QPen>

#include "board/Tiles.h"

namespace quorin {

namespace {

// The shadows a tile receives from the layer above. Each row names a cell of that layer,
// relative to the tile's own cell, and the pieces drawn on the tile's face when it is taken,
// at offsets from the face's top-left corner. Some cells appear twice, both rows draw.
struct ShadowPiece {
    uint8_t piece;  // 0 = none, 1 = H, 2..6 = V1..V5
    int8_t dx;
    int8_t dy;
};

struct ShadowRow {
    int8_t cellDX;
    int8_t cellDY;
    ShadowPiece pieces[3];
};

constexpr uint8_t H = 1, V1 = 2, V2 = 3, V3 = 4, V4 = 5, V5 = 6;

constexpr ShadowRow kShadowTable[] = {
    {1, -2, {{V3, 20, 0}, {V1, 30, 0}, {}}},
    {0, -2, {{V3, 0, 0}, {H, 10, 0}, {V1, 30, 0}}},
    {-1, -2, {{H, 0, 0}, {V4, 20, 0}, {}}},
    {-2, -2, {{V4, 0, 0}, {}, {}}},
    {1, -1, {{V3, 20, 25}, {V1, 30, 25}, {}}},
    {0, -1, {{V3, 0, 25}, {H, 10, 25}, {V1, 30, 25}}},
    {-1, -1, {{H, 0, 25}, {V4, 20, 25}, {}}},
    {-2, -1, {{V4, 0, 25}, {}, {}}},
    {-2, 1, {{V4, 0, 25}, {V5, 0, 35}, {}}},
    {-2, 0, {{V4, 0, 0}, {V2, 0, 10}, {V2, 0, 30}}},
    {-2, -1, {{V1, 0, 0}, {V2, 0, 10}, {V3, 0, 25}}},
    {-2, -2, {{V3, 0, 0}, {}, {}}},
    {-1, 1, {{V4, 20, 25}, {V5, 20, 35}, {}}},
    {-1, 0, {{V4, 20, 0}, {V2, 20, 10}, {V2, 20, 30}}},
    {-1, -1, {{V1, 20, 0}, {V2, 20, 10}, {V3, 20, 25}}},
    {-1, -2, {{V3, 20, 0}, {}, {}}},
};

QRect ImageRect(TileRect r) {
    const TileRect image = TileSpaceToImage(r);
    return {QPoint(image.Left, image.Top), QPoint(image.Right - 1, image.Bottom - 1)};
}

}  // namespace

BoardRenderer::BoardRenderer(const Tileset& tileset)
    : tileset_(tileset),
      background_(kWidth, kHeight, QImage::Format_RGB32),
      buffer_(kWidth, kHeight, QImage::Format_RGB32) {
    background_.fill(QColor(0, 128, 128));
    buffer_ = background_.copy();
}

QImage BoardRenderer::BlackToTransparent(const QImage& piece) {
    // Built once per picture, so drawing it over a face is plain alpha blending. Alpha is only
    // ever 0 or 255, which keeps the colours exact.
    if (piece.isNull())
        return {};
    QImage out = piece.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0x00ffffffu) == 0)
                line[x] = 0;
    }
    return out;
}

void BoardRenderer::SetShadowPieces(const QImage& horizontal,
                                    const std::array<QImage, 5>& vertical) {
    pieces_[H - 1] = BlackToTransparent(horizontal);
    for (int i = 0; i < 5; ++i)
        pieces_[V1 - 1 + i] = BlackToTransparent(vertical[i]);
}

void BoardRenderer::SetFilled(const QImage& filled) {
    filled_ = filled.convertToFormat(QImage::Format_RGB32);
}

void BoardRenderer::SetBackgroundPicture(const QImage& picture) {
    if (picture.isNull())
        return;
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    QPainter p(&background_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (source.width() >= kWidth && source.height() >= kHeight) {
        p.drawImage(0, 0, source);
        return;
    }
    for (int y = 0; y < kHeight; y += source.height())
        for (int x = 0; x < kWidth; x += source.width())
            p.drawImage(x, y, source);
}

void BoardRenderer::SetBackgroundColor(const QColor& color) {
    background_.fill(color);
}

void BoardRenderer::ShowFond() {
    QPainter p(&buffer_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, background_);
}

TileRect BoardRenderer::RedrawTileRect(const GameState& state, int tile, bool shadows) {
    if (tile < 1 || tile > kTileCount || !state.board.TilePos[tile].OnBoard())
        return {};
    const TilePosition p = state.board.TilePos[tile];
    const int32_t tx = CoordX(p.x, p.layer, state.BoardOriginX);
    const int32_t ty = CoordY(p.y, p.layer, state.BoardOriginY);
    if (shadows)
        return {tx - 16, ty - 10, tx + 50, ty + 66};
    return {tx - 6, ty, tx + 40, ty + 56};
}

TileRect BoardRenderer::HLRedrawTileRect(const GameState& state, int tile) {
    if (tile < 1 || tile > kTileCount || !state.board.TilePos[tile].OnBoard())
        return {};
    const TilePosition p = state.board.TilePos[tile];
    const int32_t tx = CoordX(p.x, p.layer, state.BoardOriginX);
    const int32_t ty = CoordY(p.y, p.layer, state.BoardOriginY);
    return {tx, ty, tx + 40, ty + 50};
}

QRect BoardRenderer::Paint(const GameState& state, const DrawOptions& options, TileRect dirty) {
    QRect changed = buffer_.rect();
    if (!dirty.IsFull()) {
        if (dirty.IsEmpty())
            return {};
        changed &= ImageRect(dirty);
        if (changed.isEmpty())
            return {};
    }

    QPainter painter(&buffer_);
    // Tiles that reach into the rectangle are drawn whole by the scan; the clip keeps the
    // rest of them, and whatever lies over them outside the rectangle, as it was.
    if (!dirty.IsFull())
        painter.setClipRect(changed);
    painter_ = &painter;
    state_ = &state;
    options_ = &options;
    dirty_ = dirty;
    clip_ = changed;

    Blit(QPainter::CompositionMode_Source, changed.topLeft(), background_, changed);

    if (state.GameMode == ModeClicks) {
        RedrawClicks();
    } else {
        const BoardTables& board = state.board;
        const bool ghost = options.GhostLayer >= 0;
        // Layers upward, columns right to left, rows downward: left tiles cover their right
        // neighbours' edges, lower tiles the bottom edges of the tiles above them.
        for (int layer = 1; layer <= kLayers; ++layer)
            for (int x = kColumns; x >= 1; --x)
                for (int y = 1; y <= kRows; ++y) {
                    const int v = board.Cell(x, y, layer);
                    if ((v >= 1 && v <= 154) || (ghost && IsGhost(x - 1, y - 1, layer - 1)))
                        ShowIt(x - 1, y - 1, v, layer - 1);
                }
    }

    painter_ = nullptr;
    state_ = nullptr;
    options_ = nullptr;
    dirty_ = FullRect;
    return changed;
}

bool BoardRenderer::IsGhost(int c, int r, int l) const {
    return c == options_->GhostX && r == options_->GhostY && l == options_->GhostLayer;
}

void BoardRenderer::Blit(QPainter::CompositionMode mode, QPoint to, const QImage& from,
                         const QRect& part) {
    // Most pieces of the tiles a small redraw touches fall outside it: skip them before the
    // painter does any work.
    if (!clip_.intersects(QRect(to, part.size())))
        return;
    painter_->setCompositionMode(mode);
    painter_->drawImage(to, from, part);
}

void BoardRenderer::ShowIt(int c, int r, int v, int l) {
    const GameState& s = *state_;
    const int ax = CoordX(c, l, s.BoardOriginX);
    const int ay = CoordY(r, l, s.BoardOriginY);
    // The sprite in tile space against the dirty rectangle, before any drawing.
    if (!dirty_.IsFull() && !(ax + 20 < dirty_.Right && dirty_.Left < ax + 66 &&
                              ay + 19 < dirty_.Bottom && dirty_.Top < ay + 75))
        return;

    const QImage& source = tileset_.TilesetSource();
    const QImage& sprites = tileset_.TileSprites();
    const bool editor = s.GameMode == ModeEditor;
    const QPoint slot = editor ? QPoint(0, 0) : Tileset::SpriteSlot(TileFace(v));
    const QPoint anchor(ax, ay);
    const QPoint spriteAt(ax - 6, ay);

    // The tile one column right and two rows down was drawn already; only the left part of
    // this tile's bottom edge may go over it.
    const bool clipped = s.board.Cell(c + 2, r + 3, l + 1) != 0 || IsGhost(c + 1, r + 2, l);
    if (!clipped) {
        Blit(QPainter::RasterOp_SourceAndDestination, spriteAt, source, Tileset::kTileMask);
        Blit(QPainter::RasterOp_SourceOrDestination, spriteAt, sprites, QRect(slot, QSize(46, 56)));
    } else {
        Blit(QPainter::RasterOp_SourceAndDestination, spriteAt, source,
             QRect(Tileset::kTileMask.topLeft(), QSize(46, 50)));
        Blit(QPainter::RasterOp_SourceOrDestination, spriteAt, sprites, QRect(slot, QSize(46, 50)));
        Blit(QPainter::CompositionMode_Source, QPoint(ax - 6, ay + 50), sprites,
             QRect(slot + QPoint(0, 50), QSize(21, 6)));
        const QPoint cornerAt(ax + 15, ay + 50);
        Blit(QPainter::RasterOp_SourceAndDestination, cornerAt, source, Tileset::kCornerMask);
        Blit(QPainter::RasterOp_SourceOrDestination, cornerAt, sprites,
             QRect(slot + QPoint(40, 50), QSize(6, 6)));
    }

    const DrawOptions& o = *options_;
    if (editor) {
        Blit(QPainter::CompositionMode_Source, anchor, source,
             IsGhost(c, r, l) ? Tileset::kSelectionTint : Tileset::kBlankFace);
    } else if (s.GameMode == ModeMemory && v != s.Selected1 && v != s.Selected2) {
        // Face down.
        Blit(QPainter::CompositionMode_Source, anchor, source, Tileset::kBlankFace);
        if (v == s.HoverTile && o.HighlightMode != 2)
            DrawOutline(anchor);
    } else if (!o.RiverFound) {
        const bool selected = v == s.Selected1 || v == s.Selected2;
        const bool marked = selected || v == s.HintTile1 || v == s.HintTile2;
        const bool hovered = v == s.HoverTile;
        if (marked || (hovered && o.HighlightMode == 2)) {
            if (o.Invert)
                Blit(QPainter::RasterOp_SourceXorDestination, anchor, filled_, filled_.rect());
            else
                PaintFaceOnTint(selected ? Tileset::kSelectionTint : Tileset::kHintTint, v, anchor);
        }
        if (hovered && o.HighlightMode != 2)
            DrawOutline(anchor);
    }

    if (o.Shadows && l != 4 && c >= 1 && r >= 1)
        DrawShadows(c, r, l, anchor);
}

void BoardRenderer::PaintFaceOnTint(const QRect& tint, int v, QPoint anchor) {
    const QImage& source = tileset_.TilesetSource();
    const int face = TileFace(v);
    Blit(QPainter::CompositionMode_Source, anchor, source, tint);
    Blit(QPainter::RasterOp_SourceAndDestination, anchor, source, Tileset::FaceMask(face));
    Blit(QPainter::RasterOp_SourceOrDestination, anchor, source, Tileset::FaceCell(face));
}

void BoardRenderer::DrawOutline(QPoint anchor) {
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    QPen pen(options_->Pen, 3);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_->setPen(pen);
    painter_->setBrush(Qt::NoBrush);
    // A 3-px frame around the border of the face, all of it inside the face.
    painter_->drawRect(QRect(anchor + QPoint(1, 1), QSize(37, 47)));
}

void BoardRenderer::DrawShadows(int c, int r, int l, QPoint anchor) {
    const BoardTables& board = state_->board;
    const int x = c + 1, y = r + 1, above = l + 2;
    for (const ShadowRow& row : kShadowTable) {
        if (board.Cell(x + row.cellDX, y + row.cellDY, above) == 0)
            continue;
        for (const ShadowPiece& piece : row.pieces) {
            if (piece.piece == 0)
                break;
            const QImage& picture = pieces_[piece.piece - 1];
            Blit(QPainter::CompositionMode_SourceOver, anchor + QPoint(piece.dx, piece.dy), picture,
                 picture.rect());
        }
    }
}

}  // namespace quorin
