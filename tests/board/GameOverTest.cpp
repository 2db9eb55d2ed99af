// What the end of a game says, and the two players' clocks, with a clock the test moves.
#include <gtest/gtest.h>

#include "board/BoardView.h"
#include "games/Game.h"
#include "games/TwoPlayerClocks.h"
#include "halloffame/GameOverRules.h"
#include "support/FakeClock.h"

using namespace quorin;

TEST(GameOverTexts, FinalTimeScoreAndVerdicts) {
    EXPECT_EQ(FinalTimeText(1, 205, 40), "Your final time is 04:05");
    EXPECT_EQ(FinalTimeText(100, 425, 0), "Your final time is 07:05");
    EXPECT_EQ(FinalTimeText(99, 5999, 0), "Your final time is 99:59");
    // Clicks counts pieces left: only a cleared board has something to say.
    EXPECT_EQ(FinalTimeText(120, 0, 30), "You reached the top ! Great !");
    EXPECT_EQ(FinalTimeText(121, 12, 0), "");

    EXPECT_EQ(TwoPlayerVerdict(61'000, 61'000), "Same score for both players !");
    EXPECT_EQ(TwoPlayerVerdict(61'000, 60'999), "And the winner is... Player 2 !");
    EXPECT_EQ(TwoPlayerVerdict(60'999, 61'000), "And the winner is... Player 1 !");
}

TEST(TwoPlayerClocks, OnlyTheMoverRunsAndAPauseAddsNothing) {
    SilentView view;
    test::FakeClock clock;
    Game game(view, clock, clock);
    GameState& s = game.State();
    s.GameMode = ModeTwoPlayers;
    game.Choose(ModeTwoPlayers);
    StartTwoPlayerClocks(s, clock.Now());

    clock.Advance(12'500);
    EXPECT_EQ(PlayerClockMillis(s, 1, clock.Now()), 12'500);
    EXPECT_EQ(PlayerClockMillis(s, 2, clock.Now()), 0);

    // Player 1 ends the turn: their time is kept, player 2's starts.
    s.Player1Millis = PlayerClockMillis(s, 1, clock.Now());
    s.PlayerTwoTurn = true;
    s.Player2Tick = clock.Now();
    clock.Advance(3'000);

    // A pause of any length, and one across the wrap of the tick counter.
    for (const uint32_t pause : {1u, 600'000u, 4'294'000'000u}) {
        game.FreezeClocks();
        s.GameMode = ModePaused;
        clock.Advance(pause);
        s.GameMode = ModeTwoPlayers;
        game.ThawClocks();
        EXPECT_EQ(PlayerClockMillis(s, 1, clock.Now()), 12'500) << pause;
        EXPECT_EQ(PlayerClockMillis(s, 2, clock.Now()), 3'000) << pause;
    }
    EXPECT_EQ(FormatPlayerClock(PlayerClockMillis(s, 1, clock.Now())), "00:12");
    EXPECT_EQ(FormatPlayerClock(61'999), "01:01");
    EXPECT_EQ(FormatPlayerClock(-5), "00:00");
}

TEST(TwoPlayerClocks, TheMoversNameBlinks) {
    GameState s;
    s.PlayerTwoTurn = false;
    EXPECT_TRUE(PlayerNameLit(s, 2, 100));
    EXPECT_FALSE(PlayerNameLit(s, 1, 100));
    EXPECT_FALSE(PlayerNameLit(s, 1, 1500));
    EXPECT_TRUE(PlayerNameLit(s, 1, 1501));
    s.PlayerTwoTurn = true;
    EXPECT_TRUE(PlayerNameLit(s, 1, 100));
    EXPECT_FALSE(PlayerNameLit(s, 2, 2200));
}
