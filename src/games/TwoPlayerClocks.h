// The two players' clocks: each runs only during its player's turns, and the turn passes
// with every removed pair (Game::PassTurn). A pause keeps both as they were
// (Game::FreezeClocks / ThawClocks).
#pragma once

#include <cstdint>
#include <string>

#include "board/GameState.h"

namespace quorin {

// A new two-player game: player 1 to move, both clocks at zero and starting now.
void StartTwoPlayerClocks(GameState& state, uint32_t now);

// Thinking time of player 1 or 2 so far, the turn in progress included.
int32_t PlayerClockMillis(const GameState& state, int player, uint32_t now);

// The name of the player to move blinks once a second; the other one stays lit.
bool PlayerNameLit(const GameState& state, int player, uint32_t now);

// Whole seconds as two-digit minutes and seconds: 61'999 ms gives "01:01".
std::string FormatPlayerClock(int32_t millis);

}  // namespace quorin
