// Which tiles are free, under both variants, and how free tiles and moves are counted.
#include <gtest/gtest.h>

#include <vector>

#include "BoardTestSupport.h"
#include "board/FreeRule.h"

namespace quorin {
namespace {

class FreeRule : public ::testing::Test {
  protected:
    void SetUp() override { t.Clear(ModeSolitaire); }
    bool Free(int tile) { return IsTileFree(t.s, tile); }
    std::vector<int> FreeList() {
        IsItFree(t.s);
        return {t.s.board.FreeList.begin() + 1, t.s.board.FreeList.begin() + 1 + t.s.FreeCount};
    }

    test::Table t;
};

TEST_F(FreeRule, LoneTileIsFreeEvenAtTheEdgesOfThePlayArea) {
    t.Put(1, 10, 10, 1);
    t.Put(2, 1, 1, 1);
    t.Put(3, 34, 20, 1);
    t.Put(4, 1, 20, 5);
    t.Put(5, 34, 1, 5);
    for (int tile = 1; tile <= 5; ++tile) {
        EXPECT_TRUE(Dispo(t.s, tile)) << tile;
        EXPECT_TRUE(Dispo_Vertical(t.s, tile)) << tile;
    }
}

TEST_F(FreeRule, TileOffTheBoardIsNotFree) {
    t.Put(1, 10, 10, 1);
    EXPECT_FALSE(Free(2));
    t.s.board.Lift(1);
    EXPECT_FALSE(Free(1));
}

TEST_F(FreeRule, OneOpenSideIsEnough) {
    t.Put(1, 10, 10, 1);
    t.Put(2, 8, 11, 1);  // half a tile lower, on the left
    EXPECT_TRUE(Free(1));
    t.Put(3, 12, 9, 1);  // half a tile higher, on the right
    EXPECT_FALSE(Free(1));
    EXPECT_TRUE(Free(2));
    EXPECT_TRUE(Free(3));
}

TEST_F(FreeRule, NeighbourHalfATileAwayVerticallyBlocksButNotFurther) {
    for (int dy : {-1, 0, 1}) {
        t.Clear();
        t.Put(1, 10, 10, 1);
        t.Put(2, 8, 10 + dy, 1);
        t.Put(3, 12, 10, 1);
        EXPECT_FALSE(Free(1)) << dy;
    }
    t.Clear();
    t.Put(1, 10, 10, 1);
    t.Put(2, 8, 12, 1);  // a whole tile lower: not beside it
    t.Put(3, 12, 8, 1);
    EXPECT_TRUE(Free(1));
}

TEST_F(FreeRule, AnyTileOverlappingFromAboveBlocks) {
    for (int dx : {-1, 0, 1})
        for (int dy : {-1, 0, 1}) {
            t.Clear();
            t.Put(1, 10, 10, 1);
            t.Put(2, 10 + dx, 10 + dy, 2);
            EXPECT_FALSE(Free(1)) << dx << " " << dy;
            EXPECT_TRUE(Free(2));
        }
    t.Clear();
    t.Put(1, 10, 10, 1);
    t.Put(2, 12, 10, 2);  // beside it, one layer up: nothing lies on tile 1
    EXPECT_TRUE(Free(1));
    t.Put(3, 10, 10, 3);  // two layers up does not count either
    EXPECT_TRUE(Free(1));
}

TEST_F(FreeRule, HalfCoveredTileWithAnOpenSideIsNotFree) {
    t.Put(1, 10, 10, 1);
    t.Put(2, 11, 9, 2);
    EXPECT_FALSE(Dispo(t.s, 1));
    EXPECT_FALSE(Dispo_Vertical(t.s, 1));
}

TEST_F(FreeRule, TopLayerNeedsOnlyAnOpenSide) {
    t.Put(1, 10, 10, 5);
    t.Put(2, 8, 10, 5);
    EXPECT_TRUE(Free(1));
    t.Put(3, 12, 10, 5);
    EXPECT_FALSE(Free(1));
}

TEST_F(FreeRule, VerticalVariationLooksAboveAndBelow) {
    t.Put(1, 10, 10, 1);
    t.Put(2, 8, 10, 1);
    t.Put(3, 12, 10, 1);
    EXPECT_FALSE(Dispo(t.s, 1));
    EXPECT_TRUE(Dispo_Vertical(t.s, 1));
    t.Put(4, 11, 8, 1);  // above, half a tile to the right
    EXPECT_TRUE(Dispo_Vertical(t.s, 1));
    t.Put(5, 9, 12, 1);  // below, half a tile to the left
    EXPECT_FALSE(Dispo_Vertical(t.s, 1));

    t.s.options.Vertical = true;
    EXPECT_FALSE(Free(1));
    EXPECT_TRUE(Free(2));
    t.s.options.Vertical = false;
    EXPECT_FALSE(Free(1));
}

TEST_F(FreeRule, VerticalVariationStillNeedsNothingOnTop) {
    t.Put(1, 10, 10, 1);
    t.Put(2, 9, 11, 2);
    EXPECT_FALSE(Dispo_Vertical(t.s, 1));
}

TEST_F(FreeRule, TheBoardRuleKnowsNoGameAndRiversPicksAnyTile) {
    t.Put(1, 10, 10, 1);
    t.Put(2, 10, 10, 2);
    for (uint8_t mode : {ModeRivers, ModeEditor}) {
        t.Play(mode);
        EXPECT_FALSE(Dispo(t.s, 1));
        EXPECT_FALSE(Dispo_Vertical(t.s, 1));
    }
    t.Play(ModeRivers);
    EXPECT_TRUE(t.game.Active()->IsFree(1));
    t.Play(ModeSolitaire);
    EXPECT_FALSE(t.game.Active()->IsFree(1));
    EXPECT_TRUE(t.game.Active()->IsFree(2));
}

TEST_F(FreeRule, DealingCountsUndealtPositionsAsOccupied) {
    BoardTables& b = t.s.board;
    b.SetCell(10, 10, 1, UndealtMark);
    b.SetCell(12, 10, 1, UndealtMark);
    b.SetCell(8, 10, 1, UndealtMark);
    EXPECT_FALSE(IsFreeForDeal(b, 10, 10, 1));
    EXPECT_TRUE(IsFreeForDeal(b, 12, 10, 1));
    b.SetCell(8, 10, 1, 0);
    b.SetCell(10, 10, 2, UndealtMark);
    EXPECT_FALSE(IsFreeForDeal(b, 10, 10, 1));
    EXPECT_FALSE(IsFreeForDeal(b, 0, 10, 1));
    EXPECT_FALSE(IsFreeForDeal(b, 10, 0, 1));
    EXPECT_FALSE(IsFreeForDeal(b, 10, 10, 0));
}

TEST_F(FreeRule, DealingAlwaysUsesTheHorizontalRule) {
    BoardTables& b = t.s.board;
    b.SetCell(10, 10, 1, UndealtMark);
    b.SetCell(10, 8, 1, UndealtMark);
    b.SetCell(10, 12, 1, UndealtMark);
    t.s.options.Vertical = true;
    EXPECT_TRUE(IsFreeForDeal(b, 10, 10, 1));
}

TEST_F(FreeRule, FreeListIsInIdOrderAndMovesCountPerGroup) {
    // Group 0: three free tiles (two moves), group 1: one free, one blocked (no move),
    // group 28: two free seasons with different faces (one move).
    t.Put(3, 2, 2, 1);
    t.Put(1, 6, 2, 1);
    t.Put(2, 10, 2, 1);
    t.Put(5, 2, 10, 1);
    t.Put(6, 2, 10, 2);  // on top of tile 5
    t.Put(116, 20, 10, 1);
    t.Put(113, 30, 10, 1);
    EXPECT_EQ(FreeList(), (std::vector<int>{1, 2, 3, 6, 113, 116}));
    EXPECT_EQ(t.s.FreeCount, 6);
    EXPECT_EQ(t.s.MovesLeft, 3);
}

TEST_F(FreeRule, FourFreeTilesOfAGroupCountThreeMoves) {
    t.Put(109, 2, 2, 1);
    t.Put(110, 6, 2, 1);
    t.Put(111, 10, 2, 1);
    t.Put(112, 14, 2, 1);
    t.Put(108, 18, 2, 1);  // last dot: another group
    FreeList();
    EXPECT_EQ(t.s.MovesLeft, 3);
}

TEST_F(FreeRule, NoMoveWhenEveryGroupHasOneFreeTileAtMost) {
    // A row 1 5 9 2 13, where 9 and 2 are shut in, and tile 17 lying on tile 3.
    t.Put(1, 2, 2, 1);
    t.Put(5, 6, 2, 1);
    t.Put(9, 8, 2, 1);
    t.Put(2, 10, 2, 1);
    t.Put(13, 12, 2, 1);
    t.Put(3, 10, 10, 1);
    t.Put(17, 10, 10, 2);
    EXPECT_EQ(FreeList(), (std::vector<int>{1, 5, 13, 17}));
    EXPECT_EQ(t.s.MovesLeft, 0);
    t.s.board.Lift(17);
    EXPECT_EQ(FreeList(), (std::vector<int>{1, 3, 5, 13}));
    EXPECT_EQ(t.s.MovesLeft, 1);
}

TEST_F(FreeRule, CountFollowsTheVariant) {
    t.Put(1, 10, 10, 1);
    t.Put(5, 8, 10, 1);
    t.Put(6, 12, 10, 1);
    t.Put(2, 20, 10, 1);
    EXPECT_EQ(FreeList(), (std::vector<int>{2, 5, 6}));
    t.s.options.Vertical = true;
    EXPECT_EQ(FreeList(), (std::vector<int>{1, 2, 5, 6}));
    EXPECT_EQ(t.s.MovesLeft, 2);
}

TEST_F(FreeRule, CountingHappensOnlyInTheTileGames) {
    t.Put(1, 2, 2, 1);
    t.Put(2, 6, 2, 1);
    t.Play(ModeTwoPlayers);
    t.game.CountFree();
    EXPECT_EQ(t.s.MovesLeft, 1);
    for (uint8_t mode : {ModeNone, ModeMemory, ModeEditor, ModeGameOver, ModeIdle, ModePaused}) {
        t.Play(mode);
        t.s.FreeCount = 7;
        t.s.MovesLeft = 7;
        t.game.CountFree();
        EXPECT_EQ(t.s.FreeCount, 7) << int(mode);
        EXPECT_EQ(t.s.MovesLeft, 7) << int(mode);
    }
}

}  // namespace
}  // namespace quorin
