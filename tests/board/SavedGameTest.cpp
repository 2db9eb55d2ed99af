// The game kept across closes: what comes back is the game as it was, and a damaged or
// foreign file never puts a wrong board on the table.
#include <gtest/gtest.h>

#include <string>

#include "BoardTestSupport.h"
#include "games/Game.h"
#include "games/SavedGame.h"

namespace quorin::test {
namespace {

// A winnable Traditional deal with three pairs removed, some penalty and 7.5 s played.
void PlayThreePairs(Table& t) {
    t.Deal(ShippedLayout("Traditional.lay"), true, 4242);
    t.game.ResetForNewGame();
    t.s.StartTick = t.clock.Now();
    for (int k = 0; k < 3; ++k) {
        t.game.CountFree();
        t.game.Hint();
        ASSERT_NE(t.s.HintTile1, 0);
        t.RemovePair(t.s.HintTile1, t.s.HintTile2);
    }
    t.clock.Advance(7500);
    t.game.CountFree();
    t.s.Selected1 = static_cast<uint8_t>(t.s.board.FreeList[1]);
}

// That game written down, and the table of another run of the program with the layout the
// game was dealt on loaded.
class SavedThreePairs : public ::testing::Test {
  protected:
    void SetUp() override {
        PlayThreePairs(before);
        text = FormatSavedGame(before.s, ModeSolitaire, before.clock.Now(), "Traditional");
        after.s.layout = ShippedLayout("Traditional.lay");
    }
    Table before;
    Table after;
    std::string text;
};

TEST_F(SavedThreePairs, ASolitaireGameComesBackPausedWithItsTilesClockAndHistory) {
    after.clock.Advance(123'456);  // another run of the program: its ticks start elsewhere
    const SavedGameRead read = RestoreSavedGame(text, after.s, after.clock.Now());
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.header.layoutName, "Traditional");
    EXPECT_EQ(after.s.GameMode, ModePaused);
    EXPECT_EQ(after.s.SavedMode, ModeSolitaire);
    EXPECT_EQ(after.s.TilesLeft, 138);
    EXPECT_EQ(after.s.board.TilePos, before.s.board.TilePos);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(after.s.board.MoveHistory[k].tile, before.s.board.MoveHistory[k].tile) << k;
        EXPECT_EQ(after.s.board.MoveHistory[k].x, before.s.board.MoveHistory[k].x) << k;
    }
    EXPECT_EQ(after.s.PenaltySeconds, before.s.PenaltySeconds);
    EXPECT_EQ(after.s.Selected1, before.s.Selected1);
    EXPECT_EQ(after.s.SeedNumber, 4242);
    // The cells agree with the positions, and the game plays on from there.
    EXPECT_TRUE(TablesAgree(after.s.board));
    after.game.Choose(ModeSolitaire);
    after.s.GameMode = ModeSolitaire;
    after.game.ThawClocks();
    after.clock.Advance(1000);
    after.game.AdvanceClock();
    EXPECT_EQ(after.s.ElapsedSeconds, 8);
    after.game.Back();
    EXPECT_EQ(after.s.TilesLeft, 140);
    EXPECT_EQ(after.s.board.TilePos[before.s.board.MoveHistory[4].tile].x,
              before.s.board.MoveHistory[4].x);
}

TEST(SavedGame, AClicksGameKeepsItsGridAndEveryMoveToTakeBack) {
    Table before;
    before.Play(ModeClicks);
    before.game.StartGame(ModeClicks, false);
    int moves = 0;
    for (int n = 2; n <= 19 && moves < 3; ++n)
        for (int i = 13; i >= 2 && moves < 3; --i) {
            const int left = before.s.TilesLeft;
            before.game.ButtonDown(MouseButton::Left, 32 * (n - 1) + 16 + before.s.BoardOriginX,
                                   32 * (i - 1) + before.s.BoardOriginY);
            moves += before.s.TilesLeft != left;
        }
    ASSERT_EQ(before.s.ClicksUndoDepth, 3);
    const std::string text = FormatSavedGame(before.s, ModeClicks, before.clock.Now(), "");

    Table after;
    ASSERT_TRUE(RestoreSavedGame(text, after.s, after.clock.Now()).ok);
    EXPECT_EQ(after.s.Clicks.cells, before.s.Clicks.cells);
    EXPECT_EQ(after.s.TilesLeft, before.s.TilesLeft);
    EXPECT_EQ(after.s.CurrentLayout, 120);
    after.Play(ModeClicks);
    for (int k = 0; k < 3; ++k)
        after.game.Back();
    EXPECT_EQ(after.s.TilesLeft, 216);
    EXPECT_EQ(after.s.Clicks.cells, before.s.ClicksHistory[1].cells);
}

TEST_F(SavedThreePairs, ADamagedOrForeignFileLeavesTheBoardAsItWas) {
    after.s.TilesLeft = 77;
    auto refused = [&](const std::string& damaged) {
        const SavedGameRead read = RestoreSavedGame(damaged, after.s, after.clock.Now());
        return !read.ok && !read.error.empty() && after.s.TilesLeft == 77 &&
               after.s.GameMode == ModeNone;
    };
    // Cut anywhere: a file written halfway is never taken for a game.
    for (size_t cut = text.find('\n'); cut + 1 < text.size(); cut = text.find('\n', cut + 1))
        EXPECT_TRUE(refused(text.substr(0, cut + 1))) << "cut after byte " << cut;
    // A tile twice, a tile lost, a position off the layout.
    const size_t at = text.find("\nat ") + 1;
    const size_t next = text.find('\n', at) + 1;
    std::string twice = text;
    twice.replace(next, text.find('\n', next) - next, text.substr(at, next - at - 1));
    EXPECT_TRUE(refused(twice));
    std::string lost = text;
    lost.erase(at, next - at);
    EXPECT_TRUE(refused(lost));
    std::string off = text;
    off.replace(at, next - at - 1, "at 1 1 1 5");
    EXPECT_TRUE(refused(off));
    // Another layout by the same name.
    after.s.layout = ShippedLayout("Pyramid.shp");
    EXPECT_TRUE(refused(text));
    after.s.layout = ShippedLayout("Traditional.lay");

    std::string later = text;
    later.replace(later.find("version 1"), 9, "version 2");
    const SavedGameRead read = RestoreSavedGame(later, after.s, after.clock.Now());
    EXPECT_TRUE(read.otherVersion);
    EXPECT_TRUE(refused(later));
    EXPECT_TRUE(refused("Quorin.ini\n[Quorin]\n"));
    EXPECT_TRUE(RestoreSavedGame(text, after.s, after.clock.Now()).ok);
}

}  // namespace
}  // namespace quorin::test
