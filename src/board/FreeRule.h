// Which tiles are free, and how many free tiles and moves the board offers.
#pragma once

#include "board/GameState.h"

namespace quorin {

// Horizontal rule: nothing on top, and the left or the right side open.
bool Dispo(const GameState& state, int tile);
// Vertical variation: nothing on top, and the upper or the lower side open.
bool Dispo_Vertical(const GameState& state, int tile);
// The rule the options choose.
bool IsTileFree(const GameState& state, int tile);

// The horizontal rule applied to a cell while dealing, where any non-zero cell (a tile or
// an undealt position) counts as occupied.
bool IsFreeForDeal(const BoardTables& board, int x, int y, int layer);

// Rebuilds FreeList (free tiles in ascending id order), FreeCount and MovesLeft under the
// rule the options choose. MovesLeft counts, per group, the free tiles minus one. Each game
// counts in its own way: ask its rules (GameRules::CountFree), not this.
void IsItFree(GameState& state);

}  // namespace quorin
