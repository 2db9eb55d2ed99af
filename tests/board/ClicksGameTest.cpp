// Clicks: the deal, the press that removes a group, the settling pass by pass, the moves
// count and taking moves back.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/BoardTestSupport.h"
#include "board/FreeRule.h"
#include "games/Clicks.h"

namespace quorin {
namespace {

using G = ClicksGrid;

// A grid drawn as rows of digits, top row first, one character per column from column 2;
// '.' is empty. Rows not given stay empty at the top.
G Grid(const std::vector<std::string>& rows) {
    G g;
    const int top = G::kLastRow - static_cast<int>(rows.size()) + 1;
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            if (rows[r][c] != '.')
                g.At(G::kFirstColumn + static_cast<int>(c), top + static_cast<int>(r)) =
                    static_cast<uint8_t>(rows[r][c] - '0');
    return g;
}

int Pieces(const G& g) {
    int n = 0;
    for (uint8_t v : g.cells)
        n += v != 0;
    return n;
}

class ClicksPlay : public ::testing::Test {
  protected:
    void SetUp() override {
        t.Play(ModeClicks);
        t.s.options.ShowGirls = false;
    }
    void Lay(const G& g) {
        t.s.Clicks = g;
        t.s.TotalTiles = G::kPieces;
        t.s.TilesLeft = Pieces(g);
        t.s.ClicksUndoDepth = 0;
    }
    // A press in the middle of cell (n, i).
    void Click(int n, int i) {
        t.game.ButtonDown(MouseButton::Left, 32 * (n - 1) + 16 + t.s.BoardOriginX,
                          32 * (i - 1) + t.s.BoardOriginY);
    }
    int Frames() {
        int frames = 0;
        for (const std::string& e : t.view.Take())
            frames += e == "repaint";
        return frames;
    }
    test::Table t;
};

TEST_F(ClicksPlay, DealFillsEveryCellWithTheColoursOfItsLevel) {
    for (const bool hard : {false, true}) {
        t.game.StartGame(ModeClicks, hard);
        EXPECT_EQ(t.s.CurrentLayout, hard ? 121 : 120);
        EXPECT_EQ(t.s.TilesLeft, 216);
        EXPECT_EQ(t.s.ElapsedSeconds, 216);
        int highest = 0;
        for (int n = 0; n < G::kColumns; ++n)
            for (int i = 0; i < G::kRows; ++i) {
                const int v = t.s.Clicks.At(n, i);
                const bool inPlay = n >= 2 && n <= 19 && i >= 2 && i <= 13;
                EXPECT_EQ(v != 0, inPlay) << n << "," << i;
                highest = std::max(highest, v);
            }
        EXPECT_EQ(highest, hard ? 6 : 4);
    }
}

TEST_F(ClicksPlay, APressRemovesTheWholeGroupAndALonePieceIsRefused) {
    // A group of 1s reaching the left border and the bottom, a lone 3 on top of it.
    Lay(Grid({"3...", "12..", "112.", "1112"}));
    Click(3, 11);  // a 2 whose twins touch it only at the corners
    Click(2, 10);  // the 3
    EXPECT_EQ(t.s.TilesLeft, 10);
    EXPECT_THAT(t.view.Take(), ::testing::ElementsAre("noway", "noway"));
    Click(2, 13);
    EXPECT_EQ(t.s.TilesLeft, 4);
    EXPECT_EQ(t.s.ClicksUndoDepth, 1);
    // What stood above the group fell to the bottom, each piece all the way in one pass.
    EXPECT_EQ(t.s.Clicks.cells, Grid({"3222"}).cells);
    t.game.CountFree();
    EXPECT_EQ(t.s.MovesLeft, 1);
    // Outside the grid nothing is hit.
    t.view.Take();
    t.game.ButtonDown(MouseButton::Left, 0, 0);
    t.game.ButtonDown(MouseButton::Left, 700, 460);
    EXPECT_THAT(t.view.Take(), ::testing::ElementsAre("noway", "noway"));
}

TEST_F(ClicksPlay, ATwinOnAnySideMakesAGroup) {
    // The pressed piece's one twin lies above, below, right or left of it; the other
    // pieces around differ from both.
    const struct {
        std::vector<std::string> rows;
        int n, i;
    } cases[] = {{{"1", "1", "2"}, 2, 12},
                 {{"1", "1", "2"}, 2, 11},
                 {{"3", "112"}, 2, 13},
                 {{"3", "112"}, 3, 13}};
    for (const auto& c : cases) {
        Lay(Grid(c.rows));
        Click(c.n, c.i);
        EXPECT_EQ(t.s.TilesLeft, Pieces(Grid(c.rows)) - 2) << "press on " << c.n << "," << c.i;
    }
}

TEST_F(ClicksPlay, AFullColumnFallsOnePiecePerPass) {
    std::vector<std::string> rows(12, "1");
    rows[11] = "2";
    rows.back() += "2";  // the bottom 2 has a twin on its right
    for (int r = 0; r < 11; ++r)
        rows[r] = std::string(1, static_cast<char>('3' + r % 2));  // 3 4 3 4 ...: no groups
    Lay(Grid(rows));
    t.s.options.AnimateClicks = true;
    Click(2, 13);
    // 11 passes that moved a piece, one that did not, then the final picture.
    EXPECT_EQ(Frames(), 13);
    EXPECT_EQ(t.s.Clicks.At(2, 2), 0);
    EXPECT_EQ(t.s.Clicks.At(2, 13), 3);
    EXPECT_EQ(t.s.TilesLeft, 11);

    // Without animation only the end shows.
    Lay(Grid({"3", "4", "22"}));
    t.s.options.AnimateClicks = false;
    Click(2, 13);
    EXPECT_EQ(Frames(), 1);
}

TEST_F(ClicksPlay, EmptyColumnsCloseOnePerPassAndTheRightEdgeStaysOpen) {
    G g = Grid({"1..2", "1..2"});
    EXPECT_TRUE(SettleClicksPass(g));
    EXPECT_EQ(g.cells, Grid({"1.2", "1.2"}).cells);
    EXPECT_TRUE(SettleClicksPass(g));
    EXPECT_EQ(g.cells, Grid({"12", "12"}).cells);
    EXPECT_FALSE(SettleClicksPass(g));

    // The last column moves into an empty last-but-one.
    G last = Grid({"1111111111111111.2"});
    EXPECT_TRUE(SettleClicksPass(last));
    EXPECT_EQ(last.cells, Grid({"11111111111111112"}).cells);

    // Empty columns with nothing to their right do not move anything.
    G edge = Grid({"1.................", "1................."});
    EXPECT_FALSE(SettleClicksPass(edge));
    G right = Grid({".................3", ".................3"});
    while (SettleClicksPass(right)) {
    }
    EXPECT_EQ(right.cells, Grid({"3", "3"}).cells);
}

TEST_F(ClicksPlay, MovesCountEveryGroupOnce) {
    EXPECT_EQ(ClicksMoves(Grid({"1212", "2121"})), 0);
    EXPECT_EQ(ClicksMoves(Grid({"1122", "1133"})), 3);
    EXPECT_EQ(ClicksMoves(Grid({"111111111111111111"})), 1);
}

TEST_F(ClicksPlay, TakingBackAMoveOfManyPiecesRestoresThemAll) {
    const G start = Grid({"2", "1113", "1224"});
    Lay(start);
    Click(2, 13);
    ASSERT_EQ(t.s.TilesLeft, 5);
    t.game.GoBack();
    EXPECT_EQ(t.s.Clicks.cells, start.cells);
    EXPECT_EQ(t.s.TilesLeft, 9);
    EXPECT_EQ(t.s.ClicksUndoDepth, 0);
    EXPECT_FALSE(t.game.AdvanceClock());
    EXPECT_EQ(t.s.ElapsedSeconds, 9);
}

TEST_F(ClicksPlay, TheLongestGameIsTakenBackToItsStart) {
    // Vertical pairs of alternating colours, shifted between neighbouring columns: every
    // move removes two pieces, 108 moves clear the grid.
    G start;
    for (int n = 2; n <= 19; ++n)
        for (int i = 2; i <= 13; ++i)
            start.At(n, i) = static_cast<uint8_t>(1 + ((i / 2 + n) % 2));
    Lay(start);
    EXPECT_EQ(ClicksMoves(start), 108);
    for (int move = 1; move <= 108; ++move) {
        const int before = t.s.TilesLeft;
        bool clicked = false;
        for (int n = 2; n <= 19 && !clicked; ++n)
            for (int i = 2; i <= 13 && !clicked; ++i)
                if (t.s.Clicks.At(n, i) != 0) {
                    Click(n, i);
                    clicked = true;
                }
        ASSERT_EQ(t.s.TilesLeft, before - 2) << "move " << move;
    }
    EXPECT_EQ(t.s.TilesLeft, 0);
    EXPECT_EQ(t.s.ClicksUndoDepth, 108);
    t.game.Back();  // a cleared board is won: Back leaves it
    EXPECT_EQ(t.s.TilesLeft, 0);
    for (int move = 108; move >= 1; --move)
        t.game.GoBack();
    EXPECT_EQ(t.s.Clicks.cells, start.cells);
    EXPECT_EQ(t.s.TilesLeft, 216);
    EXPECT_EQ(t.s.ClicksUndoDepth, 0);
    t.game.GoBack();  // nothing left to take back
    EXPECT_EQ(t.s.Clicks.cells, start.cells);
    // The clock shows the pieces left.
    EXPECT_FALSE(t.game.AdvanceClock());
    EXPECT_EQ(t.s.ElapsedSeconds, 216);
}

}  // namespace
}  // namespace quorin
