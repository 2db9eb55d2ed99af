// Draws the tile games' board into an off-screen image: the background, then the tiles layer
// by layer with their highlights and shadows. It only reads the game state; the window
// decides when to draw and copies the changed rectangle to the screen.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <array>
#include <bitset>

#include "board/GameState.h"
#include "render/Geometry.h"
#include "render/ScaledTiles.h"
#include "render/SecondHand.h"
#include "render/Tileset.h"

namespace quorin {

struct DrawOptions {
    bool Shadows = false;   // "Enable 3D shadows on tilesets"
    bool Invert = false;    // "Invert selection"
    int HighlightMode = 0;  // 0 none, 1 red, 2 "Colored Tile", 3 green, 4 blue
    QColor Pen{0, 128, 0};  // hover outline, 3 px wide
    // Layout editor: 0-based cell of the ghost tile, -1 when there is none.
    int GhostX = -1;
    int GhostY = -1;
    int GhostLayer = -1;
    bool RiverFound = false;  // a Rivers path is being shown: no selection or hover overlays
    // "Only Possible Moves": the tiles the player cannot take now, drawn greyed. Selection,
    // hint and the lit tile go before it.
    std::bitset<kTileCount + 1> Dimmed;
};

class BoardRenderer {
  public:
    static constexpr int kWidth = 704;
    static constexpr int kHeight = 468;

    // The tileset is read at every draw and must outlive the renderer.
    explicit BoardRenderer(const Tileset& tileset);

    // Device pixels per board pixel: the board image becomes kWidth x kHeight times `scale`
    // and every later Paint draws at that size; the background is laid again and must be
    // painted over (ShowFond or a full Paint). At 1 the tiles are combined with the
    // tileset's masks exactly; at any other scale from pieces resampled to their size.
    void SetScale(double scale);
    double Scale() const { return scale_; }
    // A rectangle of board pixels on the board image, covering every device pixel it touches.
    QRect ToImage(const QRect& board) const;

    // Shadow pieces: H is 20 x 10, V1..V5 are 10 x 20 (V0 is the same picture as V1 and
    // never needed apart). Black pixels are not drawn; the dots of the others give the
    // density of a soft shadow of their colour.
    void SetShadowPieces(const QImage& horizontal, const std::array<QImage, 5>& vertical);
    // The 40 x 50 picture XORed over selected faces with "Invert selection".
    void SetFilled(const QImage& filled);

    // A picture at least as large as the board is drawn once from the top-left corner;
    // a smaller one is repeated in rows and columns from there.
    void SetBackgroundPicture(const QImage& picture);
    void SetBackgroundColor(const QColor& color);
    // Shows the bare background: all of it is copied onto the board image.
    void ShowFond();

    // Rebuilds `dirty` (tile space; FullRect for everything) and returns the rectangle of
    // BoardBuffer() that changed, in image (device) pixels, possibly empty. Nothing outside
    // it is touched.
    QRect Paint(const GameState& state, const DrawOptions& options, TileRect dirty);

    // The area a tile change touches, in tile space: the whole tile, with room for the
    // shadows it casts when they are on. Empty for a tile that has no position.
    static TileRect RedrawTileRect(const GameState& state, int tile, bool shadows);
    // The face alone, for hover changes.
    static TileRect HLRedrawTileRect(const GameState& state, int tile);

    // --- Clicks ---
    // The pieces of colours 1..6, 38 x 38; black pixels are not drawn.
    void SetClicksPieces(const std::array<QImage, 6>& pieces);

    const QImage& BackgroundImage() const { return background_; }
    const QImage& BoardBuffer() const { return buffer_; }

  private:
    // What the face of a tile shows, apart from the tile itself.
    enum class Look { Plain, FaceDown, Selected, Hinted, Lit, Dimmed, Blank, Ghost };
    Look LookOf(int c, int r, int v, int l, bool* outline) const;

    // One drawing pass over part of the board image: its painter, the part in image pixels
    // (nothing outside it is drawn) and the tiles to draw, as Paint's `dirty`.
    struct Pass {
        QPainter* painter;
        QRect clip;
        TileRect dirty;
    };
    // Parts of at least this many pixels are drawn on two threads.
    static constexpr int kSplitArea = 1 << 14;

    void LayBackground();
    void DrawPass(Pass& pass);
    void ShowIt(Pass& pass, int c, int r, int v, int l);
    void ShowScaled(Pass& pass, int c, int r, int v, int l, Look look, bool outline);
    void DrawLitWash(Pass& pass, const QRect& face);
    void DrawDimWash(Pass& pass, const QRect& face);
    void PaintFaceOnTint(Pass& pass, const QRect& tint, int v, QPoint anchor);
    void DrawOutline(Pass& pass, QPoint anchor);
    void DrawShadows(Pass& pass, int c, int r, int l, QPoint anchor);
    bool IsGhost(int c, int r, int l) const;
    void Blit(Pass& pass, QPainter::CompositionMode mode, QPoint to, const QImage& from,
              const QRect& part);

    static QImage BlackToTransparent(const QImage& piece);
    // A half-tone shadow piece as a smooth shadow: its dots averaged into a soft alpha.
    static QImage SoftShadow(const QImage& piece);

    // --- Clicks ---
    void PrepareClicksPieces();
    void RedrawClicks(Pass& pass);
    std::array<QImage, 6> clicksPieces_;
    std::array<QImage, 6> scaledClicksPieces_;

    const Tileset& tileset_;
    double scale_ = 1;
    ScaledTiles scaled_;
    QImage backgroundPicture_;  // as set, null for a plain colour
    QColor backgroundColor_{0, 128, 128};
    std::array<QImage, 6> scaledPieces_;  // pieces_ at scale_
    QImage scaledFilled_;
    QImage background_;
    QImage buffer_;
    QImage filled_;
    std::array<QImage, 6> pieces_;     // H, V1..V5, soft
    std::array<QRect, 6> pieceShade_;  // where each piece has any shade at all

    SecondHand secondHand_;
    // Set for the length of one Paint, and only read while it draws.
    const GameState* state_ = nullptr;
    const DrawOptions* options_ = nullptr;
};

}  // namespace quorin
