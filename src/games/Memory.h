// Mah-Jongg Memory: the tiles lie face down in a flat grid; two are turned, and after half a
// second they leave when they are of one group or turn back with two seconds of penalty.
#pragma once

#include "games/GameRules.h"

namespace quorin {

inline constexpr int32_t kMemoryEasy = 110;
inline constexpr int32_t kMemoryHard = 111;

// Ticks of the clock a turned pair stays on show before it is judged.
inline constexpr int32_t kMemoryShowTicks = 10;
inline constexpr int32_t kMemoryMissPenalty = 2;

// Easy: 32 tiles (faces 1..8) on 8 columns x 4 rows; hard: 84 tiles (faces 1..21) on 14 x 6.
// Each id lands on a random free position of the grid; sets the counts and CurrentLayout.
void DealMemory(GameState& state, Random& random, bool hard);

class MemoryGame : public GameRules {
  public:
    using GameRules::GameRules;

    void Start(bool hard) override { DealMemory(S(), c_.random, hard); }
    void Press(MouseButton button, int px, int py) override;
    // The turned tiles stay turned.
    void RightPress() override;
    // Nothing to count: every face-down tile is a move.
    void CountFree() override {}

    // At every clock tick: counts the show down and judges the pair at its end.
    void Tick() override;
};

}  // namespace quorin
