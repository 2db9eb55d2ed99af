// The solver against positions whose answer is known by hand, and every removal order it
// gives replayed through the game's own free rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "board/BoardView.h"
#include "board/Clock.h"
#include "board/Dealer.h"
#include "board/FreeRule.h"
#include "games/Game.h"
#include "layouts/LayoutFile.h"
#include "solver/Solver.h"

namespace quorin {
namespace {

// Takes the pairs off a board laid with the tiles, checking each pair with the game's rule.
void ExpectOrderClears(const std::vector<SolverTile>& tiles, bool vertical,
                       const SolveResult& result) {
    ASSERT_EQ(result.answer, SolveAnswer::Winnable);
    ASSERT_EQ(result.order.size() * 2, tiles.size());
    GameState s;
    s.GameMode = ModeSolitaire;
    s.options.Vertical = vertical;
    for (const SolverTile& t : tiles)
        s.board.Place(t.id, t.pos.x, t.pos.y, t.pos.layer);
    for (const auto& [a, b] : result.order) {
        ASSERT_NE(a, b);
        ASSERT_TRUE(SameGroup(a, b)) << a << " " << b;
        ASSERT_TRUE(s.board.TilePos[a].OnBoard() && s.board.TilePos[b].OnBoard());
        ASSERT_TRUE(IsTileFree(s, a)) << "tile " << a << " is not free";
        ASSERT_TRUE(IsTileFree(s, b)) << "tile " << b << " is not free";
        s.board.Lift(a);
        s.board.Lift(b);
    }
}

SolverTile T(int id, int x, int y, int layer = 1) {
    return {id, {x, y, layer}};
}

// The tiles as lines "ID X Y LAYER", the way `quorin-layout solve --position` reads them.
std::string Listing(const std::vector<SolverTile>& tiles) {
    std::string text;
    for (const SolverTile& t : tiles)
        text += std::to_string(t.id) + " " + std::to_string(t.pos.x) + " " +
                std::to_string(t.pos.y) + " " + std::to_string(t.pos.layer) + "\n";
    return text;
}

TEST(SolverTest, SmallPositionsKnownByHand) {
    // Tile 1 on tile 5, tile 6 on tile 2: each of group 0 lies under the other's pair.
    const std::vector<SolverTile> crossed = {T(5, 2, 2), T(1, 2, 2, 2), T(2, 10, 2),
                                             T(6, 10, 2, 2)};
    EXPECT_EQ(Solve(crossed, false, {}).answer, SolveAnswer::Unwinnable);
    EXPECT_EQ(Solve(crossed, true, {}).answer, SolveAnswer::Unwinnable);

    // The same stacks with the pairs in order.
    const std::vector<SolverTile> inOrder = {T(5, 2, 2), T(1, 2, 2, 2), T(6, 10, 2),
                                             T(2, 10, 2, 2)};
    ExpectOrderClears(inOrder, false, Solve(inOrder, false, {}));

    // Three tiles of a group free: the pair that looks best (it frees two tiles) jams the
    // board, because tile 1 must come off to free tile 5 and reach tile 4 under tile 6.
    const std::vector<SolverTile> trap = {T(9, 6, 2), T(2, 6, 2, 2), T(10, 10, 2), T(3, 10, 2, 2),
                                          T(5, 2, 2), T(1, 2, 2, 2), T(4, 14, 2),  T(6, 14, 2, 2)};
    ExpectOrderClears(trap, false, Solve(trap, false, {}));

    // Tiles 1 and 2 are free; 3 lies on 4 and under 5. Group 0 can only split 1-3 2-4 or
    // 1-4 2-3, and neither split has a free pair until 5 and 6 are off.
    const std::vector<SolverTile> later = {T(4, 2, 2),     T(3, 2, 2, 2), T(5, 2, 2, 3),
                                           T(7, 8, 2),     T(1, 8, 2, 2), T(8, 14, 2),
                                           T(2, 14, 2, 2), T(6, 20, 2)};
    ExpectOrderClears(later, false, Solve(later, false, {}));

    // An odd group can never be cleared.
    EXPECT_EQ(Solve({T(1, 2, 2), T(5, 10, 2)}, false, {}).answer, SolveAnswer::Unwinnable);
    EXPECT_EQ(Solve({}, false, {}).answer, SolveAnswer::Winnable);
}

TEST(SolverTest, APositionFailedUnderOneSplitOfAWholeGroupIsNotFailedUnderAnother) {
    // A row 3 10 9 2 1 with 4 on 2 and 12 on 4; 11 alone. Group 0 has 1 and 3 free, 2 and 4
    // not, and 1-3 would leave 2 under its own partner. Split 1-2 3-4 jams: 2 waits for 1
    // or 9, and 9, which leaves with 10, waits for 2. Split 1-4 2-3 clears. Neither has a
    // free pair yet, so both are tried on the same tiles left.
    const std::vector<SolverTile> tiles = {T(1, 10, 3), T(2, 8, 4),  T(3, 2, 5),  T(4, 8, 4, 2),
                                           T(9, 6, 4),  T(10, 4, 4), T(11, 2, 2), T(12, 8, 3, 3)};
    ExpectOrderClears(tiles, false, Solve(tiles, false, {}));
}

TEST(SolverTest, TwoIdleTilesOfAGroupPairWithTheOtherTwo) {
    // 1 and 2 lie alone; 3 lies on 4. Pairing 1 with 2 would leave 3 with the tile under it.
    const std::vector<SolverTile> tiles = {T(1, 2, 2), T(2, 10, 2), T(4, 20, 2), T(3, 20, 2, 2)};
    for (bool vertical : {false, true})
        ExpectOrderClears(tiles, vertical, Solve(tiles, vertical, {}));
}

TEST(SolverTest, EachRuleBlocksOnlyAlongItsOwnAxis) {
    // A row 1 5 2 6: only its ends are free under the horizontal rule, and they differ.
    const std::vector<SolverTile> row = {T(1, 2, 2), T(5, 4, 2), T(2, 6, 2), T(6, 8, 2)};
    EXPECT_EQ(Solve(row, false, {}).answer, SolveAnswer::Unwinnable);
    ExpectOrderClears(row, true, Solve(row, true, {}));

    const std::vector<SolverTile> column = {T(1, 2, 2), T(5, 2, 4), T(2, 2, 6), T(6, 2, 8)};
    EXPECT_EQ(Solve(column, true, {}).answer, SolveAnswer::Unwinnable);
    ExpectOrderClears(column, false, Solve(column, false, {}));
}

class NoClock : public TickSource, public TimeOfDaySource {
  public:
    uint32_t Now() override { return 0; }
    uint32_t MillisecondsOfDayUtc() override { return 0; }
};

std::vector<SolverTile> Deal(const std::string& layout, int seed, bool winnable = true) {
    const LayoutLoad load =
        ReadLayoutFile(std::string(QUORIN_SOURCE_DIR) + "/data/Layouts/" + layout);
    EXPECT_TRUE(load.ok) << load.Message();
    NoClock clock;
    SilentView view;
    Game game(view, clock, clock);
    game.State().layout = load.grid;
    game.State().options.RandomSeed1 = true;
    game.State().SeedNumber = seed;
    if (winnable)
        EXPECT_EQ(game.MakeDealer().CreateBoard(), DealResult::Dealt);
    else
        game.DealLayout();
    return TilesOnBoard(game.State().board);
}

TEST(SolverTest, WinnableDealsAreNeverCalledUnwinnableAndTheirOrdersReplay) {
    for (const char* layout : {"Traditional.lay", "Pyramid.shp", "Spiral.lay"})
        for (int seed = 1; seed <= 3; ++seed) {
            SCOPED_TRACE(std::string(layout) + " seed " + std::to_string(seed));
            const std::vector<SolverTile> tiles = Deal(layout, seed);
            SolveLimits limits;
            limits.maxNodes = 200000;
            const SolveResult result = Solve(tiles, false, limits);
            EXPECT_NE(result.answer, SolveAnswer::Unwinnable);
            if (result.answer == SolveAnswer::Winnable)
                ExpectOrderClears(tiles, false, result);
            const SolveResult vertical = Solve(tiles, true, limits);
            if (vertical.answer == SolveAnswer::Winnable)
                ExpectOrderClears(tiles, true, vertical);
        }
}

// On these plain deals the search meets the same tiles left under splits that fail and
// again under others that clear: a failure may only rule out a position that settles every
// split it had settled, and the same way.
TEST(SolverTest, AFailureRulesOutOnlyPositionsSettledAtLeastAsFar) {
    for (int seed : {62, 77}) {
        SCOPED_TRACE("Hourglass seed " + std::to_string(seed));
        const std::vector<SolverTile> tiles = Deal("Hourglass.lay", seed, false);
        ExpectOrderClears(tiles, false, Solve(tiles, false, {}));
    }
}

// These plain deals clear only after runs cut short: a run that was cut proves nothing, so
// nothing it failed under may be learned as a dead end.
TEST(SolverTest, ADealClearedOnlyAfterRestartsIsStillWon) {
    for (int seed : {2, 15}) {
        SCOPED_TRACE("Hourglass seed " + std::to_string(seed));
        const std::vector<SolverTile> tiles = Deal("Hourglass.lay", seed, false);
        ExpectOrderClears(tiles, false, Solve(tiles, false, {}));
    }
}

// Every order of removals tried, with the game's own free rule and nothing clever.
bool ClearsByTryingEverything(GameState& s, const std::vector<int>& ids,
                              std::unordered_set<uint32_t>& failed, uint32_t left) {
    if (left == 0)
        return true;
    if (failed.count(left))
        return false;
    for (size_t a = 0; a < ids.size(); ++a) {
        if (!(left >> a & 1) || !IsTileFree(s, ids[a]))
            continue;
        for (size_t b = a + 1; b < ids.size(); ++b) {
            if (!(left >> b & 1) || !SameGroup(ids[a], ids[b]) || !IsTileFree(s, ids[b]))
                continue;
            const TilePosition pa = s.board.TilePos[ids[a]], pb = s.board.TilePos[ids[b]];
            s.board.Lift(ids[a]);
            s.board.Lift(ids[b]);
            const bool cleared =
                ClearsByTryingEverything(s, ids, failed, left & ~(1u << a) & ~(1u << b));
            s.board.Place(ids[a], pa.x, pa.y, pa.layer);
            s.board.Place(ids[b], pb.x, pb.y, pb.layer);
            if (cleared)
                return true;
        }
    }
    failed.insert(left);
    return false;
}

TEST(SolverTest, AgreesWithTryingEveryOrderOnCrowdedCorners) {
    // Slices of real deals, a few columns or rows wide with every layer, so that stacks, rows and
    // groups split across both meet in a space small enough to try every order.
    int winnable = 0, unwinnable = 0;
    for (const char* layout : {"Traditional.lay", "Fortress.lay", "Spiral.lay"})
        for (int seed = 1; seed <= 40; ++seed) {
            NoClock clock;
            SilentView view;
            Game game(view, clock, clock);
            game.State().layout =
                ReadLayoutFile(std::string(QUORIN_SOURCE_DIR) + "/data/Layouts/" + layout).grid;
            game.State().options.RandomSeed1 = true;
            game.State().SeedNumber = seed;
            game.DealLayout();
            // Columns for even seeds, rows for odd ones.
            const int from = 2 + seed % 16;
            auto inSlice = [&](const TilePosition& p) {
                return seed % 2 == 0 ? p.x >= from && p.x < from + 7
                                     : p.y >= from / 2 && p.y < from / 2 + 4;
            };
            std::vector<SolverTile> slice;
            std::array<int, kGroupCount> inGroup{};
            for (const SolverTile& t : TilesOnBoard(game.State().board))
                if (inSlice(t.pos) && slice.size() < 24) {
                    slice.push_back(t);
                    ++inGroup[TileGroup(t.id)];
                }
            // Drop one tile of every odd group.
            std::erase_if(slice, [&](const SolverTile& t) {
                return inGroup[TileGroup(t.id)] % 2 != 0 && (inGroup[TileGroup(t.id)] = 0, true);
            });
            for (bool vertical : {false, true}) {
                SCOPED_TRACE(std::string(layout) + " seed " + std::to_string(seed) +
                             (vertical ? " vertical" : ""));
                GameState s;
                s.GameMode = ModeSolitaire;
                s.options.Vertical = vertical;
                std::vector<int> ids;
                for (const SolverTile& t : slice) {
                    s.board.Place(t.id, t.pos.x, t.pos.y, t.pos.layer);
                    ids.push_back(t.id);
                }
                std::unordered_set<uint32_t> failed;
                const bool clears = ClearsByTryingEverything(
                    s, ids, failed, static_cast<uint32_t>((uint64_t{1} << ids.size()) - 1));
                const SolveResult r = Solve(slice, vertical, {});
                EXPECT_EQ(r.answer, clears ? SolveAnswer::Winnable : SolveAnswer::Unwinnable);
                if (clears && r.answer == SolveAnswer::Winnable)
                    ExpectOrderClears(slice, vertical, r);
                (clears ? winnable : unwinnable)++;
            }
        }
    // Both answers must have been put to the test.
    EXPECT_GT(winnable, 20);
    EXPECT_GT(unwinnable, 20);
}

// Small random heaps of whole groups of four: every group must be split, so these put the
// choice of splits, and what the search remembers of it, to the test.
std::vector<SolverTile> RandomGroupsOfFour(std::mt19937& rng) {
    auto below = [&](uint32_t n) { return static_cast<int>(rng() % n); };
    const int groups = 2 + below(4);
    const int columns = 3 + groups, rows = 2 + below(2);
    std::vector<SolverTile> tiles;
    while (static_cast<int>(tiles.size()) < 4 * groups) {
        // Mostly on a lattice, so that rows form; now and then half a tile off.
        const int x = 2 + 2 * below(static_cast<uint32_t>(columns)) + (below(4) == 0);
        const int y = 2 + 2 * below(static_cast<uint32_t>(rows)) + (below(4) == 0);
        int layer = 1;
        for (const SolverTile& t : tiles)
            if (std::abs(t.pos.x - x) < 2 && std::abs(t.pos.y - y) < 2)
                layer = std::max(layer, t.pos.layer + 1);
        if (layer <= kLayers)
            tiles.push_back(T(static_cast<int>(tiles.size()) + 1, x, y, layer));
    }
    return tiles;
}

TEST(SolverTest, AgreesWithTryingEveryOrderOnRandomGroupsOfFour) {
    std::mt19937 rng(25);
    int winnable = 0, unwinnable = 0;
    for (int round = 0; round < 400; ++round) {
        const std::vector<SolverTile> tiles = RandomGroupsOfFour(rng);
        for (bool vertical : {false, true}) {
            GameState s;
            s.GameMode = ModeSolitaire;
            s.options.Vertical = vertical;
            std::vector<int> ids;
            for (const SolverTile& t : tiles) {
                s.board.Place(t.id, t.pos.x, t.pos.y, t.pos.layer);
                ids.push_back(t.id);
            }
            std::unordered_set<uint32_t> failed;
            const bool clears = ClearsByTryingEverything(
                s, ids, failed, static_cast<uint32_t>((uint64_t{1} << ids.size()) - 1));
            const SolveResult r = Solve(tiles, vertical, {});
            ASSERT_EQ(r.answer, clears ? SolveAnswer::Winnable : SolveAnswer::Unwinnable)
                << "round " << round << (vertical ? " vertical" : "") << "\n"
                << Listing(tiles);
            if (clears)
                ExpectOrderClears(tiles, vertical, r);
            (clears ? winnable : unwinnable)++;
        }
    }
    EXPECT_GT(winnable, 100);
    EXPECT_GT(unwinnable, 100);
}

TEST(SolverTest, AJamThroughGroupsStillUnsettledNeedsNoSearch) {
    // This deal jams through groups whose pairs are not settled at the start; searching the
    // orders of moves took over a hundred thousand positions to prove it.
    SolveLimits two;
    two.maxNodes = 2;
    EXPECT_EQ(Solve(Deal("Cat.lay", 2, false), false, two).answer, SolveAnswer::Unwinnable);
}

TEST(SolverTest, AJamShownByTryingSplitsOneAtATimeNeedsLittleSearch) {
    // With every split open the relaxed clearing clears this deal, but tried one split at a
    // time it rules out splits until the deal is jammed; searching the splits of the groups
    // that can come off took over a million positions to prove it.
    SolveLimits few;
    few.maxNodes = 1000;
    EXPECT_EQ(Solve(Deal("Traditional.lay", 650, false), false, few).answer,
              SolveAnswer::Unwinnable);
}

TEST(SolverTest, AnExhaustedBudgetIsUndecidedNeverWrong) {
    SolveLimits one;
    one.maxNodes = 1;
    EXPECT_EQ(Solve(Deal("Traditional.lay", 7), false, one).answer, SolveAnswer::Undecided);
    const std::vector<SolverTile> trap = {T(9, 6, 2), T(2, 6, 2, 2), T(10, 10, 2), T(3, 10, 2, 2),
                                          T(5, 2, 2), T(1, 2, 2, 2), T(4, 14, 2),  T(6, 14, 2, 2)};
    for (uint64_t nodes = 1; nodes <= 6; ++nodes) {
        SolveLimits limits;
        limits.maxNodes = nodes;
        const SolveResult r = Solve(trap, false, limits);
        EXPECT_NE(r.answer, SolveAnswer::Unwinnable) << nodes << " nodes";
        if (r.answer == SolveAnswer::Winnable)
            ExpectOrderClears(trap, false, r);
    }
    // A cancelled solve stops as an exhausted one does, and says nothing it has not proved.
    std::atomic<bool> cancel{true};
    SolveLimits cancelled;
    cancelled.cancel = &cancel;
    EXPECT_EQ(Solve(Deal("Traditional.lay", 7), false, cancelled).answer, SolveAnswer::Undecided);
}

TEST(SolverTest, PositionReaderRefusesBadLinesNamingThem) {
    const PositionLoad good = ParsePosition("1 2 2 1\n\n2 10 2 1\n");
    ASSERT_TRUE(good.ok) << good.reason;
    EXPECT_EQ(good.tiles.size(), 2u);

    const struct {
        const char* text;
        const char* reason;
    } bad[] = {
        {"1 2 2 1\n2 3 3 1\n", "line 2: tile 2 overlaps tile 1 of line 1"},
        {"1 2 2 1\n2 35 2 1\n", "line 2: cell off the board"},
        {"1 2 2 1\n2 4 2 6\n", "line 2: cell off the board"},
        {"1 2 2 1\n2 4 2 1\n3 6 2 1\n", "line 3: an odd number of tiles (3)"},
        {"145 2 2 1\n2 4 2 1\n", "line 1: unknown tile id 145"},
        {"1 2 2 1\n1 6 2 1\n", "line 2: tile 1 already on line 1"},
        {"1 2 2\n", "line 1: expected ID X Y LAYER"},
        {"1 2 2 1 9\n", "line 1: expected ID X Y LAYER"},
    };
    for (const auto& c : bad) {
        const PositionLoad load = ParsePosition(c.text);
        EXPECT_FALSE(load.ok) << c.text;
        EXPECT_EQ(load.reason, c.reason) << c.text;
    }
    // A tile on another layer, or two columns aside, does not overlap.
    EXPECT_TRUE(ParsePosition("1 2 2 1\n2 3 3 2\n3 4 2 1\n4 2 4 1\n").ok);
}

}  // namespace
}  // namespace quorin
