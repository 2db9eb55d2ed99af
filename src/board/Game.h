// The rules of play: what a press on the board does, dealing a game, and the player's aids
// (back, restart, hint, shuffle). The window forwards its events here and draws what the
// state says.
#pragma once

#include "board/BoardView.h"
#include "board/Clock.h"
#include "board/Dealer.h"
#include "board/GameState.h"
#include "board/Random.h"

namespace quorin {

enum class MouseButton { Left, Right, Middle };

class Game {
  public:
    Game(BoardView& view, TickSource& ticks, TimeOfDaySource& timeOfDay)
        : view_(view), ticks_(ticks), random_(timeOfDay) {}

    // A game stops when its time with penalties reaches 100 minutes (99:59 is the last shown).
    static constexpr int32_t kTimeLimitSeconds = 6000;

    GameState& State() { return s_; }
    const GameState& State() const { return s_; }
    Random& Rng() { return random_; }
    Dealer MakeDealer() { return Dealer(s_, random_, view_); }
    uint32_t Now() { return ticks_.Now(); }

    // Puts the layout on the board and deals it with the dealer the options choose.
    DealResult DealLayout();
    // Clears what belongs to the previous game: selection, hint, clocks and penalties.
    void ResetForNewGame();

    // A press on the board surface at window pixel (X, Y).
    void ButtonDown(MouseButton button, int X, int Y);
    // A press at board point (px, py), in cell column and row.
    void ChoisitPai(int px, int py, int column, MouseButton button, int row);

    void Back();
    void GoBack();
    void BackHistory();
    void Restart();
    void Hint();

    // The game clock at a tick: the elapsed seconds of the game in progress (in Clicks the
    // pieces left). True when the total with penalties has reached the 100-minute limit.
    bool AdvanceClock();
    // A pause keeps what the clocks of the mode in progress have run; going on starts them
    // again from there, so paused time counts for nobody.
    void FreezeClocks();
    void ThawClocks();
    void Shuffle1Click();

  private:
    void SonOK(int tile);
    void TestStile2();
    void MatchSelection();
    void RemoveSelectedPair();
    void PassTurn();
    void FreeShuffle();
    void ReportShuffle();

    GameState s_;
    BoardView& view_;
    TickSource& ticks_;
    Random random_;
};

}  // namespace quorin
