// Mah-Jongg Clicks: a grid of 18 x 12 coloured pieces. A press on a piece with a neighbour of
// its colour removes the whole group; the pieces above fall, empty columns close to the
// left, and the fewer pieces are left at the end, the better.
#pragma once

#include "games/GameRules.h"

namespace quorin {

inline constexpr int32_t kClicksEasy = 120;
inline constexpr int32_t kClicksHard = 121;

// Pixel pitch of the pieces; their pictures are 38 px wide and overlap.
inline constexpr int kClicksPitch = 32;

// Every playing cell gets a random colour of the level: 1..4 easy, 1..6 hard.
void DealClicks(GameState& state, Random& random, bool hard);

// The groups of two or more pieces of one colour joined side by side: the moves left.
int ClicksMoves(const ClicksGrid& grid);

// The cell a board point falls on (it may lie outside the playing cells).
struct ClicksCell {
    int n;
    int i;
};
constexpr ClicksCell ClicksCellAt(int px, int py) {
    return {px / kClicksPitch + 1, (py + 16) / kClicksPitch + 1};
}

// One pass of the settling: every piece with a hole below falls one cell (a piece that fell
// is looked at again further down in the same pass), then every empty column with pieces
// to its right is closed by one column. True when anything moved.
bool SettleClicksPass(ClicksGrid& grid);

class ClicksGame : public GameRules {
  public:
    using GameRules::GameRules;

    void Start(bool hard) override;
    void Press(MouseButton button, int px, int py) override;
    // One target per group of two pieces or more, at its first piece.
    std::vector<FocusTarget> FocusTargets() const override;
    // FreeCount and MovesLeft both count the groups that can be removed.
    void CountFree() override;
    bool CanTakeBack() const override { return true; }
    // Puts back the grid as it was before the last move.
    bool TakeBack() override;
    // The score is the pieces left: the clock follows them.
    bool ClockStep() override;
    // Pieces are counted, not seconds: a cleared board would never look finished to the
    // redraw, which waits for a running clock, so it ends the game at once.
    void BoardEmpty() override { S().GameFinished = true; }
    // A cleared board scores nothing but its penalty.
    void Finish() override;

    // A dead end asks the player whether to give up. The question is due when pieces are
    // left and no group is, unless the player said No with nothing left to take back.
    bool GiveUpDue();
    // Yes ends the game with the pieces left as its score; No takes the last move back.
    // True when a move was taken back and the board must be shown again.
    bool AnswerGiveUp(bool giveUp);

  private:
    int FloodFill(int n, int i, uint8_t colour);
    // Asked again at every tick, the question would never let the player go.
    bool giveUpDeclined_ = false;
};

}  // namespace quorin
