// The player's aids: Back, Restart, Hint and Shuffle, with their texts and penalties.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "BoardTestSupport.h"
#include "board/FreeRule.h"
#include "solver/Solver.h"

namespace quorin {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A seeded winnable deal of Traditional; pairs are taken in the order it was built.
class Undo : public ::testing::Test {
  protected:
    void SetUp() override {
        t.s.layout = test::ShippedLayout("Traditional.lay");
        t.Play(ModeSolitaire);
        t.s.options.RandomSeed1 = true;
        t.s.SeedNumber = 12345;
        ASSERT_EQ(t.game.MakeDealer().CreateBoard(&order), DealResult::Dealt);
        dealt = {t.s.board.TilePos.begin(), t.s.board.TilePos.end()};
        t.view.Take();
    }
    // Removes pair number m (0-based) of the removal order with two presses.
    void RemovePair(int m) {
        const TilePosition a = order[2 * m], b = order[2 * m + 1];
        t.RemovePair(t.s.board.Cell(a.x, a.y, a.layer), t.s.board.Cell(b.x, b.y, b.layer));
    }
    bool AsDealt() const {
        return std::equal(dealt.begin(), dealt.end(), t.s.board.TilePos.begin()) &&
               test::TablesAgree(t.s.board);
    }

    test::Table t;
    std::vector<TilePosition> order;
    std::vector<TilePosition> dealt;
};

TEST_F(Undo, BackRightAfterTheDealDoesNothing) {
    t.game.Back();
    EXPECT_EQ(t.s.TilesLeft, 144);
    EXPECT_THAT(t.view.Take(), IsEmpty());
}

TEST_F(Undo, BackTakesThePairsBackInReverseOrder) {
    RemovePair(0);
    RemovePair(1);
    const TilePosition second = order[2];
    const int secondTile = t.s.board.MoveHistory[2].tile;
    t.s.PenaltySeconds = 40;
    t.s.HintTile1 = 5;
    t.s.HintTile2 = 6;
    t.Press(t.s.board.Cell(order[4].x, order[4].y, order[4].layer));
    ASSERT_NE(t.s.Selected1, 0);
    t.view.Take();

    t.game.Back();
    EXPECT_EQ(t.s.TilesLeft, 142);
    EXPECT_EQ(t.s.board.Cell(second.x, second.y, second.layer), secondTile);
    EXPECT_EQ(t.s.board.Cell(order[0].x, order[0].y, order[0].layer), 0);
    EXPECT_EQ(t.s.Selected1, 0);
    EXPECT_EQ(t.s.HintTile1, 0);
    EXPECT_EQ(t.s.HintTile2, 0);
    EXPECT_EQ(t.s.PenaltySeconds, 40);
    EXPECT_THAT(t.view.Take(), ElementsAre("board", "panel", "repaint"));

    t.game.Back();
    EXPECT_EQ(t.s.TilesLeft, 144);
    EXPECT_TRUE(AsDealt());
    t.view.Take();
    t.game.Back();
    EXPECT_EQ(t.s.TilesLeft, 144);
    EXPECT_THAT(t.view.Take(), IsEmpty());
}

TEST_F(Undo, PairsTakenAgainAfterAnUndoAreTakenBackAgain) {
    RemovePair(0);
    t.game.Back();
    RemovePair(0);
    RemovePair(1);
    EXPECT_EQ(t.s.TilesLeft, 140);
    t.game.Back();
    t.game.Back();
    EXPECT_TRUE(AsDealt());
}

TEST_F(Undo, BackDoesNothingInTwoPlayerModeNorInMemory) {
    RemovePair(0);
    for (uint8_t mode : {ModeTwoPlayers, ModeMemory}) {
        t.Play(mode);
        t.view.Take();
        t.game.Back();
        EXPECT_EQ(t.s.TilesLeft, 142);
        EXPECT_THAT(t.view.Take(), IsEmpty());
    }
}

TEST_F(Undo, BackOnAnEmptyBoardDoesNothing) {
    t.s.TilesLeft = 0;  // the last pair is gone: the game is won
    t.game.Back();
    EXPECT_EQ(t.s.TilesLeft, 0);
    EXPECT_THAT(t.view.Take(), IsEmpty());
}

TEST_F(Undo, RestartPutsEveryPairBackAndStartsTheClockAgain) {
    RemovePair(0);
    RemovePair(1);
    RemovePair(2);
    t.s.ElapsedSeconds = 77;
    t.s.PenaltySeconds = 50;
    t.s.HoverTile = 9;
    t.s.PausedElapsed = t.s.PausedTurn1 = t.s.PausedTurn2 = 4;
    t.clock.Advance(60'000);
    t.view.Take();

    t.game.Restart();
    EXPECT_EQ(t.s.TilesLeft, 144);
    EXPECT_TRUE(AsDealt());
    EXPECT_EQ(t.s.ElapsedSeconds, 0);
    EXPECT_EQ(t.s.PenaltySeconds, 0);
    EXPECT_EQ(t.s.HoverTile, 0);
    EXPECT_EQ(t.s.PausedElapsed, 0);
    EXPECT_EQ(t.s.PausedTurn1, 0);
    EXPECT_EQ(t.s.PausedTurn2, 0);
    EXPECT_EQ(t.s.StartTick, t.clock.ticks);
    const auto events = t.view.Take();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "status: Game restarted.");
}

TEST_F(Undo, RestartNeedsAMoveAndASolitaireGame) {
    t.s.ElapsedSeconds = 5;
    t.game.Restart();
    EXPECT_EQ(t.s.ElapsedSeconds, 5);
    RemovePair(0);
    t.Play(ModeTwoPlayers);
    t.game.Restart();
    EXPECT_EQ(t.s.TilesLeft, 142);
    EXPECT_EQ(t.s.ElapsedSeconds, 5);
    EXPECT_THAT(t.view.Take(), ::testing::Not(::testing::Contains("status: Game restarted.")));
}

// Three free pairs (1-2, 5-6 and the seasons 113-116), a blocked pair 9-10 and a lone tile.
class Hints : public ::testing::Test {
  protected:
    void SetUp() override {
        t.Clear(ModeSolitaire);
        t.Put(113, 2, 2, 1);
        t.Put(2, 6, 2, 1);
        t.Put(5, 10, 2, 1);
        t.Put(116, 14, 2, 1);
        t.Put(1, 18, 2, 1);
        t.Put(6, 22, 2, 1);
        t.Put(9, 10, 10, 1);
        t.Put(10, 10, 10, 2);
        t.Put(17, 10, 10, 3);
        IsItFree(t.s);
        ASSERT_EQ(t.s.MovesLeft, 3);
        t.view.Take();
    }

    test::Table t;
};

TEST_F(Hints, StepThroughThePairsAndWrapAround) {
    const std::vector<std::pair<int, int>> shown = {{1, 2}, {5, 6}, {113, 116}, {1, 2}};
    int penalty = 0;
    for (const auto& [a, b] : shown) {
        t.game.Hint();
        penalty += 40;
        EXPECT_EQ(t.s.HintTile1, a);
        EXPECT_EQ(t.s.HintTile2, b);
        EXPECT_EQ(t.s.PenaltySeconds, penalty);
        EXPECT_THAT(t.view.Take(), ElementsAre("board"));
    }
}

TEST_F(Hints, ThreeFreeTilesOfAGroupGiveTwoHints) {
    t.Put(3, 30, 2, 1);
    IsItFree(t.s);
    ASSERT_EQ(t.s.MovesLeft, 4);
    std::vector<std::pair<int, int>> shown;
    for (int i = 0; i < 5; ++i) {
        t.game.Hint();
        shown.emplace_back(t.s.HintTile1, t.s.HintTile2);
    }
    EXPECT_THAT(shown, ElementsAre(std::pair{1, 2}, std::pair{2, 3}, std::pair{5, 6},
                                   std::pair{113, 116}, std::pair{1, 2}));
}

TEST_F(Hints, NoPairNoHintNoPenalty) {
    t.s.board.Lift(1);
    t.s.board.Lift(6);
    t.s.board.Lift(116);
    // The last count still says three moves: the hint counts again and finds none.
    t.s.HintTile1 = 2;
    t.s.HintTile2 = 1;
    t.game.Hint();
    EXPECT_EQ(t.s.MovesLeft, 0);
    EXPECT_EQ(t.s.HintTile1, 0);
    EXPECT_EQ(t.s.HintTile2, 0);
    EXPECT_EQ(t.s.PenaltySeconds, 0);
    EXPECT_THAT(t.view.Take(), IsEmpty());
    t.game.Hint();
    EXPECT_EQ(t.s.PenaltySeconds, 0);
}

TEST_F(Hints, OnlyInSolitaire) {
    for (uint8_t mode : {ModeTwoPlayers, ModeMemory, ModeClicks, ModeIdle}) {
        t.Play(mode);
        t.game.Hint();
        EXPECT_EQ(t.s.HintTile1, 0) << int(mode);
        EXPECT_EQ(t.s.PenaltySeconds, 0) << int(mode);
    }
}

// A trap for the round of free pairs: tiles 1, 2 and 3 of one group are free, and 4 lies
// under 5 while 3 lies on 6. The first pair of the round, 1-2, leaves 3 and 5 and nothing
// else; pairing 3 first clears.
class SafeHints : public ::testing::Test {
  protected:
    void SetUp() override {
        t.Clear(ModeSolitaire);
        t.Put(1, 2, 2, 1);
        t.Put(2, 6, 2, 1);
        t.Put(4, 10, 2, 1);
        t.Put(5, 10, 2, 2);
        t.Put(6, 14, 2, 1);
        t.Put(3, 14, 2, 2);
        IsItFree(t.s);
        t.view.Take();
    }
    std::pair<int, int> Shown() const { return {t.s.HintTile1, t.s.HintTile2}; }
    SolveAnswer AfterRemoving(std::pair<int, int> pair) const {
        BoardTables board = t.s.board;
        board.Lift(pair.first);
        board.Lift(pair.second);
        return Solve(TilesOnBoard(board), false, {}).answer;
    }

    test::Table t;
};

TEST_F(SafeHints, TheSafePairComesFirstInsteadOfTheTrap) {
    const SolveResult solved = Solve(TilesOnBoard(t.s.board), false, {});
    ASSERT_EQ(solved.answer, SolveAnswer::Winnable);
    t.game.Hint();
    ASSERT_EQ(Shown(), std::pair(1, 2));
    EXPECT_EQ(AfterRemoving(Shown()), SolveAnswer::Unwinnable);

    // The window's solver answered only now: its pair is shown at the next press.
    const auto [a, b] = solved.order.at(0);
    t.game.Hint({a, b});
    EXPECT_EQ(Shown(), std::pair(std::min(a, b), std::max(a, b)));
    EXPECT_EQ(AfterRemoving(Shown()), SolveAnswer::Winnable);
    EXPECT_EQ(t.s.PenaltySeconds, 80);
    EXPECT_THAT(t.view.Take(), ElementsAre("board", "board"));
}

TEST_F(SafeHints, OncePerPositionThenTheRound) {
    t.Put(9, 18, 2, 1);
    t.Put(10, 22, 2, 1);
    IsItFree(t.s);
    // The round is 1-2, 2-3, 9-10; after the safe 2-3 it goes on with 9-10.
    std::vector<std::pair<int, int>> shown;
    for (int press = 0; press < 3; ++press) {
        t.game.Hint({3, 2});
        shown.push_back(Shown());
    }
    EXPECT_THAT(shown, ElementsAre(std::pair(2, 3), std::pair(9, 10), std::pair(1, 2)));
    EXPECT_EQ(t.s.PenaltySeconds, 120);

    // A move makes a new position, whose safe pair comes first, not the next of the round.
    t.RemovePair(2, 3);
    t.game.Hint({6, 5});
    EXPECT_EQ(Shown(), std::pair(5, 6));
    t.game.Hint({6, 5});
    EXPECT_EQ(Shown(), std::pair(9, 10));

    // So does taking the move back, and so does a new game.
    t.game.Back();
    t.game.Hint({3, 2});
    EXPECT_EQ(Shown(), std::pair(2, 3));
    t.game.ResetForNewGame();
    t.game.Hint({3, 2});
    EXPECT_EQ(Shown(), std::pair(2, 3));
}

TEST_F(SafeHints, APairThatCannotBeTakenNowIsIgnored) {
    // Covered, of two groups, one tile twice, off the board, not tiles at all.
    for (const std::pair<int, int>& bad :
         {std::pair(1, 4), std::pair(1, 5), std::pair(1, 1), std::pair(7, 8), std::pair(0, 0),
          std::pair(1, 145), std::pair(-3, 1)}) {
        t.s.HintIndex = 0;
        t.game.Hint(bad);
        EXPECT_EQ(Shown(), std::pair(1, 2)) << bad.first << "-" << bad.second;
    }
}

class Shuffles : public ::testing::Test {
  protected:
    void SetUp() override { t.Clear(ModeSolitaire); }
    // Eight tiles with room around each: 1 2 3 4 (three moves), 5 6 and 9 10 (one each).
    void FiveMoves() {
        int x = 2;
        for (int tile : {1, 2, 3, 4, 5, 6, 9, 10}) {
            t.Put(tile, x, 4, 1);
            x += 4;
        }
    }
    // A stack of three beside a lone tile; the winnable reshuffle always gives up on it.
    void Stuck(int bottom, int middle, int top, int lone) {
        t.Put(bottom, 10, 10, 1);
        t.Put(middle, 10, 10, 2);
        t.Put(top, 10, 10, 3);
        t.Put(lone, 20, 10, 1);
    }
    std::vector<std::string> Shuffle() {
        t.view.Take();
        t.game.Shuffle1Click();
        return t.view.Take();
    }

    test::Table t;
};

TEST_F(Shuffles, ReportsTheMovesAndChargesTenSecondsEach) {
    FiveMoves();
    t.s.PenaltySeconds = 40;
    EXPECT_THAT(Shuffle(),
                ElementsAre("status: Tiles shuffled. 5 new moves found.", "board", "repaint"));
    EXPECT_EQ(t.s.PenaltySeconds, 90);
    EXPECT_EQ(test::OccupiedCells(t.s.board).size(), 8u);
    EXPECT_TRUE(test::TablesAgree(t.s.board));
}

TEST_F(Shuffles, FreeShuffleReportsTheSame) {
    FiveMoves();
    t.s.options.Shuffable = false;
    EXPECT_THAT(Shuffle(),
                ElementsAre("status: Tiles shuffled. 5 new moves found.", "board", "repaint"));
    EXPECT_EQ(t.s.PenaltySeconds, 50);
}

TEST_F(Shuffles, TwoPlayerModeIsNotCharged) {
    FiveMoves();
    t.Play(ModeTwoPlayers);
    for (bool winnable : {true, false}) {
        t.s.options.Shuffable = winnable;
        EXPECT_THAT(Shuffle(), ::testing::Contains("status: Tiles shuffled. 5 new moves found."));
        EXPECT_EQ(t.s.PenaltySeconds, 0);
    }
}

TEST_F(Shuffles, OneMove) {
    Stuck(7, 8, 5, 6);
    EXPECT_THAT(Shuffle(), ::testing::Contains("status: Tiles shuffled. 1 new move found."));
    EXPECT_EQ(t.s.PenaltySeconds, 10);
    // The reshuffle gave up: the board is as it was.
    EXPECT_EQ(t.s.board.TilePos[5], (TilePosition{10, 10, 3}));
    EXPECT_EQ(t.s.board.TilePos[6], (TilePosition{20, 10, 1}));
}

TEST_F(Shuffles, NoMove) {
    Stuck(2, 6, 5, 1);
    EXPECT_THAT(Shuffle(),
                ::testing::Contains("status: No moves found. Try to press Back a few times."));
    EXPECT_EQ(t.s.PenaltySeconds, 0);
    EXPECT_EQ(t.s.board.TilePos[1], (TilePosition{20, 10, 1}));
}

TEST_F(Shuffles, ClearSelectionAndHint) {
    FiveMoves();
    t.PressAt(2, 4, 1);
    ASSERT_EQ(t.s.Selected1, 1);
    t.s.HintTile1 = 1;
    t.s.HintTile2 = 2;
    Shuffle();
    EXPECT_EQ(t.s.Selected1, 0);
    EXPECT_EQ(t.s.HintTile1, 0);
    EXPECT_EQ(t.s.HintTile2, 0);
}

TEST_F(Shuffles, NothingOnceTheGameIsOverOrOutsideSolitaire) {
    FiveMoves();
    t.s.HintTile1 = 1;
    t.s.GameFinished = true;
    EXPECT_THAT(Shuffle(), IsEmpty());
    EXPECT_EQ(t.s.HintTile1, 1);
    t.s.GameFinished = false;
    for (uint8_t mode : {ModeMemory, ModeClicks, ModeEditor, ModeNone, ModeIdle}) {
        t.Play(mode);
        EXPECT_THAT(Shuffle(), IsEmpty()) << int(mode);
    }
    EXPECT_EQ(t.s.PenaltySeconds, 0);
}

// Worked out by hand from the steps of the free shuffle: cells visited layer by layer, then
// column by column, then row by row; each partner drawn as column, row, layer.
TEST_F(Shuffles, FreeShuffleUsesTheGeneratorAsItStands) {
    t.s.options.Shuffable = false;
    t.Put(1, 4, 4, 1);
    t.Put(2, 10, 4, 1);
    t.Put(5, 16, 4, 2);
    t.Put(6, 22, 4, 3);
    t.clock.timeOfDay = 12345;  // must not matter
    t.game.Rng().SetSeed(7);
    EXPECT_THAT(Shuffle(), ::testing::Contains("status: Tiles shuffled. 2 new moves found."));
    EXPECT_EQ(t.s.board.TilePos[1], (TilePosition{4, 4, 1}));
    EXPECT_EQ(t.s.board.TilePos[2], (TilePosition{22, 4, 3}));
    EXPECT_EQ(t.s.board.TilePos[5], (TilePosition{16, 4, 2}));
    EXPECT_EQ(t.s.board.TilePos[6], (TilePosition{10, 4, 1}));
    EXPECT_TRUE(test::TablesAgree(t.s.board));
    EXPECT_EQ(t.game.Rng().Seed(), 1013185329u);  // one pass was enough
}

TEST_F(Shuffles, FreeShuffleTriesAHundredAndOneTimes) {
    t.s.options.Shuffable = false;
    t.Put(1, 4, 4, 1);
    t.Put(5, 10, 4, 1);
    t.game.Rng().SetSeed(7);
    EXPECT_THAT(Shuffle(),
                ::testing::Contains("status: No moves found. Try to press Back a few times."));
    EXPECT_EQ(t.game.Rng().Seed(), 656334396u);
    EXPECT_EQ(t.s.board.TilePos[1], (TilePosition{10, 4, 1}));
    EXPECT_EQ(t.s.board.TilePos[5], (TilePosition{4, 4, 1}));
}

}  // namespace
}  // namespace quorin
