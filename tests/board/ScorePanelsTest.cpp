// The score panels of the status bar and what the count of moves tells about the game.
#include <gtest/gtest.h>

#include "BoardTestSupport.h"
#include "halloffame/ScorePanels.h"

namespace quorin {
namespace {

using Event = ScoreReport::Event;

TEST(ScorePanels, TimesReadAsMinutesAndSeconds) {
    EXPECT_EQ(FormatGameTime(425), "07:05");
    EXPECT_EQ(FormatGameTime(5999), "99:59");
    EXPECT_EQ(FormatGameTime(0), "00:00");
}

TEST(ScorePanels, ShowTilesMovesAndTimeOfTheGameInProgress) {
    test::Table t;
    t.Clear(ModeSolitaire);
    t.Put(1, 3, 3, 1);
    t.Put(2, 9, 3, 1);
    t.Put(5, 15, 3, 1);
    t.s.ElapsedSeconds = 65;
    t.s.PenaltySeconds = 40;
    ScoreReport r = ReportScore(t.game, true, true, false);
    EXPECT_EQ(r.tilesLeft, std::to_string(t.s.TilesLeft));
    EXPECT_EQ(r.movesLeft, "1");
    EXPECT_EQ(r.time, "01:45");
    EXPECT_TRUE(r.movesFound);
    EXPECT_EQ(r.event, Event::None);

    // The options hide moves and time; a pause shows the tiles alone.
    r = ReportScore(t.game, false, false, false);
    EXPECT_EQ(r.movesLeft, "");
    EXPECT_EQ(r.time, "");
    t.s.GameMode = ModePaused;
    r = ReportScore(t.game, true, true, false);
    EXPECT_FALSE(r.tilesLeft.empty());
    EXPECT_EQ(r.movesLeft, "");
    EXPECT_EQ(r.time, "");

    // Between games, and once a game has finished, the panels are empty.
    t.Play(ModeIdle);
    EXPECT_EQ(ReportScore(t.game, true, true, false).tilesLeft, "");
    t.Play(ModeSolitaire);
    t.s.GameFinished = true;
    EXPECT_EQ(ReportScore(t.game, true, true, false).tilesLeft, "");
}

TEST(ScorePanels, ADeadEndIsToldOnceAndAnEmptyBoardEndsTheGame) {
    test::Table t;
    t.Clear(ModeSolitaire);
    t.Put(1, 3, 3, 1);
    t.Put(5, 9, 3, 1);  // two free tiles of different groups
    EXPECT_EQ(ReportScore(t.game, true, true, false).event, Event::NoMoreMoves);
    EXPECT_EQ(ReportScore(t.game, true, true, true).event, Event::None);

    t.Clear(ModeSolitaire);
    t.s.TilesLeft = 0;
    EXPECT_EQ(ReportScore(t.game, true, true, false).event, Event::BoardEmpty);
    t.s.GameOverShown = true;
    EXPECT_EQ(ReportScore(t.game, true, true, false).event, Event::None);
}

}  // namespace
}  // namespace quorin
