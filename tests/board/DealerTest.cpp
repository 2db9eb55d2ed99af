// Dealing: the plain deal, the winnable deal and the winnable reshuffle.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <vector>

#include "BoardTestSupport.h"
#include "board/Dealer.h"
#include "board/FreeRule.h"
#include "board/Placement.h"
#include "solver/Solver.h"

namespace quorin {
namespace {

using Positions = std::vector<TilePosition>;

Positions TilePositions(const GameState& s) {
    return {s.board.TilePos.begin() + 1, s.board.TilePos.end()};
}

class Dealing : public ::testing::Test {
  protected:
    void SetUp() override { traditional = test::ShippedLayout("Traditional.lay"); }

    Positions DealWith(bool winnable, int seed, bool randomSeed = true, bool vertical = false) {
        test::Table t;
        t.clock.timeOfDay = clockTime;
        t.s.layout = traditional;
        t.Play(ModeSolitaire);
        t.s.options.Winnable = winnable;
        t.s.options.RandomSeed1 = randomSeed;
        t.s.options.Vertical = vertical;
        t.s.SeedNumber = seed;
        EXPECT_EQ(t.game.DealLayout(), DealResult::Dealt);
        return TilePositions(t.s);
    }

    LayoutGrid traditional;
    uint32_t clockTime = 0;
};

// Fixed expectations: a change of the generator or of the order of its calls shows here.
TEST_F(Dealing, SeededWinnableDealOfTraditional) {
    const Positions p = DealWith(true, 12345);
    EXPECT_EQ(p[0], (TilePosition{21, 15, 1}));
    EXPECT_EQ(p[1], (TilePosition{19, 3, 1}));
    EXPECT_EQ(p[2], (TilePosition{11, 9, 1}));
    EXPECT_EQ(p[3], (TilePosition{13, 11, 1}));
    EXPECT_EQ(p[4], (TilePosition{17, 7, 1}));
    EXPECT_EQ(p[5], (TilePosition{11, 15, 1}));

    test::Table t;
    t.s.layout = traditional;
    t.s.options.RandomSeed1 = true;
    t.s.SeedNumber = 12345;
    Positions order;
    ASSERT_EQ(t.game.MakeDealer().CreateBoard(&order), DealResult::Dealt);
    ASSERT_EQ(order.size(), 144u);
    EXPECT_EQ(order[0], (TilePosition{27, 3, 1}));
    EXPECT_EQ(order[1], (TilePosition{11, 13, 2}));
    EXPECT_EQ(order[2], (TilePosition{13, 9, 3}));
    EXPECT_EQ(order[3], (TilePosition{9, 15, 1}));
    EXPECT_EQ(t.s.board.Cell(27, 3, 1), 82);
    EXPECT_EQ(t.s.board.Cell(11, 13, 2), 81);
}

TEST_F(Dealing, SeededPlainDealOfTraditional) {
    const Positions p = DealWith(false, 12345);
    EXPECT_EQ(p[0], (TilePosition{19, 13, 2}));
    EXPECT_EQ(p[1], (TilePosition{9, 3, 1}));
    EXPECT_EQ(p[2], (TilePosition{19, 9, 3}));
    EXPECT_EQ(p[3], (TilePosition{13, 13, 3}));
    EXPECT_EQ(p[4], (TilePosition{27, 3, 1}));
    EXPECT_EQ(p[5], (TilePosition{17, 7, 3}));
}

TEST_F(Dealing, SameSeedSameDealWhateverTheClock) {
    for (bool winnable : {false, true}) {
        clockTime = 1000;
        const Positions first = DealWith(winnable, 777);
        clockTime = 86'000'000;
        EXPECT_EQ(DealWith(winnable, 777), first) << winnable;
        EXPECT_NE(DealWith(winnable, 778), first) << winnable;
    }
}

TEST_F(Dealing, SeedNumberCountsOnlyForASpecificGame) {
    for (bool winnable : {false, true}) {
        clockTime = 4242;
        const Positions fromClock = DealWith(winnable, 0);
        EXPECT_EQ(DealWith(winnable, 4242), fromClock) << winnable;
        EXPECT_EQ(DealWith(winnable, 99, /*randomSeed=*/false), fromClock) << winnable;
        clockTime = 4243;
        EXPECT_NE(DealWith(winnable, 0), fromClock) << winnable;
    }
}

TEST_F(Dealing, VerticalVariationDoesNotChangeTheDeal) {
    EXPECT_EQ(DealWith(true, 5, true, true), DealWith(true, 5, true, false));
}

SolveAnswer SolveVertical(const GameState& s) {
    SolveLimits limits;
    limits.maxNodes = 200'000;
    return Solve(TilesOnBoard(s.board), true, limits).answer;
}

// Cat jams under the vertical rule in most deals built by the dealing rule: a winnable deal
// there is one the solver proved, and a seed still deals one board.
TEST_F(Dealing, WinnableDealUnderTheVerticalRuleIsProvedWinnable) {
    traditional = test::ShippedLayout("Cat.lay");
    int jamAsBuilt = 0;
    for (int seed = 1; seed <= 8; ++seed) {
        test::Table built;
        built.s.layout = traditional;
        built.s.options.RandomSeed1 = true;
        built.s.SeedNumber = seed;
        ASSERT_EQ(built.game.MakeDealer().CreateBoard(), DealResult::Dealt);
        jamAsBuilt += SolveVertical(built.s) == SolveAnswer::Unwinnable;

        test::Table t;
        t.s.layout = traditional;
        t.Play(ModeSolitaire);
        t.s.options.Winnable = t.s.options.Vertical = t.s.options.RandomSeed1 = true;
        t.s.SeedNumber = seed;
        ASSERT_EQ(t.game.DealLayout(), DealResult::Dealt);
        EXPECT_TRUE(test::TablesAgree(t.s.board));
        EXPECT_EQ(test::OccupiedCells(t.s.board).size(), 144u) << "seed " << seed;
        EXPECT_EQ(SolveVertical(t.s), SolveAnswer::Winnable) << "seed " << seed;
        EXPECT_EQ(DealWith(true, seed, true, true), TilePositions(t.s)) << "seed " << seed;
    }
    EXPECT_GE(jamAsBuilt, 3);  // the seeds tell something
}

// The candidates thrown away are not shown: the player watches one deal being built.
TEST_F(Dealing, VerticalWinnableDealIsAnimatedOnce) {
    traditional = test::ShippedLayout("Cat.lay");
    for (uint32_t clock : {1u, 2u, 3u, 4u}) {
        test::Table t;
        t.clock.timeOfDay = clock;
        t.s.layout = traditional;
        t.Play(ModeSolitaire);
        t.s.options.Winnable = t.s.options.Vertical = t.s.options.Animate = true;
        ASSERT_EQ(t.game.DealLayout(), DealResult::Dealt);
        const std::vector<std::string> events = t.view.Take();
        EXPECT_EQ(std::count(events.begin(), events.end(), "repaint"), 72) << clock;
        EXPECT_EQ(SolveVertical(t.s), SolveAnswer::Winnable) << clock;
    }
}

// A tower whose every deal jams under the vertical rule: the search gives up, keeps a whole
// deal and says so.
TEST(VerticalWinnableDeal, NoneFoundKeepsTheLastAndSaysSo) {
    test::Table t;
    for (int layer = 1; layer <= 4; ++layer)
        for (int y = 1; y <= 19; y += 2)
            t.s.layout.Set(10, y, layer, 1);
    t.Play(ModeSolitaire);
    t.s.options.Winnable = t.s.options.Vertical = true;
    ASSERT_EQ(t.game.DealLayout(), DealResult::DealtUnproved);
    EXPECT_EQ(test::OccupiedCells(t.s.board).size(), 40u);
    EXPECT_TRUE(test::TablesAgree(t.s.board));
    for (int id = 1; id <= 40; ++id)
        EXPECT_TRUE(t.s.board.TilePos[id].OnBoard()) << id;
}

TEST_F(Dealing, PlainDealGivesEveryIdOnePosition) {
    test::Table t;
    t.Deal(traditional, false, 2024);
    std::set<TilePosition, bool (*)(const TilePosition&, const TilePosition&)> cells(
        [](const TilePosition& a, const TilePosition& b) {
            return LayoutGrid::Index(a.x, a.y, a.layer) < LayoutGrid::Index(b.x, b.y, b.layer);
        });
    for (int id = 1; id <= kTileCount; ++id) {
        const TilePosition p = t.s.board.TilePos[id];
        ASSERT_TRUE(p.OnBoard()) << id;
        EXPECT_EQ(traditional.At(p.x, p.y, p.layer), 1) << id;
        cells.insert(p);
    }
    EXPECT_EQ(cells.size(), 144u);
    EXPECT_EQ(t.s.TilesLeft, 144);
    EXPECT_EQ(test::OccupiedCells(t.s.board).size(), 144u);  // no undealt mark is left
    EXPECT_TRUE(test::TablesAgree(t.s.board));
}

TEST_F(Dealing, WinnableDealIsClearedInSlotOrder) {
    for (int seed = 1; seed <= 40; ++seed) {
        test::Table t;
        t.s.layout = traditional;
        t.Play(ModeSolitaire);
        t.s.options.RandomSeed1 = true;
        t.s.SeedNumber = seed;
        Positions order;
        ASSERT_EQ(t.game.MakeDealer().CreateBoard(&order), DealResult::Dealt);
        EXPECT_EQ(t.s.TilesLeft, 144);
        ASSERT_TRUE(test::TablesAgree(t.s.board));
        ASSERT_TRUE(test::ClearsInOrder(t.s, order)) << "seed " << seed;
    }
}

TEST_F(Dealing, FlowersAndSeasonsArePairedWithinTheirGroup) {
    test::Table t;
    t.s.layout = traditional;
    t.s.options.RandomSeed1 = true;
    t.s.SeedNumber = 8;
    Positions order;
    ASSERT_EQ(t.game.MakeDealer().CreateBoard(&order), DealResult::Dealt);
    int special = 0;
    for (size_t k = 0; k < order.size(); k += 2) {
        const int a = t.s.board.Cell(order[k].x, order[k].y, order[k].layer);
        const int b = t.s.board.Cell(order[k + 1].x, order[k + 1].y, order[k + 1].layer);
        EXPECT_EQ(TileGroup(a), TileGroup(b));
        special += TileGroup(a) == 27 || TileGroup(a) == 28;
    }
    EXPECT_EQ(special, 4);
}

// Layouts the game refuses to load can still be handed to the dealer by hand.
class Undealable : public ::testing::Test {
  protected:
    DealResult Deal(const LayoutGrid& layout) {
        t.s.layout = layout;
        t.s.options.Winnable = true;
        t.s.options.RandomSeed1 = true;
        t.s.SeedNumber = 3;
        t.Play(ModeSolitaire);
        const auto start = std::chrono::steady_clock::now();
        const DealResult r = t.game.DealLayout();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        return r;
    }

    test::Table t;
};

TEST_F(Undealable, OddNumberOfPositions) {
    LayoutGrid layout = test::ShippedLayout("Traditional.lay");
    layout.Set(5, 3, 1, 0);
    ASSERT_EQ(layout.PositionCount(), 143);
    EXPECT_EQ(Deal(layout), DealResult::CannotDeal);
    for (int id = 1; id <= kTileCount; ++id)
        EXPECT_FALSE(t.s.board.TilePos[id].OnBoard());
}

TEST_F(Undealable, ShapeThatAlwaysJamsUnderTheVerticalRuleToo) {
    LayoutGrid layout;
    for (int layer = 1; layer <= 4; ++layer)
        layout.Set(10, 10, layer, 1);
    t.s.options.Vertical = true;
    EXPECT_EQ(Deal(layout), DealResult::CannotDeal);
}

TEST_F(Undealable, MoreThan144Positions) {
    LayoutGrid layout = test::ShippedLayout("Traditional.lay");
    layout.Set(1, 19, 1, 1);
    layout.Set(33, 19, 1, 1);
    ASSERT_EQ(layout.PositionCount(), 146);
    EXPECT_EQ(Deal(layout), DealResult::CannotDeal);
}

TEST_F(Undealable, ShapeThatAlwaysJams) {
    LayoutGrid layout;
    for (int layer = 1; layer <= 4; ++layer)
        layout.Set(10, 10, layer, 1);  // one stack
    EXPECT_EQ(Deal(layout), DealResult::CannotDeal);
}

TEST_F(Undealable, PlainDealOfAShortLayoutStopsAtItsPositions) {
    LayoutGrid layout;
    layout.Set(10, 10, 1, 1);
    layout.Set(20, 10, 1, 1);
    t.s.layout = layout;
    t.s.options.Winnable = false;
    EXPECT_EQ(t.game.DealLayout(), DealResult::Dealt);
    EXPECT_EQ(t.s.TilesLeft, 2);
    EXPECT_TRUE(t.s.board.TilePos[1].OnBoard());
    EXPECT_TRUE(t.s.board.TilePos[2].OnBoard());
    EXPECT_FALSE(t.s.board.TilePos[3].OnBoard());
}

// The tiles left after the first `pairs` pairs of a seeded winnable deal were removed.
void DealAndRemove(test::Table& t, const LayoutGrid& layout, int seed, int pairs) {
    t.s.layout = layout;
    t.Play(ModeSolitaire);
    t.s.options.RandomSeed1 = true;
    t.s.SeedNumber = seed;
    Positions order;
    ASSERT_EQ(t.game.MakeDealer().CreateBoard(&order), DealResult::Dealt);
    order.resize(2 * pairs);
    for (const TilePosition& p : order)
        t.s.board.Lift(t.s.board.Cell(p.x, p.y, p.layer));
    t.s.TilesLeft = 144 - 2 * pairs;
}

TEST_F(Dealing, ShuffleBoardRedealsOverTheSameCells) {
    for (uint32_t clock : {45296789u, 1u, 86'399'999u, 5000u}) {
        test::Table t;
        DealAndRemove(t, traditional, 12345, 36);
        const Positions before = TilePositions(t.s);
        const Positions cellsBefore = test::OccupiedCells(t.s.board);
        t.clock.timeOfDay = clock;
        t.game.MakeDealer().ShuffleBoard();

        EXPECT_EQ(test::OccupiedCells(t.s.board), cellsBefore) << clock;
        EXPECT_TRUE(test::TablesAgree(t.s.board));
        int moved = 0;
        for (int id = 1; id <= kTileCount; ++id) {
            EXPECT_EQ(t.s.board.TilePos[id].OnBoard(), before[id - 1].OnBoard()) << id;
            moved += !(t.s.board.TilePos[id] == before[id - 1]);
        }
        EXPECT_GT(moved, 36) << clock;
        EXPECT_TRUE(test::Solvable(t.s)) << clock;
    }
}

// Worked out by hand from the steps of the reshuffle, for the clock at 12:34:56.789.
TEST_F(Dealing, ShuffleBoardOfAKnownPosition) {
    test::Table t;
    DealAndRemove(t, traditional, 12345, 36);
    t.clock.timeOfDay = 45296789;
    t.game.Rng().SetSeed(1);  // the reshuffle seeds from the clock, whatever came before
    t.game.MakeDealer().ShuffleBoard();
    EXPECT_EQ(t.s.board.TilePos[1], (TilePosition{15, 13, 1}));
    EXPECT_EQ(t.s.board.TilePos[2], (TilePosition{29, 10, 1}));
    EXPECT_EQ(t.s.board.TilePos[3], (TilePosition{21, 17, 1}));
    EXPECT_EQ(t.s.board.TilePos[4], (TilePosition{21, 13, 1}));
    EXPECT_EQ(t.s.board.TilePos[5], (TilePosition{25, 17, 1}));
    EXPECT_EQ(t.s.board.TilePos[6], (TilePosition{19, 7, 2}));
}

// The reshuffle builds its order by the horizontal dealing rule, so under the vertical rule
// it often jams; "Winnable Shuffles" takes one the solver proved, and shows only that one.
TEST_F(Dealing, WinnableShuffleUnderTheVerticalRuleIsProvedWinnable) {
    const LayoutGrid cat = test::ShippedLayout("Cat.lay");
    int jamAsBuilt = 0;
    for (uint32_t clock = 1; clock <= 8; ++clock) {
        test::Table built;
        DealAndRemove(built, cat, 4, 30);
        built.s.options.Vertical = true;
        built.clock.timeOfDay = clock;
        built.game.MakeDealer().ShuffleBoard();
        jamAsBuilt += SolveVertical(built.s) == SolveAnswer::Unwinnable;

        test::Table t;
        DealAndRemove(t, cat, 4, 30);
        const std::vector<TilePosition> cellsBefore = test::OccupiedCells(t.s.board);
        t.s.options.Vertical = t.s.options.Animate = true;
        t.clock.timeOfDay = clock;
        t.view.Take();
        t.game.Shuffle1Click();
        const std::vector<std::string> events = t.view.Take();
        EXPECT_EQ(std::count(events.begin(), events.end(), "repaint"), 42 + 1) << clock;
        EXPECT_EQ(test::OccupiedCells(t.s.board), cellsBefore) << clock;
        EXPECT_TRUE(test::TablesAgree(t.s.board));
        EXPECT_EQ(SolveVertical(t.s), SolveAnswer::Winnable) << clock;
    }
    EXPECT_GE(jamAsBuilt, 3);  // the clocks tell something
}

TEST(ShuffleBoard, FewerThanTwoFreePositionsLeaveEveryTileInPlace) {
    test::Table t;
    t.Clear(ModeSolitaire);
    t.Put(1, 10, 10, 1);
    t.Put(2, 10, 10, 2);
    t.game.MakeDealer().ShuffleBoard();
    EXPECT_EQ(t.s.board.TilePos[1], (TilePosition{10, 10, 1}));
    EXPECT_EQ(t.s.board.TilePos[2], (TilePosition{10, 10, 2}));
    EXPECT_EQ(test::OccupiedCells(t.s.board).size(), 2u);
    EXPECT_TRUE(test::TablesAgree(t.s.board));
}

TEST(ShuffleBoard, GivesUpAndRestoresWhenEveryOrderJams) {
    // A stack of three beside a lone tile: the top and the lone tile go first, then only
    // one position is ever free.
    test::Table t;
    t.Clear(ModeSolitaire);
    t.Put(1, 10, 10, 1);
    t.Put(2, 10, 10, 2);
    t.Put(5, 10, 10, 3);
    t.Put(6, 20, 10, 1);
    t.clock.timeOfDay = 777;
    t.game.MakeDealer().ShuffleBoard();
    EXPECT_EQ(t.s.board.TilePos[1], (TilePosition{10, 10, 1}));
    EXPECT_EQ(t.s.board.TilePos[2], (TilePosition{10, 10, 2}));
    EXPECT_EQ(t.s.board.TilePos[5], (TilePosition{10, 10, 3}));
    EXPECT_EQ(t.s.board.TilePos[6], (TilePosition{20, 10, 1}));
    EXPECT_EQ(test::OccupiedCells(t.s.board).size(), 4u);
    EXPECT_TRUE(test::TablesAgree(t.s.board));
}

TEST(ShuffleBoard, SmallBoardStaysSolvable) {
    // Two rows of tiles side by side, one tile lying across two of the lower row: only the
    // ends of a row and the top are free, so a reshuffle that gets the side rule wrong jams.
    for (uint32_t clock = 0; clock < 30; ++clock) {
        test::Table t;
        t.Clear(ModeTwoPlayers);
        t.Put(1, 4, 4, 1);
        t.Put(2, 6, 4, 1);
        t.Put(5, 8, 4, 1);
        t.Put(6, 10, 4, 1);
        t.Put(9, 5, 8, 1);
        t.Put(10, 7, 8, 1);
        t.Put(13, 9, 8, 1);
        t.Put(14, 8, 8, 2);
        t.clock.timeOfDay = clock;
        t.game.MakeDealer().ShuffleBoard();
        EXPECT_TRUE(test::TablesAgree(t.s.board));
        EXPECT_EQ(test::OccupiedCells(t.s.board).size(), 8u);
        EXPECT_TRUE(test::Solvable(t.s)) << clock;
    }
}

}  // namespace
}  // namespace quorin
