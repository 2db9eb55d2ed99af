#include "games/GameRules.h"

namespace quorin {

void GameRules::RightPress() {
    GameState& s = S();
    s.HintTile1 = s.HintTile2 = 0;
    s.Selected1 = s.Selected2 = 0;
    View().FullRedraw();
    View().RestoreSidePanel();
}

bool GameRules::ClockStep() {
    GameState& s = S();
    s.ElapsedSeconds = static_cast<int32_t>((c_.ticks.Now() - s.StartTick) / 1000);
    return s.ElapsedSeconds + s.PenaltySeconds >= kTimeLimitSeconds;
}

}  // namespace quorin
