// The rules of play: what a press on the board does, dealing a game, and the player's aids
// (back, restart, hint, shuffle). The window forwards its events here and draws what the
// state says. What differs between the games lives in one class per game (GameRules); this
// class holds what they share and hands each event to the game of the mode in progress.
#pragma once

#include <memory>

#include "board/BoardView.h"
#include "board/Clock.h"
#include "board/Dealer.h"
#include "board/GameState.h"
#include "board/Random.h"
#include "games/GameRules.h"

namespace quorin {

class Solitaire;
class RiversGame;
class MemoryGame;
class ClicksGame;

class Game {
  public:
    Game(BoardView& view, TickSource& ticks, TimeOfDaySource& timeOfDay);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    static constexpr int kTimeLimitSeconds = quorin::kTimeLimitSeconds;

    GameState& State() { return s_; }
    const GameState& State() const { return s_; }
    Random& Rng() { return random_; }
    Dealer MakeDealer() { return Dealer(s_, random_, view_); }
    uint32_t Now() { return ticks_.Now(); }

    // Puts the layout on the board and deals it with the dealer the options choose.
    DealResult DealLayout();
    // Clears what belongs to the previous game: selection, hint, clocks and penalties.
    void ResetForNewGame();
    // Deals a game of Rivers, Memory or Clicks at its easy or hard level and starts its
    // clock. The mode itself is the window's to set.
    void StartGame(uint8_t mode, bool hard);

    // The game of that mode; none outside a game (paused games included).
    GameRules* RulesFor(uint8_t mode);

    // A press on the board surface at window pixel (X, Y).
    void ButtonDown(MouseButton button, int X, int Y);

    void Back();
    void GoBack();
    void BackHistory();
    void Restart();
    void Hint();

    // What happens at each tick before the clock: a turned Memory pair is judged.
    void Tick();
    // The game clock at a tick: the elapsed seconds of the game in progress (in Clicks the
    // pieces left). True when the total with penalties has reached the 100-minute limit.
    bool AdvanceClock();
    // A pause keeps what the clocks of the mode in progress have run; going on starts them
    // again from there, so paused time counts for nobody.
    void FreezeClocks();
    void ThawClocks();
    void Shuffle1Click();

  private:
    GameState s_;
    BoardView& view_;
    TickSource& ticks_;
    Random random_;
    GameContext context_;
    std::unique_ptr<Solitaire> solitaire_;
    std::unique_ptr<RiversGame> rivers_;
    std::unique_ptr<MemoryGame> memory_;
    std::unique_ptr<ClicksGame> clicks_;
};

}  // namespace quorin
