// Solving plain deals of every shipped layout: seeds 1..20, one per repetition, one second
// each at most. The median over the repetitions is the median over the seeds.
//
//   quorin_bench --benchmark_filter=BM_SolvePlainDeal
//
// Starting a winnable game under the vertical variation, where the solver has to prove the
// deal: the same seeds, the whole deal timed, candidates thrown away included.
//
//   quorin_bench --benchmark_filter=BM_DealProvedVertical
//
// Rating the difficulty of plain deals, as the seed window and a new game do: seeds 1..20,
// one per repetition, processor time.
//
//   quorin_bench --benchmark_filter=BM_RateDeal
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "board/BoardView.h"
#include "board/Clock.h"
#include "games/Game.h"
#include "layouts/LayoutFile.h"
#include "solver/Rating.h"
#include "solver/Solver.h"

namespace {

using namespace quorin;
namespace fs = std::filesystem;

constexpr int kSeeds = 20;

void SolvePlainDeal(benchmark::State& state, const std::vector<std::vector<SolverTile>>& deals,
                    size_t& next) {
    SolveLimits limits;
    limits.budgetMs = 1000;
    const std::vector<SolverTile>& deal = deals[next++ % deals.size()];
    int undecided = 0;
    for (auto _ : state) {
        const SolveResult r = Solve(deal, false, limits);
        undecided += r.answer == SolveAnswer::Undecided;
        benchmark::DoNotOptimize(r.nodes);
    }
    state.counters["undecided"] = undecided;
}

void RateOneDeal(benchmark::State& state, const std::vector<std::vector<SolverTile>>& deals,
                 size_t& next) {
    const std::vector<SolverTile>& deal = deals[next++ % deals.size()];
    for (auto _ : state)
        benchmark::DoNotOptimize(RateDeal(deal, false).level);
}

void DealProvedVertical(benchmark::State& state, const LayoutGrid& layout, int& seed) {
    StillClock clock;
    SilentView view;
    Game game(view, clock, clock);
    GameState& s = game.State();
    s.layout = layout;
    s.options.Winnable = s.options.Vertical = s.options.RandomSeed1 = true;
    s.SeedNumber = seed++ % kSeeds + 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(game.DealLayout());
}

// Registered before main runs, one benchmark per layout file found.
const bool registered = [] {
    const fs::path dir = fs::path(QUORIN_SOURCE_DIR) / "data" / "Layouts";
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string ext = entry.path().extension().string();
        if (entry.is_regular_file() && (ext == ".lay" || ext == ".shp"))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        const LayoutLoad load = ReadLayoutFile(file.string());
        if (!load.ok)
            continue;
        std::vector<std::vector<SolverTile>> deals;
        for (int seed = 1; seed <= kSeeds; ++seed) {
            StillClock clock;
            SilentView view;
            Game game(view, clock, clock);
            game.State().layout = load.grid;
            game.State().options.RandomSeed1 = true;
            game.State().SeedNumber = seed;
            game.DealLayout();
            deals.push_back(TilesOnBoard(game.State().board));
        }
        benchmark::RegisterBenchmark(
            ("BM_SolvePlainDeal/" + file.filename().string()).c_str(),
            [deals, next = std::make_shared<size_t>(0)](benchmark::State& state) {
                SolvePlainDeal(state, deals, *next);
            })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(kSeeds)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark(
            ("BM_RateDeal/" + file.filename().string()).c_str(),
            [deals, next = std::make_shared<size_t>(0)](benchmark::State& state) {
                RateOneDeal(state, deals, *next);
            })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(kSeeds)
            ->MeasureProcessCPUTime()
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark(
            ("BM_DealProvedVertical/" + file.filename().string()).c_str(),
            [grid = load.grid, seed = std::make_shared<int>(0)](benchmark::State& state) {
                DealProvedVertical(state, grid, *seed);
            })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(kSeeds)
            ->ReportAggregatesOnly(true);
    }
    return true;
}();

}  // namespace
