// Which of the girls' pictures heads the side panel: her mood follows the game in progress.
#pragma once

#include "board/GameState.h"

namespace quorin {

// Index 1..11 of the picture for the game in progress (or the one paused); 1 between games.
// Reads MovesLeft, so the caller counts the moves first.
int PanelPicture(const GameState& state);

}  // namespace quorin
