// What the score panels of the status bar show at a tick, and what the count of moves
// tells about the game: the board is empty, or no move is left.
#pragma once

#include <string>

#include "games/Game.h"

namespace quorin {

// Two-digit minutes, a colon and two-digit seconds: 425 gives "07:05".
std::string FormatGameTime(int seconds);

struct ScoreReport {
    // Empty when the panel shows nothing.
    std::string tilesLeft;
    std::string movesLeft;
    std::string time;
    // A move was found: a bouncing no-moves message comes to rest.
    bool movesFound = false;
    enum class Event {
        None,
        BoardEmpty,   // the redraw that follows ends the game
        NoMoreMoves,  // a dead end the status line has not told yet
        GiveUp,       // Clicks has no group left to remove: the player is asked to give up
    } event = Event::None;
};

// Recounts the free tiles and moves of the game in progress, the way that game counts them,
// and says what the panels show (also while paused), with "Show Moves Left" and "Show Time
// Left" as given. `noMovesTold` is whether the no-moves message is already on the status line.
ScoreReport ReportScore(Game& game, bool showMoves, bool showTime, bool noMovesTold);

}  // namespace quorin
