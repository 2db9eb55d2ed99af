// Memory: the deal of both levels, turning two tiles, the half-second show, hits and misses.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "board/BoardTestSupport.h"
#include "games/Memory.h"

namespace quorin {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(MemoryDeal, EachLevelFillsItsGridWithItsFaces) {
    for (const bool hard : {false, true}) {
        test::Table t;
        t.game.StartGame(ModeMemory, hard);
        const GameState& s = t.s;
        const int tiles = hard ? 84 : 32;
        EXPECT_EQ(s.CurrentLayout, hard ? 111 : 110);
        EXPECT_EQ(s.TilesLeft, tiles);
        EXPECT_EQ(s.TotalTiles, tiles);
        const int firstX = hard ? 4 : 10, lastX = hard ? 30 : 24;
        const int firstY = hard ? 5 : 7, lastY = hard ? 15 : 13;
        std::set<int> ids, faces;
        for (int y = 1; y <= kRows; ++y)
            for (int x = 1; x <= kColumns; ++x) {
                const int id = s.board.Cell(x, y, 1);
                if (id == 0)
                    continue;
                EXPECT_TRUE(x >= firstX && x <= lastX && x % 2 == 0 && y >= firstY && y <= lastY &&
                            y % 2 == 1)
                    << x << "," << y;
                EXPECT_EQ(s.board.TilePos[id], (TilePosition{x, y, 1}));
                ids.insert(id);
                faces.insert(TileFace(id));
            }
        EXPECT_EQ(static_cast<int>(ids.size()), tiles);
        EXPECT_EQ(*ids.rbegin(), tiles);
        EXPECT_EQ(*faces.rbegin(), hard ? 21 : 8);
        EXPECT_EQ(static_cast<int>(faces.size()), tiles / 4);
    }
}

// Tiles 1 and 2 of one group, 5 of another, on a Memory table.
class MemoryTurns : public ::testing::Test {
  protected:
    void SetUp() override {
        t.Clear(ModeMemory);
        t.s.TotalTiles = 32;
        t.Put(1, 10, 7, 1);
        t.Put(2, 14, 7, 1);
        t.Put(5, 18, 7, 1);
        t.Put(6, 22, 7, 1);
    }
    void Ticks(int n) {
        for (int k = 0; k < n; ++k)
            t.game.Tick();
    }
    test::Table t;
};

TEST_F(MemoryTurns, AMatchingPairLeavesWhenTheShowEnds) {
    t.Press(1);
    t.Press(1);  // the turned tile again: nothing starts
    EXPECT_EQ(t.s.MemoryCountdown, 0);
    EXPECT_EQ(t.s.Selected1, 1);
    t.Press(2);
    EXPECT_EQ(t.s.MemoryCountdown, 10);
    EXPECT_THAT(t.view.Take(), ElementsAre("select", "tile 1", "select", "tile 2"));

    // Presses during the show change nothing.
    t.Press(5);
    t.game.ButtonDown(MouseButton::Right, 600, 300);
    EXPECT_EQ(t.s.Selected1, 1);
    EXPECT_EQ(t.s.Selected2, 2);
    Ticks(9);
    EXPECT_EQ(t.s.TilesLeft, 4);
    EXPECT_THAT(t.view.Take(), IsEmpty());
    Ticks(1);
    EXPECT_EQ(t.s.TilesLeft, 2);
    EXPECT_EQ(t.s.Selected1, 0);
    EXPECT_EQ(t.s.Selected2, 0);
    EXPECT_FALSE(t.s.board.TilePos[1].OnBoard());
    EXPECT_EQ(t.s.board.Cell(14, 7, 1), 0);
    EXPECT_EQ(t.s.PenaltySeconds, 0);
    EXPECT_THAT(t.view.Take(), ElementsAre("panel", "tile 1", "tile 2", "done"));
    // 32 - 4 tiles were gone before.
    EXPECT_EQ(t.s.board.MoveHistory[28].tile, 1);
    EXPECT_EQ(t.s.board.MoveHistory[29].tile, 2);
    Ticks(20);
    EXPECT_EQ(t.s.TilesLeft, 2);
}

TEST_F(MemoryTurns, AMissCostsTwoSecondsAndTurnsBothBack) {
    t.s.options.ShowGirls = false;
    t.Press(5);
    t.Press(1);
    t.view.Take();
    Ticks(10);
    EXPECT_EQ(t.s.PenaltySeconds, 2);
    EXPECT_EQ(t.s.TilesLeft, 4);
    EXPECT_EQ(t.s.Selected1, 0);
    EXPECT_EQ(t.s.Selected2, 0);
    EXPECT_THAT(t.view.Take(), ElementsAre("board"));
    // The right button keeps a turned tile.
    t.Press(6);
    t.game.ButtonDown(MouseButton::Right, 600, 300);
    EXPECT_EQ(t.s.Selected1, 6);
    t.Press(5);
    Ticks(10);
    EXPECT_EQ(t.s.TilesLeft, 2);
    EXPECT_EQ(t.s.PenaltySeconds, 2);
}

TEST_F(MemoryTurns, ANewGameForgetsAPairOnShow) {
    t.Press(5);
    t.Press(1);
    t.game.StartGame(ModeRivers, false);
    EXPECT_EQ(t.s.MemoryCountdown, 0);
    Ticks(10);
    EXPECT_EQ(t.s.TilesLeft, 84);
    EXPECT_EQ(t.s.PenaltySeconds, 0);
}

}  // namespace
}  // namespace quorin
