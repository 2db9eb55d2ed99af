#include "games/TwoPlayerClocks.h"

#include <cstdio>

namespace quorin {

namespace {

bool IsToMove(const GameState& s, int player) {
    return s.PlayerTwoTurn == (player == 2);
}

}  // namespace

void StartTwoPlayerClocks(GameState& s, uint32_t now) {
    s.PlayerTwoTurn = false;
    s.Player1Millis = s.Player2Millis = 0;
    s.PausedTurn1 = s.PausedTurn2 = 0;
    s.StartTick = s.Player1Tick = s.Player2Tick = now;
}

int32_t PlayerClockMillis(const GameState& s, int player, uint32_t now) {
    const int32_t used = player == 2 ? s.Player2Millis : s.Player1Millis;
    if (!IsToMove(s, player))
        return used;
    const uint32_t since = player == 2 ? s.Player2Tick : s.Player1Tick;
    return used + static_cast<int32_t>(now - since);
}

bool PlayerNameLit(const GameState& s, int player, uint32_t now) {
    return !IsToMove(s, player) || now % 1000 > 500;
}

std::string FormatPlayerClock(int32_t millis) {
    const int32_t seconds = millis < 0 ? 0 : millis / 1000;
    char text[24];
    std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(seconds / 60),
                  static_cast<int>(seconds % 60));
    return text;
}

}  // namespace quorin
