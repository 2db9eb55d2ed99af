// Figures for the board core: dealing every shipped layout both ways, the winnable reshuffle
// and the free-tile count that runs on every clock tick.
//
//   quorin_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/BoardView.h"
#include "board/Clock.h"
#include "board/FreeRule.h"
#include "games/Clicks.h"
#include "games/Game.h"
#include "games/Rivers.h"
#include "games/SavedGame.h"
#include "layouts/LayoutFile.h"
#include "platform/AtomicFile.h"

namespace {

using namespace quorin;
namespace fs = std::filesystem;

const fs::path kLayouts = fs::path(QUORIN_SOURCE_DIR) / "data" / "Layouts";

// Time of day advanced by hand, so that clock-seeded reshuffles differ between iterations.
class BenchClock : public TickSource, public TimeOfDaySource {
  public:
    uint32_t Now() override { return 0; }
    uint32_t MillisecondsOfDayUtc() override { return timeOfDay; }
    uint32_t timeOfDay = 0;
};

struct Table {
    BenchClock clock;
    SilentView view;
    Game game{view, clock, clock};
    GameState& s = game.State();
};

LayoutGrid LoadLayout(const fs::path& path) {
    const LayoutLoad load = ReadLayoutFile(path.string());
    if (!load.ok)
        throw std::runtime_error(load.Message());
    return load.grid;
}

// Seeds 1, 2, 3, ... as specific games, the way the seed window deals them.
void Deal(benchmark::State& state, const LayoutGrid& layout, bool winnable) {
    Table t;
    t.s.layout = layout;
    t.s.GameMode = ModeSolitaire;
    t.s.options.Winnable = winnable;
    t.s.options.RandomSeed1 = true;
    int seed = 0;
    for (auto _ : state) {
        t.s.SeedNumber = ++seed;
        if (t.game.DealLayout() != DealResult::Dealt) {
            state.SkipWithError("the layout cannot be dealt");
            break;
        }
        benchmark::DoNotOptimize(t.s.board);
    }
}

// Traditional, seeded, with the first half of its pairs removed in the order of the deal.
void HalfCleared(Table& t) {
    t.s.layout = LoadLayout(kLayouts / "Traditional.lay");
    t.s.GameMode = ModeSolitaire;
    t.s.options.RandomSeed1 = true;
    t.s.SeedNumber = 12345;
    std::vector<TilePosition> order;
    t.game.MakeDealer().CreateBoard(&order);
    for (size_t k = 0; k < 72; ++k)
        t.s.board.Lift(t.s.board.Cell(order[k].x, order[k].y, order[k].layer));
    t.s.TilesLeft = 72;
}

void BM_ShuffleBoard(benchmark::State& state) {
    Table t;
    HalfCleared(t);
    const BoardTables start = t.s.board;
    for (auto _ : state) {
        state.PauseTiming();
        t.s.board = start;
        ++t.clock.timeOfDay;
        state.ResumeTiming();
        t.game.MakeDealer().ShuffleBoard();
        benchmark::DoNotOptimize(t.s.board);
    }
}
BENCHMARK(BM_ShuffleBoard)->Unit(benchmark::kMicrosecond);

void BM_IsItFree(benchmark::State& state) {
    Table t;
    t.s.layout = LoadLayout(kLayouts / "Traditional.lay");
    t.s.GameMode = ModeSolitaire;
    t.s.options.Winnable = true;
    t.s.options.RandomSeed1 = true;
    t.s.SeedNumber = 12345;
    t.game.DealLayout();
    for (auto _ : state) {
        IsItFree(t.s);
        benchmark::DoNotOptimize(t.s.MovesLeft);
    }
}
BENCHMARK(BM_IsItFree)->Unit(benchmark::kMicrosecond);

// The Rivers count on a fresh hard board, as every clock tick runs it.
void BM_RiversMovesLeft(benchmark::State& state) {
    Table t;
    t.s.GameMode = ModeRivers;
    t.game.Choose(ModeRivers);
    t.clock.timeOfDay = 12345;
    DealRivers(t.s, t.game.Rng(), true);
    for (auto _ : state) {
        t.game.CountFree();
        benchmark::DoNotOptimize(t.s.MovesLeft);
    }
}
BENCHMARK(BM_RiversMovesLeft)->Unit(benchmark::kMicrosecond);

// The Clicks count of groups on a fresh hard grid, which every clock tick runs as well.
void BM_ClicksMovesLeft(benchmark::State& state) {
    Table t;
    t.s.GameMode = ModeClicks;
    t.game.Choose(ModeClicks);
    t.clock.timeOfDay = 12345;
    DealClicks(t.s, t.game.Rng(), true);
    for (auto _ : state) {
        t.game.CountFree();
        benchmark::DoNotOptimize(t.s.MovesLeft);
    }
}
BENCHMARK(BM_ClicksMovesLeft)->Unit(benchmark::kMicrosecond);

// What every move costs to be kept: the game written out and put in place atomically, on a
// Traditional game half played (the largest move history) and on Clicks with 40 moves back.
void BM_WriteSavedGame(benchmark::State& state) {
    Table t;
    const bool clicks = state.range(0) == 1;
    if (clicks) {
        t.s.GameMode = ModeClicks;
        t.game.StartGame(ModeClicks, true);
        t.s.ClicksUndoDepth = 40;
    } else {
        HalfCleared(t);
    }
    const fs::path file = fs::temp_directory_path() / "quorin-bench-saved.game";
    for (auto _ : state) {
        const std::string text =
            FormatSavedGame(t.s, clicks ? ModeClicks : ModeSolitaire, t.clock.Now(), "Traditional");
        if (!WriteFileAtomically(file.string(), text).empty()) {
            state.SkipWithError("the saved game could not be written");
            break;
        }
    }
    fs::remove(file);
}
BENCHMARK(BM_WriteSavedGame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // One benchmark of each dealer per shipped layout, found when the program runs.
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(kLayouts)) {
        const std::string ext = entry.path().extension().string();
        if (entry.is_regular_file() && (ext == ".lay" || ext == ".shp"))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        const LayoutGrid layout = LoadLayout(file);
        const std::string name = file.filename().string();
        benchmark::RegisterBenchmark(("BM_PlainDeal/" + name).c_str(), Deal, layout, false)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_WinnableDeal/" + name).c_str(), Deal, layout, true)
            ->Unit(benchmark::kMicrosecond);
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
