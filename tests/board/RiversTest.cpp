// Rivers: the deal of both levels, the path search on boards laid by hand, and the count of
// free tiles and moves.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "board/BoardTestSupport.h"
#include "board/FreeRule.h"
#include "games/Rivers.h"

namespace quorin::test {
namespace {

struct RiversTable {
    GameState s;
    RecordingView view;
    RiverSearch search{s, view};
    FakeClock clock;
    Random random{clock};
    RiversGame game{{s, view, clock, random}};

    RiversTable() { s.GameMode = ModeRivers; }

    // Every position of the easy grid, filled with ids 3, 4, ... in reading order except
    // where the test puts tiles 1 and 2 or leaves holes.
    void FillEasy(std::pair<int, int> a, std::pair<int, int> b,
                  const std::set<std::pair<int, int>>& holes = {}) {
        int next = 3;
        for (int y = 5; y <= 15; y += 2)
            for (int x = 4; x <= 30; x += 2) {
                if (std::pair(x, y) == a)
                    s.board.Place(1, x, y, 1);
                else if (std::pair(x, y) == b)
                    s.board.Place(2, x, y, 1);
                else if (!holes.contains({x, y}))
                    s.board.Place(next++, x, y, 1);
            }
        s.TotalTiles = s.TilesLeft = 84;
    }

    // The cells tile 2 passes through when the search animates it.
    std::vector<std::pair<int, int>> Walk() {
        std::vector<std::pair<int, int>> steps;
        view.onRedrawTile = [&](int tile) {
            const TilePosition p = s.board.TilePos[tile];
            if (tile == 2 && s.board.Cell(p.x, p.y, p.layer) == 2)
                steps.emplace_back(p.x, p.y);
        };
        search.animate = true;
        EXPECT_TRUE(search.CanBeReached(1, 2));
        view.onRedrawTile = nullptr;
        return steps;
    }
};

TEST(RiversDeal, EachLevelFillsEveryPositionOfItsGridOnce) {
    FakeClock clock;
    for (const bool hard : {false, true}) {
        GameState s;
        Random random(clock);
        DealRivers(s, random, hard);
        const int layers = hard ? 2 : 1;
        const int firstX = hard ? 6 : 4, lastX = hard ? 28 : 30;
        EXPECT_EQ(s.CurrentLayout, hard ? 101 : 100);
        EXPECT_EQ(s.TilesLeft, hard ? 144 : 84);
        EXPECT_EQ(s.TotalTiles, s.TilesLeft);
        std::set<int> seen;
        for (int layer = 1; layer <= layers; ++layer)
            for (int y = 5; y <= 15; y += 2)
                for (int x = firstX; x <= lastX; x += 2) {
                    const int id = s.board.Cell(x, y, layer);
                    ASSERT_NE(id, 0) << x << "," << y << "," << layer;
                    EXPECT_EQ(s.board.TilePos[id], (TilePosition{x, y, layer}));
                    // Hard puts ids 1..72 on the lower layer and 73..144 on the upper one.
                    if (hard) {
                        EXPECT_EQ(id > 72, layer == 2);
                    }
                    seen.insert(id);
                }
        EXPECT_EQ(static_cast<int>(seen.size()), s.TilesLeft);
        EXPECT_EQ(*seen.rbegin(), s.TilesLeft);
    }
}

TEST(RiversPath, NeighboursMeetAtOnceAndTheTileStaysPut) {
    RiversTable t;
    t.FillEasy({10, 9}, {12, 9});
    EXPECT_EQ(t.Walk(), (std::vector<std::pair<int, int>>{{12, 9}}));
    EXPECT_EQ(t.s.board.TilePos[2], (TilePosition{12, 9, 1}));
    EXPECT_EQ(t.search.MovingTile, 2);
}

TEST(RiversPath, OuterTilesJoinAroundTheGridAndTheTileEndsBesideTheFirst) {
    RiversTable t;
    // Full grid: only the margin is open. The first path in search order leaves A to the
    // left, runs down the margin column and comes back right onto B.
    t.FillEasy({4, 5}, {4, 15});
    const std::vector<std::pair<int, int>> expected{{4, 15}, {2, 15}, {2, 13}, {2, 11},
                                                    {2, 9},  {2, 7},  {2, 5}};
    EXPECT_EQ(t.Walk(), expected);
    EXPECT_EQ(t.s.board.TilePos[2], (TilePosition{2, 5, 1}));
    EXPECT_EQ(t.s.board.Cell(2, 5, 1), 2);
    EXPECT_EQ(t.s.board.Cell(4, 15, 1), 0);

    // Through the top and bottom margins too, as far as y 1 and 19.
    RiversTable far;
    far.FillEasy({4, 5}, {30, 5});
    EXPECT_TRUE(far.search.CanBeReached(1, 2));
    RiversTable low;
    low.FillEasy({10, 15}, {24, 15});
    EXPECT_TRUE(low.search.CanBeReached(1, 2));
}

TEST(RiversPath, TwoTurnsAreAcceptedAndThreeRefused) {
    // A channel opens down from the top margin at x 8; A stands on the top row.
    RiversTable twoTurns;
    twoTurns.FillEasy({4, 5}, {8, 9}, {{8, 5}, {8, 7}});
    EXPECT_TRUE(twoTurns.search.CanBeReached(1, 2));

    // B one step to the right of the channel's end needs a fourth segment.
    RiversTable threeTurns;
    threeTurns.FillEasy({4, 5}, {10, 7}, {{8, 5}, {8, 7}});
    EXPECT_FALSE(threeTurns.search.CanBeReached(1, 2));
    EXPECT_FALSE(threeTurns.search.CanBeReached(2, 1));
}

TEST(RiversPath, LayersNeverJoinAndTheUpperLayerRunsOverTheLower) {
    RiversTable t;
    t.s.board.Place(1, 10, 5, 1);
    t.s.board.Place(2, 10, 5, 2);
    EXPECT_FALSE(t.search.CanBeReached(1, 2));
    EXPECT_FALSE(t.search.CanBeReached(2, 1));

    // Layer 1 is full between the two; on layer 2 the way is open.
    RiversTable upper;
    int next = 5;
    for (int x = 6; x <= 28; x += 2)
        upper.s.board.Place(next++, x, 5, 1);
    upper.s.board.Place(1, 8, 5, 2);
    upper.s.board.Place(2, 20, 5, 2);
    EXPECT_TRUE(upper.search.CanBeReached(1, 2));

    // A stacked tile is no way down or up: with the row open on layer 1, 1 may not reach 2
    // on the tile under it, nor 2 reach 1 through the tile above it.
    RiversTable stacked;
    stacked.s.board.Place(1, 8, 5, 1);
    stacked.s.board.Place(3, 20, 5, 1);
    stacked.s.board.Place(2, 20, 5, 2);
    stacked.s.board.Place(4, 8, 5, 2);
    EXPECT_FALSE(stacked.search.CanBeReached(1, 2));
    EXPECT_FALSE(stacked.search.CanBeReached(2, 1));

    // A removed tile has layer 0 and joins nothing, not even another removed one.
    RiversTable gone;
    EXPECT_FALSE(gone.search.CanBeReached(1, 2));
}

TEST(RiversCount, CountsJoinablePairsUncoveredAndMovesAmongThem) {
    RiversTable t;
    // 1 and 2 side by side inside a full grid.
    t.FillEasy({10, 9}, {12, 9});
    t.search.animate = true;
    t.game.CountFree();
    std::vector<int> listed(t.s.board.FreeList.begin() + 1,
                            t.s.board.FreeList.begin() + 1 + t.s.FreeCount);
    EXPECT_NE(std::find(listed.begin(), listed.end(), 1), listed.end());
    EXPECT_NE(std::find(listed.begin(), listed.end(), 2), listed.end());
    EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end()));
    EXPECT_GE(t.s.MovesLeft, 1);
    // The count never moves a tile.
    EXPECT_EQ(t.s.board.TilePos[2], (TilePosition{12, 9, 1}));

    // A tile straight above either of a pair keeps the pair out of the count.
    RiversTable covered;
    covered.s.TotalTiles = 144;
    covered.s.board.Place(1, 10, 5, 1);
    covered.s.board.Place(2, 12, 5, 1);
    covered.game.CountFree();
    EXPECT_EQ(covered.s.FreeCount, 2);
    EXPECT_EQ(covered.s.MovesLeft, 1);
    // Either tile of the pair covered keeps it out.
    for (const int x : {10, 12}) {
        covered.s.board.Place(73, x, 5, 2);
        covered.game.CountFree();
        EXPECT_EQ(covered.s.FreeCount, 0) << "covered at x " << x;
        EXPECT_EQ(covered.s.MovesLeft, 0) << "covered at x " << x;
        covered.s.board.Lift(73);
    }
}

TEST(RiversCount, TheHintShowsOnlyPairsThatCanLeave) {
    // A full grid where 1 sits beside 3 and 2 beside 4, far apart: all four count as free,
    // yet 1 and 2, neighbours in the free list, cannot be joined.
    RiversTable t;
    const std::map<std::pair<int, int>, int> group{
        {{10, 9}, 1}, {{12, 9}, 3}, {{20, 9}, 2}, {{22, 9}, 4}};
    int next = 5;
    for (int y = 5; y <= 15; y += 2)
        for (int x = 4; x <= 30; x += 2) {
            const auto at = group.find({x, y});
            t.s.board.Place(at != group.end() ? at->second : next++, x, y, 1);
        }
    t.s.TotalTiles = t.s.TilesLeft = 84;
    t.game.CountFree();
    std::set<std::pair<int, int>> shown;
    for (int press = 0; press < 2 * t.s.MovesLeft; ++press) {
        t.game.Hint({0, 0});
        ASSERT_NE(t.s.HintTile1, 0) << "press " << press;
        EXPECT_TRUE(t.search.CanBeReached(t.s.HintTile1, t.s.HintTile2))
            << t.s.HintTile1 << " and " << t.s.HintTile2;
        shown.emplace(t.s.HintTile1, t.s.HintTile2);
    }
    EXPECT_TRUE(shown.contains({1, 3}));
    EXPECT_TRUE(shown.contains({2, 4}));
}

// Play through the game's presses: tiles 1 and 2 of one group with a row of others between
// them and an open way around, 5 of another group.
class RiversPlay : public ::testing::Test {
  protected:
    void SetUp() override {
        t.Clear(ModeRivers);
        t.s.TotalTiles = 84;
        t.Put(1, 4, 9, 1);
        t.Put(2, 12, 9, 1);
        t.Put(9, 8, 9, 1);  // blocks the straight way: the path goes round it
        t.Put(5, 20, 9, 1);
    }
    test::Table t;
};

TEST_F(RiversPlay, JoinedPairLeavesAfterTheFirstPickTravelledBesideTheSecond) {
    std::vector<TilePosition> drawn;
    t.view.onRedrawTile = [&](int tile) {
        const TilePosition p = t.s.board.TilePos[tile];
        if (tile == 1 && t.s.board.Cell(p.x, p.y, p.layer) == 1)
            drawn.push_back(p);
    };
    t.Press(1);
    t.Press(2);
    EXPECT_EQ(t.s.TilesLeft, 2);
    EXPECT_EQ(t.s.Selected1, 0);
    EXPECT_FALSE(t.s.board.TilePos[1].OnBoard());
    EXPECT_EQ(t.s.board.Cell(4, 9, 1), 0);
    // Right from 2 meets only 5, left only 9; the first way found goes down, left along the
    // empty row below and up onto 1, which travels back along it to stand just below 2.
    const std::vector<TilePosition> path{{4, 9, 1},  {4, 9, 1},   {4, 11, 1}, {6, 11, 1},
                                         {8, 11, 1}, {10, 11, 1}, {12, 11, 1}};
    EXPECT_EQ(std::vector<TilePosition>(drawn.begin(), drawn.begin() + 7), path);
    EXPECT_EQ(drawn.back(), (TilePosition{12, 11, 1}));
    EXPECT_FALSE(t.s.RiverFound);
    const std::vector<std::string> events = t.view.Take();
    EXPECT_EQ(events.back(), "done");
    // The history keeps 1 where it was picked, so Back puts it there.
    EXPECT_EQ(t.s.board.MoveHistory[80].tile, 1);
    EXPECT_EQ(t.s.board.MoveHistory[80].x, 4);
    t.game.Back();
    EXPECT_EQ(t.s.board.TilePos[1], (TilePosition{4, 9, 1}));
    EXPECT_EQ(t.s.board.TilePos[2], (TilePosition{12, 9, 1}));
    EXPECT_EQ(t.s.TilesLeft, 4);

    // Without animation the tile leaves from its own place.
    t.s.options.AnimateTileRivers = false;
    drawn.clear();
    t.Press(1);
    t.Press(2);
    EXPECT_EQ(drawn, (std::vector<TilePosition>{{4, 9, 1}}));
    EXPECT_EQ(t.s.TilesLeft, 2);
}

TEST_F(RiversPlay, PicksThatCannotLeaveMoveTheSelectionWithoutRefusing) {
    // Another group: the second pick becomes the selection.
    t.Press(1);
    t.Press(5);
    EXPECT_EQ(t.s.Selected1, 5);
    // One group but walled in: the same.
    for (int x = 2; x <= 32; x += 2) {
        t.Put(100 + x / 2, x, 7, 1);
        t.Put(116 + x / 2, x, 11, 1);
    }
    t.Put(99, 2, 9, 1);
    t.Put(98, 10, 9, 1);
    t.Press(1);
    t.view.Take();
    t.Press(2);
    EXPECT_EQ(t.s.Selected1, 2);
    EXPECT_EQ(t.s.Selected2, 0);
    EXPECT_EQ(t.s.board.TilePos[1], (TilePosition{4, 9, 1}));
    EXPECT_THAT(t.view.Take(), ::testing::ElementsAre("tile 2", "panel", "tile 1", "select"));
}

TEST_F(RiversPlay, HintNamesAJoinablePairAndShuffleKeepsTheLayers) {
    t.Put(3, 10, 15, 2);  // on its own layer: never joins 1 or 2
    t.s.TotalTiles = 144;
    t.game.CountFree();
    ASSERT_EQ(t.s.MovesLeft, 1);
    t.game.Hint();
    EXPECT_EQ(t.s.HintTile1, 1);
    EXPECT_EQ(t.s.HintTile2, 2);
    EXPECT_EQ(t.s.PenaltySeconds, 40);

    t.s.options.Shuffable = true;  // Rivers always shuffles freely
    t.game.Shuffle1Click();
    EXPECT_EQ(t.s.PenaltySeconds, 80);
    EXPECT_EQ(t.s.HintTile1, 0);
    EXPECT_EQ(t.s.board.TilePos[3].layer, 2);
    for (int tile : {1, 2, 5, 9})
        EXPECT_EQ(t.s.board.TilePos[tile].layer, 1);
    EXPECT_TRUE(test::TablesAgree(t.s.board));
    const std::vector<std::string> events = t.view.Take();
    EXPECT_NE(
        std::find(events.begin(), events.end(), "status: Tiles shuffled. 40 seconds penalty."),
        events.end());
}

}  // namespace
}  // namespace quorin::test
