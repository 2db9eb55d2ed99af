// What a press on the board does in solitaire and two-player solitaire: select, refuse,
// deselect, move the selection, remove a pair, pass the turn.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "BoardTestSupport.h"
#include "board/Dealer.h"

namespace quorin {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A row 1 . 2 . 5 along the top; 9 3 13 side by side below (3 shut in); the seasons 113 and
// 116 further down.
class Clicks : public ::testing::Test {
  protected:
    void SetUp() override {
        t.Clear(ModeSolitaire);
        t.Put(1, 4, 4, 1);
        t.Put(2, 10, 4, 1);
        t.Put(5, 16, 4, 1);
        t.Put(9, 4, 12, 1);
        t.Put(3, 6, 12, 1);
        t.Put(13, 8, 12, 1);
        t.Put(113, 20, 16, 1);
        t.Put(116, 26, 16, 1);
    }
    void Press(int tile) {
        const TilePosition p = t.s.board.TilePos[tile];
        t.PressAt(p.x, p.y, p.layer);
    }

    test::Table t;
};

TEST_F(Clicks, FirstPressOnAFreeTileSelectsIt) {
    Press(1);
    EXPECT_EQ(t.s.Selected1, 1);
    EXPECT_EQ(t.s.Selected2, 0);
    EXPECT_THAT(t.view.Take(), ElementsAre("select", "tile 1"));
}

TEST_F(Clicks, BlockedTileIsRefused) {
    Press(3);
    EXPECT_EQ(t.s.Selected1, 0);
    EXPECT_THAT(t.view.Take(), ElementsAre("noway"));
}

TEST_F(Clicks, PressingTheSelectedTileAgainDeselectsIt) {
    Press(1);
    t.view.Take();
    Press(1);
    EXPECT_EQ(t.s.Selected1, 0);
    EXPECT_EQ(t.s.Selected2, 0);
    EXPECT_EQ(t.s.TilesLeft, 8);
    EXPECT_THAT(t.view.Take(), ElementsAre("select", "tile 1"));
}

TEST_F(Clicks, TileOfAnotherGroupTakesOverTheSelection) {
    Press(1);
    t.view.Take();
    Press(5);
    EXPECT_EQ(t.s.Selected1, 5);
    EXPECT_EQ(t.s.Selected2, 0);
    EXPECT_THAT(t.view.Take(), ElementsAre("tile 5", "tile 1", "select"));
    Press(13);
    EXPECT_EQ(t.s.Selected1, 13);
}

TEST_F(Clicks, MatchingPairIsRemoved) {
    struct Seen {
        int tile, cell;
        bool placed;
    };
    std::vector<Seen> seen;
    t.view.onRedrawTile = [&](int tile) {
        const TilePosition p = t.s.board.TilePos[tile];
        seen.push_back({tile, t.s.board.Cell(p.x, p.y, p.layer), p.OnBoard()});
    };
    Press(2);
    Press(1);
    EXPECT_THAT(t.view.Take(),
                ElementsAre("select", "tile 2", "tile 1", "tile 2", "tile 1", "done", "panel"));
    // The removed tiles are drawn away while their place is still known.
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_TRUE(seen[2].tile == 2 && seen[2].cell == 0 && seen[2].placed);
    EXPECT_TRUE(seen[3].tile == 1 && seen[3].cell == 0 && seen[3].placed);

    EXPECT_EQ(t.s.TilesLeft, 6);
    EXPECT_EQ(t.s.Selected1, 0);
    EXPECT_EQ(t.s.Selected2, 0);
    EXPECT_FALSE(t.s.board.TilePos[1].OnBoard());
    EXPECT_FALSE(t.s.board.TilePos[2].OnBoard());
    EXPECT_EQ(t.s.board.Cell(4, 4, 1), 0);
    EXPECT_EQ(t.s.board.Cell(10, 4, 1), 0);
    EXPECT_TRUE(test::TablesAgree(t.s.board));
    // 144 - 8 tiles were gone before: the pair fills the entries from there, first pick first.
    const MoveEntry& first = t.s.board.MoveHistory[136];
    const MoveEntry& second = t.s.board.MoveHistory[137];
    EXPECT_EQ(first.tile, 2);
    EXPECT_EQ((TilePosition{first.x, first.y, first.layer}), (TilePosition{10, 4, 1}));
    EXPECT_EQ(second.tile, 1);
    EXPECT_EQ((TilePosition{second.x, second.y, second.layer}), (TilePosition{4, 4, 1}));
}

TEST_F(Clicks, SeasonsWithDifferentFacesArePaired) {
    Press(113);
    Press(116);
    EXPECT_EQ(t.s.TilesLeft, 6);
    EXPECT_FALSE(t.s.board.TilePos[113].OnBoard());
    EXPECT_FALSE(t.s.board.TilePos[116].OnBoard());
}

TEST_F(Clicks, SidePanelFollowsRemovalsOnlyWhenShown) {
    t.s.options.ShowGirls = false;
    Press(1);
    Press(2);
    EXPECT_THAT(t.view.Take(),
                ElementsAre("select", "tile 1", "tile 2", "tile 1", "tile 2", "done"));
}

TEST_F(Clicks, BlockedSecondTileKeepsTheFirst) {
    Press(2);
    t.view.Take();
    Press(3);
    EXPECT_EQ(t.s.Selected1, 2);
    EXPECT_EQ(t.s.Selected2, 0);
    EXPECT_EQ(t.s.TilesLeft, 8);
    EXPECT_THAT(t.view.Take(), ElementsAre("noway"));
    Press(1);  // the pair can still be taken
    EXPECT_EQ(t.s.TilesLeft, 6);
}

TEST_F(Clicks, PressOutsideEveryTileChangesNothing) {
    Press(1);
    t.view.Take();
    t.game.ButtonDown(MouseButton::Left, 600, 300);
    t.game.ButtonDown(MouseButton::Left, 0, 0);
    t.game.ButtonDown(MouseButton::Left, -500, 5000);
    EXPECT_EQ(t.s.Selected1, 1);
    EXPECT_THAT(t.view.Take(), IsEmpty());
}

TEST_F(Clicks, StripLeftOfColumnZeroAndAboveRowZeroIsNotPlayable) {
    t.Put(17, 1, 16, 1);  // its picture starts 26 pixels left of the board origin
    t.Put(21, 20, 1, 1);  // and this one 40 pixels above it
    const int y17 = t.s.BoardOriginY + 25 * 16 - 6 - 59 + 28;
    t.game.ButtonDown(MouseButton::Left, t.s.BoardOriginX - 21, y17);  // column -1
    EXPECT_EQ(t.s.Selected1, 0);
    t.game.ButtonDown(MouseButton::Left, t.s.BoardOriginX - 19, y17);  // column 0
    EXPECT_EQ(t.s.Selected1, 17);
    t.game.ButtonDown(MouseButton::Right, 0, 0);

    const int x21 = t.s.BoardOriginX + 20 * 20 + 6 - 52 + 23;
    t.game.ButtonDown(MouseButton::Left, x21, t.s.BoardOriginY - 26);  // row -1
    EXPECT_EQ(t.s.Selected1, 0);
    t.game.ButtonDown(MouseButton::Left, x21, t.s.BoardOriginY - 24);  // row 0
    EXPECT_EQ(t.s.Selected1, 21);
}

TEST_F(Clicks, RightPressClearsSelectionAndHint) {
    Press(1);
    t.s.HintTile1 = 113;
    t.s.HintTile2 = 116;
    t.view.Take();
    t.game.ButtonDown(MouseButton::Right, 600, 300);
    EXPECT_EQ(t.s.Selected1, 0);
    EXPECT_EQ(t.s.HintTile1, 0);
    EXPECT_EQ(t.s.HintTile2, 0);
    EXPECT_THAT(t.view.Take(), ElementsAre("board", "panel restored"));
    // A right press on a tile does not select it either.
    Press(1);
    t.view.Take();
    const TilePosition p = t.s.board.TilePos[2];
    t.PressAt(p.x, p.y, p.layer, MouseButton::Right);
    EXPECT_EQ(t.s.TilesLeft, 8);
    EXPECT_EQ(t.s.Selected1, 0);
}

TEST_F(Clicks, RightPressInMemoryKeepsTheTurnedTiles) {
    t.Play(ModeMemory);
    t.s.Selected1 = 3;
    t.s.HintTile1 = 1;
    t.game.ButtonDown(MouseButton::Right, 600, 300);
    EXPECT_EQ(t.s.Selected1, 3);
    EXPECT_EQ(t.s.HintTile1, 1);
    EXPECT_THAT(t.view.Take(), ElementsAre("board", "panel restored"));
}

TEST_F(Clicks, PressesAreIgnoredOutsideAGame) {
    for (uint8_t mode : {ModeNone, ModeGameOver, ModeIdle, ModePaused}) {
        t.Play(mode);
        Press(1);
        t.game.ButtonDown(MouseButton::Right, 600, 300);
        EXPECT_EQ(t.s.Selected1, 0) << int(mode);
        EXPECT_THAT(t.view.Take(), IsEmpty()) << int(mode);
    }
    t.Play(ModeSolitaire);
    t.s.MemoryCountdown = 3;  // a Memory pair is still on show
    Press(1);
    EXPECT_EQ(t.s.Selected1, 0);
    EXPECT_THAT(t.view.Take(), IsEmpty());
}

TEST_F(Clicks, RemovalPassesTheTurnInTwoPlayerMode) {
    t.Play(ModeTwoPlayers);
    t.s.Player1Tick = t.clock.ticks;
    t.clock.Advance(5000);
    Press(3);  // refused
    Press(1);
    Press(5);  // moves the selection
    EXPECT_FALSE(t.s.PlayerTwoTurn);
    Press(1);
    Press(2);
    EXPECT_TRUE(t.s.PlayerTwoTurn);
    EXPECT_EQ(t.s.Player1Millis, 5000);
    EXPECT_EQ(t.s.Player2Tick, t.clock.ticks);

    t.clock.Advance(3000);
    Press(3);
    EXPECT_TRUE(t.s.PlayerTwoTurn);
    Press(113);
    Press(116);
    EXPECT_FALSE(t.s.PlayerTwoTurn);
    EXPECT_EQ(t.s.Player2Millis, 3000);
    EXPECT_EQ(t.s.Player1Tick, t.clock.ticks);
    EXPECT_EQ(t.s.Player1Millis, 5000);
}

TEST_F(Clicks, SolitaireKeepsTheTurn) {
    Press(1);
    Press(2);
    EXPECT_FALSE(t.s.PlayerTwoTurn);
    EXPECT_EQ(t.s.Player1Millis, 0);
}

TEST(ClicksOnADeal, RemovalsFillTheHistoryTwoEntriesAtATime) {
    test::Table t;
    t.s.layout = test::ShippedLayout("Traditional.lay");
    t.Play(ModeSolitaire);
    t.s.options.RandomSeed1 = true;
    t.s.SeedNumber = 31;
    std::vector<TilePosition> order;
    ASSERT_EQ(t.game.MakeDealer().CreateBoard(&order), DealResult::Dealt);
    for (int m = 0; m < 3; ++m) {
        const TilePosition pa = order[2 * m], pb = order[2 * m + 1];
        const int a = t.s.board.Cell(pa.x, pa.y, pa.layer);
        const int b = t.s.board.Cell(pb.x, pb.y, pb.layer);
        t.RemovePair(b, a);
        ASSERT_EQ(t.s.TilesLeft, 144 - 2 * (m + 1));
        const MoveEntry& first = t.s.board.MoveHistory[2 * m];
        const MoveEntry& second = t.s.board.MoveHistory[2 * m + 1];
        EXPECT_EQ(first.tile, b);
        EXPECT_EQ((TilePosition{first.x, first.y, first.layer}), pb);
        EXPECT_EQ(second.tile, a);
        EXPECT_EQ((TilePosition{second.x, second.y, second.layer}), pa);
    }
}

}  // namespace
}  // namespace quorin
