// The rules of play: what a press on the board does, dealing a game, and the player's aids
// (back, restart, hint, shuffle). The window forwards its events here and draws what the
// state says. What differs between the games lives in one class per game (GameRules); this
// class holds what they share and hands each event to the game chosen when it started.
#pragma once

#include <memory>
#include <utility>

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

    // Puts the layout on the board and deals it with the dealer the options choose. A
    // winnable deal under the vertical variation is one the solver proved; when none was
    // found in time the last one stays, and the status line says it may not clear.
    DealResult DealLayout();
    // Clears what belongs to the previous game: selection, hint, clocks and penalties.
    void ResetForNewGame();
    // Deals a game of Rivers, Memory or Clicks at its easy or hard level and starts its
    // clock. The mode itself is the window's to set.
    void StartGame(uint8_t mode, bool hard);

    // The rules of the game that starts now, in the mode that names it (solitaire for one or
    // two players, Rivers, Memory, Clicks): every event of that game goes to them until the
    // next game starts. Any other mode chooses none.
    GameRules* Choose(uint8_t mode);
    // The rules of the game being played; none between games, in the editor and while paused.
    GameRules* Active();
    // The rules chosen for the last game started, also while it is paused or over.
    GameRules* Current() { return current_; }
    // Changes with every game started: an answer to a question about one game (the Clicks
    // give-up question) must not land in the next one.
    uint32_t GameNumber() const { return gameNumber_; }
    ClicksGame& Clicks() { return *clicks_; }
    // Counts the events that may have changed the game (presses, the player's aids, a new
    // game, a judged Memory pair): the game is written down again when it moves on.
    uint32_t Changes() const { return changes_; }
    // The answer to the Clicks give-up question, for the game it was asked in.
    void AnswerClicksGiveUp(bool giveUp);

    // What the keyboard may act on in the game being played; nothing between games.
    std::vector<FocusTarget> FocusTargets() {
        GameRules* rules = Active();
        return rules ? rules->FocusTargets() : std::vector<FocusTarget>{};
    }
    // Rebuilds FreeList, FreeCount and MovesLeft the way the game being played counts them.
    void CountFree();

    // A press on the board surface at window pixel (X, Y).
    void ButtonDown(MouseButton button, int X, int Y);

    void Back();
    void GoBack();
    // Takes `pairs` moves back at once, by the rules of Back, and shows the board once.
    void GoBack(int pairs);
    void BackHistory();
    void Restart();
    // Shows a free pair for 40 seconds of penalty. The window may hand over `safe`, a pair
    // known to keep the board winnable (the first of a solver's removal order for the board
    // as it stands): the first press after a move shows it when both tiles are on the board,
    // free and of one group. Without it, or on the presses after, the hint goes round the
    // free pairs.
    void Hint(std::pair<int, int> safe = {0, 0});

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
    DealResult DealProvedVertical(Dealer& dealer);
    bool TwoPlayerGame() const;
    // The board, the side panel and the window after moves were taken back.
    void ShowTakenBack();

    GameState s_;
    BoardView& view_;
    TickSource& ticks_;
    Random random_;
    GameContext context_;
    std::unique_ptr<Solitaire> solitaire_;
    std::unique_ptr<RiversGame> rivers_;
    std::unique_ptr<MemoryGame> memory_;
    std::unique_ptr<ClicksGame> clicks_;
    GameRules* current_ = nullptr;
    uint32_t gameNumber_ = 0;
    uint32_t changes_ = 0;
};

}  // namespace quorin
