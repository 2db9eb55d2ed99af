// The difficulty rating on positions whose random play is known by hand.
#include <gtest/gtest.h>

#include <vector>

#include "board/BoardView.h"
#include "board/Clock.h"
#include "games/Game.h"
#include "layouts/LayoutFile.h"
#include "solver/Rating.h"

namespace quorin {
namespace {

SolverTile T(int id, int x, int y, int layer = 1) {
    return {id, {x, y, layer}};
}

TEST(RatingTest, RandomPlayAndTheLineOnSmallPositions) {
    // Tile 1 on tile 5, tile 6 on tile 2: no order clears it.
    const DealRating crossed =
        RateDeal({T(5, 2, 2), T(1, 2, 2, 2), T(2, 10, 2), T(6, 10, 2, 2)}, false);
    EXPECT_EQ(crossed.answer, SolveAnswer::Unwinnable);
    EXPECT_EQ(crossed.level, 0);
    EXPECT_EQ(DifficultyText(crossed), "cannot be won");

    // 1 and 2 alone, 3 on 4: of the three free pairs, 1-2 jams, the other two clear. Random
    // play clears two games in three; the line meets one choice of three pairs.
    const DealRating idle = RateDeal({T(1, 2, 2), T(2, 10, 2), T(4, 20, 2), T(3, 20, 2, 2)}, false);
    EXPECT_EQ(idle.answer, SolveAnswer::Winnable);
    EXPECT_NEAR(static_cast<double>(idle.cleared) / idle.playouts, 2.0 / 3.0, 0.06);
    EXPECT_NEAR(idle.tilesLeft, 2.0 / 3.0, 0.12);
    EXPECT_EQ(idle.decisions, 1);
    EXPECT_EQ(idle.choices, 3);
    EXPECT_EQ(idle.safeChoices, 1);
    EXPECT_EQ(idle.level, 1);
    EXPECT_EQ(DifficultyText(idle), "1 of 5");
}

TEST(RatingTest, ADealAlwaysGetsTheSameRating) {
    const LayoutLoad load =
        ReadLayoutFile(std::string(QUORIN_SOURCE_DIR) + "/data/Layouts/Traditional.lay");
    ASSERT_TRUE(load.ok) << load.Message();
    class NoClock : public TickSource, public TimeOfDaySource {
      public:
        uint32_t Now() override { return 0; }
        uint32_t MillisecondsOfDayUtc() override { return 0; }
    } clock;
    SilentView view;
    Game game(view, clock, clock);
    game.State().layout = load.grid;
    game.State().options.RandomSeed1 = true;
    game.State().SeedNumber = 4;
    game.DealLayout();
    const std::vector<SolverTile> tiles = TilesOnBoard(game.State().board);
    const DealRating first = RateDeal(tiles, false), again = RateDeal(tiles, false);
    EXPECT_EQ(first.answer, SolveAnswer::Winnable);
    EXPECT_EQ(first.cleared, again.cleared);
    EXPECT_EQ(first.level, again.level);
    EXPECT_EQ(first.narrow, again.narrow);
    EXPECT_GT(first.decisions, 0);
}

}  // namespace
}  // namespace quorin
