// Drawing the board: a full redraw of a dealt Traditional game, and the redraw of one tile.
#include <QFile>

#include <QImage>
#include <algorithm>

#include <benchmark/benchmark.h>

#include "board/BoardView.h"
#include "board/Dealer.h"
#include "board/Placement.h"
#include "layouts/LayoutFile.h"
#include "render/BoardRenderer.h"
#include "render/Tileset.h"

namespace {

class FixedTime : public quorin::TimeOfDaySource {
  public:
    uint32_t MillisecondsOfDayUtc() override { return 0; }
};

// Dark-grey checkerboard pieces, the way the shipped ones look.
QImage Piece(int w, int h) {
    QImage piece(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            piece.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(48, 48, 56));
    return piece;
}

struct Scene {
    quorin::GameState state;
    quorin::Tileset tileset;
    quorin::BoardRenderer renderer{tileset};
    quorin::DrawOptions options;

    Scene() {
        const QString shipped = QUORIN_SOURCE_DIR "/data/Tilesets/pai.bmp";
        QImage picture(384, 576, QImage::Format_RGB32);
        picture.fill(qRgb(200, 160, 90));
        if (!QFile::exists(shipped) || !tileset.Load(shipped, nullptr))
            tileset.SetPicture(picture, "plain", nullptr);
        renderer.SetShadowPieces(Piece(20, 10), {Piece(10, 20), Piece(10, 20), Piece(10, 20),
                                                 Piece(10, 20), Piece(10, 20)});
        const quorin::LayoutLoad layout =
            quorin::ReadLayoutFile(QUORIN_SOURCE_DIR "/data/Layouts/Traditional.lay");
        state.layout = layout.grid;
        state.GameMode = quorin::ModeSolitaire;
        state.options.RandomSeed1 = true;
        state.SeedNumber = 2024;
        FixedTime time;
        quorin::Random random(time);
        quorin::SilentView view;
        quorin::PutLayoutOnBoard(state);
        quorin::Dealer(state, random, view).PlainDeal();
        options.Shadows = true;
        options.HighlightMode = 3;
    }
};

// The board filling a 2560 x 1440 area of a screen of pixel ratio 2: as large as fits.
constexpr double kLargeScale =
    std::min(2560.0 / quorin::BoardRenderer::kWidth, 1440.0 / quorin::BoardRenderer::kHeight);

void FullRedraw(benchmark::State& st, double scale) {
    Scene scene;
    scene.renderer.SetScale(scale);
    scene.renderer.Paint(scene.state, scene.options, quorin::FullRect);  // pieces made once
    for (auto _ : st) {
        benchmark::DoNotOptimize(
            scene.renderer.Paint(scene.state, scene.options, quorin::FullRect));
    }
}

void RedrawTile(benchmark::State& st, double scale) {
    Scene scene;
    scene.renderer.SetScale(scale);
    scene.renderer.Paint(scene.state, scene.options, quorin::FullRect);
    // A tile of the second layer: neighbours all round and shadows falling on it.
    uint8_t tile = 1;
    while (tile < quorin::kTileCount && scene.state.board.TilePos[tile].layer != 2)
        ++tile;
    const quorin::TileRect rect = quorin::BoardRenderer::RedrawTileRect(scene.state, tile, true);
    for (auto _ : st) {
        scene.state.Selected1 = scene.state.Selected1 ? 0 : tile;
        benchmark::DoNotOptimize(scene.renderer.Paint(scene.state, scene.options, rect));
    }
}

void BM_FullRedraw(benchmark::State& st) {
    FullRedraw(st, 1);
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

void BM_RedrawTile(benchmark::State& st) {
    RedrawTile(st, 1);
}
BENCHMARK(BM_RedrawTile)->Unit(benchmark::kMicrosecond);

void BM_FullRedrawLarge(benchmark::State& st) {
    FullRedraw(st, kLargeScale);
}
BENCHMARK(BM_FullRedrawLarge)->Unit(benchmark::kMillisecond);

void BM_RedrawTileLarge(benchmark::State& st) {
    RedrawTile(st, kLargeScale);
}
BENCHMARK(BM_RedrawTileLarge)->Unit(benchmark::kMicrosecond);

// Making the pieces for a new size, as a resize of the window does once.
void BM_PrepareLargePieces(benchmark::State& st) {
    Scene scene;
    double scale = kLargeScale;
    for (auto _ : st) {
        scale = scale == kLargeScale ? kLargeScale - 0.01 : kLargeScale;
        scene.renderer.SetScale(scale);
        benchmark::DoNotOptimize(
            scene.renderer.Paint(scene.state, scene.options, quorin::FullRect));
    }
}
BENCHMARK(BM_PrepareLargePieces)->Unit(benchmark::kMillisecond);

}  // namespace
