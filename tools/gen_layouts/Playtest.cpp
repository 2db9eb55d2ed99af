#include "Playtest.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "board/Clock.h"
#include "board/Dealer.h"
#include "board/FreeRule.h"
#include "board/Placement.h"
#include "board/Random.h"
#include "games/Game.h"

namespace layouts {

using namespace quorin;

namespace {

// The removal phase of the winnable dealer: free positions are taken two at a time, each
// chosen uniformly, and the whole layout comes back when fewer than two are free. Returns
// how many times it came back before the layout was empty, or kGiveUp.
constexpr int kGiveUp = 10000;

int CountRestarts(const LayoutGrid& grid, Random& random) {
    BoardTables board;
    board.CopyLayout(grid);
    const std::vector<TilePosition> list =
        EnumeratePositions([&](int x, int y, int layer) { return grid.At(x, y, layer) != 0; });
    std::vector<TilePosition> free;
    int restarts = 0;
    size_t left = list.size();
    while (left > 0) {
        free.clear();
        for (const TilePosition& p : list)
            if (board.Cell(p.x, p.y, p.layer) != 0 && IsFreeForDeal(board, p.x, p.y, p.layer))
                free.push_back(p);
        if (free.size() < 2) {
            if (++restarts == kGiveUp)
                break;
            board.CopyLayout(grid);
            left = list.size();
            continue;
        }
        const uint32_t a = random.Next(static_cast<uint32_t>(free.size()));
        uint32_t b = random.Next(static_cast<uint32_t>(free.size() - 1));
        if (b >= a)
            ++b;
        board.SetCell(free[a].x, free[a].y, free[a].layer, 0);
        board.SetCell(free[b].x, free[b].y, free[b].layer, 0);
        left -= 2;
    }
    return restarts;
}

}  // namespace

PlayReport Playtest(const LayoutGrid& grid, int seeds) {
    PlayReport report;
    report.seeds = seeds;
    StillClock clock;
    SilentView view;
    Game game(view, clock, clock);
    GameState& s = game.State();
    s.layout = grid;
    s.options.RandomSeed1 = true;

    std::vector<double> micros;
    micros.reserve(seeds);
    Random random(clock);
    for (int seed = 1; seed <= seeds; ++seed) {
        s.SeedNumber = seed;
        const auto start = std::chrono::steady_clock::now();
        const DealResult result = game.MakeDealer().CreateBoard();
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        if (result != DealResult::Dealt)
            ++report.undealt;

        // Another stream than the dealer's own, so the two measures stay independent.
        random.SetSeed(static_cast<uint32_t>(seed) * 2654435761u);
        const int restarts = CountRestarts(grid, random);
        report.restarts += restarts;
        report.stuckDeals += restarts > 0;
    }
    std::sort(micros.begin(), micros.end());
    report.medianMicros = micros.empty() ? 0 : micros[micros.size() / 2];
    report.worstMicros = micros.empty() ? 0 : micros.back();
    return report;
}

OpeningReport Openings(const LayoutGrid& grid, int seeds) {
    OpeningReport report;
    report.seeds = seeds;
    StillClock clock;
    SilentView view;
    Game game(view, clock, clock);
    GameState& s = game.State();
    s.layout = grid;
    s.options.RandomSeed1 = true;
    s.options.Winnable = false;
    s.GameMode = ModeSolitaire;
    long long free = 0, moves = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        s.SeedNumber = seed;
        game.DealLayout();
        IsItFree(s);
        free += s.FreeCount;
        moves += s.MovesLeft;
        report.dead += s.MovesLeft == 0;
    }
    if (seeds > 0) {
        report.meanFree = static_cast<double>(free) / seeds;
        report.meanMoves = static_cast<double>(moves) / seeds;
    }
    return report;
}

}  // namespace layouts
