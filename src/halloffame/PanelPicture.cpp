#include "halloffame/PanelPicture.h"

namespace quorin {

int PanelPicture(const GameState& s) {
    const uint8_t mode = s.GameMode == ModePaused ? s.SavedMode : s.GameMode;
    const int total = s.ElapsedSeconds + s.PenaltySeconds;
    switch (mode) {
        case ModeSolitaire:
            return s.MovesLeft <= 2 ? 11 : s.MovesLeft <= 7 ? 9 : 10;
        case ModeRivers:
            return total <= 120 ? 7 : total <= 240 ? 6 : 8;
        case ModeMemory:
            return total <= 60 ? 7 : total <= 120 ? 6 : 8;
        case ModeClicks:
            return s.MovesLeft <= 6 ? 5 : s.MovesLeft <= 24 ? 3 : 4;
        default:
            return 1;
    }
}

}  // namespace quorin
