// The game clock: elapsed seconds, the 100-minute limit, and pauses that cost nobody time;
// and the side panel's picture that follows the game.
#include <gtest/gtest.h>

#include "BoardTestSupport.h"
#include "halloffame/PanelPicture.h"

namespace quorin {
namespace {

TEST(GameClock, CountsWholeSecondsAndStopsAtTheLimit) {
    test::Table t;
    t.Clear(ModeSolitaire);
    t.s.StartTick = t.clock.ticks;
    t.clock.Advance(2999);
    EXPECT_FALSE(t.game.AdvanceClock());
    EXPECT_EQ(t.s.ElapsedSeconds, 2);

    t.s.PenaltySeconds = 5999 - 2;  // 99:59 still runs
    EXPECT_FALSE(t.game.AdvanceClock());
    t.clock.Advance(1);
    EXPECT_TRUE(t.game.AdvanceClock());  // 100:00

    // Outside a game in progress the clock stands still; in Clicks it shows the pieces left.
    t.Play(ModeIdle);
    t.clock.Advance(60'000);
    EXPECT_FALSE(t.game.AdvanceClock());
    EXPECT_EQ(t.s.ElapsedSeconds, 3);
    t.Play(ModeClicks);
    t.s.TilesLeft = 57;
    t.game.AdvanceClock();
    EXPECT_EQ(t.s.ElapsedSeconds, 57);
}

TEST(GameClock, APauseOfAnyLengthAddsNothing) {
    test::Table t;
    t.Clear(ModeSolitaire);
    t.s.StartTick = t.clock.ticks;
    t.clock.Advance(10'500);
    t.game.FreezeClocks();
    t.clock.Advance(3'600'000);
    t.game.ThawClocks();
    t.game.AdvanceClock();
    EXPECT_EQ(t.s.ElapsedSeconds, 10);
}

TEST(GameClock, APauseKeepsTheTurnTimesOfTwoPlayers) {
    test::Table t;
    t.Clear(ModeTwoPlayers);
    t.s.StartTick = t.s.Player1Tick = t.s.Player2Tick = t.clock.ticks;
    t.clock.Advance(4000);
    t.game.FreezeClocks();
    t.clock.Advance(50'000);
    t.game.ThawClocks();
    // Player 1 is to move: the turn has lasted 4 s; the overall clock was not shifted.
    EXPECT_EQ(t.clock.ticks - t.s.Player1Tick, 4000u);
    EXPECT_EQ(t.clock.ticks - t.s.StartTick, 54'000u);
}

TEST(PanelPicture, FollowsTheMovesOrTheTimeOfTheGame) {
    GameState s;
    s.GameMode = ModeSolitaire;
    s.MovesLeft = 2;
    EXPECT_EQ(PanelPicture(s), 11);  // worried
    s.MovesLeft = 3;
    EXPECT_EQ(PanelPicture(s), 9);
    s.MovesLeft = 8;
    EXPECT_EQ(PanelPicture(s), 10);  // delighted
    // A pause shows the mood of the game paused.
    s.SavedMode = ModeSolitaire;
    s.GameMode = ModePaused;
    EXPECT_EQ(PanelPicture(s), 10);
    s.GameMode = ModeRivers;
    s.ElapsedSeconds = 100;
    s.PenaltySeconds = 40;
    EXPECT_EQ(PanelPicture(s), 6);
    s.GameMode = ModeClicks;
    s.MovesLeft = 25;
    EXPECT_EQ(PanelPicture(s), 4);
    s.GameMode = ModeIdle;
    EXPECT_EQ(PanelPicture(s), 1);
}

}  // namespace
}  // namespace quorin
