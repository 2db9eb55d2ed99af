// What differs from one game to the next. Every game (solitaire with its two-player form,
// Rivers, Memory, Clicks) is one class behind this interface; `Game` picks the one of the
// mode in progress and keeps what all of them share: the gate in front of a press, the
// pause, the reset of a new game.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "board/BoardView.h"
#include "board/Clock.h"
#include "board/GameState.h"
#include "board/Random.h"
#include "games/Focus.h"

namespace quorin {

enum class MouseButton { Left, Right, Middle };

// What a game works with; the Game owns all of it.
struct GameContext {
    GameState& s;
    BoardView& view;
    TickSource& ticks;
    Random& random;
};

class GameRules {
  public:
    explicit GameRules(GameContext context) : c_(context) {}
    virtual ~GameRules() = default;
    GameRules(const GameRules&) = delete;
    GameRules& operator=(const GameRules&) = delete;

    // Deals a new game of the level (`hard` for the second one) and resets its counters.
    // Solitaire deals through its layout and does nothing here.
    virtual void Start(bool hard) { (void)hard; }

    // A left or middle press at board point (px, py), once the gate has let it through.
    virtual void Press(MouseButton button, int px, int py) = 0;
    // A right press: forget the selection and the hint.
    virtual void RightPress();

    // What the keyboard may act on: every tile the player may pick now.
    virtual std::vector<FocusTarget> FocusTargets() const;
    // Rebuilds FreeList, FreeCount and MovesLeft.
    virtual void CountFree() = 0;
    // May the player pick this tile now? In games without a free rule, any tile.
    virtual bool IsFree(int tile) const {
        (void)tile;
        return true;
    }

    // Whether Back and Restart apply to this game.
    virtual bool CanTakeBack() const { return false; }
    // Takes back one move; false when there is none.
    virtual bool TakeBack() { return false; }

    // `safe`, when both are tiles, is a pair known to keep the board winnable.
    virtual void Hint(std::pair<int, int> safe) { (void)safe; }
    // Whether "Shuffle" applies to this game.
    virtual bool CanShuffle() const { return false; }
    virtual void Shuffle() {}

    // What happens at every clock tick before the clock, also while the game is paused.
    virtual void Tick() {}
    // The game clock at a tick: true when the game has reached its time limit.
    virtual bool ClockStep();
    // The score panels found the board empty.
    virtual void BoardEmpty() {}
    // The game is over: the time or the score it enters the hall of fame with is set.
    virtual void Finish() {}

  protected:
    // Tiles a and b leave the board: the move history records them at their places now, or
    // `fromA` for a when it travelled, the selection is dropped and both are redrawn away.
    void RemovePair(int a, int b, const TilePosition* fromA = nullptr);

    GameState& S() { return c_.s; }
    const GameState& S() const { return c_.s; }
    BoardView& View() { return c_.view; }
    GameContext c_;
};

// A game stops when its time with penalties reaches 100 minutes (99:59 is the last shown).
inline constexpr int kTimeLimitSeconds = 6000;

}  // namespace quorin
