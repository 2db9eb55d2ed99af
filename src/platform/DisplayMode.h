// The start-up option "Switch to 800x600 / High-Color at startup".
//
// On Linux the game never changes the screen mode. Under Wayland a program cannot do it at
// all, and under X11 a mode switch outlives a crash of the game, leaving the player's desktop
// at 800 x 600; the window is small enough for any screen anyway. So the mode test always
// reports failure: the option stays in the menu and in the settings file, start-up records
// that nothing changed, and the close has nothing to restore. The task bar of the original
// platform has no counterpart here and is left alone.
#pragma once

namespace quorin {

// Whether the screen already is 800 x 600 with at least 16 bits per pixel, in which case the
// switch has nothing to do.
bool ScreenIs800x600At16Bits(int width, int height, int depth);

// Whether the screen could be switched to 800 x 600 at 16 bits per pixel: never.
bool TestDisplayMode800x600();

// Puts back the mode the player had before start-up: there is nothing to put back.
void RestoreDisplayMode();

}  // namespace quorin
