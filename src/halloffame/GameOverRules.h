// What the end of a game says: the final time, the Clicks top score, or the verdict of a
// two-player game.
#pragma once

#include <cstdint>
#include <string>

namespace quorin {

// "Your final time is 04:05" for a total of 245 s; for the Clicks columns "You reached the
// top ! Great !" when no piece is left, else empty (no window is shown).
std::string FinalTimeText(int column, int elapsed, int penalty);

// The smaller thinking time wins; equal times are a draw.
std::string TwoPlayerVerdict(int32_t player1Millis, int32_t player2Millis);

}  // namespace quorin
