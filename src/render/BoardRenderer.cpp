#include "render/BoardRenderer.h"

#include <QPen>

#include <algorithm>
#include <cmath>

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
    background_.fill(backgroundColor_);
    buffer_ = background_.copy();
}

void BoardRenderer::SetScale(double scale) {
    scale = std::clamp(scale, 1.0, 8.0);
    if (scale == scale_)
        return;
    scale_ = scale;
    // Device-sized pieces are made when first drawn, so several size changes in a row cost
    // one preparation.
    scaledPieces_ = {};
    scaledFilled_ = {};
    const QSize size(static_cast<int>(std::lround(kWidth * scale)),
                     static_cast<int>(std::lround(kHeight * scale)));
    background_ = QImage(size, QImage::Format_RGB32);
    buffer_ = QImage(size, QImage::Format_RGB32);
    LayBackground();
    buffer_ = background_.copy();
}

QRect BoardRenderer::ToImage(const QRect& board) const {
    if (scale_ == 1)
        return board;
    const int left = static_cast<int>(std::floor(board.left() * scale_));
    const int top = static_cast<int>(std::floor(board.top() * scale_));
    const int right = static_cast<int>(std::ceil((board.right() + 1) * scale_));
    const int bottom = static_cast<int>(std::ceil((board.bottom() + 1) * scale_));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & buffer_.rect();
}

QImage BoardRenderer::SoftShadow(const QImage& piece) {
    if (piece.isNull())
        return {};
    const QImage in = piece.convertToFormat(QImage::Format_RGB32);
    // The colour of the dots, and each pixel's share of dots around it: a half-tone of every
    // other pixel becomes an even shadow whose edges fade over a pixel.
    // The softening stays within the dots' own bounds: the redraw rectangles of a tile
    // taken away are cut to them, and a shade beyond would be left behind on the board.
    QRgb colour = qRgb(48, 48, 56);
    QRect dotted;
    for (int y = 0; y < in.height(); ++y)
        for (int x = 0; x < in.width(); ++x)
            if ((in.pixel(x, y) & 0x00ffffffu) != 0) {
                colour = in.pixel(x, y);
                dotted |= QRect(x, y, 1, 1);
            }
    QImage out(in.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    for (int y = dotted.top(); y <= dotted.bottom(); ++y)
        for (int x = dotted.left(); x <= dotted.right(); ++x) {
            int dots = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int px = x + dx, py = y + dy;
                    if (in.rect().contains(px, py) && (in.pixel(px, py) & 0x00ffffffu) != 0)
                        ++dots;
                }
            // Four or five dots of nine is the half-tone at full strength.
            const int a = std::min(255, dots * 150 / 4);
            const int alpha = a * 170 / 255;
            out.setPixel(x, y,
                         qRgba(qRed(colour) * alpha / 255, qGreen(colour) * alpha / 255,
                               qBlue(colour) * alpha / 255, alpha));
        }
    return out;
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
    pieces_[H - 1] = SoftShadow(horizontal);
    for (int i = 0; i < 5; ++i)
        pieces_[V1 - 1 + i] = SoftShadow(vertical[i]);
    for (size_t i = 0; i < pieces_.size(); ++i) {
        pieceShade_[i] = {};
        for (int y = 0; y < pieces_[i].height(); ++y)
            for (int x = 0; x < pieces_[i].width(); ++x)
                if (qAlpha(pieces_[i].pixel(x, y)) != 0)
                    pieceShade_[i] |= QRect(x, y, 1, 1);
    }
    scaledPieces_ = {};
}

void BoardRenderer::SetFilled(const QImage& filled) {
    filled_ = filled.convertToFormat(QImage::Format_RGB32);
    scaledFilled_ = {};
}

void BoardRenderer::SetBackgroundPicture(const QImage& picture) {
    if (picture.isNull())
        return;
    backgroundPicture_ = picture.convertToFormat(QImage::Format_RGB32);
    LayBackground();
}

void BoardRenderer::SetBackgroundColor(const QColor& color) {
    backgroundPicture_ = {};
    backgroundColor_ = color;
    LayBackground();
}

void BoardRenderer::LayBackground() {
    const QImage& source = backgroundPicture_;
    if (source.isNull()) {
        background_.fill(backgroundColor_);
        return;
    }
    QPainter p(&background_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (source.width() >= kWidth && source.height() >= kHeight) {
        // A picture of the whole board keeps its composition at every size.
        if (scale_ == 1)
            p.drawImage(0, 0, source);
        else
            p.drawImage(0, 0, ResampleTo(source, (QSizeF(source.size()) * scale_).toSize()));
        return;
    }
    // A pattern is repeated at its own pixels, so it stays sharp.
    for (int y = 0; y < background_.height(); y += source.height())
        for (int x = 0; x < background_.width(); x += source.width())
            p.drawImage(x, y, source);
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
        changed &= ToImage(ImageRect(dirty));
        if (changed.isEmpty())
            return {};
    }
    if (scale_ != 1) {
        scaled_.Prepare(tileset_, scale_);
        if (scaledPieces_[0].isNull())
            for (size_t i = 0; i < pieces_.size(); ++i)
                if (!pieces_[i].isNull())
                    scaledPieces_[i] =
                        ResampleTo(pieces_[i], (QSizeF(pieces_[i].size()) * scale_).toSize());
        if (scaledFilled_.isNull() && !filled_.isNull())
            scaledFilled_ = ResampleTo(filled_, QSize(scaled_.Length(40), scaled_.Length(50)));
        if (state.GameMode == ModeClicks)
            PrepareClicksPieces();
    }

    state_ = &state;
    options_ = &options;
    if (changed.width() * changed.height() >= kSplitArea) {
        // A large part is drawn in two bands at once, the lower one by the second thread.
        // Each band draws everything that reaches into it in the same order as one pass
        // would, so the pixels are the same.
        uchar* const bits = buffer_.bits();
        const qsizetype line = buffer_.bytesPerLine();
        auto band = [&](int top, int bottom) {
            const QRect part(changed.left(), top, changed.width(), bottom - top);
            QImage rows(bits + top * line + changed.left() * (buffer_.depth() / 8), part.width(),
                        part.height(), line, buffer_.format());
            QPainter painter(&rows);
            painter.translate(-part.topLeft());
            Pass pass{&painter, part, dirty};
            DrawPass(pass);
        };
        const int middle = changed.top() + changed.height() / 2;
        secondHand_.Share([&] { band(changed.top(), middle); },
                          [&] { band(middle, changed.bottom() + 1); });
    } else {
        QPainter painter(&buffer_);
        // Tiles that reach into the rectangle are drawn whole by the scan; the clip keeps the
        // rest of them, and whatever lies over them outside the rectangle, as it was.
        if (!dirty.IsFull())
            painter.setClipRect(changed);
        Pass pass{&painter, changed, dirty};
        DrawPass(pass);
    }
    state_ = nullptr;
    options_ = nullptr;
    return changed;
}

void BoardRenderer::DrawPass(Pass& pass) {
    const GameState& state = *state_;
    Blit(pass, QPainter::CompositionMode_Source, pass.clip.topLeft(), background_, pass.clip);
    if (state.GameMode == ModeClicks) {
        RedrawClicks(pass);
        return;
    }
    const BoardTables& board = state.board;
    const bool ghost = options_->GhostLayer >= 0;
    // Layers upward, columns right to left, rows downward: left tiles cover their right
    // neighbours' edges, lower tiles the bottom edges of the tiles above them.
    for (int layer = 1; layer <= kLayers; ++layer)
        for (int x = kColumns; x >= 1; --x)
            for (int y = 1; y <= kRows; ++y) {
                const int v = board.Cell(x, y, layer);
                if ((v >= 1 && v <= 154) || (ghost && IsGhost(x - 1, y - 1, layer - 1)))
                    ShowIt(pass, x - 1, y - 1, v, layer - 1);
            }
}

bool BoardRenderer::IsGhost(int c, int r, int l) const {
    return c == options_->GhostX && r == options_->GhostY && l == options_->GhostLayer;
}

void BoardRenderer::Blit(Pass& pass, QPainter::CompositionMode mode, QPoint to, const QImage& from,
                         const QRect& part) {
    // Most pieces of the tiles a small redraw touches fall outside it: skip them before the
    // painter does any work.
    if (!pass.clip.intersects(QRect(to, part.size())))
        return;
    pass.painter->setCompositionMode(mode);
    pass.painter->drawImage(to, from, part);
}

BoardRenderer::Look BoardRenderer::LookOf(int c, int r, int v, int l, bool* outline) const {
    const GameState& s = *state_;
    const DrawOptions& o = *options_;
    *outline = false;
    if (s.GameMode == ModeEditor)
        return IsGhost(c, r, l) ? Look::Ghost : Look::Blank;
    const bool hovered = v == s.HoverTile;
    if (s.GameMode == ModeMemory && v != s.Selected1 && v != s.Selected2) {
        *outline = hovered && o.HighlightMode != 2;
        return Look::FaceDown;
    }
    if (o.RiverFound)
        return Look::Plain;
    *outline = hovered && o.HighlightMode != 2;
    if (v == s.Selected1 || v == s.Selected2)
        return Look::Selected;
    if (v == s.HintTile1 || v == s.HintTile2)
        return Look::Hinted;
    // "Colored Tile" lights the tile under the pointer rather than tinting it like a hint.
    if (hovered && o.HighlightMode == 2)
        return Look::Lit;
    return v <= kTileCount && o.Dimmed.test(static_cast<size_t>(v)) ? Look::Dimmed : Look::Plain;
}

void BoardRenderer::ShowIt(Pass& pass, int c, int r, int v, int l) {
    const GameState& s = *state_;
    const int ax = CoordX(c, l, s.BoardOriginX);
    const int ay = CoordY(r, l, s.BoardOriginY);
    // The sprite in tile space against the dirty rectangle, before any drawing.
    if (!pass.dirty.IsFull() && !(ax + 20 < pass.dirty.Right && pass.dirty.Left < ax + 66 &&
                                  ay + 19 < pass.dirty.Bottom && pass.dirty.Top < ay + 75))
        return;
    bool outline = false;
    const Look look = LookOf(c, r, v, l, &outline);
    if (scale_ != 1) {
        ShowScaled(pass, c, r, v, l, look, outline);
        return;
    }

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
        Blit(pass, QPainter::RasterOp_SourceAndDestination, spriteAt, source, Tileset::kTileMask);
        Blit(pass, QPainter::RasterOp_SourceOrDestination, spriteAt, sprites,
             QRect(slot, QSize(46, 56)));
    } else {
        Blit(pass, QPainter::RasterOp_SourceAndDestination, spriteAt, source,
             QRect(Tileset::kTileMask.topLeft(), QSize(46, 50)));
        Blit(pass, QPainter::RasterOp_SourceOrDestination, spriteAt, sprites,
             QRect(slot, QSize(46, 50)));
        Blit(pass, QPainter::CompositionMode_Source, QPoint(ax - 6, ay + 50), sprites,
             QRect(slot + QPoint(0, 50), QSize(21, 6)));
        const QPoint cornerAt(ax + 15, ay + 50);
        Blit(pass, QPainter::RasterOp_SourceAndDestination, cornerAt, source, Tileset::kCornerMask);
        Blit(pass, QPainter::RasterOp_SourceOrDestination, cornerAt, sprites,
             QRect(slot + QPoint(40, 50), QSize(6, 6)));
    }

    switch (look) {
        case Look::Blank:
        case Look::FaceDown:
            Blit(pass, QPainter::CompositionMode_Source, anchor, source, Tileset::kBlankFace);
            break;
        case Look::Ghost:
            Blit(pass, QPainter::CompositionMode_Source, anchor, source, Tileset::kSelectionTint);
            break;
        case Look::Selected:
            if (options_->Invert)
                Blit(pass, QPainter::RasterOp_SourceXorDestination, anchor, filled_,
                     filled_.rect());
            else
                PaintFaceOnTint(pass, Tileset::kSelectionTint, v, anchor);
            break;
        case Look::Hinted:
            PaintFaceOnTint(pass, Tileset::kHintTint, v, anchor);
            break;
        case Look::Lit:
            DrawLitWash(pass, QRect(anchor, QSize(40, 50)));
            break;
        case Look::Dimmed:
            DrawDimWash(pass, QRect(anchor, QSize(40, 50)));
            break;
        case Look::Plain:
            break;
    }
    if (outline)
        DrawOutline(pass, anchor);

    if (options_->Shadows && l != 4 && c >= 1 && r >= 1)
        DrawShadows(pass, c, r, l, anchor);
}

void BoardRenderer::ShowScaled(Pass& pass, int c, int r, int v, int l, Look look, bool outline) {
    const GameState& s = *state_;
    const int ax = CoordX(c, l, s.BoardOriginX);
    const int ay = CoordY(r, l, s.BoardOriginY);
    const ScaledTiles& t = scaled_;
    const QPoint anchor = t.At(ax, ay);
    const QPoint spriteAt = t.At(ax - 6, ay);
    const QImage& sprite = t.Sprite(s.GameMode == ModeEditor ? 1 : TileFace(v));

    const bool clipped = s.board.Cell(c + 2, r + 3, l + 1) != 0 || IsGhost(c + 1, r + 2, l);
    if (!clipped) {
        Blit(pass, QPainter::CompositionMode_SourceOver, spriteAt, sprite, sprite.rect());
    } else {
        // The face and the left end of the bottom edge, then the corner that closes it.
        const int faceBottom = t.Length(50);
        Blit(pass, QPainter::CompositionMode_SourceOver, spriteAt, sprite,
             QRect(0, 0, sprite.width(), faceBottom));
        Blit(pass, QPainter::CompositionMode_SourceOver, spriteAt + QPoint(0, faceBottom), sprite,
             QRect(0, faceBottom, t.Length(21), sprite.height() - faceBottom));
        Blit(pass, QPainter::CompositionMode_SourceOver, t.At(ax + 15, ay + 50), sprite,
             QRect(t.Length(46), faceBottom, sprite.width() - t.Length(46),
                   sprite.height() - faceBottom));
    }

    auto faceOn = [&](const QImage& tint) {
        Blit(pass, QPainter::CompositionMode_Source, anchor, tint, tint.rect());
        const QImage& symbols = t.Symbols(TileFace(v));
        Blit(pass, QPainter::CompositionMode_SourceOver, anchor, symbols, symbols.rect());
    };
    switch (look) {
        case Look::Blank:
        case Look::FaceDown:
            Blit(pass, QPainter::CompositionMode_Source, anchor, t.BlankFace(),
                 t.BlankFace().rect());
            break;
        case Look::Ghost:
            Blit(pass, QPainter::CompositionMode_Source, anchor, t.SelectionTint(),
                 t.SelectionTint().rect());
            break;
        case Look::Selected:
            if (options_->Invert)
                Blit(pass, QPainter::RasterOp_SourceXorDestination, anchor, scaledFilled_,
                     scaledFilled_.rect());
            else
                faceOn(t.SelectionTint());
            break;
        case Look::Hinted:
            faceOn(t.HintTint());
            break;
        case Look::Lit:
            DrawLitWash(pass, QRect(anchor, QSize(t.Length(40), t.Length(50))));
            break;
        case Look::Dimmed:
            DrawDimWash(pass, QRect(anchor, QSize(t.Length(40), t.Length(50))));
            break;
        case Look::Plain:
            break;
    }
    if (outline)
        DrawOutline(pass, QPoint(ax, ay));
    if (options_->Shadows && l != 4 && c >= 1 && r >= 1)
        DrawShadows(pass, c, r, l, QPoint(ax, ay));
}

void BoardRenderer::DrawLitWash(Pass& pass, const QRect& face) {
    if (!pass.clip.intersects(face))
        return;
    // A warm light over the whole face, symbols included: brighter, not another colour.
    pass.painter->setCompositionMode(QPainter::CompositionMode_Screen);
    pass.painter->fillRect(face, QColor(110, 95, 40));
}

void BoardRenderer::DrawDimWash(Pass& pass, const QRect& face) {
    if (!pass.clip.intersects(face))
        return;
    // A veil of cool grey over the face: its colours and the contrast of its symbols fade,
    // light and dark tilesets alike, and no tint of a selection, hint or light is like it.
    pass.painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    pass.painter->fillRect(face, QColor(96, 100, 112, 150));
}

void BoardRenderer::PaintFaceOnTint(Pass& pass, const QRect& tint, int v, QPoint anchor) {
    const QImage& source = tileset_.TilesetSource();
    const int face = TileFace(v);
    Blit(pass, QPainter::CompositionMode_Source, anchor, source, tint);
    Blit(pass, QPainter::RasterOp_SourceAndDestination, anchor, source, Tileset::FaceMask(face));
    Blit(pass, QPainter::RasterOp_SourceOrDestination, anchor, source, Tileset::FaceCell(face));
}

void BoardRenderer::DrawOutline(Pass& pass, QPoint anchor) {
    pass.painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (scale_ != 1) {
        // The same frame, three board pixels wide, on the device's pixels.
        const QRect face(scaled_.At(anchor.x(), anchor.y()),
                         QSize(scaled_.Length(40), scaled_.Length(50)));
        const int width = scaled_.Length(3);
        const QBrush brush(options_->Pen);
        pass.painter->fillRect(QRect(face.left(), face.top(), face.width(), width), brush);
        pass.painter->fillRect(QRect(face.left(), face.bottom() - width + 1, face.width(), width),
                               brush);
        pass.painter->fillRect(QRect(face.left(), face.top(), width, face.height()), brush);
        pass.painter->fillRect(QRect(face.right() - width + 1, face.top(), width, face.height()),
                               brush);
        return;
    }
    QPen pen(options_->Pen, 3);
    pen.setJoinStyle(Qt::MiterJoin);
    pass.painter->setPen(pen);
    pass.painter->setBrush(Qt::NoBrush);
    // A 3-px frame around the border of the face, all of it inside the face.
    pass.painter->drawRect(QRect(anchor + QPoint(1, 1), QSize(37, 47)));
}

void BoardRenderer::DrawShadows(Pass& pass, int c, int r, int l, QPoint anchor) {
    const BoardTables& board = state_->board;
    const int x = c + 1, y = r + 1, above = l + 2;
    for (const ShadowRow& row : kShadowTable) {
        if (board.Cell(x + row.cellDX, y + row.cellDY, above) == 0)
            continue;
        for (const ShadowPiece& piece : row.pieces) {
            if (piece.piece == 0)
                break;
            const QPoint at = anchor + QPoint(piece.dx, piece.dy);
            if (scale_ == 1) {
                const QImage& picture = pieces_[piece.piece - 1];
                Blit(pass, QPainter::CompositionMode_SourceOver, at, picture, picture.rect());
            } else {
                // Resampling blurs a piece past its shade by a pixel; a redraw that covers the
                // shade must cover every pixel it darkens, so the blur is cut back to it.
                const size_t i = piece.piece - 1u;
                const QImage& picture = scaledPieces_[i];
                const QPoint origin = scaled_.At(at.x(), at.y());
                const QRect part =
                    ToImage(pieceShade_[i].translated(at)).translated(-origin) & picture.rect();
                Blit(pass, QPainter::CompositionMode_SourceOver, origin + part.topLeft(), picture,
                     part);
            }
        }
    }
}

}  // namespace quorin
