#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "SyntheticTileset.h"
#include "board/Dealer.h"
#include "board/Placement.h"
#include "board/Tiles.h"
#include "layouts/LayoutFile.h"
#include "render/BoardRenderer.h"

namespace {

using quorin::BoardRenderer;
using quorin::DrawOptions;
using quorin::FullRect;
using quorin::Tileset;

class FixedTime : public quorin::TimeOfDaySource {
  public:
    uint32_t MillisecondsOfDayUtc() override { return 1234; }
};

class BoardRendererTest : public ::testing::Test {
  protected:
    BoardRendererTest() : renderer_(tileset_) {
        tileset_.SetPicture(source_, "synthetic", nullptr);
        renderer_.SetShadowPieces(h_, v_);
        renderer_.SetFilled(testpics::MakeFilled());
        state_.GameMode = quorin::ModeSolitaire;
    }

    // Face anchor of a cell, 1-based as the board holds it.
    static QPoint Anchor(int x, int y, int layer) {
        return {quorin::CoordX(x - 1, layer - 1, 36), quorin::CoordY(y - 1, layer - 1, 25)};
    }
    static QRect FaceAt(int x, int y, int layer) { return {Anchor(x, y, layer), QSize(40, 50)}; }

    // The same plain deal of the shipped Traditional layout every time.
    void DealTraditional() {
        const quorin::LayoutLoad layout =
            quorin::ReadLayoutFile(QUORIN_SOURCE_DIR "/data/Layouts/Traditional.lay");
        ASSERT_TRUE(layout.ok) << layout.Message();
        FixedTime time;
        quorin::Random random(time);
        quorin::SilentView view;
        state_.layout = layout.grid;
        state_.options.RandomSeed1 = true;
        state_.SeedNumber = 4242;
        quorin::PutLayoutOnBoard(state_);
        quorin::Dealer(state_, random, view).PlainDeal();
    }

    QImage Draw(const DrawOptions& o = {}) {
        renderer_.Paint(state_, o, FullRect);
        return renderer_.BoardBuffer();
    }
    QImage Part(QRect r) const { return source_.copy(r); }
    QImage FaceOnTint(QRect tint, int tile) const {
        const int face = quorin::TileFace(tile);
        return testpics::MaskPaint(Part(tint), Part(Tileset::FaceMask(face)),
                                   Part(Tileset::FaceCell(face)));
    }
    QImage Sprite(int tile) const {
        return tileset_.TileSprites().copy(
            QRect(Tileset::SpriteSlot(quorin::TileFace(tile)), QSize(46, 56)));
    }
    // Whether a board pixel lies inside the shape of the tile whose sprite starts at `at`.
    bool InShape(QPoint at, QPoint p) const {
        const QPoint m = p - at;
        return QRect(0, 0, 46, 56).contains(m) &&
               qGray(source_.pixel(138 + m.x(), 256 + m.y())) == 0;
    }

    const QImage source_ = testpics::MakeTileset();
    const QImage h_ = testpics::MakeHorizontalPiece();
    const std::array<QImage, 5> v_ = testpics::MakeVerticalPieces();
    Tileset tileset_;
    BoardRenderer renderer_;
    quorin::GameState state_;
};

TEST_F(BoardRendererTest, PlainTileIsItsSpriteInsideTheTileShape) {
    state_.board.Place(1, 4, 5, 1);
    const QRect sprite(70, 85, 46, 56);  // anchor (76, 85) with the origin at (36, 25)
    EXPECT_EQ(Draw().copy(sprite), testpics::MaskPaint(renderer_.BackgroundImage().copy(sprite),
                                                       Part(Tileset::kTileMask), Sprite(1)));
    // Redraw rectangles, once moved back to board pixels: the sprite (with the shadows' margin
    // when they are on), or the face.
    const auto image = [](quorin::TileRect r) { return quorin::TileSpaceToImage(r); };
    EXPECT_EQ(image(BoardRenderer::RedrawTileRect(state_, 1, false)),
              (quorin::TileRect{70, 85, 116, 141}));
    EXPECT_EQ(image(BoardRenderer::RedrawTileRect(state_, 1, true)),
              (quorin::TileRect{60, 75, 126, 151}));
    EXPECT_EQ(image(BoardRenderer::HLRedrawTileRect(state_, 1)),
              (quorin::TileRect{76, 85, 116, 135}));
    EXPECT_TRUE(BoardRenderer::RedrawTileRect(state_, 2, true).IsEmpty());
}

TEST_F(BoardRendererTest, HighlightedFacesShowTheirSymbolsOnTints) {
    for (int tile : {5, 50, 99})
        state_.board.Place(tile, tile / 6 + 2, 5, 1);
    const QImage plain = Draw();
    state_.Selected1 = 5;
    state_.HintTile2 = 50;
    state_.HoverTile = 99;
    DrawOptions o;
    o.HighlightMode = 2;  // "Colored Tile"
    QImage board = Draw(o);
    EXPECT_EQ(board.copy(FaceAt(2, 5, 1)), FaceOnTint(Tileset::kSelectionTint, 5));
    EXPECT_EQ(board.copy(FaceAt(10, 5, 1)), FaceOnTint(Tileset::kHintTint, 50));
    // The tile under the pointer is lit, neither hinted nor left plain: every pixel brighter.
    const QImage lit = board.copy(FaceAt(18, 5, 1));
    const QImage unlit = plain.copy(FaceAt(18, 5, 1));
    EXPECT_NE(lit, FaceOnTint(Tileset::kHintTint, 99));
    for (const QPoint p : {QPoint(0, 0), QPoint(20, 25), QPoint(39, 49)})
        EXPECT_GT(qGray(lit.pixel(p)), qGray(unlit.pixel(p))) << p.x() << "," << p.y();

    // Inverted, the selection alone is inverted: a hint keeps its tint.
    o.Invert = true;
    board = Draw(o);
    QImage expected = plain.copy(FaceAt(2, 5, 1));
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 40; ++x)
            expected.setPixel(x, y, expected.pixel(x, y) ^ 0x0060c0);
    EXPECT_EQ(board.copy(FaceAt(2, 5, 1)), expected);
    EXPECT_EQ(board.copy(FaceAt(10, 5, 1)), FaceOnTint(Tileset::kHintTint, 50));

    // A river being shown takes every overlay off.
    o.RiverFound = true;
    EXPECT_EQ(Draw(o), plain);
}

TEST_F(BoardRendererTest, BlockedTilesAreGreyedApartFromEveryOtherLookAtAnyScale) {
    for (int tile : {5, 50, 99, 120})
        state_.board.Place(tile, tile / 6 + 2, 5, 1);
    for (const double scale : {1.0, 2.0, 1.5}) {
        renderer_.SetScale(scale);
        const auto face = [&](const QImage& board, int x) {
            return board.copy(renderer_.ToImage(FaceAt(x, 5, 1)));
        };
        const QImage plain = Draw();
        DrawOptions o;
        o.Dimmed.set(120);
        EXPECT_EQ(Draw(DrawOptions{}), plain) << "none dimmed draws as before";
        // Every state of a face looks its own way: selected, hinted, lit, dimmed, plain.
        state_.Selected1 = 5;
        state_.HintTile2 = 50;
        state_.HoverTile = 99;
        o.HighlightMode = 2;
        const QImage board = Draw(o);
        const QImage dimmed = face(board, 22);
        const std::vector<QImage> others = {face(board, 2), face(board, 10), face(board, 18),
                                            face(plain, 22)};
        for (const QImage& other : others)
            EXPECT_NE(dimmed, other) << scale;
        // Greyer and of less contrast than the plain face, all over it.
        const QImage bare = face(plain, 22);
        const QPoint mid(bare.width() / 2, bare.height() / 2);
        EXPECT_LT(QColor(dimmed.pixel(mid)).saturation() + QColor(dimmed.pixel(mid)).lightness(),
                  QColor(bare.pixel(mid)).saturation() + QColor(bare.pixel(mid)).lightness());
        // Its sides and every other tile stay as they were.
        DrawOptions none = o;
        none.Dimmed.reset();
        const QImage lively = Draw(none);
        const QRect dimmedFace = renderer_.ToImage(FaceAt(22, 5, 1));
        int differ = 0;
        for (int y = 0; y < board.height(); ++y)
            for (int x = 0; x < board.width(); ++x)
                if (board.pixel(x, y) != lively.pixel(x, y)) {
                    ASSERT_TRUE(dimmedFace.contains(x, y)) << x << "," << y << " at " << scale;
                    ++differ;
                }
        // All of the face (its rectangle may reach a row into the next device pixel).
        EXPECT_GT(differ, dimmedFace.width() * dimmedFace.height() * 9 / 10) << scale;
        // A selected, hinted or lit tile shows that, blocked or not.
        o.Dimmed.set(5).set(50).set(99);
        EXPECT_EQ(Draw(o), board) << scale;
        state_.Selected1 = state_.HintTile2 = state_.HoverTile = 0;
    }
}

TEST_F(BoardRendererTest, HoverOutlineIsAThreePixelFrameInsideTheFace) {
    state_.board.Place(7, 4, 5, 1);
    const QImage plain = Draw();
    state_.HoverTile = 7;
    DrawOptions o;
    o.HighlightMode = 3;
    o.Pen = QColor(0, 128, 0);
    const QImage board = Draw(o);
    const QPoint a = Anchor(4, 5, 1);
    for (int y = -2; y < 52; ++y)
        for (int x = -2; x < 42; ++x) {
            const bool frame =
                QRect(0, 0, 40, 50).contains(x, y) && !QRect(3, 3, 34, 44).contains(x, y);
            ASSERT_EQ(board.pixel(a + QPoint(x, y)),
                      frame ? qRgb(0, 128, 0) : plain.pixel(a + QPoint(x, y)))
                << x << "," << y;
        }
}

TEST_F(BoardRendererTest, NeighboursNeverCoverAFace) {
    state_.board.Place(9, 5, 7, 1);    // one column right and two rows down of A
    state_.board.Place(13, 6, 5, 1);   // right of A
    state_.board.Place(20, 10, 5, 1);  // and one tile straight above another
    state_.board.Place(21, 10, 7, 1);
    const QImage alone = Draw();
    state_.board.Place(1, 4, 5, 1);  // A
    const QImage board = Draw();
    EXPECT_EQ(board.copy(FaceAt(5, 7, 1)), alone.copy(FaceAt(5, 7, 1)));
    EXPECT_EQ(board.copy(FaceAt(4, 5, 1)), Sprite(1).copy(6, 0, 40, 50));
    EXPECT_EQ(board.copy(FaceAt(10, 7, 1)), Sprite(21).copy(6, 0, 40, 50));
    // A keeps the left 21 px of its bottom edge and the corner after them, nothing more.
    const QPoint a = Anchor(4, 5, 1) + QPoint(-6, 50);
    const QImage edge = Sprite(1).copy(0, 50, 46, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 27; ++x) {
            const int from = x < 21 ? x : x + 19;
            const bool drawn = x < 21 || qGray(source_.pixel(178 + x - 21, 306 + y)) == 0;
            ASSERT_EQ(board.pixel(a + QPoint(x, y)),
                      drawn ? edge.pixel(from, y) : alone.pixel(a + QPoint(x, y)))
                << x << "," << y;
        }
}

TEST_F(BoardRendererTest, ShadowsFallSoftlyWhereTheTableSays) {
    struct Case {
        int dx, dy;                // the tile above, from the one receiving the shadow
        std::vector<QRect> shade;  // the pieces, from the receiving tile's face anchor
    } cases[] = {
        {0, -2, {{0, 0, 10, 20}, {10, 0, 20, 10}, {30, 0, 10, 20}}},  // V3, H, V1
        {-2, -1, {{0, 0, 10, 45}}},  // this cell is listed twice: both entries draw
    };
    DrawOptions on;
    on.Shadows = true;
    for (const Case& c : cases) {
        state_.board.ClearCells();
        state_.board.Place(1, 10, 10, 1);
        state_.board.Place(2, 10 + c.dx, 10 + c.dy, 2);
        const QImage plain = Draw();
        const QImage shaded = Draw(on);
        const QPoint anchor = Anchor(10, 10, 1);
        const QPoint upper = Anchor(10 + c.dx, 10 + c.dy, 2) - QPoint(6, 0);
        int darker = 0, checked = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 40; ++x) {
                const QPoint p = anchor + QPoint(x, y);
                if (InShape(upper, p))
                    continue;
                bool inside = false, outside = true;
                for (const QRect& r : c.shade) {
                    inside = inside || r.adjusted(1, 1, -1, -1).contains(x, y);
                    outside = outside && !r.adjusted(-2, -2, 2, 2).contains(x, y);
                }
                if (outside)
                    ASSERT_EQ(shaded.pixel(p), plain.pixel(p)) << x << "," << y;
                // Every pixel of the shadow darkens, not every other one (black stays black).
                if (inside && qGray(plain.pixel(p)) > 24) {
                    ++checked;
                    darker += qGray(shaded.pixel(p)) < qGray(plain.pixel(p));
                }
            }
        EXPECT_GT(checked, 0);
        EXPECT_EQ(darker, checked) << c.dx << "," << c.dy;
    }

    // Nothing falls on a tile of column 1, nor on one of layer 5.
    state_.board.ClearCells();
    state_.board.Place(3, 1, 9, 1);
    state_.board.Place(4, 1, 7, 2);
    state_.board.Place(5, 20, 9, 5);
    EXPECT_EQ(Draw(on), Draw());
}

TEST_F(BoardRendererTest, AtAnyScaleTilesLandOnTheirScaledPlaceAndPartsRedrawAsAWhole) {
    state_.board.Place(1, 4, 5, 1);
    state_.board.Place(9, 12, 7, 2);
    DrawOptions o;
    o.Shadows = true;
    o.Dimmed.set(9);  // selected below: the selection goes before the grey
    for (const double scale : {2.0, 1.5}) {
        renderer_.SetScale(scale);
        const QImage board = Draw(o);
        ASSERT_EQ(board.size(), (QSizeF(704, 468) * scale).toSize());
        // The middle of the tile's left edge holds the edge's colour, scaled into place; well
        // left of the tile lies the background.
        const QPoint edge = Anchor(4, 5, 1) + QPoint(-3, 25);
        const QPoint scaled(qRound(edge.x() * scale), qRound(edge.y() * scale));
        const QRgb want = source_.pixel(Tileset::kBlankTile.topLeft() + QPoint(3, 25));
        const QRgb got = board.pixel(scaled);
        // Transparency rounds a colour by a step at most.
        EXPECT_LE(std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
                      std::abs(qBlue(got) - qBlue(want)),
                  3)
            << scale;
        const QPoint away = Anchor(4, 5, 1) - QPoint(30, 0);
        EXPECT_EQ(board.pixel(qRound(away.x() * scale), qRound(away.y() * scale)),
                  renderer_.BackgroundImage().pixel(0, 0));

        // A selection redrawn in its own rectangle matches the whole board drawn again.
        state_.Selected1 = 9;
        const QRect changed =
            renderer_.Paint(state_, o, BoardRenderer::RedrawTileRect(state_, 9, true));
        const QImage partial = renderer_.BoardBuffer();
        const QImage whole = Draw(o);
        EXPECT_FALSE(changed.isEmpty());
        EXPECT_EQ(partial, whole) << scale;
        EXPECT_NE(whole, board);
        state_.Selected1 = 0;
    }
}

TEST_F(BoardRendererTest, PartialRedrawMatchesAFullOneInsideAndTouchesNothingOutside) {
    ASSERT_NO_FATAL_FAILURE(DealTraditional());

    DrawOptions o;
    o.Shadows = true;
    o.HighlightMode = 1;
    o.Pen = Qt::red;
    // "Only Possible Moves" greys some of the tiles around the ones redrawn.
    for (int t = 3; t <= quorin::kTileCount; t += 3)
        o.Dimmed.set(static_cast<size_t>(t));
    for (int tile : {1, 77, 144}) {
        const QImage before = Draw(o);
        state_.Selected1 = static_cast<uint8_t>(tile);
        state_.HoverTile = static_cast<uint8_t>(145 - tile);
        BoardRenderer fresh(tileset_);
        fresh.SetShadowPieces(h_, v_);
        fresh.Paint(state_, o, FullRect);

        const QRect r1 =
            renderer_.Paint(state_, o, BoardRenderer::RedrawTileRect(state_, tile, true));
        const QRect r2 =
            renderer_.Paint(state_, o, BoardRenderer::HLRedrawTileRect(state_, 145 - tile));
        EXPECT_EQ(r1.size(), QSize(66, 76));
        EXPECT_EQ(r2, FaceAt(state_.board.TilePos[145 - tile].x, state_.board.TilePos[145 - tile].y,
                             state_.board.TilePos[145 - tile].layer));
        const QImage& board = renderer_.BoardBuffer();
        for (int y = 0; y < board.height(); ++y)
            for (int x = 0; x < board.width(); ++x) {
                const bool inside = r1.contains(x, y) || r2.contains(x, y);
                ASSERT_EQ(board.pixel(x, y), (inside ? fresh.BoardBuffer() : before).pixel(x, y))
                    << "tile " << tile << " at " << x << "," << y;
            }
        state_.Selected1 = state_.HoverTile = 0;
    }
    EXPECT_TRUE(renderer_.Paint(state_, o, {10, 10, 10, 50}).isEmpty());
    EXPECT_TRUE(renderer_.Paint(state_, o, {-900, -900, -800, -800}).isEmpty());
}

TEST_F(BoardRendererTest, ATileTakenAwayTakesAllOfItsShadowWithItAtAnyScale) {
    // The shipped pieces: their dots cover only part of each, unlike the synthetic ones.
    std::array<QImage, 5> vertical;
    for (int i = 0; i < 5; ++i)
        vertical[i] = QImage(QString(QUORIN_SOURCE_DIR "/resources/bitmaps/%1.bmp").arg(9 + i));
    const QImage horizontal(QUORIN_SOURCE_DIR "/resources/bitmaps/3.bmp");
    DrawOptions o;
    o.Shadows = true;
    for (const double scale : {1.0, 1.5}) {
        ASSERT_NO_FATAL_FAILURE(DealTraditional());
        BoardRenderer played(tileset_), fresh(tileset_);
        for (BoardRenderer* r : {&played, &fresh}) {
            r->SetShadowPieces(horizontal, vertical);
            r->SetScale(scale);
        }
        played.Paint(state_, o, FullRect);
        // Every tile that casts a shadow, top layer first, taken away as a pair is.
        for (int layer = quorin::kLayers; layer >= 2; --layer)
            for (int tile = 1; tile <= quorin::kTileCount; ++tile) {
                const quorin::TilePosition p = state_.board.TilePos[tile];
                if (!p.OnBoard() || p.layer != layer)
                    continue;
                state_.board.SetCell(p.x, p.y, p.layer, 0);
                played.Paint(state_, o, BoardRenderer::RedrawTileRect(state_, tile, true));
                state_.board.TilePos[tile] = {};
                fresh.Paint(state_, o, FullRect);
                ASSERT_EQ(played.BoardBuffer(), fresh.BoardBuffer())
                    << "tile " << tile << " of layer " << layer << " at scale " << scale;
            }
    }
}

TEST_F(BoardRendererTest, FacesInMemoryTheEditorAndClicks) {
    state_.board.Place(1, 4, 5, 1);
    state_.board.Place(2, 10, 5, 1);
    state_.board.Place(3, 15, 3, 1);
    state_.GameMode = quorin::ModeMemory;
    state_.Selected1 = 2;
    state_.HoverTile = 3;
    DrawOptions o;
    o.HighlightMode = 1;
    o.Pen = Qt::red;
    QImage board = Draw(o);
    const QImage blank = Part(Tileset::kBlankFace);
    EXPECT_EQ(board.copy(FaceAt(4, 5, 1)), blank);
    EXPECT_EQ(board.copy(FaceAt(10, 5, 1)), FaceOnTint(Tileset::kSelectionTint, 2));
    // Face down under the outline.
    EXPECT_EQ(board.pixel(Anchor(15, 3, 1) + QPoint(1, 1)), qRgb(255, 0, 0));
    EXPECT_EQ(board.copy(FaceAt(15, 3, 1).adjusted(3, 3, -3, -3)), blank.copy(3, 3, 34, 44));

    // The editor shows blank tiles, and the ghost on an empty cell with the selection face;
    // the tile up and to the left of the ghost leaves the ghost's face alone.
    state_.GameMode = quorin::ModeEditor;
    o.GhostX = 15;
    o.GhostY = 4;
    o.GhostLayer = 0;
    board = Draw(o);
    EXPECT_EQ(board.copy(FaceAt(10, 5, 1)), blank);
    EXPECT_EQ(board.copy(FaceAt(16, 5, 1)), Part(Tileset::kSelectionTint));

    state_.GameMode = quorin::ModeClicks;
    EXPECT_EQ(Draw(), renderer_.BackgroundImage());
}

TEST_F(BoardRendererTest, SmallBackgroundsAreTiledLargeOnesDrawnOnce) {
    QImage small(100, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            small.setPixel(x, y, qRgb(x, y, x ^ y));
    renderer_.SetBackgroundPicture(small);
    for (int y = 0; y < 468; ++y)
        for (int x = 0; x < 704; ++x)
            ASSERT_EQ(renderer_.BackgroundImage().pixel(x, y), small.pixel(x % 100, y % 100));

    const QImage large = small.scaled(800, 500);
    renderer_.SetBackgroundPicture(large);
    EXPECT_EQ(renderer_.BackgroundImage(), large.copy(0, 0, 704, 468));

    renderer_.SetBackgroundColor(QColor(0, 128, 128));
    renderer_.ShowFond();
    EXPECT_EQ(renderer_.BoardBuffer().pixel(350, 200), qRgb(0, 128, 128));
    EXPECT_EQ(renderer_.BoardBuffer(), renderer_.BackgroundImage());
}

}  // namespace
TEST_F(BoardRendererTest, AtTwiceTheScaleTheShippedTilesetDrawsFromItsFinerPicture) {
    Tileset shipped;
    ASSERT_TRUE(shipped.Load(QUORIN_SOURCE_DIR "/data/Tilesets/pai.bmp", nullptr));
    const QImage& finer = shipped.FinerSource(2);
    ASSERT_EQ(finer.size(), shipped.TilesetSource().size() * 2);
    BoardRenderer r(shipped);
    state_.board.Place(5, 4, 5, 1);
    state_.Selected1 = 5;
    r.SetScale(2);
    r.Paint(state_, {}, FullRect);
    // The whole face lies on the selection tint, pixel for pixel of the finer picture.
    const QPoint face = Anchor(4, 5, 1) * 2;
    for (const QPoint p : {QPoint(76, 96), QPoint(4, 96), QPoint(76, 4)})
        EXPECT_EQ(r.BoardBuffer().pixel(face + p),
                  finer.pixel(Tileset::kSelectionTint.topLeft() * 2 + p))
            << p.x() << "," << p.y();
}
