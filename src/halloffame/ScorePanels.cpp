#include "halloffame/ScorePanels.h"

#include <cstdio>

namespace quorin {

std::string FormatGameTime(int seconds) {
    if (seconds < 0)
        seconds = 0;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
    return text;
}

ScoreReport ReportScore(Game& game, bool showMoves, bool showTime, bool noMovesTold) {
    GameState& s = game.State();
    ScoreReport r;
    const uint8_t mode = s.GameMode;
    if (!(IsGameInProgress(mode) || mode == ModePaused) || s.GameFinished)
        return r;
    game.CountFree();
    r.tilesLeft = std::to_string(s.TilesLeft);
    const bool countsMoves =
        mode == ModeSolitaire || mode == ModeTwoPlayers || mode == ModeRivers || mode == ModeClicks;
    if (showMoves && countsMoves)
        r.movesLeft = std::to_string(s.MovesLeft);
    const bool timed = mode == ModeSolitaire || mode == ModeRivers || mode == ModeMemory;
    if (showTime && timed)
        r.time = FormatGameTime(s.ElapsedSeconds + s.PenaltySeconds);
    r.movesFound = s.MovesLeft > 0;
    // A cleared board is no dead end, in Clicks neither: it ends the game before any question.
    if (s.TilesLeft == 0 && !s.GameOverShown) {
        r.event = ScoreReport::Event::BoardEmpty;
    } else if (mode == ModeClicks && s.TilesLeft > 0 && s.MovesLeft == 0) {
        r.event = ScoreReport::Event::GiveUp;
    } else if (s.TilesLeft > 0 && s.MovesLeft == 0 &&
               (mode == ModeSolitaire || mode == ModeTwoPlayers || mode == ModeRivers) &&
               !noMovesTold) {
        r.event = ScoreReport::Event::NoMoreMoves;
    }
    return r;
}

}  // namespace quorin
